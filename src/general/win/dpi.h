// The DPI a window is drawn for, where the system can tell it per monitor, and how a window of
// any process deals with DPI.
#pragma once
#include <windows.h>

#include <cstdint>

// A thread that is per-monitor aware (the manifest asks for it; systems before Windows 8.1
// ignore that) gets its window's own DPI, which is its monitor's; any other thread, and any
// system without the calls, gets the screen's. Never less than 1.
int32_t WindowDpi(HWND window);
// True when this thread is per-monitor DPI aware, as the manifest asks; checked at run time,
// since older systems ignore the manifest's request. Windows 8.1, which cannot tell a thread's
// awareness, tells the process's.
bool PerMonitorDpiInEffect();
// The monitor's own DPI where monitors have one for this thread; else the screen's.
int32_t MonitorDpi(HMONITOR monitor);
// The system's sizing-frame width or height (SM_CXFRAME, SM_CYFRAME) for that DPI.
int32_t FrameMetricForDpi(int index, int32_t dpi);
// A seam for the tests: while on, the calls that came with Windows 10 (the DPI awareness of
// threads and windows, a window's DPI, metrics for a DPI) count as missing, as on Windows 8.1.
void PlayWindows81(bool on);

enum class TDpiAwareness { Unknown, Unaware, System, PerMonitor, PerMonitorV2 };
// How the window (of any process) is drawn for the DPI: the awareness its thread had when it was
// created. Unknown where the system cannot tell it per window (before Windows 10 version 1607)
// and when the window is gone. An unaware window that the system scales by GDI counts as
// Unaware.
TDpiAwareness GetWindowDpiAwareness(HWND window);
// "Unaware", "System", "PerMonitor", "PerMonitorV2"; "?" for Unknown.
const wchar_t* DpiAwarenessName(TDpiAwareness awareness);
// The DPI the window (of any process) is drawn for, as it sees it: 96 for an unaware window
// whatever its monitor. The screen's where the system cannot tell it per window; 0 when the
// window is gone.
int32_t DpiOfAnyWindow(HWND window);
