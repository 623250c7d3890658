#include "main/input/input_rules.h"

#include "base/checked.h"
#include "general/helpers.h"

FrameZone FrameZoneAt(int32_t x, int32_t y, int32_t w, int32_t h, int32_t fx, int32_t fy) {
  const int64_t cx = 4LL * fx, cy = 4LL * fy;
  const int64_t fromRight = static_cast<int64_t>(w) - x, fromBottom = static_cast<int64_t>(h) - y;
  if (x < cx && y < cy) return FrameZone::kTopLeft;
  if (fromRight <= cx && fromBottom <= cy) return FrameZone::kBottomRight;
  if (fromRight <= cx && y < cy) return FrameZone::kTopRight;
  if (x < cx && fromBottom <= cy) return FrameZone::kBottomLeft;
  if (x < fx) return FrameZone::kLeft;
  if (fromRight <= fx) return FrameZone::kRight;
  if (y < fy) return FrameZone::kTop;
  if (fromBottom <= fy) return FrameZone::kBottom;
  return FrameZone::kInside;
}

FrameCursor CursorOfZone(FrameZone zone) {
  switch (zone) {
    case FrameZone::kTopLeft:
    case FrameZone::kBottomRight:
      return FrameCursor::kSizeNWSE;
    case FrameZone::kTopRight:
    case FrameZone::kBottomLeft:
      return FrameCursor::kSizeNESW;
    case FrameZone::kLeft:
    case FrameZone::kRight:
      return FrameCursor::kSizeWE;
    case FrameZone::kTop:
    case FrameZone::kBottom:
      return FrameCursor::kSizeNS;
    case FrameZone::kInside:
      break;
  }
  return FrameCursor::kArrow;
}

uint32_t SystemCommandOfZone(FrameZone zone) {
  constexpr uint32_t kSize = 0xF000, kMove = 0xF010;
  switch (zone) {
    case FrameZone::kTopLeft:
      return kSize + 4;
    case FrameZone::kBottomRight:
      return kSize + 8;
    case FrameZone::kTopRight:
      return kSize + 5;
    case FrameZone::kBottomLeft:
      return kSize + 7;
    case FrameZone::kLeft:
      return kSize + 1;
    case FrameZone::kRight:
      return kSize + 2;
    case FrameZone::kTop:
      return kSize + 3;
    case FrameZone::kBottom:
      return kSize + 6;
    case FrameZone::kInside:
      break;
  }
  // Moving by the inside: SC_MOVE with the caption hit-test code, the drag-move command
  // that every system's move loop follows (with another code Wine's loop does not move).
  return kMove + 2;
}

namespace {
bool IsArrowCode(uint16_t code) { return code >= kCodeMoveFirst && code <= kCodeMoveLast; }
}  // namespace

KeyDownAction DecideKeyDown(const TKeyCommandTable& table, uint16_t key, bool altDown) {
  KeyDownAction action;
  if (altDown) return action;
  for (const TKeyCommandEntry& entry : table) {
    if (entry.VirtualKey != key) continue;
    if (entry.CommandCode == kCodeActualSize) {
      action.BeginActualSize = true;
      action.Consumed = true;
    } else if (IsArrowCode(entry.CommandCode)) {
      action.Codes[action.CodeCount++] = entry.CommandCode;
      action.Consumed = true;
    }
  }
  return action;
}

KeyUpAction DecideKeyUp(const TKeyCommandTable& table, uint16_t key, bool altDown) {
  KeyUpAction action;
  if (altDown) return action;
  if (key == kVirtualKeyApps) {
    action.Kind = KeyUpKind::kOpenMenu;
    action.Consumed = true;
    return action;
  }
  for (const TKeyCommandEntry& entry : table) {
    if (entry.VirtualKey != key) continue;
    action.Consumed = true;
    if (entry.CommandCode == kCodeActualSize) {
      action.Kind = KeyUpKind::kEndActualSize;
    } else if (IsArrowCode(entry.CommandCode)) {
      action.Kind = KeyUpKind::kAlreadyDone;
    } else {
      action.Kind = KeyUpKind::kExecute;
      action.Code = entry.CommandCode;
    }
    return action;  // the first entry of the key counts
  }
  return action;
}

WheelAction DecideWheel(bool up, bool altDown, bool ctrlDown) {
  if (altDown) return up ? WheelAction::kMoveLeft : WheelAction::kMoveRight;
  if (ctrlDown) return up ? WheelAction::kMoveUp : WheelAction::kMoveDown;
  return up ? WheelAction::kZoomUp : WheelAction::kZoomDown;
}

