#include "main/view/grid_plan.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "general/helpers.h"
#include "main/view/layout_calc.h"

// Points print as coordinates in failure messages.
static void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kGrey = 0x999999;
constexpr uint32_t kBlue = 0xFF0000;  // COLORREF: blue in the high byte

// An RGB picture that lines are drawn onto the way a one-pixel pen would: axis-aligned, end
// point excluded, clipped to the image. It also counts how often each pixel was drawn.
class Canvas {
 public:
  Canvas(int32_t width, int32_t height, uint32_t fill)
      : width_(width),
        height_(height),
        pixels_(Area(width, height), fill),
        hits_(Area(width, height), 0) {}

  uint32_t At(int32_t x, int32_t y) const { return pixels_[Index(x, y)]; }
  int Hits(int32_t x, int32_t y) const { return hits_[Index(x, y)]; }
  void Set(int32_t x, int32_t y, uint32_t c) { pixels_[Index(x, y)] = c; }

  void Draw(const std::vector<GridLine>& lines) {
    for (const GridLine& l : lines) Draw(l);
  }

  void Draw(const GridLine& l) {
    const bool vertical = l.Start.X == l.End.X;
    if (!vertical && l.Start.Y != l.End.Y) {
      ADD_FAILURE() << "diagonal line";
      return;
    }
    const int32_t dx = l.End.X > l.Start.X ? 1 : l.End.X < l.Start.X ? -1 : 0;
    const int32_t dy = l.End.Y > l.Start.Y ? 1 : l.End.Y < l.Start.Y ? -1 : 0;
    for (Point p = l.Start; p != l.End; p.X += dx, p.Y += dy) {
      if (p.X < 0 || p.Y < 0 || p.X >= width_ || p.Y >= height_) continue;
      uint32_t& px = pixels_[Index(p.X, p.Y)];
      switch (l.Mode) {
        case kPenModeCopy:
          px = l.Color & 0xFFFFFF;
          break;
        case kPenModeInvert:
          px = ~px & 0xFFFFFF;
          break;
        case kPenModeMask:
          px &= l.Color;
          break;
        case kPenModeXor:
          px ^= l.Color & 0xFFFFFF;
          break;
        default:
          ADD_FAILURE() << "pen mode " << int{l.Mode};
          break;
      }
      ++hits_[Index(p.X, p.Y)];
    }
  }

 private:
  static std::size_t Area(int32_t width, int32_t height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  }
  std::size_t Index(int32_t x, int32_t y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  int32_t width_, height_;
  std::vector<uint32_t> pixels_;
  std::vector<int> hits_;
};

// The window layout's numbers for a zoom area, as the main window derives them.
GridPlanInput Layout(int32_t width, int32_t height, int32_t z, bool gridShown) {
  GridPlanInput in;
  in.Zoom = z;
  in.CellCols = static_cast<int32_t>(RoundUp(static_cast<long double>(width) / z));
  in.CellRows = static_cast<int32_t>(RoundUp(static_cast<long double>(height) / z));
  const int32_t k = GridGap(gridShown, z) > 1 ? 1 : 0;
  in.CursorCell = Point{static_cast<int32_t>(RoundNearest(in.CellCols / 2.0L) - 1) * z + k,
                        static_cast<int32_t>(RoundNearest(in.CellRows / 2.0L) - 1) * z + k};
  in.ZoomAreaHeight = height;
  in.ClientWidth = width;
  in.GridShown = gridShown;
  in.GridColor = kGrey;
  in.SubGridColor = kBlue;
  in.GridPenMode = kPenModeCopy;
  return in;
}

std::vector<GridLine> Plan(const GridPlanInput& in) {
  std::vector<GridLine> lines;
  PlanGrid(in, lines);
  return lines;
}

// Columns along row y (or rows along column x) that hold the given colour.
std::set<int32_t> ColumnsWith(const Canvas& c, int32_t y, int32_t width, uint32_t color) {
  std::set<int32_t> xs;
  for (int32_t x = 0; x < width; ++x)
    if (c.At(x, y) == color) xs.insert(x);
  return xs;
}
std::set<int32_t> RowsWith(const Canvas& c, int32_t x, int32_t height, uint32_t color) {
  std::set<int32_t> ys;
  for (int32_t y = 0; y < height; ++y)
    if (c.At(x, y) == color) ys.insert(y);
  return ys;
}

std::set<int32_t> Stepped(int32_t from, int32_t to, int32_t step) {
  std::set<int32_t> s;
  for (int32_t v = from; v <= to; v += step) s.insert(v);
  return s;
}

}  // namespace

