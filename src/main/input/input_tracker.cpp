#include "main/input/input_tracker.h"

#include "general/helpers.h"

void TInputTracker::KeyPressed(uint16_t key) { keysDownSeen_.set(key & 0xFF); }

bool TInputTracker::TakeKeyRelease(uint16_t key) {
  if (!keysDownSeen_.test(key & 0xFF)) return false;
  keysDownSeen_.reset(key & 0xFF);
  return true;
}

int32_t TInputTracker::TakeWheel(int32_t delta, bool altDown, bool ctrlDown) {
  return TakeWheelNotches(wheel_, delta, WheelAxisOf(altDown, ctrlDown));
}

bool TInputTracker::RightReleased(const Point& client, int32_t doubleClickWidth,
                                  int32_t doubleClickHeight, DragWay& way) const {
  if (!(FRightDownPos.X > 0 || FRightDownPos.Y > 0)) return false;
  way = DragWayOfAngle(DragAngle(FRightDownPos, client, doubleClickWidth, doubleClickHeight));
  return true;
}

void TInputTracker::BeginPan(const Point& heldPoint) {
  FFixedDragging = true;
  FDragStartFixed = heldPoint;
}

Point TInputTracker::PanTo(const Point& now, int32_t zoom, const MonitorLayout& monitors) {
  PanInput in;
  in.DragStartFixed = FDragStartFixed;
  in.DragStartPos = FDragStartPos;
  in.Now = now;
  in.Zoom = zoom;
  in.DragMonitor = FDragMonitor;
  const PanResult r = PanProbePoint(in, monitors);
  FDragMonitor = r.DragMonitor;
  return r.ProbePoint;
}