WheelAxis WheelAxisOf(bool altDown, bool ctrlDown) {
  if (altDown) return WheelAxis::kHorizontal;
  return ctrlDown ? WheelAxis::kVertical : WheelAxis::kZoom;
}

int32_t TakeWheelNotches(WheelRemainder& remainder, int32_t delta, WheelAxis axis) {
  if (axis != remainder.Axis || (delta > 0) != (remainder.Delta > 0)) remainder.Delta = 0;
  remainder.Axis = axis;
  // 64-bit: a message's delta is a 16-bit value, but nothing stops a sender from adding up.
  const int64_t total = static_cast<int64_t>(remainder.Delta) + delta;
  const int64_t notches = total / kWheelNotch;  // truncates toward zero, both ways
  remainder.Delta = static_cast<int32_t>(total - notches * kWheelNotch);
  return CheckedNarrow(notches);
}

PanResult PanProbePoint(const PanInput& in, const MonitorLayout& monitors) {
  const Rect desktop = monitors.GetDesktopRect();
  const int32_t z = in.Zoom;
  const long double y = static_cast<long double>(
      CheckedAdd(CheckedMul(in.DragStartFixed.Y, z), CheckedSub(in.DragStartPos.Y, in.Now.Y)));
  const long double x = static_cast<long double>(
      CheckedAdd(CheckedMul(in.DragStartFixed.X, z), CheckedSub(in.DragStartPos.X, in.Now.X)));
  PanResult out;
  out.ProbePoint.Y = Clamp(CheckedNarrow(RoundNearest(y / z)), monitors.DesktopTop(),
                           CheckedSub(desktop.Bottom, 1));
  out.ProbePoint.X = Clamp(CheckedNarrow(RoundNearest(x / z)), monitors.DesktopLeft(),
                           CheckedSub(desktop.Right, 1));
  const int32_t n = monitors.MonitorPositionOfPoint(out.ProbePoint).Number;
  if (n != 0 || in.DragMonitor < 1) {
    out.DragMonitor = n;
  } else {
    // In a gap between monitors: stay on the monitor the point left.
    out.DragMonitor = in.DragMonitor;
    const Rect b = monitors.Items(in.DragMonitor - 1).BoundsRect;
    out.ProbePoint.X = Clamp(out.ProbePoint.X, b.Left, CheckedSub(b.Right, 1));
    out.ProbePoint.Y = Clamp(out.ProbePoint.Y, b.Top, CheckedSub(b.Bottom, 1));
  }
  return out;
}

Point DoubleClickTarget(const Point& pressed, const Point& probe, const Point& srcHalf,
                        int32_t zoom, const MonitorLayout& monitors) {
  if (zoom < 1) throw CheckedError("Zoom factor out of range");
  const Point delta{CheckedSub(pressed.X / zoom, srcHalf.X),
                    CheckedSub(pressed.Y / zoom, srcHalf.Y)};
  return NudgeHeldPoint(probe, delta, monitors);
}

Point MoveStep(uint16_t code, bool shiftDown) {
  const int32_t step = shiftDown ? 10 : 1;
  switch (code) {
    case 11003:  // actMove_Left
      return Point{-step, 0};
    case 11004:  // actMove_Right
      return Point{step, 0};
    case 11001:  // actMove_Up
      return Point{0, -step};
    case 11002:  // actMove_Down
      return Point{0, step};
    default:
      return Point{0, 0};
  }
}

Point NudgeHeldPoint(const Point& probe, const Point& delta, const MonitorLayout& monitors) {
  const Point to{CheckedAdd(probe.X, delta.X), CheckedAdd(probe.Y, delta.Y)};
  if (monitors.MonitorPositionOfPoint(to).Number != 0) return to;
  const int32_t from = monitors.MonitorPositionOfPoint(probe).Number;
  if (from == 0) return monitors.NearestMonitorPixel(to);
  const Rect& b = monitors.Items(from - 1).BoundsRect;
  return Point{Clamp(to.X, b.Left, CheckedSub(b.Right, 1)),
               Clamp(to.Y, b.Top, CheckedSub(b.Bottom, 1))};
}

std::size_t GestureSlotOf(DragWay way) {
  switch (way) {
    case DragWay::kUp:
      return kGestureUp;
    case DragWay::kDown:
      return kGestureDown;
    case DragWay::kLeft:
      return kGestureLeft;
    case DragWay::kRight:
      return kGestureRight;
    case DragWay::kNone:
      break;
  }
  throw CheckedError("a click is no gesture");
}