TEST(GridGap, IsTwoOnlyWhenAGridLineSeparatesFrameAndCell) {
  EXPECT_EQ(GridGap(true, 3), 1);
  EXPECT_EQ(GridGap(true, 4), 2);
  EXPECT_EQ(GridGap(true, 20), 2);
  EXPECT_EQ(GridGap(false, 4), 1);
  EXPECT_EQ(GridGap(false, 1), 1);
}

// 221 x 150 at zoom 6: 37 x 25 cells, probe cell (18, 12), interior from (109, 73).
TEST(GridPlan, WorkedExampleAtZoom6) {
  const GridPlanInput in = Layout(221, 150, 6, true);
  ASSERT_EQ(in.CursorCell, (Point{109, 73}));
  const int32_t W = 221, T = 150, infoRows = 20;
  Canvas c(W, T + infoRows, kWhite);
  Canvas noFrame(W, T + infoRows, kWhite);
  const std::vector<GridLine> lines = Plan(in);
  c.Draw(lines);
  noFrame.Draw(std::vector<GridLine>(lines.begin(), lines.end() - 4));

  const std::set<int32_t> subX = {18, 48, 78, 108, 138, 168, 198};
  const std::set<int32_t> subY = {12, 42, 72, 102, 132};
  std::set<int32_t> greyX = Stepped(6, 216, 6), greyY = Stepped(6, 144, 6);
  for (int32_t x : subX) greyX.erase(x);
  for (int32_t y : subY) greyY.erase(y);

  // Row y = 1 lies on no horizontal line and column x = 1 on no vertical one.
  EXPECT_EQ(ColumnsWith(c, 1, W, kGrey), greyX);
  EXPECT_EQ(ColumnsWith(c, 1, W, kBlue), subX);
  EXPECT_EQ(RowsWith(c, 1, T + infoRows, kGrey), greyY);
  EXPECT_EQ(RowsWith(c, 1, T + infoRows, kBlue), subY);
  EXPECT_EQ(c.At(0, 1), kWhite);  // no line at x = 0 or y = 0
  EXPECT_EQ(c.At(1, 0), kWhite);

  // Nothing reaches the information area below the zoom area.
  for (int32_t y = T; y < T + infoRows; ++y)
    for (int32_t x = 0; x < W; ++x) ASSERT_EQ(c.Hits(x, y), 0) << x << "," << y;

  // The sub-grid is drawn over the grid where they cross, in both directions.
  EXPECT_EQ(c.At(18, 6), kBlue);
  EXPECT_EQ(c.At(6, 12), kBlue);
  EXPECT_EQ(c.At(6, 6), kGrey);

  // Frame: the square from (107, 71) with side 8, each pixel inverted exactly once, drawn
  // after the grid (where it crosses the sub-grid it inverts blue).
  for (int32_t y = 60; y < 90; ++y)
    for (int32_t x = 95; x < 125; ++x) {
      const bool onFrame = (x >= 107 && x <= 115 && (y == 71 || y == 79)) ||
                           (y >= 71 && y <= 79 && (x == 107 || x == 115));
      const uint32_t want = onFrame ? (~noFrame.At(x, y) & 0xFFFFFF) : noFrame.At(x, y);
      ASSERT_EQ(c.At(x, y), want) << x << "," << y;
    }
  EXPECT_EQ(c.At(107, 71), kBlack);
  EXPECT_EQ(c.At(115, 79), kBlack);
  EXPECT_EQ(c.At(108, 71), ~kBlue & 0xFFFFFF);
  EXPECT_EQ(c.At(109, 73), kWhite);  // the probe pixel
}

