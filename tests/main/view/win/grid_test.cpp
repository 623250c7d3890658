// The grid overlay as drawn on the real view bitmap, over uniform white and black pictures.
// Every pixel of the zoom area is compared with what a viewer should see there: the picture,
// a grid line in its pen mode, a sub-grid or cross-hair line, or the inverted probe frame.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "my_settingfile/win/settings_file.h"
#include "tests/win/main_window.h"
#include "tests/win/scene.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kSubBlue = 0xFF0000;
constexpr int kSceneLeft = 300, kSceneTop = 300, kSceneSize = 400;
constexpr POINT kProbe = {kSceneLeft + kSceneSize / 2, kSceneTop + kSceneSize / 2};

enum class Grid { kHidden, kShown };

struct GridCase {
  const char* name;
  COLORREF picture;
  Grid grid;
  int zoom;
  uint8_t penMode;
  COLORREF gridColor;
};

void PrintTo(const GridCase& c, std::ostream* os) { *os << c.name; }

COLORREF Inverse(COLORREF c) { return ~c & 0xFFFFFF; }

// The picture pixel after one grid line in the case's pen mode.
COLORREF GridOver(const GridCase& c, COLORREF beneath) {
  switch (c.penMode) {
    case 3:
      return Inverse(beneath);
    case 12:
      return beneath & c.gridColor;
    default:
      return c.gridColor;
  }
}

int Mod5(int v) { return ((v % 5) + 5) % 5; }

// What the zoom area shows at (x, y) without the probe frame. probeCol and probeRow number the
// probe cell; (cx, cy) is the first pixel of its interior.
COLORREF Underlay(const GridCase& c, int x, int y, int probeCol, int probeRow, int cx, int cy) {
  const int z = c.zoom;
  if (c.grid == Grid::kHidden) return c.picture;
  if (z < 4) {
    // Cross-hair through the probe cell's left column and top row, broken around the cell
    // with one pixel of picture left free before the frame.
    const bool vertical = x == cx && (y <= cy - 3 || y >= cy + z + 2);
    const bool horizontal = y == cy && (x <= cx - 3 || x >= cx + z + 2);
    return vertical || horizontal ? kSubBlue : c.picture;
  }
  // Sub-grid every fifth cell counted from the probe cell, over the grid, in its own colour.
  if ((x % z == 0 && Mod5(x / z - probeCol) == 0) || (y % z == 0 && Mod5(y / z - probeRow) == 0))
    return kSubBlue;
  const bool vertical = x > 0 && x % z == 0;  // no line on the zoom area's own edges
  const bool horizontal = y > 0 && y % z == 0;
  COLORREF color = c.picture;
  if (vertical) color = GridOver(c, color);
  if (horizontal) color = GridOver(c, color);
  return color;
}

class GridOverlay : public testing::TestWithParam<GridCase> {
 protected:
  static void SetUpTestSuite() {
    defaults_ = std::make_unique<NoSettingsFile>();
    scene_ = std::make_unique<SceneWindow>(kSceneLeft, kSceneTop, kSceneSize, kSceneSize,
                                           [](int, int) { return kWhite; });
    app_ = StartMainWindow(kProbe);
    OnlyHandlersCapture(*app_);
  }
  static void TearDownTestSuite() {
    app_.reset();
    scene_.reset();
    defaults_.reset();
  }
  static std::unique_ptr<NoSettingsFile> defaults_;
  static std::unique_ptr<SceneWindow> scene_;
  static std::unique_ptr<TApp_Loupist> app_;
};

std::unique_ptr<NoSettingsFile> GridOverlay::defaults_;
std::unique_ptr<SceneWindow> GridOverlay::scene_;
std::unique_ptr<TApp_Loupist> GridOverlay::app_;

