#include "general/helpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "base/checked.h"

TEST(Clamp, TestsTheLowerBoundFirst) {
  struct Case {
    int32_t v, lo, hi, want;
  };
  const Case cases[] = {
      {5, 3, 3, 3},   {0, 10, 2, 10},  {50, 10, 2, 2}, {7, 1, 20, 7},
      {-5, 1, 20, 1}, {25, 1, 20, 20}, {11, 10, 2, 2},  // inverted bounds: everything not below low
                                                        // goes to high
  };
  for (const auto& c : cases)
    EXPECT_EQ(Clamp(c.v, c.lo, c.hi), c.want) << c.v << " in " << c.lo << ".." << c.hi;
}

TEST(WrapAround, CarriesCyclicallyIntoTheRange) {
  EXPECT_EQ(WrapAround(5, 1, 4), 1);
  EXPECT_EQ(WrapAround(0, 1, 4), 4);
  EXPECT_EQ(WrapAround(9, 1, 1), 1);
  EXPECT_EQ(WrapAround(3, 1, 4), 3);
  EXPECT_EQ(WrapAround(-3, 0, 2), 0);
  EXPECT_EQ(WrapAround(13, 0, 2), 1);
  EXPECT_EQ(WrapAround(INT32_MAX, INT32_MIN, INT32_MAX - 1), INT32_MIN);
}

TEST(WrapAround, AnEmptyRangeIsACheckedErrorNotACrash) {
  EXPECT_THROW(WrapAround(1, 1, 0), CheckedError);  // the range that divided by zero
  EXPECT_THROW(WrapAround(1, 5, 2), CheckedError);
  EXPECT_THROW(WrapAround(0, INT32_MAX, INT32_MIN), CheckedError);
}

TEST(Rounding, HalvesGoAwayFromZero) {
  EXPECT_EQ(RoundNearest(0.5L), 1);
  EXPECT_EQ(RoundNearest(-0.5L), -1);
  EXPECT_EQ(RoundNearest(-0.49L), 0);
  EXPECT_EQ(RoundNearest(2.5L), 3);
  EXPECT_EQ(RoundNearest(-2.5L), -3);
  EXPECT_EQ(RoundNearest(18.5L), 19);
}

TEST(Rounding, UpDownAndOutward) {
  EXPECT_EQ(RoundUp(-1.5L), -1);
  EXPECT_EQ(RoundDown(-1.5L), -2);
  EXPECT_EQ(RoundOutward(-1.5L), -2);
  EXPECT_EQ(RoundOutward(1.0L), 1);
  EXPECT_EQ(RoundOutward(2.1L), 3);
  EXPECT_EQ(RoundOutward(-2.1L), -3);
  EXPECT_EQ(RoundUp(3.0L), 3);
  EXPECT_EQ(RoundDown(-3.0L), -3);
  // 221 / 6 must come out as 37, not 36, through the reciprocal.
  EXPECT_EQ(RoundOutward(221 * (1.0L / 6)), 37);
  EXPECT_EQ(RoundOutward(150 * (1.0L / 6)), 25);
  EXPECT_EQ(RoundOutward(150 * (1.0L / 10)), 15);
}

TEST(Rounding, NotANumberOrHugeValuesThrow) {
  EXPECT_THROW(RoundNearest(1e30L), CheckedError);
  EXPECT_THROW(RoundUp(std::numeric_limits<long double>::quiet_NaN()), CheckedError);
}

TEST(Rectangles, ArithmeticIsChecked) {
  EXPECT_EQ(RectWidth(Rect{-10, 0, 30, 5}), 40);
  EXPECT_EQ(RectHeight(Rect{0, -7, 1, 3}), 10);
  EXPECT_EQ(OffsetRectByPoint(Rect{1, 2, 3, 4}, Point{10, -20}), (Rect{11, -18, 13, -16}));
  EXPECT_THROW(RectWidth(Rect{INT32_MIN, 0, INT32_MAX, 0}), CheckedError);
  EXPECT_THROW(OffsetRectByPoint(Rect{0, 0, INT32_MAX, 1}, Point{1, 0}), CheckedError);
  EXPECT_THROW(CheckedMul(65536, 65536), CheckedError);
}

TEST(Drag, LimitsAreInclusiveAndAnglesMapToDirections) {
  const int w = 4, h = 4;  // double-click size
  struct Case {
    int dx, dyUp, angle;
    DragWay way;
  };
  const Case cases[] = {
      {12, 12, -1, DragWay::kNone},
      {13, 12, 0, DragWay::kRight},
      {13, 13, 45, DragWay::kRight},
      {-13, 14, 133, DragWay::kUp},
      {0, 40, 90, DragWay::kUp},
      {0, -40, 270, DragWay::kDown},
      {-40, 0, 180, DragWay::kLeft},
      {100, -1, 0, DragWay::kRight},
      {-20, -20, 225, DragWay::kLeft},
      {20, -20, 315, DragWay::kDown},
      {-20, 20, 135, DragWay::kUp},
      // 40 right, 13 down: atan(-13/40) = -18 degrees, so 342.
      {40, -13, 342, DragWay::kRight},
  };
  for (const auto& c : cases) {
    const Point start{500, 500};
    const Point end{500 + c.dx, 500 - c.dyUp};
    const int32_t angle = DragAngle(start, end, w, h);
    EXPECT_EQ(angle, c.angle) << c.dx << "," << c.dyUp;
    EXPECT_EQ(DragWayOfAngle(angle), c.way) << c.dx << "," << c.dyUp;
  }
  // A nearly horizontal rightward drag that falls very slightly rounds to 360 and is given as 0.
  EXPECT_EQ(DragAngle(Point{0, 0}, Point{10000, 13}, w, h), 0);
}

TEST(Rectangles, Intersection) {
  EXPECT_EQ(IntersectRects(Rect{-18, -12, 19, 13}, Rect{0, 0, 1280, 1024}), (Rect{0, 0, 19, 13}));
  EXPECT_EQ(IntersectRects(Rect{-1024, 0, 0, 768}, Rect{-1024, 0, 1280, 1024}),
            (Rect{-1024, 0, 0, 768}));
  EXPECT_EQ(IntersectRects(Rect{0, 0, 10, 10}, Rect{10, 0, 20, 10}), Rect{});
  EXPECT_EQ(IntersectRects(Rect{0, 0, 10, 10}, Rect{20, 20, 30, 30}), Rect{});
}