TEST(GridPlan, CrossHairBelowZoom4AndGridFromZoom4) {
  const uint32_t picture = 0x336699, inverted = 0xCC9966;
  {
    const GridPlanInput in = Layout(150, 99, 3, true);  // 50 x 33 cells, probe cell (24, 16)
    const int32_t cx = in.CursorCell.X, cy = in.CursorCell.Y;
    ASSERT_EQ(in.CursorCell, (Point{72, 48}));  // the interior starts at the cell's corner
    Canvas c(150, 99, picture);
    c.Draw(Plan(in));
    EXPECT_TRUE(ColumnsWith(c, 0, 150, kGrey).empty());
    EXPECT_TRUE(RowsWith(c, 0, 99, kGrey).empty());
    // Vertical arm through the cell's left column: the picture shows for one pixel between
    // each arm and the frame, which lies one pixel outside the cell.
    EXPECT_EQ(c.At(cx, 0), kBlue);
    EXPECT_EQ(c.At(cx, cy - 3), kBlue);
    EXPECT_EQ(c.At(cx, cy - 2), picture);
    EXPECT_EQ(c.At(cx, cy - 1), inverted);
    EXPECT_EQ(c.At(cx, cy + 3), inverted);
    EXPECT_EQ(c.At(cx, cy + 4), picture);
    EXPECT_EQ(c.At(cx, cy + 5), kBlue);
    EXPECT_EQ(c.At(cx, 98), kBlue);
    // Horizontal arm through the cell's top row, broken the same way.
    EXPECT_EQ(c.At(0, cy), kBlue);
    EXPECT_EQ(c.At(cx - 3, cy), kBlue);
    EXPECT_EQ(c.At(cx - 2, cy), picture);
    EXPECT_EQ(c.At(cx - 1, cy), inverted);
    EXPECT_EQ(c.At(cx + 3, cy), inverted);
    EXPECT_EQ(c.At(cx + 4, cy), picture);
    EXPECT_EQ(c.At(cx + 5, cy), kBlue);
    EXPECT_EQ(c.At(149, cy), kBlue);
    // The arms are one pixel wide.
    EXPECT_EQ(c.At(cx + 1, 10), picture);
    EXPECT_EQ(c.At(10, cy + 1), picture);
  }
  {
    const GridPlanInput in = Layout(152, 100, 4, true);  // 38 x 25 cells, probe cell (18, 12)
    const int32_t cx = in.CursorCell.X, cy = in.CursorCell.Y;
    ASSERT_EQ(in.CursorCell, (Point{73, 49}));  // one pixel right of and below the corner
    Canvas c(152, 100, picture);
    c.Draw(Plan(in));
    // The grid line takes the cell's first column and row; at the probe cell these are the
    // sub-grid's, which passes through the probe cell's edges.
    EXPECT_EQ(c.At(cx - 1, cy + 1), kBlue);
    EXPECT_EQ(c.At(cx + 1, cy - 1), kBlue);
    EXPECT_EQ(c.At(cx + 3, cy + 1), kGrey);  // first column of the next cell
    EXPECT_EQ(c.At(cx + 1, cy + 3), kGrey);  // first row of the cell below
    EXPECT_EQ(c.At(cx + 2, cy + 2), picture);
    EXPECT_EQ(c.At(cx - 2, cy), inverted);  // the frame lies one pixel outside the lines
    EXPECT_EQ(c.At(cx + 4, cy), inverted);
    // ox = (18 mod 5) x 4 = 12: sub-grid every 20 pixels from there.
    EXPECT_EQ(ColumnsWith(c, 1, 152, kBlue), Stepped(12, 132, 20));
  }
}

TEST(GridPlan, HiddenGridLeavesOnlyTheInvertedFrame) {
  // Around the probe cell, or around the square of cells that the colour is the mean of.
  for (int32_t n : {1, 3, 9}) {
    for (int32_t z : {2, 4, 6, 20}) {
      GridPlanInput in = Layout(221, 150, z, false);
      in.GridPenMode = kPenModeMask;
      in.SampleCells = n;
      const std::vector<GridLine> lines = Plan(in);
      ASSERT_LE(lines.size(), 4u) << "zoom " << z;  // fewer where sides lie past the area
      for (const GridLine& l : lines) EXPECT_EQ(l.Mode, kPenModeInvert);

      Canvas c(221, 150, kWhite);
      c.Draw(lines);
      int black = 0;
      for (int32_t y = 0; y < 150; ++y)
        for (int32_t x = 0; x < 221; ++x) black += c.At(x, y) == kBlack;
      // A square of side n z + 1, each pixel once, unless it reaches past the zoom area.
      if (n * z < 150) {
        EXPECT_EQ(black, 4 * (n * z + 1)) << "zoom " << z << ", " << n << " cells";
      }
      // The frame hugs the cells: the interior starts at the first cell's corner.
      const int32_t x0 = in.CursorCell.X - n / 2 * z, y0 = in.CursorCell.Y - n / 2 * z;
      const int32_t x1 = in.CursorCell.X + (n / 2 + 1) * z, y1 = in.CursorCell.Y + (n / 2 + 1) * z;
      if (x0 < 1 || y0 < 1 || x1 >= 221 || y1 >= 150) continue;
      EXPECT_EQ(c.At(x0 - 1, y0 - 1), kBlack) << "zoom " << z << ", " << n << " cells";
      EXPECT_EQ(c.At(x1 - 1, y1 - 1), kWhite);
      EXPECT_EQ(c.At(x1, y1), kBlack);
    }
  }
}

