// The spacing line over a drawn block: its value through the tolerances, the runs drawn in the
// picture, the snapshot while paused, and Ctrl with the arrows and the wheel.
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

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlock = RGB(64, 64, 64);
// The block's right edge, one column 6 lighter: within a tolerance of 8, not of 2.
constexpr COLORREF kEdge = RGB(70, 70, 70);
constexpr int kSceneLeft = 300, kSceneTop = 300, kSceneSize = 400;
// The block covers screen (400, 420) to (479, 449), its edge column x = 480.
const Rect kBlockRect{400, 420, 480, 450};
constexpr POINT kProbe = {440, 435};

COLORREF Scene(int x, int y) {
  const int sx = x + kSceneLeft, sy = y + kSceneTop;
  if (sy < kBlockRect.Top || sy >= kBlockRect.Bottom) return kWhite;
  if (sx >= kBlockRect.Left && sx < kBlockRect.Right) return kBlock;
  return sx == kBlockRect.Right ? kEdge : kWhite;
}

COLORREF Inverse(COLORREF c) { return ~c & 0xFFFFFF; }

class SpacingView : public testing::Test {
 protected:
  void SetUp() override {
    app_ = StartMainWindow(kProbe);
    OnlyHandlersCapture(*app_);
    a_ = std::make_unique<LoupistInternals>(*app_);
    a_->Command(Cmd::actPos_Spacing).Execute();  // shows the line and lays the window out
    ASSERT_TRUE(a_->Command(Cmd::actPos_Spacing).Checked());
  }
  void TearDown() override {
    a_.reset();
    app_.reset();
  }
  void ViewAt(int zoom, bool grid) {
    a_->Zoom() = zoom;
    a_->Command(Cmd::actGrid_Disp).SetChecked(grid);
    a_->Relayout();
    SetCursorPos(kProbe.x, kProbe.y);
    app_->RefreshView();
  }
  COLORREF At(int x, int y) { return a_->View().Pixel(x, y); }

  NoSettingsFile noSettingsFile_;
  SceneWindow scene_{kSceneLeft, kSceneTop, kSceneSize, kSceneSize, Scene};
  std::unique_ptr<TApp_Loupist> app_;
  std::unique_ptr<LoupistInternals> a_;
};

TEST_F(SpacingView, TheBlocksSizeInTheLineAndInThePicture) {
  // At zoom 1 without the grid the marks lie on the runs' last pixels: the block's columns
  // 400 and 479, rows 420 and 449, which are 40, 39, 15 and 14 pixels from the probe.
  ViewAt(1, false);
  ASSERT_EQ(a_->Info().Spacing, kBlockRect);
  EXPECT_EQ(PanelLineDiff(*app_, *a_, 4, L"間隔     L=400 T=420 W=80 H=30"), "");
  const Point c = a_->CursorCell();
  EXPECT_EQ(At(c.X, c.Y), kBlock) << "the probe pixel stays uncovered";
  EXPECT_EQ(a_->Info().Color, kBlock);
  EXPECT_EQ(At(c.X - 40, c.Y - 1), Inverse(kBlock)) << "the left mark";
  EXPECT_EQ(At(c.X - 39, c.Y), Inverse(kBlock)) << "the line";
  EXPECT_EQ(At(c.X - 41, c.Y), kWhite) << "nothing past the run";
  EXPECT_EQ(At(c.X + 39, c.Y + 1), Inverse(kBlock)) << "the right mark";
  EXPECT_EQ(At(c.X + 40, c.Y), kEdge);
  EXPECT_EQ(At(c.X + 1, c.Y - 15), Inverse(kBlock)) << "the top mark";
  EXPECT_EQ(At(c.X, c.Y - 16), kWhite);
  EXPECT_EQ(At(c.X - 1, c.Y + 14), Inverse(kBlock)) << "the bottom mark";
  EXPECT_EQ(At(c.X, c.Y + 15), kWhite);

  // The edge column is alike within 8, not within 2.
  a_->ExecuteCommand(4022);
  EXPECT_TRUE(a_->Command(Cmd::actPos_Tolerance8).Checked());
  EXPECT_FALSE(a_->Command(Cmd::actPos_Tolerance0).Checked());
  EXPECT_EQ(a_->Info().Spacing, (Rect{400, 420, 481, 450}));
  a_->ExecuteCommand(4021);
  EXPECT_EQ(a_->Info().Spacing, kBlockRect);

  // At zoom 6 with the grid the runs leave the view and reach its edges, drawn over the grid
  // and under the probe frame: where the line crosses a grid line it inverts the grey, and the
  // frame's column it would cross is inverted once, by the frame.
  ViewAt(6, true);
  const Point g = a_->CursorCell();
  const int middle = g.Y + 2;
  EXPECT_EQ(At(0, middle), Inverse(kBlock));
  const int last = a_->View().Width() - 1;
  EXPECT_EQ(At(last % 6 ? last : last - 1, middle), Inverse(kBlock)) << "off the grid lines";
  EXPECT_EQ(At(g.X - 7, middle), Inverse(0x999999)) << "the grid line of the cell to the left";
  EXPECT_EQ(At(g.X - 2, middle), Inverse(kBlock)) << "the frame";
  EXPECT_EQ(At(g.X + 2, middle), kBlock) << "the probe cell";
}

TEST_F(SpacingView, PausedTheSnapshotIsMeasuredAndCtrlArrowsJumpOverIt) {
  ViewAt(6, true);
  // Ctrl with the wheel nudges, as it always did, where a jump would leave the block.
  {
    HeldKeys ctrl({VK_CONTROL});
    SendMessageW(app_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 0);
  }
  POINT p{};
  GetCursorPos(&p);
  EXPECT_EQ(p.y, kProbe.y - 1);
  ViewAt(6, true);

  a_->ExecuteCommand(7002);  // fixed point
  a_->ExecuteCommand(7011);  // pause
  ASSERT_TRUE(a_->Command(Cmd::actCapture_Pause).Checked());
  scene_.SetColor([](int, int) { return kWhite; });
  app_->RefreshView();
  EXPECT_EQ(a_->Info().Spacing, kBlockRect) << "the block as the pause froze it";
  {
    HeldKeys ctrl({VK_CONTROL});
    SendMessageW(app_->Handle(), WM_KEYDOWN, VK_RIGHT, 1);
    SendMessageW(app_->Handle(), WM_KEYUP, VK_RIGHT, 0xC0000001);
    EXPECT_EQ(a_->Info().ScreenPoint, (Point{480, 435})) << "the first pixel past the block";
    SendMessageW(app_->Handle(), WM_KEYDOWN, VK_UP, 1);
    SendMessageW(app_->Handle(), WM_KEYUP, VK_UP, 0xC0000001);
    EXPECT_EQ(a_->Info().ScreenPoint, (Point{480, 419})) << "past the edge column's top";
  }
  EXPECT_EQ(a_->Info().Spacing.Bottom, 420) << "white down to the edge column";
}

}  // namespace
