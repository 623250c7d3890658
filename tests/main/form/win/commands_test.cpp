// The command set on a real main window: the dispatcher, zoom, grid colours with the
// real colour chooser, options, the popup menu, shortcuts, minimise, exit and version.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/win/unique_handle.h"
#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "platform/win/application.h"
#include "tests/win/main_window.h"
#include "tests/win/modal_driver.h"
#include "tests/win/scene.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kSceneLeft = 400, kSceneTop = 400, kSceneSize = 200;
constexpr POINT kProbe = {kSceneLeft + 100, kSceneTop + 100};
// The colour chooser's red, green and blue edit boxes.
constexpr int kChooserRed = 706, kChooserGreen = 707, kChooserBlue = 708;
constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU

class Commands : public testing::Test {
 protected:
  void SetUp() override {
    scene_ = std::make_unique<SceneWindow>(kSceneLeft, kSceneTop, kSceneSize, kSceneSize,
                                           [](int, int) { return kWhite; });
    app_ = StartMainWindow(kProbe);
    app_->RefreshView();
  }
  void TearDown() override {
    app_.reset();
    scene_.reset();
  }
  LoupistInternals Access() { return LoupistInternals(*app_); }

  // A grid line pixel of the zoom area: the left edge of the cell two right of the
  // probe cell (no sub-grid there), in the middle of a cell two rows below it.
  COLORREF GridLinePixel() {
    LoupistInternals a = Access();
    const int z = a.Zoom();
    return a.View().Pixel(a.CursorCell().X - 1 + 2 * z, a.CursorCell().Y + 2 * z + z / 2);
  }

  std::unique_ptr<SceneWindow> scene_;
  std::unique_ptr<TApp_Loupist> app_;
};

// The check state, enabled state and Tag of every command.
std::vector<std::string> CommandStates(LoupistInternals& a, TApp_Loupist& app) {
  std::vector<std::string> states;
  for (std::size_t i = 0; i < app.ActionList_Main.Count(); ++i) {
    const Action& c = app.ActionList_Main[i];
    states.push_back(c.Name() + (c.Checked() ? " on " : " off ") + (c.Enabled() ? "en " : "dis ") +
                     std::to_string(c.Tag()));
  }
  states.push_back("zoom " + std::to_string(a.Zoom()) + " grid " + std::to_string(a.GridColor()) +
                   " sub " + std::to_string(a.SubGridColor()));
  return states;
}

TEST_F(Commands, ZoomStepsClimbTheLadderAndStopAtItsEnds) {
  LoupistInternals a = Access();
  ASSERT_EQ(a.Zoom(), 6);
  a.ExecuteCommand(1090);  // actZoom_Up
  EXPECT_EQ(a.Zoom(), 8);
  EXPECT_EQ(a.ZoomIndex(), 5);
  EXPECT_TRUE(a.Command(Cmd::actZoom_8).Checked());
  EXPECT_FALSE(a.Command(Cmd::actZoom_6).Checked());
  EXPECT_EQ(a.SrcSize().Width, (221 + 7) / 8) << "the layout follows the new zoom";

  const int ladder[] = {10, 12, 16, 20, 20};
  for (int want : ladder) {
    a.StepZoom(Cmd::actZoom_Up);
    EXPECT_EQ(a.Zoom(), want);
  }
  EXPECT_EQ(a.ZoomIndex(), 9);
  for (int i = 0; i < 12; ++i) a.StepZoom(Cmd::actZoom_Down);
  EXPECT_EQ(a.Zoom(), 1);
  EXPECT_EQ(a.ZoomIndex(), 0);
  EXPECT_TRUE(a.Command(Cmd::actZoom_1).Checked());

  // While the actual-size view is held, neither step does anything.
  a.ExecuteCommand(1004);
  a.SavedZoom() = 4;
  a.Zoom() = 1;
  a.ExecuteCommand(1090);
  a.ExecuteCommand(1091);
  EXPECT_EQ(a.Zoom(), 1);
  EXPECT_EQ(a.ZoomIndex(), 3);
  // Other commands are no steps.
  a.SavedZoom() = -1;
  a.StepZoom(Cmd::actGrid_Disp);
  EXPECT_EQ(a.ZoomIndex(), 3);
}

