// The window under the probe point and its facts, read into ProbeInfo. What cannot change
// while the probe stays over one window of one process (the executable, the bitness, the
// integrity level, the DPI awareness) is kept: a window belongs to one process and one thread
// for its whole life, and these are the dearest of the facts. Styles, parent and rectangles
// change at any time and are read every cycle. A window whose text must be asked of it and that
// did not answer in time is not asked again for a while, so that a busy window does not stall
// every cycle over it.
#pragma once
#include <windows.h>

#include <string>

#include "base/geometry.h"
#include "general/win/dpi.h"
#include "general/win/process_query.h"
#include "main/probe/info_lines.h"

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
  // The facts of the window under info.ScreenPoint, into info; `now` is the tick count. With
  // mayKeep, the facts of the window that info describes already are kept if they were read
  // less than kFactsPeriod ago and that window is still the one under the point: only what
  // depends on the point itself is read.
  void ReadWindowFacts(const TWindowSearch& search, TProbeInfo& info, uint32_t now,
                       bool mayKeep = false);
  static constexpr uint32_t kFactsPeriod = 100;
  // How long a window that did not answer is left alone while it stays under the probe: about
  // as long as the system takes to count a silent window as hung.
  static constexpr uint32_t kSilencePeriod = 5000;

 private:
  // One window's lasting facts. A fact that could not be read is asked again next cycle.
  struct TKeptFacts {
    HWND Window = nullptr;
    DWORD Process = 0;
    std::wstring ExeName;
    int32_t Bitness = 0;
    TIntegrityLevel Integrity = TIntegrityLevel::Unknown;
    TDpiAwareness DpiAwareness = TDpiAwareness::Unknown;
  };
  const TKeptFacts& KeptFacts(HWND window, DWORD process);
  // The window's text; the no-answer message when it did not answer now or is left alone.
  std::wstring ReadText(HWND window, uint32_t now);
  // The facts that change at any time: styles, parent, parent chain, visible bounds, DPI.
  // The tree parent and the class name are those the cycle read already.
  void ReadChangingFacts(HWND window, HWND treeParent, const std::wstring& className,
                         TProbeInfo& info);
  TKeptFacts kept_;
  // The window whose facts info holds, and when they were read.
  HWND factsWindow_ = nullptr;
  uint32_t factsRead_ = 0;
  // The window under the probe that last did not answer, and since when; null for none.
  HWND silentWindow_ = nullptr;
  uint32_t silentSince_ = 0;
};