TEST(GridPlan, ProbeCellOnAMultipleOfFivePutsTheFirstSubGridLineOnTheEdge) {
  // 11 cells: probe cell 5 on both axes.
  const GridPlanInput in = Layout(66, 66, 6, true);
  ASSERT_EQ(in.CellCols, 11);
  Canvas c(66, 66, kWhite);
  c.Draw(Plan(in));
  EXPECT_EQ(RowsWith(c, 0, 66, kBlue).size(), 66u);     // column x = 0 entirely blue
  EXPECT_EQ(ColumnsWith(c, 0, 66, kBlue).size(), 66u);  // row y = 0 entirely blue
  EXPECT_EQ(ColumnsWith(c, 1, 66, kBlue), (std::set<int32_t>{0, 30, 60}));
  EXPECT_EQ(c.At(in.CursorCell.X - 1, 1), kBlue);  // passes through the probe cell's edge
}

TEST(GridPlan, PenModesOfTheGrid) {
  GridPlanInput in = Layout(120, 60, 10, true);
  const int32_t gridX = 10, subX = 0;  // probe cell 5: sub-grid at 0, 50, 100
  {
    Canvas c(120, 60, kWhite);
    c.Draw(Plan(in));
    ASSERT_EQ(ColumnsWith(c, 1, 120, kBlue), (std::set<int32_t>{subX, 50, 100}));
    EXPECT_EQ(c.At(gridX, 1), kGrey);
  }

  in.GridPenMode = kPenModeInvert;
  in.GridColor = 0x123456;  // plays no part when inverting
  Canvas inv(120, 60, 0x336699);
  inv.Draw(Plan(in));
  EXPECT_EQ(inv.At(gridX, 1), 0xCC9966u);
  EXPECT_EQ(inv.At(subX, 1), kBlue);  // the sub-grid keeps its own colour

  in.GridPenMode = kPenModeMask;
  in.GridColor = 0xCCCCCC;
  Canvas white(120, 60, kWhite), black(120, 60, kBlack);
  white.Draw(Plan(in));
  black.Draw(Plan(in));
  EXPECT_EQ(white.At(gridX, 1), 0xCCCCCCu);
  EXPECT_EQ(black.At(gridX, 1), kBlack);
}

// The capture cycle reads the probe colour at the cursor cell; nothing may ever be drawn
// there, nor may anything be drawn twice by the inverting and XOR pens or below the zoom area,
// spacing runs or not (ending beside the probe cell, past the view, or in between, inside and
// across a sampled square's frame).
TEST(GridPlan, ProbePixelIsNeverCovered) {
  const struct {
    SpacingReach Reach;
    int32_t SampleCells;
  } cases[] = {{{}, 1},
               {{true, 1, 1, 1, 1}, 1},
               {{true, 2, 1000, 0, 7}, 1},
               {{true, 1, 1, 2, 3}, 3},
               {{true, 4, 1000, 3, 7}, 9}};
  const Size sizes[] = {{50, 50},  {52, 52},  {221, 150}, {220, 150},
                        {333, 97}, {57, 203}, {640, 480}, {61, 50}};
  std::vector<GridLine> lines;
  for (const Size& size : sizes)
    for (int32_t z = 1; z <= 20; ++z)
      for (int variant = 0; variant < 2 * static_cast<int>(std::size(cases)); ++variant) {
        const bool shown = variant % 2 != 0;
        // The cells and the probe cell exactly as the window's own layout derives them.
        const LayoutResult layout = ComputeZoomGeometry(size.Width, size.Height, z, shown);
        GridPlanInput in = Layout(size.Width, size.Height, z, shown);
        in.CellCols = layout.CellCols;
        in.CellRows = layout.CellRows;
        in.CursorCell = layout.CursorCell;
        in.Spacing = cases[variant / 2].Reach;
        in.SampleCells = cases[variant / 2].SampleCells;
        PlanGrid(in, lines);
        Canvas c(size.Width, size.Height + 10, kWhite);
        c.Draw(lines);
        const std::string where = std::to_string(size.Width) + "x" + std::to_string(size.Height) +
                                  " zoom " + std::to_string(z) + (shown ? " grid" : " no grid");
        ASSERT_EQ(c.Hits(in.CursorCell.X, in.CursorCell.Y), 0) << where;

        // Drawn alone, the inverting lines touch as many pixels as they are long: none twice.
        Canvas inverted(size.Width, size.Height + 10, kWhite);
        int32_t length = 0;
        for (const GridLine& l : lines) {
          ASSERT_TRUE(l.Start.X < l.End.X || l.Start.Y < l.End.Y) << where;
          if (l.Mode != kPenModeInvert && l.Mode != kPenModeXor) continue;
          inverted.Draw(l);
          length += (l.End.X - l.Start.X) + (l.End.Y - l.Start.Y);
        }
        int32_t once = 0;
        for (int32_t y = 0; y < size.Height; ++y)
          for (int32_t x = 0; x < size.Width; ++x) {
            ASSERT_LE(inverted.Hits(x, y), 1) << where << " at " << x << "," << y;
            once += inverted.Hits(x, y);
          }
        EXPECT_EQ(once, length) << where;
        for (int32_t x = 0; x < size.Width; ++x) ASSERT_EQ(c.Hits(x, size.Height), 0) << where;
      }
}