TEST_P(GridOverlay, EveryZoomAreaPixelShowsPictureLineOrFrame) {
  const GridCase& c = GetParam();
  scene_->SetColor([picture = c.picture](int, int) { return picture; });
  SetCursorPos(kProbe.x, kProbe.y);
  LoupistInternals a(*app_);
  a.GridColor() = c.gridColor;
  a.GridPenMode() = c.penMode;
  a.SubGridColor() = kSubBlue;
  a.Zoom() = c.zoom;
  a.Command(Cmd::actGrid_Disp).SetChecked(c.grid == Grid::kShown);
  a.Relayout();
  app_->RefreshView();
  ASSERT_EQ(a.Info().ScreenPoint, (Point{kProbe.x, kProbe.y}));

  const int z = c.zoom;
  const Point cell = a.CursorCell();
  // With grid lines the line takes the cell's first column and row; otherwise the interior
  // starts at the cell's corner.
  const int gap = (c.grid == Grid::kShown && z >= 4) ? 2 : 1;
  ASSERT_EQ(cell.X % z, gap - 1);
  ASSERT_EQ(cell.Y % z, gap - 1);
  const int probeCol = cell.X / z, probeRow = cell.Y / z;

  // The probe pixel is never covered, so the colour read there is the picture's.
  EXPECT_EQ(a.View().Pixel(cell.X, cell.Y), c.picture);
  EXPECT_EQ(a.Info().Color, c.picture);

  // The frame: one pixel outside the probe cell and its bounding grid lines, inverting
  // whatever lies beneath it.
  const int x0 = cell.X - gap, y0 = cell.Y - gap, side = gap + z;
  auto onFrame = [&](int x, int y) {
    const bool inX = x >= x0 && x <= x0 + side, inY = y >= y0 && y <= y0 + side;
    return (inY && (x == x0 || x == x0 + side)) || (inX && (y == y0 || y == y0 + side));
  };

  int wrong = 0;
  const int width = a.View().Width(), height = a.InfoRect().Top;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      COLORREF want = Underlay(c, x, y, probeCol, probeRow, cell.X, cell.Y);
      if (onFrame(x, y)) want = Inverse(want);
      const COLORREF got = a.View().Pixel(x, y);
      if (got != want && ++wrong <= 5)
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") is 0x" << std::hex << got << ", want 0x"
                      << want << std::dec << "; probe cell interior at (" << cell.X << ", "
                      << cell.Y << ")";
    }
  }
  EXPECT_EQ(wrong, 0) << "pixels that differ in the zoom area of " << width << " x " << height;
}

INSTANTIATE_TEST_SUITE_P(
    PenModesAndZooms, GridOverlay,
    testing::Values(GridCase{"GreyOverWhiteZoom4", kWhite, Grid::kShown, 4, 4, 0x999999},
                    GridCase{"GreyOverBlackZoom4", kBlack, Grid::kShown, 4, 4, 0x999999},
                    GridCase{"InvertOverWhiteZoom4", kWhite, Grid::kShown, 4, 3, 0x123456},
                    GridCase{"InvertOverBlackZoom4", kBlack, Grid::kShown, 4, 3, 0x123456},
                    GridCase{"MaskOverWhiteZoom4", kWhite, Grid::kShown, 4, 12, 0xCCCCCC},
                    GridCase{"MaskOverBlackZoom4", kBlack, Grid::kShown, 4, 12, 0xCCCCCC},
                    GridCase{"GreyOverWhiteZoom6", kWhite, Grid::kShown, 6, 4, 0x999999},
                    GridCase{"GreyOverWhiteZoom3", kWhite, Grid::kShown, 3, 4, 0x999999},
                    GridCase{"GreyOverBlackZoom3", kBlack, Grid::kShown, 3, 4, 0x999999},
                    GridCase{"InvertOverWhiteZoom3", kWhite, Grid::kShown, 3, 3, 0x123456},
                    GridCase{"InvertOverBlackZoom3", kBlack, Grid::kShown, 3, 3, 0x123456},
                    GridCase{"MaskOverWhiteZoom3", kWhite, Grid::kShown, 3, 12, 0xCCCCCC},
                    GridCase{"MaskOverBlackZoom3", kBlack, Grid::kShown, 3, 12, 0xCCCCCC},
                    GridCase{"HiddenOverWhiteZoom4", kWhite, Grid::kHidden, 4, 4, 0x999999},
                    GridCase{"HiddenOverBlackZoom4", kBlack, Grid::kHidden, 4, 3, 0x123456},
                    GridCase{"HiddenOverWhiteZoom3", kWhite, Grid::kHidden, 3, 12, 0xCCCCCC},
                    GridCase{"HiddenOverBlackZoom3", kBlack, Grid::kHidden, 3, 4, 0x999999}),
    [](const testing::TestParamInfo<GridCase>& info) { return std::string(info.param.name); });

}  // namespace
