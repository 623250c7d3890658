// The language the program speaks, and texts held in every language side by side. This is
// the one place that knows which language is on: everything else asks for a text and gets
// it in the active language.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The numbers are those the settings file stores.
enum class TLanguage : uint8_t { Japanese = 0, English = 1 };
constexpr int kLanguageCount = 2;
constexpr TLanguage kLanguages[kLanguageCount] = {TLanguage::Japanese, TLanguage::English};

// One text in each language.
struct TText {
  const wchar_t* Japanese;
  const wchar_t* English;
  const wchar_t* In(TLanguage language) const {
    return language == TLanguage::English ? English : Japanese;
  }
};

TLanguage ActiveLanguage();
// The text in the active language.
const wchar_t* Pick(const TText& text);

// At start: the stored choice where the settings file has one, otherwise the language of the
// user's interface. Only a choice is stored again at exit.
void StartLanguage(std::optional<TLanguage> stored, TLanguage ofUser);
// The user's choice in the menu, kept from now on.
void ChooseLanguage(TLanguage language);
// The choice that the settings file is to keep; none while the language follows the system.
std::optional<TLanguage> ChosenLanguage();

// A language the settings file may name; none for a number that names no language.
std::optional<TLanguage> LanguageOfNumber(uint32_t number);
// Japanese for a Windows language id whose primary language is Japanese, English for any other.
TLanguage LanguageOfLangId(uint16_t langId);

// Columns a text takes in the panel's fixed-pitch font: two for the wide characters of East
// Asian scripts, one for the rest (half-width katakana among them).
int32_t TextColumns(const std::wstring& text);
// A menu caption as the title line names it: without its accelerator, "(&A)" or "&".
std::wstring WithoutMnemonic(const std::wstring& caption);
