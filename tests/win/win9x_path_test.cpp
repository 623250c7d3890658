// The Windows 95-family path, run by scripts/test with Wine reporting Windows 98 for a copy of
// this executable (win98_tests.exe); on the NT family every test here is skipped.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "general/win/codepage.h"
#include "general/win/platform_info.h"
#include "general/win/process_query.h"
#include "general/win/window_query.h"
#include "general/win/window_relations.h"
#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "main/probe/panel_items.h"
#include "my_settingfile/win/settings_file.h"
#include "tests/win/panel_lines.h"
#include "tests/win/probe_target_process.h"
#include "tests/win/scene.h"

namespace {
using namespace probe_target;

std::wstring OwnExeName() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

class Win9xPath : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!IsNTPlatform()) target_ = std::make_unique<ProbeTargetProcess>();
  }
  static void TearDownTestSuite() { target_.reset(); }
  void SetUp() override {
    if (IsNTPlatform()) {
      // The copy that scripts/test runs must really see Windows 98, or nothing here is tested.
      ASSERT_EQ(OwnExeName().find(L"win98_tests"), std::wstring::npos)
          << "Wine did not report Windows 98 to this executable";
      GTEST_SKIP() << "needs a Windows 95-family version";
    }
    ASSERT_TRUE(target_->Ready()) << "probe_target.exe: " << target_->StartReport();
  }
  static std::unique_ptr<ProbeTargetProcess> target_;
  NoSettingsFile noSettingsFile_;
};
std::unique_ptr<ProbeTargetProcess> Win9xPath::target_;

TEST_F(Win9xPath, TheSystemIsWindows98) {
  EXPECT_FALSE(IsWin2000OrLater());
  EXPECT_EQ(GetWindowsName(), L"98");
}

TEST_F(Win9xPath, QueriesGoThroughTheCodePage) {
  EXPECT_EQ(ReadWindowText(target_->TopLevel(kLongTextClass)), LongText().substr(0, 255));
  // Hangul has no place in the Japanese code page; the Japanese text keeps its own.
  EXPECT_EQ(ReadWindowText(target_->TopLevel(kUnicodeClass)), L"?? ABC 日本語ﾃｷｽﾄ");
  // The 8-bit path reads the caption only; an edit control's contents stay unseen.
  HWND edit = target_->Child(target_->TopLevel(kEditHostClass), L"Edit", L"");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(ReadWindowText(edit), L"");
  EXPECT_EQ(GetWindowClassName(target_->TopLevel(kRedClass)), L"LoupistProbeRed");
  // Class names too hold what the code page can.
  EXPECT_EQ(GetWindowClassName(target_->TopLevel(kUnicodeNameClass)),
            AnsiToWide(WideToAnsi(kUnicodeNameClass)));
  EXPECT_EQ(GetWindowExeName(target_->TopLevel(kRedClass)), L"");
}

TEST_F(Win9xPath, TheInspectorsQueries) {
  const HWND styled = target_->TopLevel(kStyledClass);
  EXPECT_EQ(ReadWindowStyles(styled).Style, kStyledStyle);
  EXPECT_EQ(ReadWindowStyles(styled).ExStyle, kStyledExStyle);
  const HWND dialog = target_->TopLevel(kSystemDialogClass);
  const HWND button = GetDlgItem(dialog, kGroupedButtonId);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(GetParentOrOwner(button), dialog);
  EXPECT_EQ(GetParentOrOwner(target_->TopLevel(kOwnedClass)), dialog);
  EXPECT_EQ(GetParentChainClassNames(button), (std::vector<std::wstring>{L"Button", L"#32770"}));
  EXPECT_EQ(GetWindowThreadId(button), target_->ThreadId());
  // No compositor, no process security, no 64-bit programs: nothing is opened or asked.
  EXPECT_EQ(GetVisibleBounds(styled),
            (Rect{kStyled.Left, kStyled.Top, kStyled.Right(), kStyled.Bottom()}));
  const DWORD process = target_->ProcessId();
  EXPECT_FALSE(OpenProcessForQuery(process));
  // Where no 32-bit program runs, the 64-bit build plays this system; a 64-bit program on the
  // 95 family has no true bitness to check.
  if (sizeof(void*) == 4) EXPECT_EQ(ProcessBitness(process), 32);
  EXPECT_EQ(ProcessIntegrityLevel(process), TIntegrityLevel::Unknown);
  EXPECT_EQ(ProcessImagePath(process), L"");
}

