#include "general/win/window_placement.h"

#include "base/checked.h"

namespace {

// The placement of a top-level window that is no tool window is in workspace coordinates,
// which start at the primary monitor's work area (a task bar on the left or top moves them).
POINT WorkspaceOrigin(HWND window) {
  if ((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0) return POINT{0, 0};
  RECT work{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return POINT{0, 0};
  return POINT{work.left, work.top};
}

}  // namespace

Rect NormalWindowRect(HWND window) {
  if (!IsIconic(window) && !IsZoomed(window)) {
    RECT r{};
    GetWindowRect(window, &r);
    return Rect{r.left, r.top, r.right, r.bottom};
  }
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (!GetWindowPlacement(window, &placement)) return Rect{};
  const POINT origin = WorkspaceOrigin(window);
  const RECT& r = placement.rcNormalPosition;
  return Rect{CheckedAdd(r.left, origin.x), CheckedAdd(r.top, origin.y),
              CheckedAdd(r.right, origin.x), CheckedAdd(r.bottom, origin.y)};
}

void SetNormalWindowRect(HWND window, const Rect& bounds) {
  if (!IsIconic(window) && !IsZoomed(window)) {
    SetWindowPos(window, nullptr, bounds.Left, bounds.Top, CheckedSub(bounds.Right, bounds.Left),
                 CheckedSub(bounds.Bottom, bounds.Top), SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (!GetWindowPlacement(window, &placement)) return;
  const POINT origin = WorkspaceOrigin(window);
  placement.rcNormalPosition =
      RECT{CheckedSub(bounds.Left, origin.x), CheckedSub(bounds.Top, origin.y),
           CheckedSub(bounds.Right, origin.x), CheckedSub(bounds.Bottom, origin.y)};
  // Setting the placement also applies its show command: keep the window as it is, and never
  // let it take the activation from the program the user is in.
  if (IsIconic(window)) placement.showCmd = SW_SHOWMINNOACTIVE;
  placement.flags = placement.flags & WPF_RESTORETOMAXIMIZED;
  SetWindowPlacement(window, &placement);
}
