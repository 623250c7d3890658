#include "bench/pointer_bench.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench/bench_clock.h"
#include "main/form/win/internals.h"
#include "main/form/win/main.h"

namespace {

// The window's pixels as the screen shows them.
class WindowPixels {
 public:
  explicit WindowPixels(HWND window) : window_(window) {}
  std::vector<uint32_t> Read() {
    RECT r{};
    GetWindowRect(window_, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<uint32_t> pixels(static_cast<std::size_t>(w) * h);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::copy_n(static_cast<const uint32_t*>(bits), pixels.size(), pixels.begin());
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
  }

 private:
  HWND window_;
};

POINT Cursor() {
  POINT p{};
  GetCursorPos(&p);
  return p;
}

void MoveBySendInput(POINT p) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(p.x - GetSystemMetrics(SM_XVIRTUALSCREEN), 65535,
                       GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1);
  input.mi.dy = MulDiv(p.y - GetSystemMetrics(SM_YVIRTUALSCREEN), 65535,
                       GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  SendInput(1, &input, sizeof(input));
}

// xdotool started by its Linux path; the move is timed from when GetCursorPos shows it, so the
// program's start-up does not count.
void MoveByXTestDevice(POINT p) {
  std::wstring command =
      L"Z:\\usr\\bin\\xdotool mousemove " + std::to_wstring(p.x) + L" " + std::to_wstring(p.y);
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

struct Latencies {
  std::vector<double> ms;
  int lost = 0;  // moves whose picture did not change within a second
};

// On a thread of its own, while the window's thread runs its message loop: each move at a random
// moment, then GetCursorPos until it shows the move, then the screen until the window changes.
Latencies TimeMoves(HWND window, void (*move)(POINT), int moves, std::mt19937& random) {
  Latencies out;
  WindowPixels pixels(window);
  std::uniform_int_distribution<int> pause(40, 160), x(100, 700), y(300, 900);
  for (int i = 0; i < moves; ++i) {
    Sleep(static_cast<DWORD>(pause(random)));
    const std::vector<uint32_t> before = pixels.Read();
    const POINT from = Cursor();
    POINT to{x(random), y(random)};
    if (std::abs(to.x - from.x) < 20) to.x = from.x < 400 ? from.x + 40 : from.x - 40;
    move(to);
    double t0 = Seconds();
    while (Cursor().x == from.x && Cursor().y == from.y && Seconds() - t0 < 2) {
    }
    t0 = Seconds();
    bool changed = false;
    while (!changed && Seconds() - t0 < 1) changed = pixels.Read() != before;
    if (changed)
      out.ms.push_back((Seconds() - t0) * 1e3);
    else
      ++out.lost;
  }
  return out;
}

// The pointer moved every millisecond in a circle, as a fast mouse reports, for `seconds`.
void MoveOnAndOn(double seconds) {
  const double start = Seconds();
  for (int step = 0; Seconds() - start < seconds; ++step) {
    const double angle = step * 0.01;
    MoveBySendInput(POINT{400 + static_cast<LONG>(200 * std::cos(angle)),
                          600 + static_cast<LONG>(200 * std::sin(angle))});
    Sleep(1);
  }
}

double ThreadCpuSeconds(HANDLE thread) {
  FILETIME created, exited, kernel, user;
  if (!GetThreadTimes(thread, &created, &exited, &kernel, &user)) return 0;
  const auto value = [](const FILETIME& t) {
    return (static_cast<uint64_t>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
  };
  return value(kernel) + value(user);
}

// Runs the window's message loop until `done`, as the program's own loop would.
void RunLoopUntil(const std::atomic<bool>& done) {
  while (!done) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

void Report(const char* way, bool on, Latencies l) {
  if (l.ms.empty()) {
    std::printf("pointer latency %-13s instant follow %-3s: nothing drawn\n", way,
                on ? "on" : "off");
    return;
  }
  std::sort(l.ms.begin(), l.ms.end());
  std::printf(
      "pointer latency %-13s instant follow %-3s: median %.1f ms p95 %.1f ms max %.1f ms "
      "(%zu moves, %d not drawn within 1 s)\n",
      way, on ? "on" : "off", l.ms[l.ms.size() / 2], l.ms[l.ms.size() * 95 / 100], l.ms.back(),
      l.ms.size(), l.lost);
}

}  // namespace

void MeasurePointerFollow(bool instantFollow) {
  auto app = std::make_unique<TApp_Loupist>();
  LoupistInternals a(*app);
  Action& option = a.Command(Cmd::actOpt_InstantFollow);
  if (option.Checked() != instantFollow) option.Execute();
  // Top right, clear of where the pointer goes; the defaults otherwise.
  SetWindowPos(app->Handle(), HWND_TOPMOST, 1280 - app->ClientWidth() - 10, 5, 0, 0, SWP_NOSIZE);
  SetCursorPos(400, 600);
  std::atomic<bool> done{false};
  HANDLE uiThread = nullptr;
  DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &uiThread, 0, FALSE,
                  DUPLICATE_SAME_ACCESS);
  Latencies device, sendInput;
  double cpu = 0, wall = 0;
  uint32_t captures = 0;
  std::thread mover([&] {
    std::mt19937 random(27);
    Sleep(500);
    device = TimeMoves(app->Handle(), MoveByXTestDevice, 100, random);
    sendInput = TimeMoves(app->Handle(), MoveBySendInput, 100, random);
    const double cpu0 = ThreadCpuSeconds(uiThread), t0 = Seconds();
    const uint32_t captures0 = a.Captures();
    MoveOnAndOn(5);
    cpu = ThreadCpuSeconds(uiThread) - cpu0;
    wall = Seconds() - t0;
    captures = a.Captures() - captures0;
    done = true;
  });
  RunLoopUntil(done);
  mover.join();
  CloseHandle(uiThread);
  Report("X test device", instantFollow, device);
  Report("SendInput", instantFollow, sendInput);
  std::printf(
      "pointer moving on and on       instant follow %-3s: %.0f cycles a second, %.1f %% of one "
      "core (the window's thread)\n",
      instantFollow ? "on" : "off", captures / wall, 100 * cpu / wall);
}
