// Keys, wheel, mouse buttons and gestures, as the window receives them.
#include <gtest/gtest.h>

#include <memory>

#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "my_settingfile/settings_unit.h"
#include "my_settingfile/win/settings_file.h"
#include "tests/win/main_window.h"
#include "tests/win/modal_driver.h"
#include "tests/win/scene.h"

namespace {

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// Alt held as this thread's key state sees it. Real Alt key events would reach the
// default window procedure outside the application's loop and open the system menu.
class ThreadAltDown {
 public:
  ThreadAltDown() { Set(0x80); }
  ~ThreadAltDown() { Set(0); }

 private:
  static void Set(BYTE state) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_MENU] = state;
    keys[VK_LMENU] = state;
    SetKeyboardState(keys);
  }
};

class Input : public testing::Test {
 protected:
  void SetUp() override {
    InitSettingsUnit();
    SetCursorPos(600, 500);
    app_ = std::make_unique<TApp_Loupist>();
    a_ = std::make_unique<LoupistInternals>(*app_);
    a_->BeepHook() = [this] { ++beeps_; };
    OnlyHandlersCapture(*app_);
    app_->RefreshView();
  }
  void TearDown() override {
    a_.reset();
    app_.reset();
  }
  void Key(WPARAM key) {
    SendMessageW(app_->Handle(), WM_KEYDOWN, key, 1);
    SendMessageW(app_->Handle(), WM_KEYUP, key, 0xC0000001);
  }
  NoSettingsFile noFile_;
  std::unique_ptr<TApp_Loupist> app_;
  std::unique_ptr<LoupistInternals> a_;
  int beeps_ = 0;
};

TEST_F(Input, KeyOneHoldsTheActualSizeView) {
  SendMessageW(app_->Handle(), WM_KEYDOWN, '1', 1);
  EXPECT_EQ(a_->Zoom(), 1);
  EXPECT_EQ(a_->SavedZoom(), 6);
  SendMessageW(app_->Handle(), WM_KEYDOWN, '1', 0x40000001);  // auto-repeat
  EXPECT_EQ(a_->SavedZoom(), 6);
  Key(VK_PRIOR);  // Page Up while held does nothing
  EXPECT_EQ(a_->Zoom(), 1);
  EXPECT_TRUE(a_->Command(Cmd::actZoom_6).Checked());
  SendMessageW(app_->Handle(), WM_KEYUP, '1', 0xC0000001);
  EXPECT_EQ(a_->Zoom(), 6);
  EXPECT_EQ(a_->SavedZoom(), -1);
  Key(VK_PRIOR);
  EXPECT_EQ(a_->Zoom(), 8);
  EXPECT_EQ(beeps_, 0);
}

