#include "general/win/input_state.h"

#include "general/helpers.h"

Point GetCursorPoint() {
  POINT p{0, 0};
  if (!GetCursorPos(&p)) return Point{0, 0};
  return Point{p.x, p.y};
}

Point GetCursorClientPoint(HWND window) {
  const Point screen = GetCursorPoint();
  POINT p{screen.X, screen.Y};
  ScreenToClient(window, &p);
  return Point{p.x, p.y};
}

bool IsKeyDown(int virtualKey) {
  if (GetSystemMetrics(SM_SWAPBUTTON)) {
    if (virtualKey == VK_LBUTTON)
      virtualKey = VK_RBUTTON;
    else if (virtualKey == VK_RBUTTON)
      virtualKey = VK_LBUTTON;
  }
  return (static_cast<unsigned short>(GetAsyncKeyState(virtualKey)) & 0xFF00) != 0;
}

int32_t DragAngle(const Point& start, const Point& end) {
  return DragAngle(start, end, GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK));
}

DragWay DragDirection(const Point& start, const Point& end) {
  return DragWayOfAngle(DragAngle(start, end));
}
