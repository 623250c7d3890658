#include "main/capture/mover_steps.h"

#include <gtest/gtest.h>

namespace {

std::vector<int32_t> Xs(const std::vector<TimedStep>& steps) {
  std::vector<int32_t> xs;
  for (const TimedStep& s : steps) xs.push_back(s.At.X);
  return xs;
}

std::vector<uint32_t> Dues(const std::vector<TimedStep>& steps) {
  std::vector<uint32_t> dues;
  for (const TimedStep& s : steps) dues.push_back(s.DueMs);
  return dues;
}

TEST(GlideSteps, HundredPixelsGoBy20_32_29_15AndTheLast4AreJumped) {
  const auto steps = GlideSteps(Point{0, 0}, Point{100, 0});
  EXPECT_EQ(Xs(steps), (std::vector<int32_t>{20, 52, 81, 96}));
  EXPECT_EQ(Dues(steps), (std::vector<uint32_t>{40, 80, 120, 160}));
  for (const TimedStep& s : steps) EXPECT_EQ(s.At.Y, 0);
}

TEST(GlideSteps, BothAxesAndBothDirections) {
  // -100 mirrors +100; on the y axis 10 to go are covered by 2, 3 (3.2), 3 and 2 (1.6).
  const auto steps = GlideSteps(Point{500, -20}, Point{400, -10});
  ASSERT_EQ(steps.size(), 4u);
  EXPECT_EQ(steps[0].At, (Point{480, -18}));
  EXPECT_EQ(steps[1].At, (Point{448, -15}));
  EXPECT_EQ(steps[2].At, (Point{419, -12}));
  EXPECT_EQ(steps[3].At, (Point{404, -10}));
}

TEST(GlideSteps, WithinFivePixelsOnBothAxesThereAreNoSteps) {
  EXPECT_TRUE(GlideSteps(Point{10, 10}, Point{15, 5}).empty());
  EXPECT_TRUE(GlideSteps(Point{10, 10}, Point{10, 10}).empty());
  // Six on one axis is enough for a glide.
  EXPECT_EQ(GlideSteps(Point{10, 10}, Point{16, 10}).size(), 4u);
  EXPECT_EQ(GlideSteps(Point{10, 10}, Point{10, 4}).size(), 4u);
}

TEST(ReturnCursorSteps, TwoHundredPixelsGoTwentyEveryTenMillisecondsInNineSteps) {
  const auto steps = ReturnCursorSteps(Point{300, 50}, Point{100, 50});
  EXPECT_EQ(Xs(steps), (std::vector<int32_t>{280, 260, 240, 220, 200, 180, 160, 140, 120}));
  EXPECT_EQ(Dues(steps), (std::vector<uint32_t>{10, 20, 30, 40, 50, 60, 70, 80, 90}));
  for (const TimedStep& s : steps) EXPECT_EQ(s.At.Y, 50);
}

TEST(ReturnCursorSteps, StepsAreMeasuredFromTheStartAndRounded) {
  // 25 and -15 over ten parts: 2.5 → 3, 5, 7.5 → 8 …; -1.5 → -2, -3, -4.5 → -5 …
  const auto steps = ReturnCursorSteps(Point{0, 0}, Point{-25, 15});
  ASSERT_EQ(steps.size(), 9u);
  EXPECT_EQ(steps[0].At, (Point{-3, 2}));
  EXPECT_EQ(steps[1].At, (Point{-5, 3}));
  EXPECT_EQ(steps[2].At, (Point{-8, 5}));
  EXPECT_EQ(steps[8].At, (Point{-23, 14}));
}

TEST(ReturnCursorSteps, WithinTenPixelsTheCursorIsSetAtOnce) {
  EXPECT_TRUE(ReturnCursorSteps(Point{100, 100}, Point{108, 92}).empty());
  EXPECT_TRUE(ReturnCursorSteps(Point{100, 100}, Point{110, 110}).empty());
  EXPECT_EQ(ReturnCursorSteps(Point{100, 100}, Point{111, 100}).size(), 9u);
}

TEST(ReturnCursorSteps, FarCoordinatesDoNotOverflow) {
  const auto steps = ReturnCursorSteps(Point{INT32_MIN, 0}, Point{INT32_MAX, 0});
  ASSERT_EQ(steps.size(), 9u);
  EXPECT_LT(steps[0].At.X, steps[8].At.X);
}

TEST(MillisecondsUntil, SleepsOnlyForWhatIsLeftAndSurvivesTheTickWrap) {
  EXPECT_EQ(MillisecondsUntil(1000, 40, 1000), 40u);
  EXPECT_EQ(MillisecondsUntil(1000, 40, 1025), 15u);
  EXPECT_EQ(MillisecondsUntil(1000, 40, 1040), 0u);
  EXPECT_EQ(MillisecondsUntil(1000, 40, 2000), 0u);
  EXPECT_EQ(MillisecondsUntil(0xFFFFFFF0u, 40, 0x00000008u), 16u);
}

}  // namespace