TEST_F(Input, LosingTheFocusEndsTheActualSizeView) {
  SendMessageW(app_->Handle(), WM_KEYDOWN, '1', 1);
  ASSERT_EQ(a_->Zoom(), 1);
  SendMessageW(app_->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_EQ(a_->Zoom(), 6);
}

TEST_F(Input, KnownKeyWithoutCommandBeepsUnknownKeyIsLeftAlone) {
  Key('D');
  EXPECT_EQ(beeps_, 1);
  Key(VK_NUMPAD5);
  EXPECT_EQ(beeps_, 1);
  Key(VK_TAB);
  EXPECT_EQ(beeps_, 1);
}

TEST_F(Input, AltCombinationsAreLeftToTheSystem) {
  RECT before{}, after{};
  GetWindowRect(app_->Handle(), &before);
  ThreadAltDown alt;
  SendMessageW(app_->Handle(), WM_SYSKEYDOWN, 'Q', 0x20000001);
  SendMessageW(app_->Handle(), WM_SYSKEYUP, 'Q', 0xE0000001);
  GetWindowRect(app_->Handle(), &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(beeps_, 0);
}

TEST_F(Input, ArrowsNudgeTheCursorFromTheLastCapturedPosition) {
  const Point seen = a_->Info().ScreenPoint;
  ASSERT_EQ(seen, (Point{600, 500}));
  SendMessageW(app_->Handle(), WM_KEYDOWN, VK_RIGHT, 1);
  SendMessageW(app_->Handle(), WM_KEYDOWN, VK_RIGHT, 0x40000001);  // no capture in between
  SendMessageW(app_->Handle(), WM_KEYUP, VK_RIGHT, 0xC0000001);
  POINT p{};
  GetCursorPos(&p);
  EXPECT_EQ(p.x, 601);
  EXPECT_EQ(p.y, 500);
  {
    HeldKeys shift({VK_SHIFT});
    Key(VK_DOWN);
  }
  GetCursorPos(&p);
  EXPECT_EQ(p.y, 510) << "ten pixels with Shift";
}

TEST_F(Input, FixedPointArrowsMoveTheHeldPointAndStopAtTheDesktopEdge) {
  a_->Command(Cmd::actCapture_Fixed).Execute();
  ASSERT_TRUE(a_->Command(Cmd::actCapture_Fixed).Checked());
  a_->Info().ScreenPoint = Point{GetSystemMetrics(SM_XVIRTUALSCREEN) + 1, 300};
  Key(VK_LEFT);
  EXPECT_EQ(a_->Info().ScreenPoint.X, GetSystemMetrics(SM_XVIRTUALSCREEN));
  Key(VK_LEFT);
  EXPECT_EQ(a_->Info().ScreenPoint.X, GetSystemMetrics(SM_XVIRTUALSCREEN));
  Key(VK_DOWN);
  EXPECT_EQ(a_->Info().ScreenPoint.Y, 301);
}

TEST_F(Input, WheelZoomsOrWithModifiersNudges) {
  SendMessageW(app_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), At(100, 100));
  EXPECT_EQ(a_->Zoom(), 8);
  SendMessageW(app_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), At(100, 100));
  EXPECT_EQ(a_->Zoom(), 6);
  // Ctrl+wheel up: one pixel above the last captured position.
  app_->RefreshView();
  const Point seen = a_->Info().ScreenPoint;
  SendMessageW(app_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), At(100, 100));
  POINT p{};
  GetCursorPos(&p);
  EXPECT_EQ(p.x, seen.X);
  EXPECT_EQ(p.y, seen.Y - 1);
  // Alt wins over Ctrl: one pixel left.
  ThreadAltDown alt;
  SendMessageW(app_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), At(100, 100));
  GetCursorPos(&p);
  EXPECT_EQ(p.x, seen.X - 1);
  EXPECT_EQ(a_->Zoom(), 6);
}

TEST_F(Input, FineWheelsStepOncePerWholeNotch) {
  const auto wheel = [&](int delta, WORD keys = 0) {
    SendMessageW(app_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(keys, delta), At(100, 100));
  };
  for (int i = 0; i < 3; ++i) wheel(40);  // a touchpad's swipe of one notch
  EXPECT_EQ(a_->Zoom(), 8);
  wheel(240);  // a fast wheel's two notches in one message
  EXPECT_EQ(a_->Zoom(), 12);
  wheel(60);
  wheel(-120);  // the half notch up is dropped when the wheel turns back
  EXPECT_EQ(a_->Zoom(), 10);
  // Ctrl: two notches in one message nudge two pixels from the last captured position.
  app_->RefreshView();
  const Point seen = a_->Info().ScreenPoint;
  wheel(-240, MK_CONTROL);
  POINT p{};
  GetCursorPos(&p);
  EXPECT_EQ(p.y, seen.Y + 2);
  EXPECT_EQ(beeps_, 0);
}

