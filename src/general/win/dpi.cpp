#include "general/win/dpi.h"

#include "base/win/calling_convention.h"
#include "base/win/unique_handle.h"

namespace {

constexpr int kUnaware = 0;          // DPI_AWARENESS_UNAWARE
constexpr int kSystemAware = 1;      // DPI_AWARENESS_SYSTEM_AWARE
constexpr int kPerMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE
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

}  // namespace

bool PerMonitorDpiInEffect() {
  using GetContext = HANDLE(WINAPI*)();
  using AwarenessOf = int(WINAPI*)(HANDLE);
  static const GetContext getContext = User32Proc<GetContext>("GetThreadDpiAwarenessContext");
  static const AwarenessOf awarenessOf =
      User32Proc<AwarenessOf>("GetAwarenessFromDpiAwarenessContext");
  return getContext && awarenessOf && awarenessOf(getContext()) == kPerMonitorAware;
}

int32_t WindowDpi(HWND window) {
  using DpiForWindow = UINT(WINAPI*)(HWND);
  static const DpiForWindow dpiForWindow = User32Proc<DpiForWindow>("GetDpiForWindow");
  if (dpiForWindow && window && PerMonitorDpiInEffect()) {
    const UINT dpi = dpiForWindow(window);
    if (dpi > 0) return static_cast<int32_t>(dpi);
  }
  WindowDC screen(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : 96;
}

int32_t FrameMetricForDpi(int index, int32_t dpi) {
  using MetricsForDpi = int(WINAPI*)(int, UINT);
  static const MetricsForDpi forDpi = User32Proc<MetricsForDpi>("GetSystemMetricsForDpi");
  if (forDpi && dpi > 0) return forDpi(index, static_cast<UINT>(dpi));
  return GetSystemMetrics(index);
}

TDpiAwareness GetWindowDpiAwareness(HWND window) {
  using ContextOf = HANDLE(WINAPI*)(HWND);
  using AwarenessOf = int(WINAPI*)(HANDLE);
  using ContextsEqual = BOOL(WINAPI*)(HANDLE, HANDLE);
  static const ContextOf contextOf = User32Proc<ContextOf>("GetWindowDpiAwarenessContext");
  static const AwarenessOf awarenessOf =
      User32Proc<AwarenessOf>("GetAwarenessFromDpiAwarenessContext");
  static const ContextsEqual contextsEqual =
      User32Proc<ContextsEqual>("AreDpiAwarenessContextsEqual");
  if (!contextOf || !awarenessOf || !window) return TDpiAwareness::Unknown;
  const HANDLE context = contextOf(window);
  if (!context) return TDpiAwareness::Unknown;
  // The second version reports the same awareness as the first; only its context differs.
  if (contextsEqual && contextsEqual(context, kPerMonitorV2Context))
    return TDpiAwareness::PerMonitorV2;
  switch (awarenessOf(context)) {
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
  using DpiForWindow = UINT(WINAPI*)(HWND);
  static const DpiForWindow dpiForWindow = User32Proc<DpiForWindow>("GetDpiForWindow");
  if (!window) return 0;
  // The call answers 0 for a window that is gone.
  if (dpiForWindow) return static_cast<int32_t>(dpiForWindow(window));
  return IsWindow(window) ? WindowDpi(nullptr) : 0;
}
