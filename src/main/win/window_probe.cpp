#include "main/win/window_probe.h"

#include "base/checked.h"
#include "general/win/codepage.h"
#include "general/win/dpi.h"
#include "general/win/window_query.h"
#include "main/win/window_search.h"

HWND TWindowProbe::FindWindowUnderCursor(const Point& probe, const TWindowSearch& search) const {
  if (search.SystemHitTest) {
    const HWND w = WindowFromPoint(POINT{probe.X, probe.Y});
    Point client;
    ScreenPointToClient(w, probe, client);
    // The system's hit test stops at a window with a disabled control under the point.
    if (ChildWindowFromPoint(w, POINT{client.X, client.Y}) == w) return w;
  }
  return SearchWindowTree(probe, search.SkipLayered, search.SkipWindow);
}

void TWindowProbe::ReadWindowFacts(const TWindowSearch& search, TProbeInfo& info) {
  const HWND window = FindWindowUnderCursor(info.ScreenPoint, search);
  info.Window = reinterpret_cast<uintptr_t>(window);

  // With no window the conversion fails, the point stays and the origin is (0, 0).
  Point client;
  ScreenPointToClient(window, info.ScreenPoint, client);
  info.ClientOrigin =
      Point{CheckedSub(info.ScreenPoint.X, client.X), CheckedSub(info.ScreenPoint.Y, client.Y)};

  info.ClassName = AnsiToWide(GetWindowClassName(window));
  info.Text = ReadWindowText(window);

  // A window that has gone away shows zeros rather than the last window's rectangle.
  Rect bounds;
  if (!GetWindowBounds(window, bounds)) bounds = Rect{};
  info.WindowRect = bounds;
  Point position;
  ScreenPointToClient(GetParentWindow(window), Point{bounds.Left, bounds.Top}, position);
  info.WindowPos = position;
  info.WindowSize = Size{RectWidth(bounds), RectHeight(bounds)};
  const Rect clientBounds = GetClientBounds(window);
  info.ClientSize = Size{clientBounds.Right, clientBounds.Bottom};

  info.ExeName = WindowExeName(window);
  info.Dpi = MonitorDpi(info.ScreenPoint);
}

int32_t TWindowProbe::MonitorDpi(const Point& point) {
  using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  if (PerMonitorDpiInEffect()) {
    if (const auto dpiForMonitor = ProcAs<DpiForMonitor>(dpiForMonitor_.Get())) {
      const HMONITOR monitor = MonitorFromPoint(POINT{point.X, point.Y}, MONITOR_DEFAULTTONEAREST);
      UINT x = 0, y = 0;
      if (monitor && SUCCEEDED(dpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && y > 0)
        return static_cast<int32_t>(y);
    }
  }
  return WindowDpi(nullptr);
}

std::wstring TWindowProbe::WindowExeName(HWND window) {
  const DWORD process = window ? GetWindowProcessId(window) : 0;
  if (process != 0 && window == exeNameWindow_ && process == exeNameProcess_) return exeName_;
  std::wstring name = GetWindowExeName(window);
  // Only a name that was read is kept: a process that could not be opened is asked again.
  exeNameWindow_ = name.empty() ? nullptr : window;
  exeNameProcess_ = name.empty() ? 0 : process;
  exeName_ = name;
  return name;
}
