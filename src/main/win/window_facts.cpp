// The facts of the window under the probe point.
#include "base/checked.h"
#include "general/win/codepage.h"
#include "general/win/window_query.h"
#include "main/main.h"

void TApp_Loupist::ReadWindowFacts() {
  TProbeInfo& info = ProbeInfo;
  const HWND window = FindWindowUnderCursor(info.ScreenPoint);
  info.Window = reinterpret_cast<uintptr_t>(window);

  // With no window the conversion fails, the point stays and the origin is (0, 0).
  Point client;
  ScreenPointToClient(window, info.ScreenPoint, client);
  info.ClientOrigin =
      Point{CheckedSub(info.ScreenPoint.X, client.X), CheckedSub(info.ScreenPoint.Y, client.Y)};

  info.ClassName = AnsiToWide(GetWindowClassName(window));
  info.Text = ReadWindowText(window);

  // A window that has gone away shows zeros rather than the last window's rectangle.
  Rect bounds;
  if (!GetWindowBounds(window, bounds)) bounds = Rect{};
  info.WindowRect = bounds;
  Point position;
  ScreenPointToClient(GetParentWindow(window), Point{bounds.Left, bounds.Top}, position);
  info.WindowPos = position;
  info.WindowSize = Size{RectWidth(bounds), RectHeight(bounds)};
  const Rect clientBounds = GetClientBounds(window);
  info.ClientSize = Size{clientBounds.Right, clientBounds.Bottom};

  info.ExeName = WindowExeName(window);
}

std::wstring TApp_Loupist::WindowExeName(HWND window) {
  const DWORD process = window ? GetWindowProcessId(window) : 0;
  if (process != 0 && window == exeNameWindow_ && process == exeNameProcess_) return exeName_;
  std::wstring name = GetWindowExeName(window);
  // Only a name that was read is kept: a process that could not be opened is asked again.
  exeNameWindow_ = name.empty() ? nullptr : window;
  exeNameProcess_ = name.empty() ? 0 : process;
  exeName_ = name;
  return name;
}
