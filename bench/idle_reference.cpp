// What a magnifier with a still cursor cannot avoid on this system: a 60 ms message timer
// whose every tick pumps the pending messages and reads the cursor, and a bare reference
// frame (reference_loop.h) once the point has stood still for a second. scripts/bench reads
// this process's CPU time from the host while it runs, as it does the program's.
// Usage under Wine: idle_reference.exe [seconds, default 30]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/reference_loop.h"

namespace {

constexpr UINT kTick = 60;
constexpr DWORD kStillPeriod = 1000;
constexpr int kWidth = 221, kZoomAreaHeight = 150, kZoom = 6, kLineHeight = 15;

struct Idle {
  std::unique_ptr<ReferenceLoop> frame;
  POINT last{-1, -1};
  DWORD lastFrame = 0;
};
Idle* idle = nullptr;

LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_TIMER && idle && idle->frame) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    POINT p;
    GetCursorPos(&p);
    const DWORD now = GetTickCount();
    if (p.x != idle->last.x || p.y != idle->last.y || now - idle->lastFrame > kStillPeriod) {
      idle->frame->Frame(p);
      idle->last = p;
      idle->lastFrame = now;
    }
    return 0;
  }
  if (m == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(h, m, w, l);
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
  WNDCLASSW wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"LoupistIdleReference";
  RegisterClassW(&wc);
  // The program's default lines: title, colour, cursor positions, window facts.
  const std::vector<std::wstring> lines = {L"RGB (128,128,128)  #808080",
                                           L"Screen  640, 512",
                                           L"Client  640, 512",
                                           L"Window 00010020",
                                           L"Class  #32769",
                                           L"Text"};
  const int height = kZoomAreaHeight + 2 + kLineHeight * static_cast<int>(lines.size() + 1);
  HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"Reference",
                                WS_POPUP | WS_VISIBLE, 75, 75, kWidth, height, nullptr, nullptr,
                                wc.hInstance, nullptr);
  if (!window) {
    std::printf("cannot create the reference window\n");
    return 1;
  }
  Idle state;
  state.frame =
      std::make_unique<ReferenceLoop>(window, kWidth, height, kZoomAreaHeight, kZoom, true, lines,
                                      static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  state.frame->facts_ = true;
  idle = &state;
  SetTimer(window, 1, kTick, nullptr);
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < static_cast<DWORD>(seconds) * 1000 &&
         GetMessageW(&msg, nullptr, 0, 0) > 0)
    DispatchMessageW(&msg);
  KillTimer(window, 1);
  idle = nullptr;
  state.frame.reset();
  DestroyWindow(window);
  return 0;
}
