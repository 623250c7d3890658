// The monitor set as plain rectangles: the virtual desktop, which monitor holds a point or a
// rectangle, and where a window must go to lie inside a monitor's work area. The Win32 side
// reads the system's monitors into MonitorRecords and asks these routines; nothing here talks
// to the system, so every layout (negative coordinates, gaps, odd counts) can be tested.
#pragma once
#include <cstdint>
#include <vector>

#include "base/geometry.h"

// The system's monitor handle, carried as an opaque integer; 0 is no monitor.
using MonitorHandle = std::uintptr_t;

struct MonitorRecord {
  MonitorHandle Handle = 0;
  Rect BoundsRect;    // the whole monitor, screen coordinates
  Rect WorkAreaRect;  // the part not covered by the task bar and docked bars
  bool Primary = false;
};

// Where a point lies: Number is 1-based (0 = on no monitor); X and Y are relative to that
// monitor's top-left corner.
struct MonitorPosition {
  int32_t Number = 0;
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const MonitorPosition& a, const MonitorPosition& b) {
    return a.Number == b.Number && a.X == b.X && a.Y == b.Y;
  }
};

// An index clamped into 0..count - 1. The list it indexes is never empty (see
// MonitorEnumeration), so the result is always a valid position for count >= 1.
int32_t ClampMonitorIndex(int32_t index, int32_t count);

// True when the pixel at p lies inside r (left and top inclusive, right and bottom exclusive).
bool RectContainsPoint(const Rect& r, const Point& p);

// New top-left corner for a window of the given bounds so that it lies inside workArea, its
// size unchanged. A window too large for the work area on an axis keeps to the work area's
// start when it began before it, and otherwise ends on the work area's end, so that it never
// jumps further than it must.
Point PlaceOnWorkArea(const Rect& workArea, int32_t left, int32_t top, int32_t width,
                      int32_t height);

// A window's bounds fitted into workArea. The window's part of fixedHeight (its panel) cannot
// give way; the rest of its height gives way down to least.Height, its width down to
// least.Width, and neither ever grows. The corner then moves as PlaceOnWorkArea moves it, except
// that a window still taller than the work area keeps its top on the work area's top and runs
// past the bottom rather than above the top.
Rect FitOnWorkArea(const Rect& workArea, const Rect& window, int32_t fixedHeight,
                   const Size& least);

class MonitorLayout;

// Collects the monitors the system enumerates into the number of slots it counted.
//
// The system may disagree with itself while the display configuration changes, and older
// systems count or enumerate nothing at all. Rather than leave empty slots that a caller could
// be handed, the list keeps exactly the monitors that arrived:
//  - fewer monitors than counted: the list is as long as the monitors that arrived;
//  - more than counted: the ones beyond the count are dropped, as the count is the system's
//    own statement of how many monitors there are;
//  - a count below 1 means the system could not count: every enumerated monitor is kept;
//  - nothing arrived: the list holds the caller's fallback, normally one monitor of the
//    primary screen's size, so that every query still has a monitor to answer with.
class MonitorEnumeration {
 public:
  explicit MonitorEnumeration(int32_t systemCount);
  // Returns false when the monitor was dropped because every counted slot is taken.
  bool Add(const MonitorRecord& monitor);
  MonitorLayout Finish(const MonitorRecord& fallback);

 private:
  std::vector<MonitorRecord> monitors_;
  std::size_t capacity_;
};

// An ordered, never empty snapshot of the monitors, in the system's enumeration order.
class MonitorLayout {
 public:
  // monitors may be empty, in which case the layout holds only the fallback.
  MonitorLayout(std::vector<MonitorRecord> monitors, const MonitorRecord& fallback);

  int32_t Count() const;
  // The monitor at the index after clamping into the list: -1 gives the first monitor, an
  // index past the end the last.
  const MonitorRecord& Items(int32_t index) const;
  void SetItem(int32_t index, const MonitorRecord& monitor);
  const std::vector<MonitorRecord>& Monitors() const { return monitors_; }

  // Bounding box of every monitor rectangle and of the origin.
  Rect GetDesktopRect() const;
  int32_t DesktopLeft() const;
  int32_t DesktopTop() const;
  int32_t DesktopWidth() const;
  int32_t DesktopHeight() const;

  // -1 for handle 0 or a handle not in the list; with duplicate handles the last one wins.
  int32_t IndexOfHandle(MonitorHandle handle) const;
  int32_t NumberOfHandle(MonitorHandle handle) const;  // index + 1, 0 = not in the list
  // The monitor with the largest share of the rectangle; when it touches none, the nearest
  // one. An empty rectangle stands for the single pixel at its top-left corner, so that a
  // point on the shared edge of two monitors belongs to the one that contains it. Ties go to
  // the monitor earlier in the list.
  int32_t IndexOfRect(const Rect& r) const;
  int32_t IndexOfPoint(const Point& p) const;
  // The monitor under a point, or the nearest one.
  const MonitorRecord& MonitorItemAt(const Point& p) const;

  // The first monitor in list order whose rectangle contains the point; (0, 0, 0) if none
  // does, for instance in a gap between monitors.
  MonitorPosition MonitorPositionOfPoint(const Point& p) const;

  // The point itself when a monitor holds it; otherwise, in a gap between monitors or off the
  // desktop, the nearest pixel of the nearest monitor.
  Point NearestMonitorPixel(const Point& p) const;

  // New top-left corner of a window with these bounds: inside the work area of the monitor
  // that holds the largest share of it (or the nearest monitor), size unchanged.
  Point KeepBoundsOnMonitor(int32_t left, int32_t top, int32_t width, int32_t height) const;
  // The bounds fitted (FitOnWorkArea) into the work area of the monitor that holds the largest
  // share of them, or the nearest monitor.
  Rect FitBoundsOnMonitor(const Rect& bounds, int32_t fixedHeight, const Size& least) const;

 private:
  std::vector<MonitorRecord> monitors_;
};
