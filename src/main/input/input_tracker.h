// What the main window remembers of the mouse and keyboard between messages: the keys whose
// press it saw, the wheel's part notch, the right button's press, the left drag that pans the
// held point, and the cursor shape the sizing frame last chose.
#pragma once
#include <bitset>
#include <cstdint>

#include "base/geometry.h"
#include "general/helpers.h"
#include "main/input/input_rules.h"
#include "my_monitor/monitor_math.h"

class TInputTracker {
 public:
  // A key's press reached the window.
  void KeyPressed(uint16_t key);
  // True when the window saw the key's press: its release is the window's to act on. The key
  // of a letter or Esc typed into a menu, a box or a dialog went there, and only its release
  // comes to the window after that window has closed.
  bool TakeKeyRelease(uint16_t key);

  // The whole notches one wheel message completes, positive upward; the modifiers choose
  // what the wheel moves, and a change of either starts from nothing.
  int32_t TakeWheel(int32_t delta, bool altDown, bool ctrlDown);

  // The right button's press, where a gesture starts.
  void RightPressed(const Point& client) { FRightDownPos = client; }
  // Which way the right button went from its press to (x, y); none for a click. A release
  // with no press in the window since start gives no gesture at all (false).
  bool RightReleased(const Point& client, int32_t doubleClickWidth, int32_t doubleClickHeight,
                     DragWay& way) const;

  // The left press, in client coordinates; a double-click centres the pixel shown there.
  void LeftPressed(const Point& client) { FDragStartPos = client; }
  const Point& LeftPressPos() const { return FDragStartPos; }
  // Panning the held point: from the left press on the picture to its release.
  void BeginPan(const Point& heldPoint);
  void EndPan() { FFixedDragging = false; }
  bool Panning() const { return FFixedDragging; }
  // The held point for the cursor at `now` (client coordinates), the picture following the
  // hand, kept on the desktop and out of the gaps between its monitors.
  Point PanTo(const Point& now, int32_t zoom, const MonitorLayout& monitors);

  FrameCursor CursorShape() const { return FCursorShape; }
  void SetCursorShape(FrameCursor shape) { FCursorShape = shape; }

  // Up while a wheel step or a drag step runs; what arrives meanwhile is dropped.
  bool FInputBusy = false;
  // The last right press, (-1, -1) until the first, never reset after it.
  Point FRightDownPos{-1, -1};
  bool FFixedDragging = false;
  Point FDragStartPos;
  Point FDragStartFixed;
  // The monitor (1-based) that held the point during the last pan; kept between drags.
  int32_t FDragMonitor = 0;

 private:
  std::bitset<256> keysDownSeen_;
  WheelRemainder wheel_;
  FrameCursor FCursorShape = FrameCursor::kArrow;
};