TEST_F(Commands, Zoom12ChecksItselfAndUnchecksTheOthers) {
  LoupistInternals a = Access();
  a.ExecuteCommand(1012);
  EXPECT_TRUE(a.Command(Cmd::actZoom_12).Checked());
  EXPECT_FALSE(a.Command(Cmd::actZoom_6).Checked());
  EXPECT_EQ(a.Zoom(), 12);
  EXPECT_EQ(a.ZoomIndex(), 7);
  EXPECT_EQ(a.SavedZoom(), -1);
}

TEST_F(Commands, ACodeWithoutACommandBeepsAndChangesNothing) {
  LoupistInternals a = Access();
  int beeps = 0;
  a.BeepHook() = [&] { ++beeps; };
  const auto before = CommandStates(a, *app_);
  for (uint16_t code : {1005, 1009, 0, 65535}) a.ExecuteCommand(code);
  EXPECT_EQ(beeps, 4);
  EXPECT_EQ(CommandStates(a, *app_), before);

  // The actual-size command has no handler: found, so no beep, and nothing happens.
  a.ExecuteCommand(7013);
  EXPECT_EQ(beeps, 4);
  EXPECT_EQ(CommandStates(a, *app_), before);

  // A real code runs its command, AutoCheck first: no-self-capture turns on and its
  // handler makes the window layered.
  ASSERT_FALSE(a.AlphaBlend());
  a.ExecuteCommand(8006);
  EXPECT_EQ(beeps, 4);
  EXPECT_TRUE(a.Command(Cmd::actOpt_NoSelfCapture).Checked());
  EXPECT_TRUE(a.AlphaBlend());
}

TEST_F(Commands, GridColourCommandsSetColourAndPenMode) {
  LoupistInternals a = Access();
  a.ExecuteCommand(2004);
  EXPECT_EQ(a.GridPenMode(), kPenModeInvert);
  EXPECT_TRUE(a.Command(Cmd::actGrid_Invert).Checked());
  EXPECT_FALSE(a.Command(Cmd::actGrid_Gray).Checked());
  EXPECT_EQ(GridLinePixel(), RGB(0, 0, 0)) << "inverted over white";
  a.ExecuteCommand(2005);
  EXPECT_EQ(a.GridPenMode(), kPenModeMask);
  EXPECT_EQ(a.GridColor(), 0xCCCCCCu);
  EXPECT_EQ(GridLinePixel(), 0xCCCCCCu);
  a.ExecuteCommand(2001);
  EXPECT_EQ(a.GridPenMode(), kPenModeCopy);
  EXPECT_EQ(a.GridColor(), 0x999999u);

  a.ExecuteCommand(2010);
  EXPECT_FALSE(a.Command(Cmd::actGrid_Disp).Checked());
  EXPECT_EQ(GridLinePixel(), kWhite) << "no grid lines without the grid";
  a.ExecuteCommand(2010);
  EXPECT_TRUE(a.Command(Cmd::actGrid_Disp).Checked());
}