TEST_F(Win9xPath, WhatTheSystemCannotDoIsHidden) {
  auto app = std::make_unique<TApp_Loupist>();
  LoupistInternals a(*app);
  Action& exeLine = a.Command(Cmd::actWinInfo_ExeName);
  EXPECT_FALSE(exeLine.Checked());
  EXPECT_FALSE(exeLine.Enabled());
  EXPECT_FALSE(exeLine.Visible());
  EXPECT_FALSE(a.Command(Cmd::actCopy_WInfoExeName).Enabled());
  EXPECT_FALSE(a.Command(Cmd::actCopy_WInfoExeName).Visible());
  Action& lupe = a.Command(Cmd::actCapture_Lupe);
  EXPECT_FALSE(lupe.Checked() || lupe.Enabled() || lupe.Visible());
  Action& noSelfCapture = a.Command(Cmd::actOpt_NoSelfCapture);
  EXPECT_FALSE(noSelfCapture.Enabled() || noSelfCapture.Visible());

  // "All on" of the window group leaves the executable line out.
  for (Cmd name : {Cmd::actWinInfo_Handle, Cmd::actWinInfo_ClassName, Cmd::actWinInfo_Text})
    a.Command(name).SetChecked(false);
  app->ActionList_Main.ExecuteCode(5099);
  EXPECT_TRUE(a.Command(Cmd::actWinInfo_Rect).Checked());
  EXPECT_FALSE(exeLine.Checked());
  int shown = 0;
  for (int32_t item = 1; item <= kInfoItemCount; ++item)
    shown += a.Command(PanelItem(item).Line).Checked() ? 1 : 0;
  EXPECT_EQ(RectHeight(a.InfoRect()), (shown + 1) * a.LineHeight());
  // Pressed again, the six lines go and the executable line stays off.
  app->ActionList_Main.ExecuteCode(5099);
  EXPECT_FALSE(a.Command(Cmd::actWinInfo_Rect).Checked());
  EXPECT_FALSE(exeLine.Checked());
}

TEST_F(Win9xPath, PanelTextIsDrawnThroughTheCodePage) {
  SetCursorPos(1270, 1010);
  auto app = std::make_unique<TApp_Loupist>();
  SetWindowPos(app->Handle(), nullptr, 40, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  LoupistInternals a(*app);
  for (Cmd name : {Cmd::actColor_RGB, Cmd::actColor_HTML, Cmd::actPos_Screen,
                   Cmd::actWinInfo_Handle, Cmd::actWinInfo_ClassName})
    a.Command(name).SetChecked(false);
  a.Command(Cmd::actWinInfo_Text).SetChecked(true);
  a.Relayout();
  SetCursorPos(kUnicode.CenterX(), kUnicode.CenterY());
  app->RefreshView();
  EXPECT_EQ(PanelLineDiff(*app, a, 1, L"ﾃｷｽﾄ     ?? ABC 日本語ﾃｷｽﾄ"), "");

  // A status text with characters outside the code page shows question marks for them.
  app->ShowStatusText(L"\uD55C\uAE00 ok");
  const int h = a.LineHeight();
  const int T = a.InfoRect().Top;
  const Rect titleLine{h + 2, T + 1, a.View().Width() - 1, T + h - 1};
  EXPECT_EQ(PanelTextDiff(*app, a, h + 2, T + 2, titleLine, L"?? ok"), "");
  EXPECT_NE(PanelTextDiff(*app, a, h + 2, T + 2, titleLine, L"\uD55C\uAE00 ok"), "");
}

}  // namespace