TEST(GridPlan, ReusedVectorIsNotReallocated) {
  std::vector<GridLine> lines;
  PlanGrid(Layout(640, 480, 4, true), lines);
  const GridLine* data = lines.data();
  const std::size_t count = lines.size();
  PlanGrid(Layout(640, 480, 6, true), lines);
  PlanGrid(Layout(640, 480, 4, true), lines);
  EXPECT_EQ(lines.data(), data);
  EXPECT_EQ(lines.size(), count);
}

namespace {

// The pixels that the runs add: where the plan with them differs from the plan without by
// enough to be seen, a quarter of the range in some channel.
std::set<std::pair<int32_t, int32_t>> SpacingPixels(GridPlanInput in, const SpacingReach& r,
                                                    uint32_t ground = kWhite) {
  Canvas with(in.ClientWidth, in.ZoomAreaHeight, ground);
  Canvas without(in.ClientWidth, in.ZoomAreaHeight, ground);
  without.Draw(Plan(in));
  in.Spacing = r;
  with.Draw(Plan(in));
  std::set<std::pair<int32_t, int32_t>> drawn;
  for (int32_t y = 0; y < in.ZoomAreaHeight; ++y)
    for (int32_t x = 0; x < in.ClientWidth; ++x)
      for (int shift = 0; shift < 24; shift += 8) {
        const int a = (with.At(x, y) >> shift) & 0xFF, b = (without.At(x, y) >> shift) & 0xFF;
        if (a - b > 64 || b - a > 64) {
          drawn.insert({x, y});
          break;
        }
      }
  return drawn;
}

// Pixels (x0, y0) to (x1, y1), both included, of one row or column.
void Add(std::set<std::pair<int32_t, int32_t>>& to, int32_t x0, int32_t y0, int32_t x1,
         int32_t y1) {
  for (int32_t y = y0; y <= y1; ++y)
    for (int32_t x = x0; x <= x1; ++x) to.insert({x, y});
}

}  // namespace

// A line through the middle of the probe cell, a mark across the end cell's farthest picture
// column or row, nothing inside the frame; a run past the view reaches its edge, unmarked.
TEST(GridPlan, SpacingRunsEndOnTheirLastCells) {
  // Zoom 1: the probe pixel (110, 74) in a frame one pixel around; marks on the last pixels.
  const GridPlanInput one = Layout(221, 150, 1, false);
  ASSERT_EQ(one.CursorCell, (Point{110, 74}));
  std::set<std::pair<int32_t, int32_t>> want;
  Add(want, 107, 73, 107, 75), Add(want, 108, 74, 108, 74);   // left: mark, line
  Add(want, 112, 74, 114, 74), Add(want, 115, 73, 115, 75);   // right: line, mark
  Add(want, 109, 72, 111, 72), Add(want, 110, 76, 110, 149);  // top mark; down to the edge
  EXPECT_EQ(SpacingPixels(one, {true, 3, 5, 2, 1000}), want);
  EXPECT_EQ(SpacingPixels(one, {true, 3, 5, 2, 1000}, 0x808080), want) << "seen over mid-grey";
  // Zoom 6 with the grid: the probe cell's picture (109, 73) to (113, 77), its middle row 75
  // and column 111; the frame from (107, 71) to (115, 79).
  const GridPlanInput six = Layout(221, 150, 6, true);
  ASSERT_EQ(six.CursorCell, (Point{109, 73}));
  want.clear();
  Add(want, 97, 73, 97, 77), Add(want, 98, 75, 106, 75);     // left, across a grid line
  Add(want, 116, 75, 118, 75), Add(want, 119, 73, 119, 77);  // right
  Add(want, 111, 80, 111, 82), Add(want, 109, 83, 113, 83);  // down
  EXPECT_EQ(SpacingPixels(six, {true, 2, 1, 0, 1}), want);
  want.clear();
  Add(want, 0, 75, 106, 75);
  EXPECT_EQ(SpacingPixels(six, {true, 1000, 0, 0, 0}), want);
}