TEST_F(Input, AKeyUpWhoseKeyDownWentElsewhereIsLeftAlone) {
  // As after a letter or Esc typed into the menu, a box or a dialog: only the key-up arrives.
  const DWORD clipboard = GetClipboardSequenceNumber();
  for (WPARAM key : {WPARAM{'F'}, WPARAM{'D'}, WPARAM{VK_ESCAPE}, WPARAM{'Z'}})
    SendMessageW(app_->Handle(), WM_KEYUP, key, 0xC0000001);
  EXPECT_EQ(GetClipboardSequenceNumber(), clipboard) << "Z copied the picture";
  EXPECT_FALSE(a_->Command(Cmd::actCapture_Fixed).Checked());
  EXPECT_FALSE(a_->Command(Cmd::actCapture_Pause).Checked());
  EXPECT_EQ(beeps_, 0);
  Key('F');  // a whole press still runs its command
  EXPECT_TRUE(a_->Command(Cmd::actCapture_Fixed).Checked());
}

TEST_F(Input, HoveringTheFrameSetsTheSizingCursor) {
  const int fx = GetSystemMetrics(SM_CXFRAME);
  SendMessageW(app_->Handle(), WM_MOUSEMOVE, 0, At(fx / 2, 40));
  EXPECT_EQ(a_->CursorShape(), FrameCursor::kSizeWE);
  SendMessageW(app_->Handle(), WM_MOUSEMOVE, 0, At(2, 2));
  EXPECT_EQ(a_->CursorShape(), FrameCursor::kSizeNWSE);
  SendMessageW(app_->Handle(), WM_MOUSEMOVE, 0,
               At(app_->ClientWidth() - 1, app_->ClientHeight() / 2));
  EXPECT_EQ(a_->CursorShape(), FrameCursor::kSizeWE);
  SendMessageW(app_->Handle(), WM_MOUSEMOVE, 0, At(100, 100));
  EXPECT_EQ(a_->CursorShape(), FrameCursor::kArrow);
}

TEST_F(Input, PanningAtZoomTenFollowsTheHand) {
  a_->Command(Cmd::actCapture_Fixed).Execute();
  a_->Command(Cmd::actZoom_10).Execute();
  ASSERT_EQ(a_->Zoom(), 10);
  a_->Info().ScreenPoint = Point{600, 500};
  POINT origin{0, 0};
  ClientToScreen(app_->Handle(), &origin);
  SetCursorPos(origin.x + 60, origin.y + 60);
  SendMessageW(app_->Handle(), WM_MOUSEMOVE, 0, At(60, 60));  // the arrow, not a sizing zone
  SendMessageW(app_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(60, 60));
  ASSERT_TRUE(a_->FixedDragging());
  SendMessageW(app_->Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(110, 60));
  EXPECT_EQ(a_->Info().ScreenPoint, (Point{595, 500}));
  SendMessageW(app_->Handle(), WM_LBUTTONUP, 0, At(110, 60));
  EXPECT_FALSE(a_->FixedDragging());
  SendMessageW(app_->Handle(), WM_MOUSEMOVE, 0, At(150, 60));
  EXPECT_EQ(a_->Info().ScreenPoint, (Point{595, 500})) << "no panning after the release";
}

TEST_F(Input, RightDragsRunTheGestures) {
  struct Case {
    Cmd command;
    int dx, dy;
  };
  // Up: stay on top; left: grid; down: no-self-capture.
  const Case cases[] = {{Cmd::actOpt_StayOnTop, 0, -40},
                        {Cmd::actGrid_Disp, -40, 0},
                        {Cmd::actOpt_NoSelfCapture, 0, 40}};
  for (const Case& c : cases) {
    const bool before = a_->Command(c.command).Checked();
    SendMessageW(app_->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(100, 100));
    SendMessageW(app_->Handle(), WM_RBUTTONUP, 0, At(100 + c.dx, 100 + c.dy));
    EXPECT_NE(a_->Command(c.command).Checked(), before) << c.command;
  }
  // Right: pause.
  SendMessageW(app_->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(100, 100));
  SendMessageW(app_->Handle(), WM_RBUTTONUP, 0, At(140, 100));
  EXPECT_TRUE(a_->Command(Cmd::actCapture_Pause).Checked());
}

