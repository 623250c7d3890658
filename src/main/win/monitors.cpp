// The main window and the monitor set: where the window opens, and display changes.
#include "base/checked.h"
#include "general/win/input_state.h"
#include "main/main.h"
#include "my_monitor/win/my_monitor.h"

namespace {
constexpr int32_t kPlacementOffset = 75;
}  // namespace

TMyMonitorItem& TApp_Loupist::MonitorItemAt(const Point& p) {
  TMyMonitors& monitors = MyMonitors();
  return monitors.Items(monitors.IndexOfPoint(p));
}

void TApp_Loupist::PlaceOnMonitorUnderCursor() {
  // The whole monitor's corner, not its work area's: a task bar on the left or top does not
  // shift the window.
  const Rect bounds = MonitorItemAt(GetCursorPoint()).BoundsRect();
  SetWindowPos(Handle(), nullptr, CheckedAdd(bounds.Left, kPlacementOffset),
               CheckedAdd(bounds.Top, kPlacementOffset), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TApp_Loupist::WMDisplayChange() {
  FScreenCapture.RememberMonitorBounds();
  MyMonitors().KeepFormOnMonitor(Handle());
  // The capture buffer follows the new desktop. A paused snapshot whose desktop changed size
  // no longer matches any screen position; it is dropped (black) until the pause is renewed.
  FScreenCapture.FitToDesktop();
  RefreshView();
}
