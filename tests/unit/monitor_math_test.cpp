#include "my_monitor/monitor_math.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "base/checked.h"

// Points and rectangles print as coordinates in failure messages.
static void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }
static void PrintTo(const Rect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
static void PrintTo(const MonitorPosition& m, std::ostream* os) {
  *os << "#" << m.Number << " (" << m.X << ", " << m.Y << ")";
}

namespace {

MonitorRecord Monitor(MonitorHandle handle, Rect bounds, Rect work, bool primary = false) {
  return MonitorRecord{handle, bounds, work, primary};
}
MonitorRecord Monitor(MonitorHandle handle, Rect bounds) { return Monitor(handle, bounds, bounds); }

const MonitorRecord kFallback = Monitor(0x99, Rect{0, 0, 800, 600}, Rect{0, 0, 800, 570}, true);

MonitorLayout Layout(std::vector<MonitorRecord> monitors) {
  return MonitorLayout(std::move(monitors), kFallback);
}

// Full HD primary with a 40-pixel task bar, and a second monitor to the right and lower down.
MonitorLayout RightAndBelow() {
  return Layout({Monitor(1, {0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true),
                 Monitor(2, {1920, 200, 3200, 1224})});
}

}  // namespace

TEST(DesktopRect, BoundsEveryMonitorAndTheOrigin) {
  struct Case {
    const char* name;
    std::vector<MonitorRecord> monitors;
    Rect want;
  };
  const Case cases[] = {
      {"one monitor", {Monitor(1, {0, 0, 1920, 1080})}, {0, 0, 1920, 1080}},
      {"left of primary",
       {Monitor(1, {0, 0, 1920, 1080}), Monitor(2, {-1280, 0, 0, 1024})},
       {-1280, 0, 1920, 1080}},
      {"smaller one left of primary, listed first",
       {Monitor(2, {-1024, 0, 0, 768}), Monitor(1, {0, 0, 1280, 1024})},
       {-1024, 0, 1280, 1024}},
      {"right and below", RightAndBelow().Monitors(), {0, 0, 3200, 1224}},
      {"above",
       {Monitor(1, {0, 0, 1280, 1024}), Monitor(2, {100, -900, 1700, 0})},
       {0, -900, 1700, 1024}},
      // A failed monitor query leaves a zero rectangle, which must not shrink the desktop.
      // The origin is part of the desktop even when no monitor covers it.
      {"away from the origin", {Monitor(1, {100, 50, 900, 650})}, {0, 0, 900, 650}},
      {"failed query", {Monitor(1, {0, 0, 1280, 1024}), Monitor(2, {})}, {0, 0, 1280, 1024}},
  };
  for (const Case& c : cases) {
    const MonitorLayout layout = Layout(c.monitors);
    EXPECT_EQ(layout.GetDesktopRect(), c.want) << c.name;
    EXPECT_EQ(layout.DesktopLeft(), c.want.Left) << c.name;
    EXPECT_EQ(layout.DesktopTop(), c.want.Top) << c.name;
    EXPECT_EQ(layout.DesktopWidth(), c.want.Right - c.want.Left) << c.name;
    EXPECT_EQ(layout.DesktopHeight(), c.want.Bottom - c.want.Top) << c.name;
  }
}

TEST(MonitorPositionOfPoint, FindsTheFirstMonitorHoldingThePoint) {
  const MonitorLayout layout = RightAndBelow();
  EXPECT_EQ(layout.MonitorPositionOfPoint({2000, 300}), (MonitorPosition{2, 80, 100}));
  EXPECT_EQ(layout.MonitorPositionOfPoint({1919, 300}), (MonitorPosition{1, 1919, 300}));
  EXPECT_EQ(layout.MonitorPositionOfPoint({1920, 300}), (MonitorPosition{2, 0, 100}));
  EXPECT_EQ(layout.MonitorPositionOfPoint({0, 0}), (MonitorPosition{1, 0, 0}));
  // Right and bottom edges are outside; so is the gap under the primary, left of the second.
  EXPECT_EQ(layout.MonitorPositionOfPoint({3200, 300}), (MonitorPosition{}));
  EXPECT_EQ(layout.MonitorPositionOfPoint({1000, 1080}), (MonitorPosition{}));
  EXPECT_EQ(layout.MonitorPositionOfPoint({-1, 0}), (MonitorPosition{}));

  const MonitorLayout left =
      Layout({Monitor(1, {0, 0, 1280, 1024}), Monitor(2, {-1024, 0, 0, 768})});
  EXPECT_EQ(left.MonitorPositionOfPoint({-1, 5}), (MonitorPosition{2, 1023, 5}));
  EXPECT_EQ(left.MonitorPositionOfPoint({-1024, 767}), (MonitorPosition{2, 0, 767}));
  EXPECT_EQ(left.MonitorPositionOfPoint({-500, 800}), (MonitorPosition{}));

  // Overlapping monitors (mirrored displays): list order decides.
  const MonitorLayout mirrored =
      Layout({Monitor(7, {0, 0, 800, 600}), Monitor(8, {0, 0, 1024, 768})});
  EXPECT_EQ(mirrored.MonitorPositionOfPoint({10, 10}).Number, 1);
  EXPECT_EQ(mirrored.MonitorPositionOfPoint({900, 10}).Number, 2);
}

TEST(MonitorIndex, ItemsClampAndHandlesMatchExactly) {
  const MonitorLayout layout =
      Layout({Monitor(11, {0, 0, 100, 100}), Monitor(22, {100, 0, 200, 100}),
              Monitor(33, {200, 0, 300, 100})});
  EXPECT_EQ(layout.Count(), 3);
  EXPECT_EQ(layout.Items(-1).Handle, 11u);
  EXPECT_EQ(layout.Items(INT32_MIN).Handle, 11u);
  EXPECT_EQ(layout.Items(1).Handle, 22u);
  EXPECT_EQ(layout.Items(layout.Count()).Handle, 33u);
  EXPECT_EQ(layout.Items(INT32_MAX).Handle, 33u);

  EXPECT_EQ(layout.IndexOfHandle(0), -1);
  EXPECT_EQ(layout.IndexOfHandle(44), -1);
  EXPECT_EQ(layout.IndexOfHandle(33), 2);
  EXPECT_EQ(layout.NumberOfHandle(33), 3);
  EXPECT_EQ(layout.NumberOfHandle(44), 0);

  const MonitorLayout twice = Layout({Monitor(5, {0, 0, 10, 10}), Monitor(5, {10, 0, 20, 10})});
  EXPECT_EQ(twice.IndexOfHandle(5), 1);

  // A record with handle 0 (a failed query) is never found by handle.
  const MonitorLayout zero = Layout({Monitor(0, {0, 0, 10, 10})});
  EXPECT_EQ(zero.IndexOfHandle(0), -1);

  MonitorLayout edited = layout;
  edited.SetItem(7, Monitor(77, {300, 0, 400, 100}));
  EXPECT_EQ(edited.Items(2).Handle, 77u);
  edited.SetItem(-3, Monitor(66, {0, 0, 1, 1}));
  EXPECT_EQ(edited.Items(0).Handle, 66u);
  EXPECT_EQ(edited.Count(), 3);
}

TEST(MonitorIndex, RectGoesToTheLargestShareOrTheNearestMonitor) {
  // Primary, one to its left, and one to the right with a 100-pixel gap in between.
  const MonitorLayout layout =
      Layout({Monitor(1, {0, 0, 1280, 1024}), Monitor(2, {-1024, 0, 0, 768}),
              Monitor(3, {1380, 0, 2180, 600})});
  EXPECT_EQ(layout.IndexOfRect({-100, 10, 300, 200}), 0);      // mostly on the primary
  EXPECT_EQ(layout.IndexOfRect({-300, 10, 100, 200}), 1);      // mostly on the left one
  EXPECT_EQ(layout.IndexOfRect({-200, 10, 200, 200}), 0);      // a tie goes to the earlier one
  EXPECT_EQ(layout.IndexOfRect({1290, 10, 1300, 20}), 0);      // in the gap, nearer the primary
  EXPECT_EQ(layout.IndexOfRect({1360, 10, 1370, 20}), 2);      // in the gap, nearer the right one
  EXPECT_EQ(layout.IndexOfRect({-900, 900, -800, 950}), 1);    // below the left one only
  EXPECT_EQ(layout.IndexOfRect({5000, 5000, 5100, 5100}), 2);  // far off, bottom right
  EXPECT_EQ(layout.IndexOfRect({1200, 100, 1500, 200}), 2);    // spans the gap: 120 vs 80 columns

  // Points: the shared edge belongs to the monitor that contains it.
  EXPECT_EQ(layout.IndexOfPoint({0, 500}), 0);
  EXPECT_EQ(layout.IndexOfPoint({-1, 500}), 1);
  EXPECT_EQ(layout.IndexOfPoint({1279, 500}), 0);
  EXPECT_EQ(layout.IndexOfPoint({1380, 500}), 2);
  EXPECT_EQ(layout.IndexOfPoint({-500, 800}), 1);  // under the left monitor, in no monitor
  // The gap runs from 1280 to 1379: its middle splits it between its two neighbours.
  EXPECT_EQ(layout.MonitorItemAt({1329, 10}).Handle, 1u);
  EXPECT_EQ(layout.MonitorItemAt({1330, 10}).Handle, 3u);
}

TEST(KeepBoundsOnMonitor, PullsTheWindowIntoTheWorkArea) {
  const Rect work{0, 0, 1920, 1040};
  struct Case {
    int32_t left, top, width, height;
    Point want;
  };
  const Case cases[] = {
      {1800, 900, 300, 200, {1620, 840}},  // off the bottom-right corner
      {100, 100, 300, 200, {100, 100}},    // already inside: unchanged
      {-40, -30, 300, 200, {0, 0}},        // off the top-left corner
      {10, 100, 300, 1200, {10, -160}},    // taller than the work area, top inside: bottom fits
      {10, -50, 300, 1200, {10, 0}},       // taller, top above: top fits
      {10, 300, 300, 1040, {10, 0}},       // exactly as tall: to the top
      {500, 10, 2000, 100, {-80, 10}},     // wider, left inside: right edge fits
      {-500, 10, 2000, 100, {0, 10}},      // wider, left outside
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlaceOnWorkArea(work, c.left, c.top, c.width, c.height), c.want)
        << c.left << "," << c.top << " " << c.width << "x" << c.height;

  const MonitorLayout layout = RightAndBelow();
  // Straddling both monitors, more of it on the second: into the second's work area.
  EXPECT_EQ(layout.KeepBoundsOnMonitor(1800, 900, 300, 200), (Point{1920, 900}));
  EXPECT_EQ(layout.KeepBoundsOnMonitor(1700, 900, 300, 200), (Point{1620, 840}));
  EXPECT_EQ(layout.KeepBoundsOnMonitor(100, 100, 1200, 1200), (Point{100, -160}));
  // Mostly on the second monitor: into its work area, which is its whole area.
  EXPECT_EQ(layout.KeepBoundsOnMonitor(1900, 100, 400, 300), (Point{1920, 200}));
  // In the gap below the primary and left of the second: the nearer one wins.
  EXPECT_EQ(layout.KeepBoundsOnMonitor(1700, 1150, 100, 50), (Point{1700, 990}));
  EXPECT_EQ(layout.KeepBoundsOnMonitor(1880, 1150, 20, 50), (Point{1920, 1150}));
}

TEST(KeepBoundsOnMonitor, FitsAWholeWindowByGivingWayInTheZoomArea) {
  const Rect work{0, 0, 1920, 1040};
  const Size least{50, 50};
  struct Case {
    Rect window;
    int32_t panel;
    Rect want;
  };
  const Case cases[] = {
      {{100, 100, 400, 400}, 100, {100, 100, 400, 400}},    // fits: unchanged
      {{100, 900, 400, 1100}, 100, {100, 840, 400, 1040}},  // moved up, size kept
      {{0, 0, 1920, 1180}, 100, {0, 0, 1920, 1040}},        // a whole screen above the panel
      {{-32768, -32768, -30000, -31000}, 100, {0, 0, 1920, 1040}},  // and far off
      {{10, 300, 310, 1500}, 1000, {10, 0, 310, 1050}},             // zoom area down to its least
      {{10, 300, 310, 1600}, 1200, {10, 0, 310, 1250}},             // the panel alone too tall
      {{10, 10, 40, 40}, 0, {10, 10, 40, 40}},  // smaller than least: never grows
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.window));
    EXPECT_EQ(FitOnWorkArea(work, c.window, c.panel, least), c.want);
  }
  // On the monitor holding most of it, in that monitor's work area.
  EXPECT_EQ(RightAndBelow().FitBoundsOnMonitor({2000, 1000, 2400, 1400}, 100, least),
            (Rect{2000, 824, 2400, 1224}));
}