TEST_F(Input, ShortRightDragOpensTheMenuAtTheMouse) {
  POINT at{0, 0};
  bool opened = false;
  ModalDriver closer(L"#32768", [&](HWND menu) {
    RECT r{};
    GetWindowRect(menu, &r);
    at = POINT{r.left, r.top};
    opened = true;
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  SendMessageW(app_->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(100, 100));
  SendMessageW(app_->Handle(), WM_RBUTTONUP, 0, At(110, 100));  // 10 px: no gesture
  ASSERT_TRUE(opened);
  POINT expected{110, 100};
  ClientToScreen(app_->Handle(), &expected);
  EXPECT_EQ(at.x, expected.x);
  EXPECT_EQ(at.y, expected.y);
  EXPECT_FALSE(a_->Command(Cmd::actCapture_Pause).Checked());
}

TEST_F(Input, DoubleClickCentresAPixelOnlyInFixedPointMode) {
  a_->Info().ScreenPoint = Point{600, 500};
  // (No button flag: a held button would start the system's move loop and wait for its release.)
  SendMessageW(app_->Handle(), WM_LBUTTONDBLCLK, 0, At(10, 10));
  EXPECT_EQ(a_->Info().ScreenPoint, (Point{600, 500})) << "follow mode: nothing";

  a_->Command(Cmd::actCapture_Fixed).Execute();
  a_->Info().ScreenPoint = Point{600, 500};
  app_->RefreshView();
  // Ten cells right of and five below the probe cell's pixel.
  const Point cell = a_->CursorCell();
  POINT press{cell.X + 10 * a_->Zoom(), cell.Y + 5 * a_->Zoom()};
  POINT screen = press;
  ClientToScreen(app_->Handle(), &screen);
  SetCursorPos(screen.x, screen.y);
  SendMessageW(app_->Handle(), WM_MOUSEMOVE, 0, At(press.x, press.y));
  SendMessageW(app_->Handle(), WM_LBUTTONDOWN, 0, At(press.x, press.y));
  SendMessageW(app_->Handle(), WM_LBUTTONUP, 0, At(press.x, press.y));
  SendMessageW(app_->Handle(), WM_LBUTTONDBLCLK, 0, At(press.x, press.y));
  EXPECT_EQ(a_->Info().ScreenPoint, (Point{610, 505}));
  // Double-clicking the probe pixel itself changes nothing.
  screen = POINT{cell.X, cell.Y};
  ClientToScreen(app_->Handle(), &screen);
  SetCursorPos(screen.x, screen.y);
  SendMessageW(app_->Handle(), WM_LBUTTONDOWN, 0, At(cell.X, cell.Y));
  SendMessageW(app_->Handle(), WM_LBUTTONUP, 0, At(cell.X, cell.Y));
  SendMessageW(app_->Handle(), WM_LBUTTONDBLCLK, 0, At(cell.X, cell.Y));
  EXPECT_EQ(a_->Info().ScreenPoint, (Point{610, 505}));
}

TEST_F(Input, MonitorMoveGoesToAWorkAreaCornerOrWithShiftToTheOrigin) {
  SetWindowPos(app_->Handle(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Key('Q');
  RECT r{};
  GetWindowRect(app_->Handle(), &r);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  if (GetSystemMetrics(SM_CMONITORS) == 1) {
    EXPECT_EQ(r.left, work.left);
    EXPECT_EQ(r.top, work.top);
  }
  SetWindowPos(app_->Handle(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  {
    HeldKeys shift({VK_SHIFT});
    SendMessageW(app_->Handle(), WM_SYSCOMMAND, 201, 0);  // the taskbar menu's item
  }
  GetWindowRect(app_->Handle(), &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
}

}  // namespace
