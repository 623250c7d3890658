#include "general/win/dpi.h"

#include "base/win/unique_handle.h"

namespace {

constexpr int kPerMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE

// user32 is in every process from its start, so its entry points need no load of their own.
template <typename Fn>
Fn User32Proc(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (!user32) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
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
