#include "main/probe/win/window_probe.h"

#include <vector>

#include "base/checked.h"
#include "general/win/dpi.h"
#include "general/win/window_query.h"
#include "general/win/window_relations.h"
#include "main/probe/win/window_search.h"
#include "main/texts/message_texts.h"

HWND TWindowProbe::FindWindowUnderCursor(const Point& probe, const TWindowSearch& search) const {
  if (search.SystemHitTest) {
    const HWND w = WindowFromPoint(POINT{probe.X, probe.Y});
    Point client;
    ScreenPointToClient(w, probe, client);
    // The system's hit test stops at a window with a disabled control under the point.
    if (ChildWindowFromPoint(w, POINT{client.X, client.Y}) == w) return w;
  }
  return SearchWindowTree(probe, search.SkipLayered, search.SkipWindow);
}

void TWindowProbe::ReadWindowFacts(const TWindowSearch& search, TProbeInfo& info, uint32_t now,
                                   bool mayKeep) {
  const HWND window = FindWindowUnderCursor(info.ScreenPoint, search);
  // The monitor under the point; the screen's DPI where monitors have none of their own.
  info.Dpi = MonitorDpi(
      MonitorFromPoint(POINT{info.ScreenPoint.X, info.ScreenPoint.Y}, MONITOR_DEFAULTTONEAREST));
  if (mayKeep && window == factsWindow_ && info.Window == reinterpret_cast<uintptr_t>(window) &&
      now - factsRead_ < kFactsPeriod)
    return;
  factsWindow_ = window;
  factsRead_ = now;
  info.Window = reinterpret_cast<uintptr_t>(window);

  // With no window the conversion fails, the point stays and the origin is (0, 0).
  Point client;
  ScreenPointToClient(window, info.ScreenPoint, client);
  info.ClientOrigin =
      Point{CheckedSub(info.ScreenPoint.X, client.X), CheckedSub(info.ScreenPoint.Y, client.Y)};

  const std::wstring className = GetWindowClassName(window);
  info.ClassName = className;
  info.Text = ReadText(window, now);

  // A window that has gone away shows zeros rather than the last window's rectangle.
  Rect bounds;
  if (!GetWindowBounds(window, bounds)) bounds = Rect{};
  info.WindowRect = bounds;
  const HWND treeParent = GetParentWindow(window);
  Point position;
  ScreenPointToClient(treeParent, Point{bounds.Left, bounds.Top}, position);
  info.WindowPos = position;
  info.WindowSize = Size{RectWidth(bounds), RectHeight(bounds)};
  const Rect clientBounds = GetClientBounds(window);
  info.ClientSize = Size{clientBounds.Right, clientBounds.Bottom};

  ReadChangingFacts(window, treeParent, className, info);

  // With no window (or one gone meanwhile) the process is 0 and every process fact is empty.
  DWORD process = 0;
  info.ThreadId = window ? GetWindowThreadId(window, &process) : 0;
  info.ProcessId = process;
  if (process == 0) {
    kept_ = TKeptFacts{};
    info.ExeName.clear();
    info.Bitness = 0;
    info.Integrity.clear();
    info.DpiAwareness.clear();
    return;
  }
  const TKeptFacts& kept = KeptFacts(window, process);
  info.ExeName = kept.ExeName;
  info.Bitness = kept.Bitness;
  info.Integrity = IntegrityLevelName(kept.Integrity);
  info.DpiAwareness = DpiAwarenessName(kept.DpiAwareness);
}

// Each query of a window of another process is a trip to the window server under Wine (on
// Windows a read of shared memory): what the cycle has read already is not asked again.
void TWindowProbe::ReadChangingFacts(HWND window, HWND treeParent, const std::wstring& className,
                                     TProbeInfo& info) {
  const WindowStyles styles = ReadWindowStyles(window);
  info.Style = styles.Style;
  info.ExStyle = styles.ExStyle;

  const HWND parent = GetParentOrOwner(window);
  info.Parent = reinterpret_cast<uintptr_t>(parent);
  // The window's parent in the tree begins the chain above it; an owner is not part of it.
  const std::vector<std::wstring> above = parent && parent == treeParent
                                              ? GetParentChainClassNames(parent)
                                              : std::vector<std::wstring>();
  if (!above.empty())
    info.ParentClassName = above.front();
  else
    info.ParentClassName = parent ? GetWindowClassName(parent) : std::wstring();
  std::wstring chain = window ? className : std::wstring();
  for (const std::wstring& name : above) chain += L" < " + name;
  info.ParentChain = chain;

  // Without a compositor's answer the visible bounds are the window rectangle, read already.
  Rect visible;
  info.VisibleBounds = GetCompositorBounds(window, visible) ? visible : info.WindowRect;
  info.WindowDpi = DpiOfAnyWindow(window);
}

std::wstring TWindowProbe::ReadText(HWND window, uint32_t now) {
  if (window == silentWindow_ && now - silentSince_ < kSilencePeriod)
    return Message(TMessage::NoAnswer);
  bool answered = true;
  std::wstring text = ReadWindowText(window, &answered);
  if (answered) {
    silentWindow_ = nullptr;
    return text;
  }
  silentWindow_ = window;
  silentSince_ = now;
  return Message(TMessage::NoAnswer);
}

const TWindowProbe::TKeptFacts& TWindowProbe::KeptFacts(HWND window, DWORD process) {
  if (window != kept_.Window || process != kept_.Process) {
    kept_ = TKeptFacts{};
    kept_.Window = window;
    kept_.Process = process;
  }
  if (kept_.ExeName.empty()) kept_.ExeName = GetWindowExeName(window);
  if (kept_.Bitness == 0) kept_.Bitness = ProcessBitness(process);
  if (kept_.Integrity == TIntegrityLevel::Unknown) kept_.Integrity = ProcessIntegrityLevel(process);
  if (kept_.DpiAwareness == TDpiAwareness::Unknown)
    kept_.DpiAwareness = GetWindowDpiAwareness(window);
  return kept_;
}
