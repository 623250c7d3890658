#include "main/pointer/frame_pacer.h"

#include <gtest/gtest.h>

TEST(FramePacer, TheFramePeriodFollowsTheRefreshRateAndSixtyHertzStandsInForAnUnknownOne) {
  const struct {
    int32_t hertz;
    int64_t periodUs;
  } cases[] = {{60, 16667}, {144, 6944}, {75, 13333}, {0, 16667}, {1, 16667}, {5000, 16667}};
  for (const auto& c : cases) EXPECT_EQ(FramePeriodOfRefreshRate(c.hertz), c.periodUs) << c.hertz;
}

TEST(FramePacer, MovesWithinAFrameFoldIntoOneAndTheNextFrameWaitsForItsStart) {
  TFramePacer pacer;
  pacer.SetFramePeriod(16000);
  // The first move of a burst is drawn at once; the rest of the burst rides on that frame.
  EXPECT_EQ(pacer.Moved(1000000).Kind, TWakeKind::kNow);
  for (int i = 1; i < 200; ++i) EXPECT_EQ(pacer.Moved(1000000 + i * 10).Kind, TWakeKind::kNothing);
  pacer.FrameStarted(1002000);
  // A move during that frame's cycle waits for the next frame, and only one wake is asked for.
  const TWake next = pacer.Moved(1003000);
  EXPECT_EQ(next.Kind, TWakeKind::kLater);
  EXPECT_EQ(next.DelayUs, 15000);
  EXPECT_EQ(pacer.Moved(1010000).Kind, TWakeKind::kNothing);
  pacer.FrameStarted(1018000);
  // Long after the last frame a move needs no wait.
  EXPECT_EQ(pacer.Moved(1100000).Kind, TWakeKind::kNow);
}

TEST(FramePacer, AnEventlessMoveHoldsTheFramePeriodForHalfASecond) {
  TEventlessFollow follow;
  EXPECT_EQ(follow.TimerPeriod(0, false, 60, 17), std::nullopt);
  EXPECT_EQ(follow.TimerPeriod(1000000, true, 60, 17), 17u);
  EXPECT_EQ(follow.TimerPeriod(1300000, true, 60, 17), std::nullopt);  // held, and renewed
  EXPECT_EQ(follow.TimerPeriod(1700000, false, 60, 17), std::nullopt);
  EXPECT_EQ(follow.TimerPeriod(1800000, false, 60, 17), 60u);
  // A timer already faster than the frame stays as it is.
  EXPECT_EQ(follow.TimerPeriod(2000000, true, 10, 17), std::nullopt);
}
