// The main window and the monitor set: where the window opens, the desktop-sized capture
// buffer, copying the screen monitor by monitor, and display changes.
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

void TApp_Loupist::FitCaptureBitmapToDesktop() {
  const Rect desktop = MyMonitors().GetDesktopRect();
  const int32_t width = RectWidth(desktop);
  const int32_t height = RectHeight(desktop);
  FCaptureBitmap.SetBrushColor(RGB(0, 0, 0));
  // An unchanged size keeps the contents: a display change that leaves the desktop as it was
  // (a moved task bar, another colour depth) must not wipe a paused snapshot.
  if (FCaptureBitmap.Width() == width && FCaptureBitmap.Height() == height) return;
  FCaptureBitmap.SetSize(width, height);
  FCaptureBitmap.FillRect(0, 0, width, height);
}

void TApp_Loupist::CopyScreenFromMonitors(HDC screen, const Rect& source, DWORD rop) {
  // Only what lies on a monitor is copied. The rest stays as the caller filled it (black):
  // gaps of a desktop that is not rectangular, and everything past its edges. Some drivers
  // (Wine's X11 among them) show stray pixels there, or fail the whole copy when the source
  // reaches past the desktop.
  if (monitorBounds_.empty()) RememberMonitorBounds();
  for (const Rect& bounds : monitorBounds_) {
    const Rect part = IntersectRects(source, bounds);
    if (RectWidth(part) <= 0 || RectHeight(part) <= 0) continue;
    BitBlt(FCaptureBitmap.DC(), CheckedSub(part.Left, source.Left),
           CheckedSub(part.Top, source.Top), RectWidth(part), RectHeight(part), screen, part.Left,
           part.Top, rop);
  }
}

void TApp_Loupist::RememberMonitorBounds() {
  TMyMonitors& monitors = MyMonitors();
  monitors.Refresh();
  monitorBounds_.clear();
  const MonitorLayout layout = monitors.Layout();
  for (const MonitorRecord& monitor : layout.Monitors())
    monitorBounds_.push_back(monitor.BoundsRect);
}

void TApp_Loupist::WMDisplayChange() {
  TMyMonitors& monitors = MyMonitors();
  RememberMonitorBounds();
  monitors.KeepFormOnMonitor(Handle());
  // The capture buffer follows the new desktop. A paused snapshot whose desktop changed size
  // no longer matches any screen position; it is dropped (black) until the pause is renewed.
  FitCaptureBitmapToDesktop();
  RefreshView();
}