TEST(KeepBoundsOnMonitor, WorksLeftOfThePrimaryAndReportsOverflow) {
  const MonitorLayout layout =
      Layout({Monitor(1, {0, 0, 1280, 1024}, {0, 0, 1280, 994}, true),
              Monitor(2, {-1024, 0, 0, 768}, {-1024, 30, 0, 768})});  // bar along the top
  EXPECT_EQ(layout.KeepBoundsOnMonitor(-1100, 0, 300, 200), (Point{-1024, 30}));
  EXPECT_EQ(layout.KeepBoundsOnMonitor(-250, 700, 300, 200), (Point{-300, 568}));
  // After the layout shrinks, a window left on the vanished part comes back.
  const MonitorLayout shrunk = Layout({Monitor(1, {0, 0, 800, 600}, {0, 0, 800, 570}, true)});
  EXPECT_EQ(shrunk.KeepBoundsOnMonitor(1000, 700, 300, 200), (Point{500, 370}));

  EXPECT_THROW(layout.KeepBoundsOnMonitor(INT32_MAX - 10, 0, 300, 200), CheckedError);
  EXPECT_THROW(PlaceOnWorkArea(Rect{INT32_MIN, 0, 0, 100}, 0, 0, 10, 10), CheckedError);
}

TEST(MonitorEnumeration, NeverHandsOutAnEmptySlot) {
  const MonitorRecord a = Monitor(1, {0, 0, 1280, 1024});
  const MonitorRecord b = Monitor(2, {-1024, 0, 0, 768});
  const MonitorRecord c = Monitor(3, {1280, 0, 2000, 500});
  {
    MonitorEnumeration e(2);
    EXPECT_TRUE(e.Add(a));
    EXPECT_TRUE(e.Add(b));
    EXPECT_FALSE(e.Add(c));  // beyond the count the system reported
    const MonitorLayout layout = e.Finish(kFallback);
    ASSERT_EQ(layout.Count(), 2);
    EXPECT_EQ(layout.Items(0).Handle, 1u);
    EXPECT_EQ(layout.Items(1).Handle, 2u);
    EXPECT_EQ(layout.GetDesktopRect(), (Rect{-1024, 0, 1280, 1024}));
  }
  {
    MonitorEnumeration e(3);  // counted three, two arrived
    e.Add(b);
    e.Add(a);
    const MonitorLayout layout = e.Finish(kFallback);
    ASSERT_EQ(layout.Count(), 2);
    EXPECT_EQ(layout.Items(INT32_MAX).Handle, 1u);  // the last real monitor, not a hole
    EXPECT_EQ(layout.IndexOfHandle(1), 1);
  }
  {
    MonitorEnumeration e(0);  // the system could not count: keep what it enumerated
    e.Add(a);
    e.Add(b);
    e.Add(c);
    EXPECT_EQ(e.Finish(kFallback).Count(), 3);
  }
  for (int32_t counted : {-1, 0, 1, 2}) {
    MonitorEnumeration e(counted);  // nothing enumerated at all
    const MonitorLayout layout = e.Finish(kFallback);
    ASSERT_EQ(layout.Count(), 1) << counted;
    EXPECT_EQ(layout.Items(0).Handle, kFallback.Handle);
    EXPECT_EQ(layout.Items(-1).BoundsRect, kFallback.BoundsRect);
    EXPECT_EQ(layout.DesktopWidth(), 800);
    EXPECT_EQ(layout.KeepBoundsOnMonitor(700, 500, 300, 200), (Point{500, 370}));
  }
  EXPECT_EQ(Layout({}).Count(), 1);
}
