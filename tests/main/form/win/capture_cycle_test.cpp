// The live magnifier on real windows and bitmaps.
#include <gtest/gtest.h>

#include <memory>

#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "tests/win/main_window.h"
#include "tests/win/scene.h"

namespace {

// A scene of 8 x 8 pixel tiles whose colour encodes the tile position, with one
// pixel of its own colour at the probe point.
constexpr int kSceneLeft = 300, kSceneTop = 300, kSceneSize = 200;
constexpr POINT kProbe = {kSceneLeft + 101, kSceneTop + 57};
constexpr COLORREF kProbeColor = RGB(250, 10, 200);

COLORREF SceneColor(int x, int y) {
  if (x == kProbe.x - kSceneLeft && y == kProbe.y - kSceneTop) return kProbeColor;
  return RGB((x * 7) & 0xFF, (y * 5) & 0xFF, ((x + y) * 3) & 0xFF);
}

class CaptureCycle : public testing::Test {
 protected:
  void SetUp() override {
    scene_ =
        std::make_unique<SceneWindow>(kSceneLeft, kSceneTop, kSceneSize, kSceneSize, SceneColor);
    app_ = StartMainWindow(kProbe);
  }
  void TearDown() override {
    app_.reset();
    scene_.reset();
  }
  std::unique_ptr<SceneWindow> scene_;
  std::unique_ptr<TApp_Loupist> app_;
};

TEST_F(CaptureCycle, EnlargesTheSourceIntoZoomBlocksWithTheProbePixelAtTheCursorCell) {
  LoupistInternals a(*app_);
  a.Command(Cmd::actGrid_Disp).SetChecked(false);  // plain blocks, no lines over them
  a.Relayout();
  app_->RefreshView();
  ASSERT_EQ(a.Info().ScreenPoint, (Point{kProbe.x, kProbe.y}));
  const int z = a.Zoom();
  ASSERT_EQ(z, 6);
  EXPECT_EQ(a.Info().Color, kProbeColor);
  EXPECT_EQ(a.View().Pixel(a.CursorCell().X, a.CursorCell().Y), kProbeColor);

  // Every source pixel becomes a z x z block of its colour.
  const Point half = a.SrcHalf();
  const Size src = a.SrcSize();
  for (int sy = 0; sy < src.Height; sy += 3) {
    for (int sx = 0; sx < src.Width; sx += 4) {
      const int screenX = kProbe.x - half.X + sx, screenY = kProbe.y - half.Y + sy;
      // The display may draw the pointer's own image into what a screen copy reads, right of
      // and below its hot spot, which is the probe pixel.
      const bool underPointer = screenX >= kProbe.x && screenX < kProbe.x + 32 &&
                                screenY >= kProbe.y && screenY < kProbe.y + 32;
      if (underPointer && !(screenX == kProbe.x && screenY == kProbe.y)) continue;
      const COLORREF want = SceneColor(screenX - kSceneLeft, screenY - kSceneTop);
      for (int dy = 0; dy < z; dy += z - 1)
        for (int dx = 0; dx < z; dx += z - 1) {
          const int vx = sx * z + dx, vy = sy * z + dy;
          if (vy >= a.InfoRect().Top || vx >= a.View().Width() - 1 || vx == 0 || vy == 0)
            continue;  // clipped, or under the window frame
          ASSERT_EQ(a.View().Pixel(vx, vy), want) << "source " << sx << "," << sy;
        }
    }
  }
}

TEST_F(CaptureCycle, SourceBeyondTheDesktopIsBlack) {
  LoupistInternals a(*app_);
  a.Command(Cmd::actGrid_Disp).SetChecked(false);
  a.Relayout();
  // The scene at the desktop's top-left corner, the probe on its corner pixel.
  scene_ = std::make_unique<SceneWindow>(0, 0, 60, 60, [](int, int) { return RGB(255, 255, 255); });
  SetCursorPos(0, 0);
  app_->RefreshView();
  ASSERT_EQ(a.Info().ScreenPoint, (Point{0, 0}));
  const Point cell = a.CursorCell();
  EXPECT_EQ(a.View().Pixel(cell.X, cell.Y), RGB(255, 255, 255));
  // One cell left of and above the probe lies outside the desktop.
  EXPECT_EQ(a.View().Pixel(cell.X - a.Zoom(), cell.Y), RGB(0, 0, 0));
  EXPECT_EQ(a.View().Pixel(cell.X, cell.Y - a.Zoom()), RGB(0, 0, 0));
  // (Past the inverted frame, which runs along the next cell's first column and row.)
  EXPECT_EQ(a.View().Pixel(cell.X + a.Zoom() + 1, cell.Y + a.Zoom() + 1), RGB(255, 255, 255));
}

TEST_F(CaptureCycle, StillCursorSkipsWithinThePeriodButRefreshViewCaptures) {
  LoupistInternals a(*app_);
  OnlyHandlersCapture(*app_);
  app_->RefreshView();
  EXPECT_EQ(a.Info().Color, kProbeColor);

  scene_->SetColor([](int, int) { return RGB(0, 128, 0); });
  a.LastCaptureTick() = GetTickCount();  // a capture has just happened
  a.StillPeriod() = TCycleTiming::kStillPeriod;
  app_->Timer_MainTimer(&app_->Timer_Main);
  EXPECT_EQ(a.Info().Color, kProbeColor) << "a still cursor must not capture within the period";

  app_->RefreshView();
  EXPECT_EQ(a.Info().Color, RGB(0, 128, 0));
  EXPECT_EQ(a.StillPeriod(), TCycleTiming::kForcedPeriod)
      << "a forced refresh shortens the still period";

  // Past the period a tick captures again and restores the long period.
  scene_->SetColor([](int, int) { return RGB(0, 0, 128); });
  a.LastCaptureTick() = GetTickCount() - 150;
  app_->Timer_MainTimer(&app_->Timer_Main);
  EXPECT_EQ(a.Info().Color, RGB(0, 0, 128));
  EXPECT_EQ(a.StillPeriod(), TCycleTiming::kStillPeriod);
}

TEST_F(CaptureCycle, TheCursorIsFollowed) {
  LoupistInternals a(*app_);
  SetCursorPos(kSceneLeft + 10, kSceneTop + 20);
  ASSERT_TRUE(PumpUntil(
      [&] {
        return a.Info().ScreenPoint == Point{kSceneLeft + 10, kSceneTop + 20};
      },
      2000));
  EXPECT_EQ(a.Info().Color, SceneColor(10, 20));
}

TEST_F(CaptureCycle, SecondStatusTextEndsWithTheFirstOnesPeriod) {
  LoupistInternals a(*app_);
  const DWORD start = GetTickCount();
  app_->ShowStatusText(L"first");
  EXPECT_EQ(a.StatusText(), L"first");
  EXPECT_TRUE(app_->Timer_Infomation.Enabled());
  PumpFor(1200);
  app_->ShowStatusText(L"second");
  EXPECT_EQ(a.StatusText(), L"second");
  ASSERT_TRUE(PumpUntil([&] { return a.StatusText().empty(); }, 4000));
  const DWORD elapsed = GetTickCount() - start;
  EXPECT_GE(elapsed, 1900u);
  EXPECT_LT(elapsed, 2900u) << "showing a second text must not restart the period";
  EXPECT_FALSE(app_->Timer_Infomation.Enabled());
}

TEST_F(CaptureCycle, AnyLayoutDropsTheStatusText) {
  LoupistInternals a(*app_);
  app_->ShowStatusText(L"copied");
  a.Relayout();
  EXPECT_TRUE(a.StatusText().empty());
  EXPECT_FALSE(app_->Timer_Infomation.Enabled());
}

}  // namespace
