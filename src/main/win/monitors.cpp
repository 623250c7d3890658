// The main window and the monitor set: where the window opens, and display changes.
#include "base/checked.h"
#include "general/win/input_state.h"
#include "main/dpi_scale.h"
#include "main/layout_calc.h"
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

Rect TApp_Loupist::FittedToWorkArea(const Rect& bounds, int32_t panelHeight) {
  TMyMonitors& monitors = MyMonitors();
  monitors.Refresh();
  return monitors.Layout().FitBoundsOnMonitor(bounds, panelHeight, LeastZoomArea(FView.FDpi));
}

void TApp_Loupist::PlaceWithPanelOnWorkArea(Rect zoomBounds) {
  int32_t infoHeight = 0;
  RenderInfoLines(PanelPass::kMeasure, infoHeight);
  zoomBounds.Bottom = CheckedAdd(zoomBounds.Bottom, infoHeight);
  const Rect fitted = FittedToWorkArea(zoomBounds, infoHeight);
  SetWindowPos(Handle(), nullptr, fitted.Left, fitted.Top, RectWidth(fitted),
               CheckedSub(RectHeight(fitted), infoHeight), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TApp_Loupist::WMDisplayChange() {
  FScreenCapture.RememberMonitorBounds();
  MyMonitors().KeepFormOnMonitor(Handle());
  // The capture buffer follows the new desktop. A paused snapshot whose desktop changed size
  // no longer matches any screen position; it is dropped (black) until the pause is renewed.
  FScreenCapture.FitToDesktop();
  RefreshView();
}

void TApp_Loupist::WMDpiChanged(int32_t dpi, const RECT& suggested) {
  const int32_t oldDpi = FView.FDpi;
  FView.FDpi = dpi;
  FView.FFontDpi = dpi;
  if (Tag == 0) {
    // Still being created (or closing): the creation lays the window out for this DPI.
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top,
                 CheckedSub(suggested.right, suggested.left),
                 CheckedSub(suggested.bottom, suggested.top), SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  // The place is the suggestion's. The size is the one last laid out, scaled to the new DPI:
  // the suggestion scales the old panel too and the last scaled size, so a window that crossed
  // to another monitor and back would end larger by a panel's difference or a rounding.
  const Size size = FView.FSizeAtDpi.At(dpi, Size{RescaleDpi(ClientWidth(), oldDpi, dpi),
                                                  RescaleDpi(FView.FInfoRect.Top, oldDpi, dpi)});
  const int32_t zoomArea = size.Height;
  ApplyPanelFont();
  int32_t infoHeight = 0;
  RenderInfoLines(PanelPass::kMeasure, infoHeight);
  {
    // No layout with the old panel while the window takes its new place.
    Tag = 0;
    struct ReadyAgain {
      int& tag;
      ~ReadyAgain() { tag = 1; }
    } readyAgain{Tag};
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, size.Width,
                 CheckedAdd(zoomArea, infoHeight), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  FView.FInfoRect = Rect{0, zoomArea, size.Width, CheckedAdd(zoomArea, infoHeight)};
  FormResize(nullptr);
}
