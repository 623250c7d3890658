// The decisions of the mouse and keyboard handlers, on plain values: which frame zone
// a point is in, what a key does on its way down and up, where panning and a
// double-click put the probe point, and where a nudge goes.
#pragma once
#include <cstdint>
#include <string>

#include "base/geometry.h"
#include "general/helpers.h"
#include "my_monitor/monitor_math.h"
#include "my_settingfile/settings_record.h"

// Sizing and moving zones of the borderless window, in the order they are tested.
enum class FrameZone {
  kTopLeft,
  kBottomRight,
  kTopRight,
  kBottomLeft,
  kLeft,
  kRight,
  kTop,
  kBottom,
  kInside,
};

enum class FrameCursor { kArrow, kSizeNWSE, kSizeNESW, kSizeWE, kSizeNS };

// The zone of client point (x, y) in a client area of w x h with frame sizes fx, fy:
// corners four frame widths deep along both edges, edges one frame width.
FrameZone FrameZoneAt(int32_t x, int32_t y, int32_t w, int32_t h, int32_t fx, int32_t fy);
FrameCursor CursorOfZone(FrameZone zone);
// The WM_SYSCOMMAND that runs the system's size or move loop from that zone.
uint32_t SystemCommandOfZone(FrameZone zone);

// Command codes with a meaning of their own for the key handlers.
constexpr uint16_t kCodeActualSize = 7013;
constexpr uint16_t kCodeMoveFirst = 11001;  // arrows: 11001..11004
constexpr uint16_t kCodeMoveLast = 11004;
constexpr uint16_t kVirtualKeyApps = 0x5D;

struct KeyDownAction {
  bool BeginActualSize = false;
  // Arrow codes, in table order, for every entry of the key (a table from a file
  // may bind a key more than once).
  uint16_t Codes[kKeyCommandCount] = {};
  int CodeCount = 0;
  bool Consumed = false;
};
KeyDownAction DecideKeyDown(const TKeyCommandTable& table, uint16_t key, bool altDown);

enum class KeyUpKind { kIgnore, kOpenMenu, kEndActualSize, kAlreadyDone, kExecute };
struct KeyUpAction {
  KeyUpKind Kind = KeyUpKind::kIgnore;
  uint16_t Code = 0;  // for kExecute; 0 beeps
  bool Consumed = false;
};
KeyUpAction DecideKeyUp(const TKeyCommandTable& table, uint16_t key, bool altDown);

// What a wheel notch does, by modifier (Alt tested first).
enum class WheelAction { kZoomUp, kZoomDown, kMoveLeft, kMoveRight, kMoveUp, kMoveDown };
WheelAction DecideWheel(bool up, bool altDown, bool ctrlDown);

// Fine wheels and touchpads send one notch as several small messages, a fast wheel several
// notches as one; a command runs once per whole notch.
constexpr int32_t kWheelNotch = 120;
enum class WheelAxis { kNone, kZoom, kVertical, kHorizontal };
WheelAxis WheelAxisOf(bool altDown, bool ctrlDown);
struct WheelRemainder {
  int32_t Delta = 0;  // the part of a notch not yet acted on
  WheelAxis Axis = WheelAxis::kNone;
};
// Adds one message's delta and answers the whole notches completed, positive upward. A turn
// in the other direction, or a change of modifiers, starts from nothing, so a step never
// runs on half a notch left over from before.
int32_t TakeWheelNotches(WheelRemainder& remainder, int32_t delta, WheelAxis axis);

// Panning the held point by dragging the picture: the picture follows the hand.
struct PanInput {
  Point DragStartFixed;
  Point DragStartPos;  // client point of the press
  Point Now;           // client point of the cursor now
  int32_t Zoom = 1;
  int32_t DragMonitor = 0;  // 1-based, 0 none
};
struct PanResult {
  Point ProbePoint;
  int32_t DragMonitor = 0;
};
PanResult PanProbePoint(const PanInput& in, const MonitorLayout& monitors);

// The screen pixel shown at client point `pressed` of the picture (division truncates), kept
// to the monitors as a nudge of the held point to it would be: never in a gap between them.
Point DoubleClickTarget(const Point& pressed, const Point& probe, const Point& srcHalf,
                        int32_t zoom, const MonitorLayout& monitors);

// Step of a movement command: 10 with Shift, else 1, in the command's direction.
Point MoveStep(uint16_t code, bool shiftDown);
// The held point nudged. It may cross onto a neighbouring monitor but never stops in a gap or
// off the desktop: there it ends on the edge of the monitor it started on (the nearest monitor
// when it started on none), as a drag of the picture does.
Point NudgeHeldPoint(const Point& probe, const Point& delta, const MonitorLayout& monitors);

// The slot of the gesture table that a right-button drag that way runs; kNone, a click, has
// none (it opens the menu) and throws CheckedError.
std::size_t GestureSlotOf(DragWay way);