TEST_F(Commands, AColourChosenAfterInvertDrawsTheGridInThatColour) {
  LoupistInternals a = Access();
  a.ExecuteCommand(2004);
  a.ExecuteCommand(2010);  // grid off: confirming the chooser turns it on again
  const COLORREF chosen = RGB(10, 200, 30);
  bool fullOpen = false;
  COLORREF shownFirst = 0;
  ModalDriver driver(L"#32770", [&](HWND dialog) {
    HWND red = GetDlgItem(dialog, kChooserRed);
    fullOpen = red && IsWindowVisible(red);
    shownFirst = RGB(GetDlgItemInt(dialog, kChooserRed, nullptr, FALSE),
                     GetDlgItemInt(dialog, kChooserGreen, nullptr, FALSE),
                     GetDlgItemInt(dialog, kChooserBlue, nullptr, FALSE));
    SetDlgItemInt(dialog, kChooserRed, GetRValue(chosen), FALSE);
    SetDlgItemInt(dialog, kChooserGreen, GetGValue(chosen), FALSE);
    SetDlgItemInt(dialog, kChooserBlue, GetBValue(chosen), FALSE);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  a.ExecuteCommand(2006);
  ASSERT_TRUE(driver.Fired()) << "the colour chooser did not open";
  EXPECT_TRUE(fullOpen) << "the custom-colour part is expanded";
  EXPECT_EQ(shownFirst, 0x999999u) << "the chooser opens with the remembered colour";
  EXPECT_EQ(a.Command(Cmd::actGrid_SelColor).Tag(), static_cast<int32_t>(chosen));
  EXPECT_TRUE(a.Command(Cmd::actGrid_SelColor).Checked());
  EXPECT_FALSE(a.Command(Cmd::actGrid_Invert).Checked());
  EXPECT_EQ(a.GridColor(), chosen);
  EXPECT_EQ(a.GridPenMode(), kPenModeCopy);
  EXPECT_TRUE(a.Command(Cmd::actGrid_Disp).Checked());
  EXPECT_EQ(GridLinePixel(), chosen) << "drawn in the colour, not inverted";
}

TEST_F(Commands, CtrlTakesTheProbeColourAndShiftItsInverseBothShowingTheGrid) {
  LoupistInternals a = Access();
  ASSERT_EQ(a.Info().Color, kWhite);
  a.ExecuteCommand(2010);
  {
    HeldKeys ctrl({VK_CONTROL});
    a.ExecuteCommand(2006);
  }
  EXPECT_EQ(a.GridColor(), kWhite);
  EXPECT_EQ(a.Command(Cmd::actGrid_SelColor).Tag(), static_cast<int32_t>(kWhite));
  EXPECT_TRUE(a.Command(Cmd::actGrid_Disp).Checked());

  a.ExecuteCommand(2010);
  {
    HeldKeys shift({VK_SHIFT});
    a.ExecuteCommand(2006);
  }
  EXPECT_EQ(a.GridColor(), 0x000000u);
  EXPECT_TRUE(a.Command(Cmd::actGrid_Disp).Checked());
  EXPECT_EQ(GridLinePixel(), RGB(0, 0, 0));

  // The sub-grid chooser the same way; the grid keeps its colour.
  {
    HeldKeys ctrl({VK_CONTROL});
    a.ExecuteCommand(2014);
  }
  EXPECT_EQ(a.SubGridColor(), kWhite);
  EXPECT_TRUE(a.Command(Cmd::actGrid_SelSubColor).Checked());
  EXPECT_FALSE(a.Command(Cmd::actGrid_SubBlue).Checked());
  EXPECT_EQ(a.GridColor(), 0x000000u);
}

TEST_F(Commands, ACancelledChooserAppliesTheRememberedColourAndLeavesTheGridAlone) {
  LoupistInternals a = Access();
  a.ExecuteCommand(2005);  // light grey in mask mode
  a.ExecuteCommand(2010);  // grid off
  ModalDriver cancel(L"#32770", [](HWND dialog) {
    // Typed but not confirmed.
    SetDlgItemInt(dialog, kChooserRed, 1, FALSE);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  a.ExecuteCommand(2006);
  ASSERT_TRUE(cancel.Fired());
  EXPECT_EQ(a.GridColor(), 0x999999u);
  EXPECT_EQ(a.GridPenMode(), kPenModeCopy);
  EXPECT_EQ(a.Command(Cmd::actGrid_SelColor).Tag(), 0x999999);
  EXPECT_TRUE(a.Command(Cmd::actGrid_SelColor).Checked());
  EXPECT_FALSE(a.Command(Cmd::actGrid_Disp).Checked());

  // The sub-grid chooser confirmed: only the sub-grid colour changes.
  ModalDriver confirm(L"#32770", [](HWND dialog) {
    SetDlgItemInt(dialog, kChooserRed, 0, FALSE);
    SetDlgItemInt(dialog, kChooserGreen, 0, FALSE);
    SetDlgItemInt(dialog, kChooserBlue, 128, FALSE);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  a.ExecuteCommand(2014);
  ASSERT_TRUE(confirm.Fired());
  EXPECT_EQ(a.SubGridColor(), RGB(0, 0, 128));
  EXPECT_EQ(a.GridColor(), 0x999999u);
  EXPECT_TRUE(a.Command(Cmd::actGrid_Disp).Checked());
}

TEST_F(Commands, SmoothCaptureAndStayOnTop) {
  LoupistInternals a = Access();
  app_->ShowStatusText(L"copied");
  a.ExecuteCommand(8007);
  EXPECT_EQ(app_->Timer_Main.Interval(), 30u);
  EXPECT_TRUE(a.StatusText().empty()) << "the command drops a transient message";
  a.ExecuteCommand(8007);
  EXPECT_EQ(app_->Timer_Main.Interval(), 60u);
  EXPECT_TRUE(app_->Timer_Main.Enabled());

  auto topmost = [&] {
    return (GetWindowLongPtrW(app_->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  };
  ASSERT_FALSE(topmost());
  a.ExecuteCommand(8001);
  EXPECT_TRUE(a.Command(Cmd::actOpt_StayOnTop).Checked());
  EXPECT_TRUE(topmost());
  a.ExecuteCommand(8001);
  EXPECT_FALSE(a.Command(Cmd::actOpt_StayOnTop).Checked());
  EXPECT_FALSE(topmost());
}

struct MenuEntry {
  std::wstring text;
  UINT type = 0;
  UINT state = 0;
  HMENU sub = nullptr;
};

MenuEntry EntryAt(HMENU menu, int position) {
  wchar_t text[128] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 128;
  GetMenuItemInfoW(menu, position, TRUE, &info);
  return MenuEntry{text, info.fType, info.fState, info.hSubMenu};
}

TEST_F(Commands, TheMenuOpensAtTheClientOriginShowingTheCommandsAsTheyStand) {
  LoupistInternals a = Access();
  a.ExecuteCommand(1012);
  a.ExecuteCommand(7001);  // loupe mode: no-self-capture greyed
  a.Command(Cmd::actWinInfo_ExeName).SetVisible(false);
  SetCursorPos(900, 700);

  RECT menuRect{};
  std::vector<MenuEntry> top, zoom, grid, winInfo, capture, opt;
  ModalDriver driver(L"#32768", [&](HWND menuWindow) {
    GetWindowRect(menuWindow, &menuRect);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, kGetMenuHandle, 0, 0));
    auto read = [](HMENU m, std::vector<MenuEntry>& out) {
      for (int i = 0; i < GetMenuItemCount(m); ++i) out.push_back(EntryAt(m, i));
    };
    read(menu, top);
    if (top.size() == 13) {
      read(top[0].sub, zoom);
      read(top[1].sub, grid);
      read(top[5].sub, winInfo);
      read(top[9].sub, capture);
      read(top[10].sub, opt);
    }
    EndMenu();
  });
  a.ExecuteCommand(10001);
  ASSERT_TRUE(driver.Fired()) << "no popup menu appeared";
  EXPECT_EQ(handle_count::Live(handle_count::kMenu), 0) << "the menu is destroyed when it closes";

  POINT origin{0, 0};
  ClientToScreen(app_->Handle(), &origin);
  EXPECT_EQ(menuRect.left, origin.x);
  EXPECT_EQ(menuRect.top, origin.y);

  // The top level without the hidden version and minimise items and their separator.
  const wchar_t* topTexts[] = {L"ズーム(&Z)",
                               L"グリッド(&G)",
                               L"",
                               L"カラー情報(&R)",
                               L"カーソル位置(&P)",
                               L"ウィンドウ情報(&W)",
                               L"要素情報(&E)",
                               L"",
                               L"コピー(&C)",
                               L"キャプチャ(&T)",
                               L"設定(&O)",
                               L"",
                               L"終了(&X)"};
  ASSERT_EQ(top.size(), 13u);
  for (std::size_t i = 0; i < top.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(top[i].text, topTexts[i]);
    EXPECT_EQ((top[i].type & MFT_SEPARATOR) != 0, topTexts[i][0] == L'\0');
  }

  // Zoom: radio items except the 12x one, which is checked with a plain check mark.
  ASSERT_EQ(zoom.size(), 10u);
  EXPECT_EQ(zoom[0].text, L" 1倍");
  EXPECT_EQ(zoom[9].text, L"20倍");
  for (std::size_t i = 0; i < zoom.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ((zoom[i].type & MFT_RADIOCHECK) != 0, i != 7);
    EXPECT_EQ((zoom[i].state & MFS_CHECKED) != 0, i == 7);
    EXPECT_EQ((zoom[i].state & MFS_DEFAULT) != 0, i == 4) << "6x is the bold item";
  }

  // Grid: the order the settings file relies on, separators included.
  ASSERT_EQ(grid.size(), 9u);
  EXPECT_EQ(grid[0].text, L"グリッド表示(&D)");
  EXPECT_TRUE(grid[0].state & MFS_DEFAULT);
  EXPECT_TRUE(grid[0].state & MFS_CHECKED);
  EXPECT_TRUE(grid[1].type & MFT_SEPARATOR);
  EXPECT_EQ(grid[2].text, L"灰色(&G)");
  EXPECT_TRUE(grid[2].type & MFT_RADIOCHECK);
  EXPECT_TRUE(grid[2].state & MFS_CHECKED);
  EXPECT_EQ(grid[5].text, L"グリッド色選択(&U)...");
  EXPECT_TRUE(grid[6].type & MFT_SEPARATOR);
  EXPECT_EQ(grid[8].text, L"サブグリッド色選択(&S)...");

  // A hidden command leaves its item out; the bulk item keeps its own caption.
  ASSERT_EQ(winInfo.size(), 13u);
  EXPECT_EQ(winInfo[5].text, L"RECT(&R)");
  EXPECT_EQ(winInfo[6].text, L"スタイル(&S)");
  EXPECT_EQ(winInfo[10].text, L"見た目の範囲(&V)");
  EXPECT_EQ(winInfo[12].text, L"表示の一括ON/OFF");
  EXPECT_TRUE(winInfo[12].state & MFS_DEFAULT);

  ASSERT_EQ(capture.size(), 4u);
  EXPECT_EQ(capture[0].text, L"一時停止(&P)");
  EXPECT_TRUE(capture[2].type & MFT_RADIOCHECK);
  EXPECT_TRUE(capture[2].state & MFS_CHECKED) << "loupe mode";
  EXPECT_TRUE(capture[3].type & MFT_RADIOCHECK);

  ASSERT_EQ(opt.size(), 7u);
  EXPECT_EQ(opt[1].text, L"大きいフォント(&F)");
  EXPECT_EQ(opt[4].text, L"即時追従(&I)");
  EXPECT_TRUE(opt[4].state & MFS_CHECKED) << "instant follow is on by default";
  EXPECT_EQ(opt[6].text, L"&Language / 言語");
  EXPECT_TRUE(opt[2].state & MFS_DISABLED) << "no-self-capture is greyed in loupe mode";
  EXPECT_FALSE(opt[3].state & MFS_DISABLED);
}

TEST_F(Commands, AnItemChosenInTheMenuRunsItsCommand) {
  LoupistInternals a = Access();
  ModalDriver driver(L"#32768", [](HWND) {
    // The accelerator letters: the grid submenu, then its display item.
    for (WORD key : {WORD{'G'}, WORD{'D'}}) {
      INPUT in[2] = {};
      in[0].type = in[1].type = INPUT_KEYBOARD;
      in[0].ki.wVk = in[1].ki.wVk = key;
      in[1].ki.dwFlags = KEYEVENTF_KEYUP;
      SendInput(2, in, sizeof(INPUT));
    }
  });
  ASSERT_TRUE(a.Command(Cmd::actGrid_Disp).Checked());
  POINT origin{0, 0};
  ClientToScreen(app_->Handle(), &origin);
  Action* chosen = a.Menu().Popup(app_->Handle(), Point{origin.x, origin.y});
  ASSERT_TRUE(driver.Fired());
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(chosen, &a.Command(Cmd::actGrid_Disp));
  EXPECT_FALSE(a.Command(Cmd::actGrid_Disp).Checked());
}

TEST_F(Commands, AltIsSwallowedAndAltF10OpensTheMenu) {
  auto& hook = Application::Instance().OnShortCut;
  ASSERT_TRUE(hook);
  MSG alt{app_->Handle(), WM_SYSKEYDOWN, VK_MENU, 1 << 29, 0, {}};
  EXPECT_TRUE(hook(alt));
  MSG letter{app_->Handle(), WM_KEYDOWN, 'A', 0, 0, {}};
  EXPECT_FALSE(hook(letter)) << "other keys pass unchanged";
  MSG f10{app_->Handle(), WM_KEYDOWN, VK_F10, 0, 0, {}};
  EXPECT_FALSE(hook(f10)) << "F10 without Alt is no shortcut";

  // Through the application's own dispatch, as the message loop runs it.
  ModalDriver driver(L"#32768", [](HWND) { EndMenu(); });
  PostMessageW(app_->Handle(), WM_SYSKEYDOWN, VK_F10, 1 << 29);
  Application::Instance().ProcessMessages();
  EXPECT_TRUE(driver.Fired()) << "Alt+F10 did not open the menu";
}

TEST_F(Commands, AltF4ClosesTheWindowAndTheShortcutHookGoesWithIt) {
  HWND window = app_->Handle();
  PostMessageW(window, WM_SYSKEYDOWN, VK_F4, 1 << 29);
  Application::Instance().ProcessMessages();
  EXPECT_FALSE(IsWindow(window));
  app_.reset();
  EXPECT_FALSE(Application::Instance().OnShortCut) << "no hook may outlive its window";
  // Drop the quit message that the closed main window posted.
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_F(Commands, MinimiseAndTheVersionBox) {
  LoupistInternals a = Access();
  a.ExecuteCommand(12001);
  EXPECT_TRUE(IsIconic(app_->Handle()));
  ShowWindow(app_->Handle(), SW_RESTORE);

  SetWindowTextW(app_->Handle(), L"Loupist:Ver 9.8.7.6");
  HWND owner = nullptr;
  std::wstring title, text;
  ModalDriver driver(L"#32770", [&](HWND box) {
    owner = GetWindow(box, GW_OWNER);
    wchar_t buffer[256] = {};
    GetWindowTextW(box, buffer, 256);
    title = buffer;
    // The message is the box's static text (id 0xFFFF).
    buffer[0] = L'\0';
    GetDlgItemTextW(box, 0xFFFF, buffer, 256);
    text = buffer;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  a.ExecuteCommand(13001);
  ASSERT_TRUE(driver.Fired()) << "no message box appeared";
  EXPECT_EQ(owner, app_->Handle());
  EXPECT_EQ(title, L"Loupist");
  EXPECT_EQ(text, L"Loupist:Ver 9.8.7.6");
}

}  // namespace
