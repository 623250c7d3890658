#include "tests/e2e/scene.h"

#include "tests/e2e/program.h"

ColorWindow::ColorWindow(int left, int top, int width, int height, COLORREF color) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LoupistE2EColor";
    RegisterClassW(&wc);
    registered = true;
  }
  brush_ = CreateSolidBrush(color);
  hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"LoupistE2EColor",
                          L"color", WS_POPUP, left, top, width, height, nullptr, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  SetClassLongPtrW(hwnd_, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush_));
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  InvalidateRect(hwnd_, nullptr, TRUE);
  UpdateWindow(hwnd_);
  PumpFor(100);
}

ColorWindow::~ColorWindow() {
  DestroyWindow(hwnd_);
  DeleteObject(brush_);
}
