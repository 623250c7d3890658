// The layout of the two bands, the painting of the window from the view bitmap, where the
// window opens, display changes and the DPI of its monitor.
#include "base/checked.h"
#include "general/dpi_scale.h"
#include "general/win/input_state.h"
#include "general/win/window_placement.h"
#include "main/form/win/main.h"
#include "main/view/layout_calc.h"
#include "my_monitor/win/my_monitor.h"
#include "platform/win/reentry.h"

void TApp_Loupist::FormResize(const void* /*sender*/) {
  if (Tag == 0) return;
  Tag = 0;
  struct ReadyAgain {
    int& tag;
    ~ReadyAgain() { tag = 1; }
  } readyAgain{Tag};

  LayoutInput in;
  in.ClientWidth = ClientWidth();
  in.ClientHeight = ClientHeight();
  in.InfoHeight = InfoAreaHeight();
  in.PreviousInfoHeight = RectHeight(FView.FInfoRect);
  in.Zoom = FView.FZoom;
  in.GridShown = FCommands.actGrid_Disp.Checked();
  in.Dpi = FView.FDpi;
  RECT outer{};
  GetWindowRect(Handle(), &outer);
  const WindowLayoutPlan plan = PlanWindowLayout(
      in, Rect{outer.left, outer.top, outer.right, outer.bottom}, IsIconic(Handle()) != FALSE,
      [this](const Rect& bounds, int32_t panelHeight) {
        return FittedToWorkArea(bounds, panelHeight);
      });
  const LayoutResult& r = plan.Layout;
  if (plan.Moved || r.ClientWidth != ClientWidth() || r.ClientHeight != ClientHeight())
    SetWindowPos(Handle(), nullptr, plan.Place.X, plan.Place.Y,
                 CheckedAdd(r.ClientWidth, plan.Frame.Width),
                 CheckedAdd(r.ClientHeight, plan.Frame.Height),
                 SWP_NOZORDER | SWP_NOACTIVATE | (plan.Moved ? 0 : SWP_NOMOVE));

  FView.ApplyLayout(r);

  Tag = 1;
  // The size this layout set took the window to a monitor of another DPI: the layout was for
  // the old one.
  if (FView.FAnnouncedDpi > 0 && FView.FAnnouncedDpi != FView.FDpi && !FView.FFollowingDpi) {
    const Rect bounds = NormalWindowRect(Handle());
    FollowDpi(FView.FAnnouncedDpi, Point{bounds.Left, bounds.Top});
    return;
  }
  Timer_InfomationTimer(&Timer_Infomation);
  RefreshView();
}

void TApp_Loupist::FormPaint(HDC dc) { FView.Paint(dc, IsActiveWindow()); }

// ---- Where the window opens, display changes and the DPI ----

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
  const int32_t infoHeight = InfoAreaHeight();
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
  FPointer.FollowMonitor(true);
  RefreshView();
}

void TApp_Loupist::WMDpiChanged(int32_t dpi, const RECT& suggested) {
  // Sent in the middle of a move: while the program places the window itself (creation, or a
  // layout that changes its size), or while it follows another DPI. The suggested rectangle
  // then scales a size that the program is about to set anyway.
  if (Tag == 0 || FView.FFollowingDpi) {
    FView.FAnnouncedDpi = dpi;
    return;
  }
  FollowDpi(dpi, Point{suggested.left, suggested.top});
}

void TApp_Loupist::FollowDpi(int32_t dpi, Point place) {
  const BusyClaim following(FView.FFollowingDpi);
  if (!following.Entered()) {
    FView.FAnnouncedDpi = dpi;
    return;
  }
  // A window that straddles two monitors could be handed back and forth between their DPIs by
  // its own moves: it follows a few in a row and then stays.
  constexpr int kMostInARow = 4;
  for (int round = 0; round < kMostInARow && dpi > 0; ++round) {
    FView.FAnnouncedDpi = 0;
    const int32_t oldDpi = FView.FDpi;
    FView.FDpi = dpi;
    FView.FFontDpi = dpi;
    // The size is the one last laid out, scaled to the new DPI: the system's suggestion scales
    // the old panel too and the last scaled size, so a window that crossed to another monitor
    // and back would end larger by a panel's difference or a rounding.
    const Size size = FView.FSizeAtDpi.At(dpi, Size{RescaleDpi(ClientWidth(), oldDpi, dpi),
                                                    RescaleDpi(FView.FInfoRect.Top, oldDpi, dpi)});
    const int32_t zoomArea = size.Height;
    ApplyPanelFont();
    const int32_t infoHeight = InfoAreaHeight();
    {
      // No layout with the old panel while the window takes its new place.
      Tag = 0;
      struct ReadyAgain {
        int& tag;
        ~ReadyAgain() { tag = 1; }
      } readyAgain{Tag};
      SetWindowPos(Handle(), nullptr, place.X, place.Y, size.Width,
                   CheckedAdd(zoomArea, infoHeight), SWP_NOZORDER | SWP_NOACTIVATE);
      // The suggestion keeps the window's place on the monitor, not its new height. While the
      // user drags the window, where it goes is theirs: the system's loop moves it on anyway.
      if (!InSizeMoveLoop()) MyMonitors().KeepFormOnMonitor(Handle());
    }
    FView.FInfoRect = Rect{0, zoomArea, size.Width, CheckedAdd(zoomArea, infoHeight)};
    FormResize(nullptr);
    dpi = FView.FAnnouncedDpi != FView.FDpi ? FView.FAnnouncedDpi : 0;
    const Rect bounds = NormalWindowRect(Handle());
    place = Point{bounds.Left, bounds.Top};
  }
  FView.FAnnouncedDpi = 0;
}

void TApp_Loupist::AdoptAnnouncedDpi() {
  if (FView.FAnnouncedDpi <= 0) return;
  FView.FDpi = FView.FAnnouncedDpi;
  FView.FFontDpi = FView.FAnnouncedDpi;
  FView.FAnnouncedDpi = 0;
  ApplyPanelFont();
}
