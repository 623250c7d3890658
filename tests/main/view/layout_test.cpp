#include "main/view/layout_calc.h"

#include <gtest/gtest.h>

#include "general/dpi_scale.h"

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

TEST(DpiScale, SizesFollowTheDpiRoundedHalfAwayFromZero) {
  struct Case {
    int32_t dpi;
    int32_t value, scaled;
  };
  const Case cases[] = {
      {96, 14, 14},  {96, 221, 221},  {120, 14, 18}, {120, 50, 63},  // 125 %: 17.5, 62.5 up
      {144, 14, 21}, {144, 221, 332}, {168, 14, 25}, {168, 52, 91},  // 175 %: 24.5 up, 91
      {192, 14, 28}, {192, 194, 388}, {288, 14, 42}, {288, 221, 663},
      {0, 221, 221}, {-5, 14, 14},    {144, -3, -5},  // no DPI: 96; negatives
  };
  for (const Case& c : cases)
    EXPECT_EQ(ScaleToDpi(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi << " dpi";
  EXPECT_EQ(DpiPercent(96), 100);
  EXPECT_EQ(DpiPercent(120), 125);
  EXPECT_EQ(DpiPercent(144), 150);
  EXPECT_EQ(DpiPercent(168), 175);
  EXPECT_EQ(DpiPercent(288), 300);
  // Between two DPIs, and back again, a design length comes back as it was.
  EXPECT_EQ(RescaleDpi(194, 96, 144), 291);
  EXPECT_EQ(RescaleDpi(291, 144, 96), 194);
  EXPECT_EQ(RescaleDpi(221, 96, 120), 276);  // 276.25
  EXPECT_EQ(RescaleDpi(276, 120, 96), 221);  // 220.8
}

TEST(DpiScale, ASizeCrossingDpisComesBackAsItWas) {
  TSizeAtDpi remembered;
  EXPECT_EQ(remembered.At(144, Size{5, 6}), (Size{5, 6})) << "nothing remembered yet";
  remembered.Remember(Size{221, 194}, 96);
  for (const int32_t dpi : {120, 144, 168, 192, 120, 96}) {
    const Size at = remembered.At(dpi, Size{});
    EXPECT_EQ(at, (Size{ScaleToDpi(221, dpi), ScaleToDpi(194, dpi)})) << dpi << " dpi";
    remembered.Remember(at, dpi);  // the layout at that DPI changes nothing
  }
  // Sized by the user at 150 %: from then on that size is the one that scales.
  remembered.Remember(Size{400, 300}, 144);
  EXPECT_EQ(remembered.At(96, Size{}), (Size{267, 200}));
}

TEST(DpiScale, StatusImagesAreTheLargestDrawnSizeThatFits) {
  const struct {
    int32_t dpi, size;
  } cases[] = {{96, 14},  {110, 14}, {120, 18}, {130, 18}, {144, 21},
               {168, 25}, {192, 28}, {288, 28}, {0, 14}};
  for (const auto& c : cases)
    EXPECT_EQ(kStatusIconSizes[StatusIconSizeIndex(c.dpi)], c.size) << c.dpi << " dpi";
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
  // At 150 % the least zoom area is 75 px, and one below it snaps to 78.
  LayoutInput at150{221, 100, 20, 20, 6, true, 144};
  EXPECT_EQ(ComputeLayout(at150).InfoRect.Top, 80);
  at150.ClientHeight = 94;
  EXPECT_EQ(ComputeLayout(at150).InfoRect.Top, 78);
  at150.ClientWidth = 74;
  EXPECT_EQ(ComputeLayout(at150).ClientWidth, 78);
}
