#include "main/input/input_rules.h"

#include <gtest/gtest.h>

#include <vector>

#include "main/input/input_tracker.h"
#include "my_settingfile/builtin_tables.h"

namespace {

TEST(FrameZones, OrderSizesAndCommands) {
  // A 221 x 250 client area with a frame width of 4: corners 16 deep, edges 4.
  struct Case {
    int x, y;
    FrameZone zone;
    uint32_t command;
  };
  const Case cases[] = {
      {2, 20, FrameZone::kLeft, 0xF001},           {10, 10, FrameZone::kTopLeft, 0xF004},
      {110, 120, FrameZone::kInside, 0xF012},      {220, 249, FrameZone::kBottomRight, 0xF008},
      {205, 234, FrameZone::kBottomRight, 0xF008}, {204, 249, FrameZone::kBottom, 0xF006},
      {217, 15, FrameZone::kTopRight, 0xF005},     {15, 235, FrameZone::kBottomLeft, 0xF007},
      {217, 100, FrameZone::kRight, 0xF002},       {216, 100, FrameZone::kInside, 0xF012},
      {100, 3, FrameZone::kTop, 0xF003},           {100, 4, FrameZone::kInside, 0xF012},
      {3, 100, FrameZone::kLeft, 0xF001},          {4, 100, FrameZone::kInside, 0xF012},
  };
  for (const auto& c : cases) {
    const FrameZone zone = FrameZoneAt(c.x, c.y, 221, 250, 4, 4);
    EXPECT_EQ(zone, c.zone) << c.x << "," << c.y;
    EXPECT_EQ(SystemCommandOfZone(zone), c.command) << c.x << "," << c.y;
  }
  EXPECT_EQ(CursorOfZone(FrameZone::kTopLeft), FrameCursor::kSizeNWSE);
  EXPECT_EQ(CursorOfZone(FrameZone::kBottomLeft), FrameCursor::kSizeNESW);
  EXPECT_EQ(CursorOfZone(FrameZone::kTop), FrameCursor::kSizeNS);
  EXPECT_EQ(CursorOfZone(FrameZone::kRight), FrameCursor::kSizeWE);
  EXPECT_EQ(CursorOfZone(FrameZone::kInside), FrameCursor::kArrow);
}

TEST(Keys, DownActsOnlyForActualSizeAndArrows) {
  const TKeyCommandTable table = BuiltinKeyCommandTable();
  const KeyDownAction one = DecideKeyDown(table, '1', false);
  EXPECT_TRUE(one.BeginActualSize);
  EXPECT_TRUE(one.Consumed);
  const KeyDownAction right = DecideKeyDown(table, 0x27, false);
  ASSERT_EQ(right.CodeCount, 1);
  EXPECT_EQ(right.Codes[0], 11004);
  EXPECT_FALSE(DecideKeyDown(table, 'Q', false).Consumed);  // acts on release
  EXPECT_FALSE(DecideKeyDown(table, 0x27, true).Consumed);  // Alt: left alone
}

TEST(Keys, UpExecutesBeepsOrIgnores) {
  const TKeyCommandTable table = BuiltinKeyCommandTable();
  KeyUpAction q = DecideKeyUp(table, 'Q', false);
  EXPECT_EQ(q.Kind, KeyUpKind::kExecute);
  EXPECT_EQ(q.Code, 11005);
  EXPECT_EQ(DecideKeyUp(table, 'Q', true).Kind, KeyUpKind::kIgnore);  // Alt+Q
  KeyUpAction d = DecideKeyUp(table, 'D', false);                     // known, no command
  EXPECT_EQ(d.Kind, KeyUpKind::kExecute);
  EXPECT_EQ(d.Code, 0);
  EXPECT_TRUE(d.Consumed);
  KeyUpAction numpad5 = DecideKeyUp(table, 0x65, false);  // unknown: no beep, not consumed
  EXPECT_EQ(numpad5.Kind, KeyUpKind::kIgnore);
  EXPECT_FALSE(numpad5.Consumed);
  EXPECT_EQ(DecideKeyUp(table, '1', false).Kind, KeyUpKind::kEndActualSize);
  EXPECT_EQ(DecideKeyUp(table, 0x26, false).Kind, KeyUpKind::kAlreadyDone);
  EXPECT_EQ(DecideKeyUp(table, kVirtualKeyApps, false).Kind, KeyUpKind::kOpenMenu);
}

TEST(Keys, ATableFromAFileMayRepeatAKey) {
  TKeyCommandTable table = BuiltinKeyCommandTable();
  table[0] = TKeyCommandEntry{'X', 6001};  // X copies the picture ...
  table[1] = TKeyCommandEntry{'X', 0};     // ... and a later entry for X is not looked at
  table[2] = TKeyCommandEntry{0x25, 11001};
  EXPECT_EQ(DecideKeyUp(table, 'X', false).Code, 6001);
  const KeyDownAction left = DecideKeyDown(table, 0x25, false);  // two arrow entries
  ASSERT_EQ(left.CodeCount, 2);
  EXPECT_EQ(left.Codes[0], 11001);
  EXPECT_EQ(left.Codes[1], 11003);
}

TEST(Wheel, AltIsTestedFirst) {
  EXPECT_EQ(DecideWheel(true, false, false), WheelAction::kZoomUp);
  EXPECT_EQ(DecideWheel(false, false, false), WheelAction::kZoomDown);
  EXPECT_EQ(DecideWheel(true, false, true), WheelAction::kMoveUp);
  EXPECT_EQ(DecideWheel(false, false, true), WheelAction::kMoveDown);
  EXPECT_EQ(DecideWheel(true, true, true), WheelAction::kMoveLeft);
  EXPECT_EQ(DecideWheel(false, true, false), WheelAction::kMoveRight);
}

TEST(Wheel, OneStepPerWholeNotchBothWays) {
  constexpr WheelAxis kZoom = WheelAxis::kZoom, kVertical = WheelAxis::kVertical;
  struct Message {
    int32_t delta;
    WheelAxis axis;
    int32_t notches;  // what this message completes
  };
  struct Case {
    const char* what;
    std::vector<Message> messages;
  };
  const Case cases[] = {
      {"a touchpad's thirds", {{40, kZoom, 0}, {40, kZoom, 0}, {40, kZoom, 1}, {40, kZoom, 0}}},
      {"two notches at once", {{240, kZoom, 2}}},
      {"turning back drops the half notch", {{60, kZoom, 0}, {-120, kZoom, -1}}},
      {"downward thirds",
       {{-40, kZoom, 0}, {-80, kZoom, -1}, {-130, kZoom, -1}, {-110, kZoom, -1}}},
      {"a new modifier starts afresh", {{100, kZoom, 0}, {100, kVertical, 0}, {20, kVertical, 1}}},
      {"a classic wheel", {{120, kZoom, 1}, {120, kZoom, 1}, {-120, kZoom, -1}}},
  };
  for (const Case& c : cases) {
    WheelRemainder remainder;
    for (std::size_t i = 0; i < c.messages.size(); ++i) {
      const Message& m = c.messages[i];
      EXPECT_EQ(TakeWheelNotches(remainder, m.delta, m.axis), m.notches)
          << c.what << ", message " << i + 1;
    }
  }
}

MonitorLayout TwoMonitors() {
  // A 1024 x 768 monitor left of a 1280 x 1024 primary: no monitor below the left one.
  return MonitorLayout({MonitorRecord{1, Rect{0, 0, 1280, 1024}, Rect{0, 0, 1280, 984}, true},
                        MonitorRecord{2, Rect{-1024, 0, 0, 768}, Rect{-1024, 0, 0, 768}, false}},
                       MonitorRecord{});
}

TEST(Panning, ThePictureFollowsTheHand) {
  const MonitorLayout monitors = TwoMonitors();
  PanInput in;
  in.DragStartFixed = Point{500, 400};
  in.DragStartPos = Point{100, 80};
  in.Now = Point{150, 80};  // 50 px right at zoom 10
  in.Zoom = 10;
  PanResult r = PanProbePoint(in, monitors);
  EXPECT_EQ(r.ProbePoint, (Point{495, 400}));
  EXPECT_EQ(r.DragMonitor, 1);
  // Rounding halves away from zero: 4.5 cells is 5.
  in.Now = Point{145, 80};
  EXPECT_EQ(PanProbePoint(in, monitors).ProbePoint, (Point{496, 400}));
  // Held inside the desktop rectangle.
  in.Now = Point{100 + 10 * 5000, 80 - 10 * 5000};
  EXPECT_EQ(PanProbePoint(in, monitors).ProbePoint, (Point{-1024, 1023}));
}

TEST(Panning, NeverStaysInAGapBetweenMonitors) {
  const MonitorLayout monitors = TwoMonitors();
  PanInput in;
  in.DragStartFixed = Point{-500, 700};
  in.DragStartPos = Point{100, 100};
  in.Zoom = 1;
  in.DragMonitor = 2;
  in.Now = Point{100, 100 - 200};  // to y 900: below the left monitor, in the gap
  PanResult r = PanProbePoint(in, monitors);
  EXPECT_EQ(r.ProbePoint, (Point{-500, 767}));
  EXPECT_EQ(r.DragMonitor, 2);
  // With no monitor remembered the point may land in the gap once.
  in.DragMonitor = 0;
  r = PanProbePoint(in, monitors);
  EXPECT_EQ(r.ProbePoint, (Point{-500, 900}));
  EXPECT_EQ(r.DragMonitor, 0);
}

TEST(DoubleClick, TargetTruncatesAndStaysOnTheMonitors) {
  // Zoom 6, source half (18, 12).
  const MonitorLayout single(
      {MonitorRecord{1, Rect{0, 0, 1280, 1024}, Rect{0, 0, 1280, 984}, true}}, MonitorRecord{});
  const MonitorLayout two = TwoMonitors();
  struct Case {
    Point pressed, probe;
    const MonitorLayout& monitors;
    Point want;
  };
  const Case cases[] = {
      {{0, 0}, {100, 100}, single, {82, 88}},       // the picture's top-left pixel
      {{113, 77}, {100, 100}, single, {100, 100}},  // division truncates: the probe itself
      {{5, 5}, {3, 3}, single, {0, 0}},             // held at the desktop's corner
      {{200, 140}, {1275, 1020}, single, {1279, 1023}},
      {{0, 0}, {-500, 100}, two, {-518, 88}},  // on the left monitor: taken as it is
      {{0, 0}, {-1020, 5}, two, {-1024, 0}},
      {{0, 0}, {5, 900}, two, {0, 888}},            // not into the gap below the left monitor
      {{200, 140}, {-500, 760}, two, {-485, 767}},  // nor into it from above
  };
  for (const Case& c : cases)
    EXPECT_EQ(DoubleClickTarget(c.pressed, c.probe, Point{18, 12}, 6, c.monitors), c.want)
        << "press (" << c.pressed.X << ", " << c.pressed.Y << ") probe (" << c.probe.X << ", "
        << c.probe.Y << ")";
}

TEST(Nudge, StepsAndMonitorEdges) {
  EXPECT_EQ(MoveStep(11004, false), (Point{1, 0}));
  EXPECT_EQ(MoveStep(11003, true), (Point{-10, 0}));
  EXPECT_EQ(MoveStep(11001, false), (Point{0, -1}));
  EXPECT_EQ(MoveStep(11002, true), (Point{0, 10}));
  EXPECT_EQ(MoveStep(11005, false), (Point{0, 0}));
  const MonitorLayout monitors = TwoMonitors();
  struct Case {
    Point from, delta, want;
  };
  const Case cases[] = {
      {{1275, 5}, {10, 0}, {1279, 5}},  // the desktop's edges
      {{-1020, 500}, {-10, 0}, {-1024, 500}},
      {{-5, 500}, {10, 0}, {5, 500}},       // across to the neighbouring monitor
      {{-500, 765}, {0, 10}, {-500, 767}},  // not into the gap below the smaller monitor
      {{5, 900}, {-10, 0}, {0, 900}},       // nor into it from the side
      {{-500, 900}, {1, 0}, {-499, 767}},   // out of it onto the nearest monitor
  };
  for (const Case& c : cases)
    EXPECT_EQ(NudgeHeldPoint(c.from, c.delta, monitors), c.want)
        << "from (" << c.from.X << ", " << c.from.Y << ")";
}

TEST(InputTracker, AKeyReleaseCountsOnlyAfterItsPressAndOnlyOnce) {
  TInputTracker input;
  EXPECT_FALSE(input.TakeKeyRelease('F')) << "typed into a menu: only the release came";
  input.KeyPressed('F');
  input.KeyPressed('F');  // auto-repeat
  EXPECT_TRUE(input.TakeKeyRelease('F'));
  EXPECT_FALSE(input.TakeKeyRelease('F'));
  input.KeyPressed(0x1B);
  EXPECT_FALSE(input.TakeKeyRelease('Z')) << "another key's press does not count";
  EXPECT_TRUE(input.TakeKeyRelease(0x1B));
}

TEST(InputTracker, RightReleaseIsAGestureOnlyAfterAPressInTheWindow) {
  TInputTracker input;
  DragWay way = DragWay::kRight;
  EXPECT_FALSE(input.RightReleased(Point{100, 100}, 4, 4, way)) << "no press since start";
  input.RightPressed(Point{100, 100});
  ASSERT_TRUE(input.RightReleased(Point{110, 100}, 4, 4, way));
  EXPECT_EQ(way, DragWay::kNone) << "within three double-click widths: a click";
  ASSERT_TRUE(input.RightReleased(Point{100, 60}, 4, 4, way));
  EXPECT_EQ(way, DragWay::kUp);
  input.RightPressed(Point{0, 0});
  EXPECT_FALSE(input.RightReleased(Point{50, 0}, 4, 4, way)) << "a press at (0, 0) counts as none";
}

}  // namespace
