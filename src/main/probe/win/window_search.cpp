// The window under the probe point: the walk of the window tree.
#include "main/probe/win/window_search.h"

#include "base/checked.h"
#include "base/win/unique_handle.h"
#include "general/win/window_query.h"

namespace {
bool Contains(const Rect& r, const Point& p) {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

// Visible and containing the point in its window rectangle.
bool VisibleAt(HWND window, const Point& p, Rect& bounds) {
  return GetWindowBounds(window, bounds) && IsWindowVisible(window) && Contains(bounds, p);
}

// A window region is in window coordinates; outside it the window shows nothing.
bool OutsideRegion(HWND window, const Rect& bounds, const Point& p) {
  const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  if (!region || GetWindowRgn(window, region.get()) == ERROR) return false;
  return !PtInRegion(region.get(), CheckedSub(p.X, bounds.Left), CheckedSub(p.Y, bounds.Top));
}

bool TopLevelQualifies(HWND window, const WindowSearchState& s) {
  Rect bounds;
  if (!VisibleAt(window, s.Probe, bounds)) return false;
  if (s.SkipLayered && (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0) return false;
  if (window == s.SkipWindow) return false;
  return !OutsideRegion(window, bounds, s.Probe);
}
}  // namespace

BOOL CALLBACK TopLevelWindowProbe(HWND window, LPARAM state) {
  WindowSearchState& s = *reinterpret_cast<WindowSearchState*>(state);
  try {
    if (!TopLevelQualifies(window, s)) return TRUE;
    s.Found = window;
    s.FoundParent = GetParentWindow(window);
    const Rect client = GetClientBounds(window);
    // A window that is all frame hides its children; it is the answer itself.
    if (RectWidth(client) > 0 || RectHeight(client) > 0)
      EnumChildWindows(window, ChildWindowProbe, state);
  } catch (...) {
    s.Error = std::current_exception();
  }
  return FALSE;
}

BOOL CALLBACK ChildWindowProbe(HWND window, LPARAM state) {
  WindowSearchState& s = *reinterpret_cast<WindowSearchState*>(state);
  Rect bounds;
  if (!VisibleAt(window, s.Probe, bounds)) return TRUE;
  const HWND parent = GetParentWindow(window);
  if (parent == s.Found) {
    s.Found = window;
    s.FoundParent = parent;
    return TRUE;
  }
  // A later sibling of the answer or of one of its ancestors lies lower in z-order: the answer
  // stands and the rest need no visit. Otherwise the window hangs below one that missed the
  // point, which clips it away where it reaches beyond: it shows nothing there.
  return IsChild(parent, s.Found) ? FALSE : TRUE;
}

HWND SearchWindowTree(const Point& probe, bool skipLayered, HWND skipWindow) {
  WindowSearchState state;
  state.Probe = probe;
  state.SkipLayered = skipLayered;
  state.SkipWindow = skipWindow;
  EnumWindows(TopLevelWindowProbe, reinterpret_cast<LPARAM>(&state));
  if (state.Error) std::rethrow_exception(state.Error);
  return state.Found;
}
