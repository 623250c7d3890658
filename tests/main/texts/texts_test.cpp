// The texts of both languages: complete, consistent, and the choice between them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "main/probe/colour_math.h"
#include "main/probe/info_lines.h"
#include "main/texts/command_texts.h"
#include "main/texts/message_texts.h"
#include "main/texts/panel_texts.h"
#include "resources/commands.h"

namespace {

struct Speaking {
  explicit Speaking(TLanguage language) { StartLanguage(language, language); }
  ~Speaking() { StartLanguage(std::nullopt, TLanguage::Japanese); }
};

bool Empty(const wchar_t* text) { return text == nullptr || *text == L'\0'; }

// The directives of a format, in order ("%2d", "%s", "%1:s"), so that a translation that takes
// other arguments shows.
std::multiset<std::wstring> Directives(const std::wstring& format) {
  std::multiset<std::wstring> found;
  for (std::size_t at = format.find(L'%'); at != std::wstring::npos; at = format.find(L'%', at)) {
    const std::size_t end = format.find_first_of(L"dsxf%", at + 1);
    found.insert(format.substr(at, end - at + 1));
    at = end + 1;
  }
  return found;
}

// A text is there in both languages, or in neither.
void ExpectBothOrNeither(const TText& text, const std::string& what) {
  EXPECT_EQ(Empty(text.Japanese), Empty(text.English)) << what;
}

TEST(Texts, EveryCommandMenuTextPanelLabelAndMessageHasBothLanguages) {
  for (std::size_t i = 0; i < kMainCommandCount; ++i) {
    const TCommandText& row = CommandText(static_cast<Cmd>(i));
    const std::string name = CommandName(row.Id);
    EXPECT_FALSE(Empty(row.Caption.Japanese) || Empty(row.Caption.English)) << name;
    EXPECT_FALSE(Empty(row.Category.Japanese) || Empty(row.Category.English)) << name;
    ExpectBothOrNeither(row.Hint, name + " hint");
  }
  std::vector<std::string> submenus;
  std::vector<const MenuItemDef*> open{&MainMenuDef()};
  while (!open.empty()) {
    const MenuItemDef* menu = open.back();
    open.pop_back();
    for (const MenuItemDef& item : menu->Items)
      if (item.Kind == MenuItemKind::kSubmenu) submenus.push_back(item.Name), open.push_back(&item);
  }
  for (const TMenuText& row : MenuTexts()) {
    ExpectBothOrNeither(row.Caption, row.Item);
    ExpectBothOrNeither(row.Hint, std::string(row.Item) + " hint");
  }
  for (const std::string& submenu : submenus) {
    const auto row = std::find_if(MenuTexts().begin(), MenuTexts().end(),
                                  [&](const TMenuText& r) { return submenu == r.Item; });
    ASSERT_NE(row, MenuTexts().end()) << submenu << " has no caption";
    EXPECT_FALSE(Empty(row->Caption.English)) << submenu;
  }
  for (int32_t item = 1; item <= kInfoItemCount; ++item) {
    const TText& label = PanelLabelRow(item).Label;
    EXPECT_FALSE(Empty(label.Japanese) || Empty(label.English)) << "item " << item;
  }
  for (int id = 0; id < static_cast<int>(TMessage::kCount); ++id) {
    const TText& text = MessageRow(static_cast<TMessage>(id)).Text;
    EXPECT_FALSE(Empty(text.Japanese) || Empty(text.English)) << "message " << id;
    EXPECT_EQ(Directives(text.Japanese), Directives(text.English)) << "message " << id;
  }
}

TEST(Texts, TheChoiceOfLanguage) {
  const struct {
    uint16_t langId;
    TLanguage language;
  } ids[] = {{0x0411, TLanguage::Japanese}, {0x0011, TLanguage::Japanese},
             {0x0409, TLanguage::English},  {0x0809, TLanguage::English},
             {0x0407, TLanguage::English},  {0x0000, TLanguage::English}};
  for (const auto& c : ids) EXPECT_EQ(LanguageOfLangId(c.langId), c.language) << c.langId;

  // The system decides until the user chooses; only a choice is kept.
  StartLanguage(std::nullopt, TLanguage::English);
  EXPECT_EQ(ActiveLanguage(), TLanguage::English);
  EXPECT_EQ(ChosenLanguage(), std::nullopt);
  StartLanguage(TLanguage::Japanese, TLanguage::English);
  EXPECT_EQ(ActiveLanguage(), TLanguage::Japanese);
  EXPECT_EQ(ChosenLanguage(), TLanguage::Japanese);
  ChooseLanguage(TLanguage::English);
  EXPECT_EQ(ChosenLanguage(), TLanguage::English);
  EXPECT_EQ(LanguageOfNumber(1), TLanguage::English);
  EXPECT_EQ(LanguageOfNumber(2), std::nullopt);
  StartLanguage(std::nullopt, TLanguage::Japanese);
}

TEST(Texts, EnglishPanelLinesReportAndTitleLine) {
  Speaking english(TLanguage::English);
  TProbeInfo info;
  info.Red = 255, info.RGBValue = 0xFF0000, info.Color = 0xFF;
  info.ClientSize = Size{284, 162};
  info.ClassName = L"Button";
  // The column is as wide as the longest English labels ("Client sz", "DPI aware") and a blank.
  EXPECT_EQ(PanelLabelColumns(), 9);
  EXPECT_EQ(InfoDisplayText(kItemRGB, info), L"RGB       R=255 G=0   B=0  ");
  EXPECT_EQ(InfoDisplayText(kItemContrast, info), L"Contrast  3.99:1 AA Large (ffffff)");
  info.RGBValue = 0x777777;
  EXPECT_EQ(InfoCopyText(kItemContrast, info, true), L"4.47:1 AA Large #777777 #ffffff");
  info.RGBValue = 0x808080;
  EXPECT_EQ(InfoCopyText(kItemContrast, info, true), L"3.94:1 AA Large #808080 #ffffff");
  info.RGBValue = 0xFF8000;
  EXPECT_EQ(InfoCopyText(kItemContrast, info, true), L"2.51:1 Fail #ff8000 #ffffff");
  // The report's labels come whole from the table, blanks inside them too.
  const std::wstring report = InfoReportText(info);
  EXPECT_NE(report.find(L"\r\nClient sz\tW=284 H=162\r\n"), std::wstring::npos);
  EXPECT_NE(report.find(L"\r\nClass\tButton\r\n"), std::wstring::npos);
  EXPECT_NE(report.find(L"\r\nParent chain\t\r\nStyles\t"), std::wstring::npos);
  EXPECT_NE(report.find(L"\r\nAuto ID\t\r\nBounds\t\r\nFramework\t\r\n"), std::wstring::npos);
  EXPECT_NE(report.find(L"\r\nElement chain\t\r\n"), std::wstring::npos);
  EXPECT_EQ(ZoomCaption(6), L" 6x");
  EXPECT_EQ(CopyStatusText(L"Color/RGB", L"255 0 0"), L"Copied Color/RGB: 255 0 0");
  EXPECT_EQ(ReportStatusText(report), L"Copied everything: 32 lines");
  EXPECT_EQ(ReferenceStatusText(0xA49A80), L"Reference a49a80");
  EXPECT_EQ(CopyTextErrorMessage(L"E"), L"E\r\rThe copied text could not be written.");
}

TEST(Texts, CaptionsLoseTheirAcceleratorInTheTitleLine) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"CSS #rrggbb(&A)", L"CSS #rrggbb"},
      {L"CSS rgb() (&B)", L"CSS rgb()"},
      {L"Stay on &top", L"Stay on top"},
      {L"Tom && Jerry", L"Tom & Jerry"},
      {L"カラー情報/RGB", L"カラー情報/RGB"}};
  for (const auto& [caption, plain] : cases) EXPECT_EQ(WithoutMnemonic(caption), plain);
  EXPECT_EQ(TextColumns(L"実行ﾌｧｲﾙ"), 8);
  EXPECT_EQ(TextColumns(L"DPI認識"), 7);
}

}  // namespace
