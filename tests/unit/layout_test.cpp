#include "main/layout_calc.h"

#include <gtest/gtest.h>

struct WorkedExample {
  int w, h, zoom;
  Size src, dst;
  Point half, cell;
};

TEST(Layout, WorkedExamplesWithTheGridShown) {
  const WorkedExample cases[] = {
      {221, 150, 6, {37, 25}, {222, 150}, {18, 12}, {109, 73}},
      {220, 150, 10, {22, 15}, {220, 150}, {10, 7}, {101, 71}},
      {221, 150, 1, {221, 150}, {221, 150}, {110, 74}, {110, 74}},
      {52, 52, 20, {3, 3}, {60, 60}, {1, 1}, {21, 21}},
  };
  for (const auto& c : cases) {
    const LayoutResult r = ComputeZoomGeometry(c.w, c.h, c.zoom, true);
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " zoom " << c.zoom);
    EXPECT_EQ(r.SrcSize, c.src);
    EXPECT_EQ(r.DstSize, c.dst);
    EXPECT_EQ(r.SrcHalf, c.half);
    EXPECT_EQ(r.CursorCell, c.cell);
    EXPECT_EQ(r.CellCols, c.src.Width);
    EXPECT_EQ(r.CellRows, c.src.Height);
  }
}

TEST(Layout, ProbeCellIsLeftOfTheMiddleForEvenCounts) {
  // 4 source columns: the probe is column 1; 5: column 2. Zoom 3 has no grid gap.
  EXPECT_EQ(ComputeZoomGeometry(12, 15, 3, true).SrcHalf, (Point{1, 2}));
  EXPECT_EQ(ComputeZoomGeometry(12, 15, 3, true).CursorCell, (Point{3, 6}));
  // Hidden grid: no gap at zoom 6 either.
  EXPECT_EQ(ComputeZoomGeometry(221, 150, 6, false).CursorCell, (Point{108, 72}));
  // Zoom 4 with the grid: one pixel inside the cell.
  EXPECT_EQ(ComputeZoomGeometry(40, 40, 4, true).CursorCell, (Point{17, 17}));
}

TEST(Layout, KeepsTheZoomAreaWhenTheInformationHeightChanges) {
  // 150 px zoom area with a 30 px panel; one more 15 px line makes the window taller.
  LayoutResult r = ComputeLayout({221, 180, 45, 30, 6, true});
  EXPECT_EQ(r.ClientHeight, 195);
  EXPECT_EQ(r.InfoRect, (Rect{0, 150, 221, 195}));
  r = ComputeLayout({221, 195, 30, 45, 6, true});
  EXPECT_EQ(r.ClientHeight, 180);
  EXPECT_EQ(r.InfoRect.Top, 150);
  // First layout: the panel is added below the design height.
  EXPECT_EQ(ComputeLayout({221, 194, 15, 0, 6, true}).ClientHeight, 209);
}

TEST(Layout, MinimumSizes) {
  // A zoom area of 49 px snaps to 52; one of 50 stays.
  EXPECT_EQ(ComputeLayout({221, 64, 15, 15, 6, true}).InfoRect.Top, 52);
  EXPECT_EQ(ComputeLayout({221, 65, 15, 15, 6, true}).InfoRect.Top, 50);
  EXPECT_EQ(ComputeLayout({49, 100, 15, 15, 6, true}).ClientWidth, 52);
  EXPECT_EQ(ComputeLayout({50, 100, 15, 15, 6, true}).ClientWidth, 50);
  // Every zoom keeps at least one source pixel in each direction at the minimum size.
  for (int z : {1, 2, 3, 4, 6, 8, 10, 12, 16, 20}) {
    const LayoutResult r = ComputeLayout({1, 1, 15, 15, z, true});
    EXPECT_GE(r.SrcSize.Width, 1);
    EXPECT_GE(r.SrcSize.Height, 1);
    EXPECT_LT(r.CursorCell.X, r.ClientWidth);
    EXPECT_LT(r.CursorCell.Y, r.InfoRect.Top);
  }
}
