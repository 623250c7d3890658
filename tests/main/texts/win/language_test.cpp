// The window's language, chosen in the menu: every caption, the taskbar button's menu and the
// panel follow at once.
#include <gtest/gtest.h>

#include "main/form/win/internals.h"
#include "main/texts/command_texts.h"
#include "main/texts/panel_texts.h"
#include "main/texts/win/user_language.h"
#include "my_settingfile/settings_unit.h"
#include "my_settingfile/win/settings_file.h"
#include "tests/win/main_window.h"
#include "tests/win/panel_lines.h"
#include "tests/win/scene.h"

namespace {

std::wstring MenuString(HMENU menu, UINT item, UINT flags) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, item, text, 128, flags);
  return text;
}

TEST(Language, TheSystemsLanguageUntilOneIsChosenThenEveryCaptionAndThePanelFollow) {
  const NoSettingsFile defaults;
  auto app = StartMainWindow(POINT{600, 500});
  LoupistInternals a(*app);
  const TLanguage start = ActiveLanguage();
  EXPECT_EQ(start, UserInterfaceLanguage());
  EXPECT_EQ(ChosenLanguage(), std::nullopt);
  const TLanguage other = start == TLanguage::English ? TLanguage::Japanese : TLanguage::English;
  for (const TLanguage language : {other, start}) {
    a.ExecuteCommand(a.Command(LanguageCommand(language)).Code());
    EXPECT_EQ(ChosenLanguage(), language);
    EXPECT_TRUE(a.Command(LanguageCommand(language)).Checked());
    EXPECT_EQ(a.Command(Cmd::actCopy_Report).Caption(),
              CommandText(Cmd::actCopy_Report).Caption.In(language));
    UniqueMenu menu = a.Menu().Build();
    EXPECT_EQ(MenuString(menu.get(), 0, MF_BYPOSITION), MenuTexts()[0].Caption.In(language));
    EXPECT_EQ(MenuString(GetSystemMenu(app->Handle(), FALSE), kMonitorMoveCommand, MF_BYCOMMAND),
              CommandText(Cmd::actMove_Monitor).Caption.In(language));
    // The panel in the language's face, its lines with the language's labels.
    LOGFONTW font{};
    GetObjectW(a.View().Font(), sizeof(font), &font);
    EXPECT_STREQ(font.lfFaceName, PanelFace().Face);
    app->RefreshView();
    EXPECT_EQ(PanelLineDiff(*app, a, 1, InfoDisplayText(kItemRGB, a.Info())), "");
    EXPECT_EQ(PanelLineDiff(*app, a, 4, InfoDisplayText(kItemHandle, a.Info())), "");
    // The choice is what the settings file keeps.
    a.StoreSettings();
    EXPECT_EQ(SettingsRecord.OptionFlags & (kOptLanguageChosenBit | kOptLanguageNumberBit),
              kOptLanguageChosenBit | (language == TLanguage::English ? kOptLanguageNumberBit : 0));
  }
}

// Courier New has no Japanese: the English panel draws a Japanese caption in a face that has it,
// where the panel's face alone would draw empty boxes, and leaves the label as it was.
TEST(Language, TheEnglishPanelDrawsOtherScriptsInAFaceThatHasThem) {
  const NoSettingsFile defaults;
  SceneWindow scene(100, 100, 200, 100, [](int, int) { return RGB(40, 90, 160); });
  SetWindowTextW(scene.Handle(), L"無題 - メモ帳");
  auto app = StartMainWindow(POINT{150, 150});
  LoupistInternals a(*app);
  a.ExecuteCommand(a.Command(LanguageCommand(TLanguage::English)).Code());
  for (int32_t item = 1; item <= kInfoItemCount; ++item)
    a.SetInfoItemChecked(item, item == kItemText);
  a.Relayout();
  SetCursorPos(150, 150);
  app->RefreshView();
  const std::wstring line = InfoDisplayText(kItemText, a.Info());
  ASSERT_EQ(line, L"Text      無題 - メモ帳");
  const int y = PanelLineY(a, 1);
  EXPECT_EQ(PanelTextDiff(*app, a, 2, y, Rect{2, y, a.LabelWidth(), y + a.LineHeight() - 2}, line),
            "");
  EXPECT_NE(PanelLineDiff(*app, a, 1, line), "") << "drawn in the panel's face alone";
}

}  // namespace
