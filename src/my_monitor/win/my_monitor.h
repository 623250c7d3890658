// The display monitors as the system reports them: one item per monitor handle, the ordered
// set of them, and the process-wide set MyMonitors. The arithmetic over their rectangles
// (desktop bounding box, keep-on-work-area, point positions) lives in monitor_math; this side
// reads the rectangles and hands them over.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "base/geometry.h"
#include "my_monitor/monitor_math.h"

// One monitor. Only the handle is kept: every geometric query asks the system again, so a
// task bar that moved or a resolution that changed shows at the next query.
class TMyMonitorItem {
 public:
  explicit TMyMonitorItem(HMONITOR handle) : handle_(handle) {}
  TMyMonitorItem(const TMyMonitorItem&) = delete;
  TMyMonitorItem& operator=(const TMyMonitorItem&) = delete;
  virtual ~TMyMonitorItem() = default;

  HMONITOR Handle() const { return handle_; }
  // All-zero when the handle is 0 or the system does not answer.
  Rect BoundsRect() const;
  int32_t Left() const { return BoundsRect().Left; }
  int32_t Top() const { return BoundsRect().Top; }
  Rect WorkAreaRect() const;
  int32_t WorkAreaLeft() const { return WorkAreaRect().Left; }
  int32_t WorkAreaTop() const { return WorkAreaRect().Top; }
  int32_t WorkAreaWidth() const;
  int32_t WorkAreaHeight() const;

 private:
  HMONITOR handle_;
};

// The monitors in the system's enumeration order. Never empty: when the system enumerates
// nothing, the set holds the primary monitor. Items handed out are invalidated by the next
// Refresh (which every desktop-extent query performs): use them at once.
class TMyMonitors {
 public:
  TMyMonitors();  // enumerates
  TMyMonitors(const TMyMonitors&) = delete;
  TMyMonitors& operator=(const TMyMonitors&) = delete;
  virtual ~TMyMonitors();

  void Clear();
  void Enumerate();
  // Fills the list from what the system counted and what its enumeration delivered. Enumerate
  // calls it; a count that disagrees with the delivery never leaves an empty slot (see
  // MonitorEnumeration), and an empty delivery leaves the primary monitor.
  void Fill(int32_t systemCount, const std::vector<HMONITOR>& delivered);

  // The item at the index clamped into the list: -1 gives the first, Count() or more the last.
  TMyMonitorItem& Items(int32_t index) const;
  void SetItem(int32_t index, std::unique_ptr<TMyMonitorItem> item);
  int32_t Count() const;
  void Refresh();

  // The bounding box of every monitor and of the origin, read afresh (Refresh first).
  Rect GetDesktopRect();
  int32_t DesktopLeft();
  int32_t DesktopTop();
  int32_t DesktopWidth();
  int32_t DesktopHeight();

  // Moves the window, size unchanged, into the work area of the monitor that holds the largest
  // share of the given bounds (or the nearest monitor; the first when that is not in the set).
  void KeepFormOnMonitor(HWND window);
  void KeepBoundsOnMonitor(HWND window, int32_t left, int32_t top, int32_t width, int32_t height);

  // -1 for handle 0 or a handle not in the set; with duplicates the last one wins.
  int32_t IndexOfHandle(HMONITOR handle) const;
  // The monitor the system names for the rectangle (largest share, or nearest); -1 when that
  // monitor is not in the set. An empty rectangle stands for its top-left pixel.
  int32_t IndexOfRect(const Rect& r) const;
  int32_t IndexOfPoint(const Point& p) const;
  int32_t NumberOfHandle(HMONITOR handle) const;  // index + 1; 0 = not in the set
  int32_t NumberOfWindow(HWND window) const;
  static int32_t SystemMonitorCount();

  // The items' rectangles as the system reports them now, in list order (no Refresh).
  MonitorLayout Layout() const;

 private:
  std::vector<std::unique_ptr<TMyMonitorItem>> items_;
};

// Which monitor holds the point and where on it, from a set enumerated for this call alone:
// Number is 1-based, 0 when the point lies on no monitor (then X and Y are 0 too).
MonitorPosition MonitorPositionOfPoint(const Point& p);

// The process-wide set. It exists from InitializeMyMonitors, which the program entry calls
// before the main window is created, to FinalizeMyMonitors after the window is gone; asking
// for it outside that span is a programming error and throws.
TMyMonitors& MyMonitors();
void InitializeMyMonitors();  // creates the set unless it exists
void FinalizeMyMonitors();

// Initialises the monitor unit for the life of a scope and finalises it at the scope's end.
class MyMonitorsUnit {
 public:
  MyMonitorsUnit() { InitializeMyMonitors(); }
  MyMonitorsUnit(const MyMonitorsUnit&) = delete;
  MyMonitorsUnit& operator=(const MyMonitorsUnit&) = delete;
  ~MyMonitorsUnit() { FinalizeMyMonitors(); }
};
