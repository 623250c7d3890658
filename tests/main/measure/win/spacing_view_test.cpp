// The spacing line over a drawn block: its value through the tolerances, the runs drawn in the
// picture, the snapshot while paused, and Ctrl with the arrows and with the wheel.
#include <gtest/gtest.h>

#include <memory>

#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "my_settingfile/win/settings_file.h"
#include "tests/win/main_window.h"
#include "tests/win/modal_driver.h"
#include "tests/win/panel_lines.h"
#include "tests/win/scene.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlock = RGB(64, 64, 64);
// The block's right edge, one column 6 lighter: alike within a tolerance of 8, not of 2.
constexpr COLORREF kEdge = RGB(70, 70, 70);
// The block on the screen, its edge column at x = 480, and the probe inside it.
const Rect kBlockRect{400, 420, 480, 450};
constexpr POINT kProbe = {440, 435};

COLORREF Scene(int x, int y) {
  x += 300, y += 300;
  if (y < kBlockRect.Top || y >= kBlockRect.Bottom || x > kBlockRect.Right || x < 400)
    return kWhite;
  return x == kBlockRect.Right ? kEdge : kBlock;
}

COLORREF Inverse(COLORREF c) { return ~c & 0xFFFFFF; }
COLORREF RunOver(COLORREF c) { return c ^ 0x808080; }

class SpacingView : public testing::Test {
 protected:
  void SetUp() override {
    OnlyHandlersCapture(*app_);
    a_.Command(Cmd::actPos_Spacing).Execute();  // shows the line and lays the window out
  }
  void ViewAt(int zoom, bool grid) {
    a_.Zoom() = zoom;
    a_.Command(Cmd::actGrid_Disp).SetChecked(grid);
    a_.Relayout();
    SetCursorPos(kProbe.x, kProbe.y);
    app_->RefreshView();
  }
  COLORREF At(int x, int y) { return a_.View().Pixel(x, y); }
  void Key(WPARAM key) {
    SendMessageW(app_->Handle(), WM_KEYDOWN, key, 1);
    SendMessageW(app_->Handle(), WM_KEYUP, key, 0xC0000001);
  }

  NoSettingsFile noSettingsFile_;
  SceneWindow scene_{300, 300, 400, 400, Scene};
  std::unique_ptr<TApp_Loupist> app_ = StartMainWindow(kProbe);
  LoupistInternals a_{*app_};
};

TEST_F(SpacingView, TheBlocksSizeInTheLineAndInThePicture) {
  // At zoom 1 the marks lie on the runs' last pixels: 40 left of the probe and 39 right.
  ViewAt(1, false);
  ASSERT_EQ(a_.Info().Spacing, kBlockRect);
  EXPECT_EQ(PanelLineDiff(*app_, a_, 4, L"間隔     L=400 T=420 W=80 H=30"), "");
  const Point c = a_.CursorCell();
  EXPECT_EQ(a_.Info().Color, kBlock) << "the probe pixel stays uncovered";
  EXPECT_EQ(At(c.X - 40, c.Y - 1), RunOver(kBlock)) << "the left mark";
  EXPECT_EQ(At(c.X - 41, c.Y), kWhite) << "nothing past the run";
  EXPECT_EQ(At(c.X + 39, c.Y + 1), RunOver(kBlock)) << "the right mark";
  EXPECT_EQ(At(c.X + 40, c.Y), kEdge);

  a_.ExecuteCommand(4022);  // 8
  EXPECT_FALSE(a_.Command(Cmd::actPos_Tolerance0).Checked());
  EXPECT_EQ(a_.Info().Spacing, (Rect{400, 420, 481, 450}));
  a_.ExecuteCommand(4021);  // 2
  EXPECT_EQ(a_.Info().Spacing, kBlockRect);

  // At zoom 6 the runs leave the view and reach its edges, over the grid and under the frame:
  // the line changes the grey of the grid line it crosses, and the frame is inverted once.
  ViewAt(6, true);
  const Point g = a_.CursorCell();
  const int middle = g.Y + 2, last = a_.View().Width() - 1;
  EXPECT_EQ(At(0, middle), RunOver(kBlock));
  EXPECT_EQ(At(last % 6 ? last : last - 1, middle), RunOver(kBlock));
  EXPECT_EQ(At(g.X - 7, middle), RunOver(0x999999)) << "the next cell's grid line";
  EXPECT_EQ(At(g.X - 2, middle), Inverse(kBlock)) << "the frame";
}

TEST_F(SpacingView, PausedTheSnapshotIsMeasuredAndCtrlArrowsJumpOverIt) {
  ViewAt(6, true);
  {
    HeldKeys ctrl({VK_CONTROL});  // the wheel nudges, where a jump would leave the block
    SendMessageW(app_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 0);
  }
  POINT p{};
  GetCursorPos(&p);
  EXPECT_EQ(p.y, kProbe.y - 1);

  ViewAt(6, true);
  a_.ExecuteCommand(7002);  // fixed point
  a_.ExecuteCommand(7011);  // pause
  scene_.SetColor([](int, int) { return kWhite; });
  app_->RefreshView();
  EXPECT_EQ(a_.Info().Spacing, kBlockRect) << "the block as the pause froze it";
  HeldKeys ctrl({VK_CONTROL});
  Key(VK_RIGHT);
  EXPECT_EQ(a_.Info().ScreenPoint, (Point{480, 435})) << "the first pixel past the block";
  Key(VK_UP);
  EXPECT_EQ(a_.Info().ScreenPoint, (Point{480, 419})) << "past the edge column's top";
  EXPECT_EQ(a_.Info().Spacing.Bottom, 420);
}

}  // namespace
