// The DPI a window is drawn for, where the system can tell it per monitor.
#pragma once
#include <windows.h>

#include <cstdint>

// A thread that is per-monitor aware (the manifest asks for it; systems before Windows 8.1
// ignore that) gets its window's own DPI, which is its monitor's; any other thread, and any
// system without the calls, gets the screen's. Never less than 1.
int32_t WindowDpi(HWND window);
// True when this thread is per-monitor DPI aware, as the manifest asks; checked at run time,
// since older systems ignore the manifest's request.
bool PerMonitorDpiInEffect();
// The system's sizing-frame width or height (SM_CXFRAME, SM_CYFRAME) for that DPI.
int32_t FrameMetricForDpi(int index, int32_t dpi);
