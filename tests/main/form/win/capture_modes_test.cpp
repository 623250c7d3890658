// The capture modes on a real main window over a real scene: pause with its desktop
// snapshot, update, fixed point, loupe, no-self-capture, the user origin and the movers.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <set>
#include <thread>
#include <utility>

#include "general/win/platform_info.h"
#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "tests/win/main_window.h"
#include "tests/win/modal_driver.h"
#include "tests/win/scene.h"

namespace {

constexpr int kSceneLeft = 300, kSceneTop = 300, kSceneSize = 200;
constexpr Point kProbe = {kSceneLeft + 100, kSceneTop + 60};
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr DWORD kCaptureBlt = 0x40000000;

// Every scene pixel has its own colour.
COLORREF SceneColor(int x, int y) { return RGB(x & 0xFF, y & 0xFF, 77); }
COLORREF SceneColorAt(const Point& screen) {
  return SceneColor(screen.X - kSceneLeft, screen.Y - kSceneTop);
}

void PutCursor(const Point& p) { SetCursorPos(p.X, p.Y); }
Point CursorNow() {
  POINT p{};
  GetCursorPos(&p);
  return Point{p.x, p.y};
}

class CaptureModes : public testing::Test {
 protected:
  void SetUp() override {
    scene_ =
        std::make_unique<SceneWindow>(kSceneLeft, kSceneTop, kSceneSize, kSceneSize, SceneColor);
    app_ = StartMainWindow(POINT{kProbe.X, kProbe.Y});
    app_->RefreshView();
  }
  void TearDown() override {
    app_.reset();
    scene_.reset();
  }
  LoupistInternals Access() { return LoupistInternals(*app_); }
  HWND SceneHandle() const { return scene_->Handle(); }

