// The window under the probe point and its facts, read into ProbeInfo. The executable name is
// kept while the probe stays over one window of one process: a window belongs to one process
// for its whole life, and the name is the dearest of the facts.
#pragma once
#include <windows.h>

#include <string>

#include "base/geometry.h"
#include "general/win/late_bound_proc.h"
#include "main/info_lines.h"

// What a search for the window under the point must pass over.
struct TWindowSearch {
  // The system's own hit test may answer: it sees every window, ours and layered ones too.
  bool SystemHitTest = true;
  bool SkipLayered = false;   // layered top-level windows are not in the picture
  HWND SkipWindow = nullptr;  // a top-level window that is not in the picture; null for none
};

class TWindowProbe {
 public:
  // The window that the facts describe; nullptr when none qualifies.
  HWND FindWindowUnderCursor(const Point& probe, const TWindowSearch& search) const;
  // The facts of the window under info.ScreenPoint, into info.
  void ReadWindowFacts(const TWindowSearch& search, TProbeInfo& info);

 private:
  std::wstring WindowExeName(HWND window);
  // The DPI of the monitor under the point; the screen's where monitors have no DPI of their
  // own. The library is the window's while it lives, like every handle it holds.
  int32_t MonitorDpi(const Point& point);
  LateBoundProc dpiForMonitor_{L"shcore.dll", "GetDpiForMonitor"};
  HWND exeNameWindow_ = nullptr;
  DWORD exeNameProcess_ = 0;
  std::wstring exeName_;
};
