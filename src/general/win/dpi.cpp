#include "general/win/dpi.h"

#include "base/win/calling_convention.h"
#include "base/win/unique_handle.h"
#include "general/win/late_bound_proc.h"

namespace {

constexpr int kUnaware = 0;                 // DPI_AWARENESS_UNAWARE
constexpr int kSystemAware = 1;             // DPI_AWARENESS_SYSTEM_AWARE
constexpr int kPerMonitorAware = 2;         // DPI_AWARENESS_PER_MONITOR_AWARE
constexpr int kProcessPerMonitorAware = 2;  // PROCESS_PER_MONITOR_DPI_AWARE
constexpr int kEffectiveDpi = 0;            // MDT_EFFECTIVE_DPI
// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, a pseudo handle. The context that a window
// reports is a value of its own; only the system's comparison matches the two.
const HANDLE kPerMonitorV2Context = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-4));

// user32 is in every process from its start, so its entry points need no load of their own.
template <typename Fn>
Fn User32Proc(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (!user32) return nullptr;
  return ProcAs<Fn>(GetProcAddress(user32, name));
}

// The DPI calls that came with Windows 10; Windows 8.1 has per-monitor DPI without them.
struct TWindows10DpiCalls {
  HANDLE(WINAPI* ThreadContext)() = nullptr;
  int(WINAPI* AwarenessOf)(HANDLE) = nullptr;
  BOOL(WINAPI* ContextsEqual)(HANDLE, HANDLE) = nullptr;
  HANDLE(WINAPI* WindowContext)(HWND) = nullptr;
  UINT(WINAPI* DpiForWindow)(HWND) = nullptr;
  int(WINAPI* MetricsForDpi)(int, UINT) = nullptr;
};

bool playWindows81 = false;

const TWindows10DpiCalls& Windows10DpiCalls() {
  static const TWindows10DpiCalls calls = [] {
    TWindows10DpiCalls c;
    c.ThreadContext = User32Proc<decltype(c.ThreadContext)>("GetThreadDpiAwarenessContext");
    c.AwarenessOf = User32Proc<decltype(c.AwarenessOf)>("GetAwarenessFromDpiAwarenessContext");
    c.ContextsEqual = User32Proc<decltype(c.ContextsEqual)>("AreDpiAwarenessContextsEqual");
    c.WindowContext = User32Proc<decltype(c.WindowContext)>("GetWindowDpiAwarenessContext");
    c.DpiForWindow = User32Proc<decltype(c.DpiForWindow)>("GetDpiForWindow");
    c.MetricsForDpi = User32Proc<decltype(c.MetricsForDpi)>("GetSystemMetricsForDpi");
    return c;
  }();
  static const TWindows10DpiCalls none;
  return playWindows81 ? none : calls;
}

// Windows 8.1's way: the process's awareness, which the manifest sets before any window, asked
// once of shcore (which older systems lack).
bool ProcessIsPerMonitorAware() {
  using ProcessAwareness = HRESULT(WINAPI*)(HANDLE, int*);
  static const bool perMonitor = [] {
    LateBoundProc proc(L"shcore.dll", "GetProcessDpiAwareness");
    const auto awareness = ProcAs<ProcessAwareness>(proc.Get());
    int value = 0;
    return awareness && SUCCEEDED(awareness(nullptr, &value)) && value == kProcessPerMonitorAware;
  }();
  return perMonitor;
}

int32_t ScreenDpi() {
  WindowDC screen(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : 96;
}

}  // namespace

void PlayWindows81(bool on) { playWindows81 = on; }

bool PerMonitorDpiInEffect() {
  const TWindows10DpiCalls& calls = Windows10DpiCalls();
  if (calls.ThreadContext && calls.AwarenessOf)
    return calls.AwarenessOf(calls.ThreadContext()) == kPerMonitorAware;
  return ProcessIsPerMonitorAware();
}

int32_t MonitorDpi(HMONITOR monitor) {
  using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  // The library stays for the process: it is asked on every capture cycle.
  static ResidentProc proc(L"shcore.dll", "GetDpiForMonitor");
  if (monitor && PerMonitorDpiInEffect()) {
    if (const auto dpiForMonitor = ProcAs<DpiForMonitor>(proc.Get())) {
      UINT x = 0, y = 0;
      if (SUCCEEDED(dpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && y > 0)
        return static_cast<int32_t>(y);
    }
  }
  return ScreenDpi();
}

int32_t WindowDpi(HWND window) {
  if (!window || !PerMonitorDpiInEffect()) return ScreenDpi();
  if (const auto dpiForWindow = Windows10DpiCalls().DpiForWindow) {
    const UINT dpi = dpiForWindow(window);
    if (dpi > 0) return static_cast<int32_t>(dpi);
  }
  // Windows 8.1: a per-monitor aware window is drawn for its monitor.
  return MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

int32_t FrameMetricForDpi(int index, int32_t dpi) {
  if (dpi <= 0) return GetSystemMetrics(index);
  if (const auto forDpi = Windows10DpiCalls().MetricsForDpi)
    return forDpi(index, static_cast<UINT>(dpi));
  // Windows 8.1 gives the metrics of the screen's DPI, whatever the monitor's; older systems
  // have no DPI but the screen's.
  if (!PerMonitorDpiInEffect()) return GetSystemMetrics(index);
  return MulDiv(GetSystemMetrics(index), dpi, ScreenDpi());
}

TDpiAwareness GetWindowDpiAwareness(HWND window) {
  const TWindows10DpiCalls& calls = Windows10DpiCalls();
  if (!calls.WindowContext || !calls.AwarenessOf || !window) return TDpiAwareness::Unknown;
  const HANDLE context = calls.WindowContext(window);
  if (!context) return TDpiAwareness::Unknown;
  // The second version reports the same awareness as the first; only its context differs.
  if (calls.ContextsEqual && calls.ContextsEqual(context, kPerMonitorV2Context))
    return TDpiAwareness::PerMonitorV2;
  switch (calls.AwarenessOf(context)) {
    case kUnaware:
      return TDpiAwareness::Unaware;
    case kSystemAware:
      return TDpiAwareness::System;
    case kPerMonitorAware:
      return TDpiAwareness::PerMonitor;
    default:
      return TDpiAwareness::Unknown;
  }
}

const wchar_t* DpiAwarenessName(TDpiAwareness awareness) {
  switch (awareness) {
    case TDpiAwareness::Unaware:
      return L"Unaware";
    case TDpiAwareness::System:
      return L"System";
    case TDpiAwareness::PerMonitor:
      return L"PerMonitor";
    case TDpiAwareness::PerMonitorV2:
      return L"PerMonitorV2";
    case TDpiAwareness::Unknown:
      break;
  }
  return L"?";
}

int32_t DpiOfAnyWindow(HWND window) {
  if (!window) return 0;
  // The call answers 0 for a window that is gone.
  if (const auto dpiForWindow = Windows10DpiCalls().DpiForWindow)
    return static_cast<int32_t>(dpiForWindow(window));
  return IsWindow(window) ? ScreenDpi() : 0;
}