  std::unique_ptr<SceneWindow> scene_;
  std::unique_ptr<TApp_Loupist> app_;
};

TEST_F(CaptureModes, PauseFreezesPictureAndWindowFactsWhileTheSceneChangesUntilResumed) {
  LoupistInternals a = Access();
  ASSERT_EQ(a.Info().Color, SceneColorAt(kProbe));
  const uint64_t sceneWindow = reinterpret_cast<uintptr_t>(SceneHandle());
  ASSERT_EQ(a.Info().Window, sceneWindow);

  a.ExecuteCommand(7011);
  ASSERT_TRUE(a.Command(Cmd::actCapture_Pause).Checked());
  EXPECT_FALSE(app_->Timer_Main.Enabled());
  EXPECT_EQ(a.Command(Cmd::actCapture_Pause).Tag(), 0) << "the snapshot flag is down again";
  EXPECT_EQ(a.Capture().Width(), GetSystemMetrics(SM_CXVIRTUALSCREEN));
  EXPECT_EQ(a.Capture().Height(), GetSystemMetrics(SM_CYVIRTUALSCREEN));
  EXPECT_EQ(a.Info().ScreenPoint, kProbe);

  // Another window over the scene, in another colour, and the pointer elsewhere.
  SceneWindow cover(kSceneLeft, kSceneTop, kSceneSize, kSceneSize, [](int, int) { return kGreen; });
  PutCursor(Point{kSceneLeft + 10, kSceneTop + 10});
  PumpFor(300);
  app_->RefreshView();
  EXPECT_EQ(a.Info().ScreenPoint, kProbe);
  EXPECT_EQ(a.Info().Color, SceneColorAt(kProbe)) << "the picture is frozen";
  EXPECT_EQ(a.Info().Window, sceneWindow) << "the window facts are those of the pause";

  // Moving the held point pans over the snapshot, not over the screen.
  const Point panned{kProbe.X + 30, kProbe.Y + 20};
  a.GlideProbePoint(panned);
  EXPECT_EQ(a.Info().ScreenPoint, panned);
  EXPECT_EQ(a.Info().Color, SceneColorAt(panned));
  EXPECT_EQ(a.Info().Window, sceneWindow);

  a.ExecuteCommand(7011);
  EXPECT_FALSE(a.Command(Cmd::actCapture_Pause).Checked());
  EXPECT_TRUE(app_->Timer_Main.Enabled());
  app_->RefreshView();
  EXPECT_EQ(a.Info().ScreenPoint, (Point{kSceneLeft + 10, kSceneTop + 10})) << "follows again";
  EXPECT_EQ(a.Info().Color, kGreen);
  EXPECT_EQ(a.Info().Window, reinterpret_cast<uintptr_t>(cover.Handle()));
}

TEST_F(CaptureModes, UpdateRenewsTheSnapshotAroundTheSamePointAndOnlyWhilePaused) {
  LoupistInternals a = Access();
  a.ExecuteCommand(7012);
  EXPECT_FALSE(a.Command(Cmd::actCapture_Pause).Checked());
  EXPECT_TRUE(app_->Timer_Main.Enabled());

  a.ExecuteCommand(7011);
  SceneWindow cover(kSceneLeft, kSceneTop, kSceneSize, kSceneSize, [](int, int) { return kGreen; });
  PutCursor(Point{kSceneLeft + 150, kSceneTop + 150});
  app_->RefreshView();
  ASSERT_EQ(a.Info().Color, SceneColorAt(kProbe));
  {
    HeldKeys shift({VK_SHIFT});  // the update keeps its point whatever is held
    a.ExecuteCommand(7012);
  }
  EXPECT_TRUE(a.Command(Cmd::actCapture_Pause).Checked());
  EXPECT_FALSE(app_->Timer_Main.Enabled());
  EXPECT_EQ(a.Info().ScreenPoint, kProbe);
  EXPECT_EQ(a.Info().Color, kGreen);
  EXPECT_EQ(a.Info().Window, reinterpret_cast<uintptr_t>(cover.Handle()));
}

TEST_F(CaptureModes, ShiftPauseRecentresOnTheCursorAndCtrlPauseBringsTheCursorBack) {
  LoupistInternals a = Access();
  a.ExecuteCommand(7011);
  scene_->SetColor([](int x, int y) { return RGB(y & 0xFF, x & 0xFF, 200); });
  const Point there{kSceneLeft + 40, kSceneTop + 170};
  PutCursor(there);
  {
    HeldKeys shift({VK_SHIFT});
    a.ExecuteCommand(7011);
  }
  EXPECT_TRUE(a.Command(Cmd::actCapture_Pause).Checked()) << "Shift pauses again, never resumes";
  EXPECT_EQ(a.Info().ScreenPoint, there);
  EXPECT_EQ(a.Info().Color, RGB(170, 40, 200)) << "a new snapshot, centred on the cursor";

  PutCursor(Point{there.X + 150, there.Y - 100});
  {
    HeldKeys ctrl({VK_CONTROL});
    a.ExecuteCommand(7011);
  }
  EXPECT_TRUE(a.Command(Cmd::actCapture_Pause).Checked());
  EXPECT_EQ(CursorNow(), there) << "the cursor travelled back to the held point";
}

TEST_F(CaptureModes, ResumingEndsAnActualSizeViewHeldAcrossThePause) {
  LoupistInternals a = Access();
  a.ExecuteCommand(7011);
  a.SavedZoom() = 6;
  a.Zoom() = 1;
  a.ExecuteCommand(7011);
  EXPECT_EQ(a.Zoom(), 6);
  EXPECT_EQ(a.SavedZoom(), -1);
  EXPECT_EQ(a.SrcSize().Width, 37) << "laid out at the restored zoom";
}

TEST_F(CaptureModes, TheFrozenPictureIsBlackBeyondTheDesktop) {
  LoupistInternals a = Access();
  a.Command(Cmd::actGrid_Disp).SetChecked(false);
  a.Relayout();
  SceneWindow corner(0, 0, 60, 60, [](int, int) { return RGB(255, 255, 255); });
  PutCursor(Point{0, 0});
  app_->RefreshView();
  a.ExecuteCommand(7011);
  ASSERT_EQ(a.Info().ScreenPoint, (Point{0, 0}));
  app_->RefreshView();
  const Point cell = a.CursorCell();
  EXPECT_EQ(a.View().Pixel(cell.X, cell.Y), RGB(255, 255, 255));
  EXPECT_EQ(a.View().Pixel(cell.X - a.Zoom(), cell.Y), RGB(0, 0, 0));
  EXPECT_EQ(a.View().Pixel(cell.X, cell.Y - a.Zoom()), RGB(0, 0, 0));
}

TEST_F(CaptureModes, FixedPointModeHoldsItsPointWhileThePointerMoves) {
  LoupistInternals a = Access();
  a.ExecuteCommand(7002);
  ASSERT_TRUE(a.Command(Cmd::actCapture_Fixed).Checked());
  EXPECT_EQ(a.Info().ScreenPoint, kProbe);
  PutCursor(Point{kSceneLeft + 20, kSceneTop + 180});
  PumpFor(400);  // the timer runs
  app_->RefreshView();
  EXPECT_EQ(a.Info().ScreenPoint, kProbe);
  EXPECT_EQ(a.Info().Color, SceneColorAt(kProbe));

  // Ctrl: the cursor travels to the held point, which stays.
  {
    HeldKeys ctrl({VK_CONTROL});
    a.ExecuteCommand(7002);
  }
  EXPECT_EQ(CursorNow(), kProbe);
  EXPECT_TRUE(a.Command(Cmd::actCapture_Fixed).Checked());

  // Shift: the held point glides to the cursor in four steps of 40 ms.
  const Point target{kProbe.X - 60, kProbe.Y + 50};
  PutCursor(target);
  {
    HeldKeys shift({VK_SHIFT});
    const DWORD start = GetTickCount();
    a.ExecuteCommand(7002);
    EXPECT_GE(GetTickCount() - start, 150u);
  }
  EXPECT_EQ(a.Info().ScreenPoint, target);
  EXPECT_EQ(a.Info().Color, SceneColorAt(target));
  EXPECT_TRUE(a.Command(Cmd::actCapture_Fixed).Checked());

  // Plain again: back to following the cursor.
  a.ExecuteCommand(7002);
  EXPECT_FALSE(a.Command(Cmd::actCapture_Fixed).Checked());
  PutCursor(Point{kSceneLeft + 5, kSceneTop + 5});
  app_->RefreshView();
  EXPECT_EQ(a.Info().ScreenPoint, (Point{kSceneLeft + 5, kSceneTop + 5}));
}

TEST_F(CaptureModes, ShiftFWithNeitherFixedPointNorPauseDoesNothing) {
  LoupistInternals a = Access();
  PutCursor(Point{kSceneLeft + 150, kSceneTop + 150});
  HeldKeys shift({VK_SHIFT});
  const Point before = a.Info().ScreenPoint;
  const DWORD start = GetTickCount();
  a.ExecuteCommand(7002);
  EXPECT_LT(GetTickCount() - start, 40u) << "no glide";
  EXPECT_FALSE(a.Command(Cmd::actCapture_Fixed).Checked());
  EXPECT_EQ(a.Info().ScreenPoint, before);
}

TEST_F(CaptureModes, AShortGlideJumpsAtOnce) {
  LoupistInternals a = Access();
  a.ExecuteCommand(7002);
  const DWORD start = GetTickCount();
  a.GlideProbePoint(Point{kProbe.X + 5, kProbe.Y - 5});
  EXPECT_LT(GetTickCount() - start, 40u);
  EXPECT_EQ(a.Info().ScreenPoint, (Point{kProbe.X + 5, kProbe.Y - 5}));
}

bool Layered(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

TEST_F(CaptureModes, LoupeModeCapturesAtTheZoomAreaCentreWithoutTheOwnWindow) {
  LoupistInternals a = Access();
  ASSERT_EQ(a.LiveCaptureRop(), SRCCOPY | kCaptureBlt);
  a.ExecuteCommand(7001);
  ASSERT_TRUE(a.Command(Cmd::actCapture_Lupe).Checked());
  EXPECT_TRUE(Layered(app_->Handle()));
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(app_->Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 255);
  EXPECT_TRUE(flags & LWA_ALPHA);
  EXPECT_FALSE(a.Command(Cmd::actOpt_NoSelfCapture).Enabled());
  // Copies without CAPTUREBLT leave the layered window out (on Windows; Wine's screen
  // copy still shows it, so the picture itself is not compared here).
  EXPECT_EQ(a.LiveCaptureRop(), static_cast<DWORD>(SRCCOPY));
  EXPECT_EQ(a.SnapshotRop(), static_cast<DWORD>(SRCCOPY));

  // The probe point is the zoom area's centre, wherever the pointer is.
  auto centre = [&] {
    POINT origin{0, 0};
    ClientToScreen(app_->Handle(), &origin);
    const int zoomHeight = a.InfoRect().Top;
    return Point{origin.x - 1 + (app_->ClientWidth() + 1) / 2, origin.y - 1 + (zoomHeight + 1) / 2};
  };
  PutCursor(Point{kSceneLeft + 10, kSceneTop + 190});
  app_->RefreshView();
  EXPECT_EQ(a.Info().ScreenPoint, centre());
  SetWindowPos(app_->Handle(), nullptr, kSceneLeft, kSceneTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  app_->RefreshView();
  EXPECT_EQ(a.Info().ScreenPoint, centre()) << "and it moves with the window";
  EXPECT_EQ(a.Info().ScreenPoint.X, kSceneLeft - 1 + (app_->ClientWidth() + 1) / 2);

  a.ExecuteCommand(7001);
  EXPECT_FALSE(a.Command(Cmd::actCapture_Lupe).Checked());
  EXPECT_FALSE(Layered(app_->Handle()));
  EXPECT_TRUE(a.Command(Cmd::actOpt_NoSelfCapture).Enabled());
  EXPECT_EQ(a.LiveCaptureRop(), SRCCOPY | kCaptureBlt);
}

TEST_F(CaptureModes, NoSelfCaptureMakesTheWindowLayeredAndTheCopiesLeaveItOut) {
  LoupistInternals a = Access();
  a.ExecuteCommand(8006);
  EXPECT_TRUE(a.Command(Cmd::actOpt_NoSelfCapture).Checked());
  EXPECT_TRUE(Layered(app_->Handle()));
  EXPECT_EQ(a.LiveCaptureRop(), static_cast<DWORD>(SRCCOPY));
  EXPECT_EQ(a.SnapshotRop(), static_cast<DWORD>(SRCCOPY));
  // Leaving loupe mode keeps the window layered while the option asks for it.
  a.ExecuteCommand(7001);
  a.ExecuteCommand(7001);
  EXPECT_TRUE(Layered(app_->Handle()));
  a.ExecuteCommand(8006);
  EXPECT_FALSE(Layered(app_->Handle()));
  EXPECT_EQ(a.LiveCaptureRop(), SRCCOPY | kCaptureBlt);
  EXPECT_EQ(a.SnapshotRop(), SRCCOPY | kCaptureBlt);
}

// Checking fixed-point mode unchecks loupe mode through their group; it leaves loupe
// mode as the loupe command itself would: the option is offered again, and the window
// is layered exactly when the option asks for it.
TEST_F(CaptureModes, CheckingFixedPointLeavesLoupeModeConsistently) {
  struct Case {
    bool noSelfCapture;
    bool wantLayered;
    DWORD wantRop;
  } cases[] = {{false, false, SRCCOPY | kCaptureBlt}, {true, true, SRCCOPY}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.noSelfCapture ? "with no-self-capture" : "without no-self-capture");
    LoupistInternals a = Access();
    if (c.noSelfCapture != a.Command(Cmd::actOpt_NoSelfCapture).Checked()) a.ExecuteCommand(8006);
    a.ExecuteCommand(7001);
    ASSERT_TRUE(Layered(app_->Handle()));
    a.ExecuteCommand(7002);
    EXPECT_TRUE(a.Command(Cmd::actCapture_Fixed).Checked());
    EXPECT_FALSE(a.Command(Cmd::actCapture_Lupe).Checked());
    EXPECT_TRUE(a.Command(Cmd::actOpt_NoSelfCapture).Enabled());
    EXPECT_EQ(a.Command(Cmd::actOpt_NoSelfCapture).Checked(), c.noSelfCapture);
    EXPECT_EQ(Layered(app_->Handle()), c.wantLayered);
    EXPECT_EQ(a.LiveCaptureRop(), c.wantRop);
    // And the option works again at once.
    a.ExecuteCommand(8006);
    EXPECT_EQ(Layered(app_->Handle()), !c.noSelfCapture);
    a.ExecuteCommand(7002);  // fixed off for the next case
    if (a.Command(Cmd::actOpt_NoSelfCapture).Checked()) a.ExecuteCommand(8006);
  }
}

TEST_F(CaptureModes, TheUserOriginByModifierKeys) {
  LoupistInternals a = Access();
  const int height = app_->ClientHeight();
  ASSERT_FALSE(a.Command(Cmd::actPos_User).Checked());
  const Point here{kSceneLeft + 33, kSceneTop + 44};
  PutCursor(here);
  a.ExecuteCommand(4010);
  EXPECT_EQ(a.Info().UserOrigin, here);
  EXPECT_TRUE(a.Command(Cmd::actPos_User).Checked()) << "a new origin shows its line";
  EXPECT_EQ(app_->ClientHeight(), height + a.LineHeight());

  {
    HeldKeys both({VK_SHIFT, VK_CONTROL});
    a.ExecuteCommand(4010);
  }
  EXPECT_EQ(a.Info().UserOrigin, (Point{0, 0}));

  // Paused: the frozen point, unless Shift asks for the cursor.
  a.ExecuteCommand(7011);
  const Point frozen = a.Info().ScreenPoint;
  PutCursor(Point{kSceneLeft + 180, kSceneTop + 5});
  a.ExecuteCommand(4010);
  EXPECT_EQ(a.Info().UserOrigin, frozen);
  {
    HeldKeys shift({VK_SHIFT});
    a.ExecuteCommand(4010);
  }
  EXPECT_EQ(a.Info().UserOrigin, (Point{kSceneLeft + 180, kSceneTop + 5}));
}

TEST_F(CaptureModes, CtrlSpaceBringsTheCursorToTheOriginAtOnceWhenNearAndInNineStepsWhenFar) {
  LoupistInternals a = Access();
  a.Info().UserOrigin = Point{500, 300};
  PutCursor(Point{508, 300});
  {
    HeldKeys ctrl({VK_CONTROL});
    const DWORD start = GetTickCount();
    a.ExecuteCommand(4010);
    // Well below the 80 ms of the steps below; a loaded machine may take a tick or two.
    EXPECT_LT(GetTickCount() - start, 40u);
  }
  EXPECT_EQ(CursorNow(), (Point{500, 300}));
  EXPECT_EQ(a.Info().UserOrigin, (Point{500, 300})) << "the origin stays";

  // 200 pixels away: watch the cursor from another thread while it travels.
  PutCursor(Point{700, 300});
  // The move starts once the watcher has read the cursor once: under Wine a thread's first
  // read sets up its own connection to the display, which can take longer than some steps.
  std::atomic<bool> watching{true}, ready{false};
  std::set<int32_t> seen;
  std::thread watcher([&] {
    while (watching) {
      seen.insert(CursorNow().X);
      ready = true;
      Sleep(1);
    }
  });
  while (!ready) Sleep(1);
  {
    HeldKeys ctrl({VK_CONTROL});
    const DWORD start = GetTickCount();
    a.ExecuteCommand(4010);
    const DWORD took = GetTickCount() - start;
    EXPECT_GE(took, 80u);
    EXPECT_LT(took, 300u);
  }
  watching = false;
  watcher.join();
  EXPECT_EQ(CursorNow(), (Point{500, 300}));
  int steps = 0;
  for (int32_t x : seen) {
    EXPECT_EQ((x - 500) % 20, 0) << "off the 20-pixel steps: " << x;
    if (x > 500 && x < 700) ++steps;
  }
  EXPECT_GE(steps, 5) << "the cursor travels, it does not jump";
}

// Windows 98 (run by scripts/test with Wine reporting that version): no layered windows, so
// loupe mode and no-self-capture refuse themselves and the menu does without them.
class Win9xPathCaptureModes : public CaptureModes {
 protected:
  void SetUp() override {
    if (IsWin2000OrLater()) GTEST_SKIP() << "needs a system older than Windows 2000";
    CaptureModes::SetUp();
  }
};

TEST_F(Win9xPathCaptureModes, LoupeAndNoSelfCaptureUncheckThemselvesAndTheMenuHidesThem) {
  LoupistInternals a = Access();
  for (Cmd name : {Cmd::actCapture_Lupe, Cmd::actOpt_NoSelfCapture}) {
    SCOPED_TRACE(name);
    Action& command = a.Command(name);
    EXPECT_FALSE(command.Enabled());
    command.SetEnabled(true);  // even when run: AutoCheck checks it, the handler takes it back
    command.Execute();
    EXPECT_FALSE(command.Checked());
    EXPECT_FALSE(Layered(app_->Handle()));
    command.SetEnabled(false);
  }

  UniqueMenu menu = a.Menu().Build();
  // The element group before them is left out where the system cannot tell elements.
  const int elementGroup = a.Command(Cmd::actElement_InfoOnOff).Visible() ? 1 : 0;
  HMENU capture = GetSubMenu(menu.get(), 8 + elementGroup);
  ASSERT_EQ(GetMenuItemCount(capture), 3) << "pause, separator, fixed point";
  MENUITEMINFOW fixed{};
  fixed.cbSize = sizeof(fixed);
  fixed.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(capture, 2, TRUE, &fixed);
  EXPECT_FALSE(fixed.fType & MFT_RADIOCHECK) << "a plain check item without its partner";
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu.get(), 9 + elementGroup)), 6)
      << "no no-self-capture item: four options, a separator and the language submenu";
}

}  // namespace
