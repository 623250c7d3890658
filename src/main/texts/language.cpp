#include "main/texts/language.h"

namespace {
TLanguage activeLanguage = TLanguage::Japanese;
std::optional<TLanguage> chosenLanguage;
constexpr uint16_t kLangJapanese = 0x11;  // the primary language of every Japanese id
}  // namespace

TLanguage ActiveLanguage() { return activeLanguage; }

const wchar_t* Pick(const TText& text) { return text.In(activeLanguage); }

void StartLanguage(std::optional<TLanguage> stored, TLanguage ofUser) {
  chosenLanguage = stored;
  activeLanguage = stored.value_or(ofUser);
}

void ChooseLanguage(TLanguage language) {
  chosenLanguage = language;
  activeLanguage = language;
}

std::optional<TLanguage> ChosenLanguage() { return chosenLanguage; }

std::optional<TLanguage> LanguageOfNumber(uint32_t number) {
  for (TLanguage language : kLanguages)
    if (static_cast<uint32_t>(language) == number) return language;
  return std::nullopt;
}

TLanguage LanguageOfLangId(uint16_t langId) {
  return (langId & 0x3FF) == kLangJapanese ? TLanguage::Japanese : TLanguage::English;
}

int32_t TextColumns(const std::wstring& text) {
  int32_t columns = 0;
  for (wchar_t c : text) {
    // Half-width katakana and the half-width forms after them take one column.
    const bool narrow = c < 0x1100 || (c >= 0xFF61 && c <= 0xFFDC);
    columns += narrow ? 1 : 2;
  }
  return columns;
}

std::wstring WithoutMnemonic(const std::wstring& caption) {
  const std::size_t open = caption.rfind(L"(&");
  if (open != std::wstring::npos && caption.size() == open + 4 && caption.back() == L')') {
    const std::size_t end =
        open == 0 ? std::wstring::npos : caption.find_last_not_of(L' ', open - 1);
    return caption.substr(0, end == std::wstring::npos ? 0 : end + 1);
  }
  std::wstring plain;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
    plain += caption[i];
  }
  return plain;
}
