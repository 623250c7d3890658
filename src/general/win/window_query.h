// What any window on the desktop tells about itself: class name, text, styles, rectangles,
// parent, process, thread and executable file. No query raises on a failure of the system: it
// gives an empty text, a zero rectangle or what the underlying call left. Only the text is
// asked of the window itself by message; everything else the system answers on its own, so a
// hung window costs nothing there.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "base/geometry.h"

// The class name, at most 254 characters: the wide call on the NT family, where class names
// may hold characters of any script; else the 8-bit call widened from the system code page.
std::wstring GetWindowClassName(HWND window);
// The window text, at most 255 characters: the wide calls on the NT family, else the 8-bit
// calls widened from the system code page. With `answered`, also whether the window answered
// where it had to be asked (see ReadWindowTextUnicode): false, with an empty text, when it
// did not answer in time.
std::wstring ReadWindowText(HWND window, bool* answered = nullptr);
// The NT path of ReadWindowText. A window whose caption is empty is asked by message, each
// message bounded by 500 ms, so that a hung window costs the caller no more than that.
std::wstring ReadWindowTextUnicode(HWND window, bool* answered = nullptr);

// Converts a copy of the screen point to the window's client coordinates. On failure the
// copy stays as it was; the answer is the call's result.
bool ScreenPointToClient(HWND window, const Point& screenPoint, Point& clientPoint);
// The window rectangle in screen coordinates. On failure `bounds` is as the call left it.
bool GetWindowBounds(HWND window, Rect& bounds);
// (0, 0, client width, client height); all zero when the call fails.
Rect GetClientBounds(HWND window);
// The parent as GetAncestor(GA_PARENT) gives it: the desktop window for a top-level window.
HWND GetParentWindow(HWND window);
DWORD GetWindowProcessId(HWND window);
// The thread that created the window and runs its messages; 0 when the window is gone. With
// processId, also the window's process, from the same call.
DWORD GetWindowThreadId(HWND window, DWORD* processId = nullptr);
// Full path of the executable of the window's process. From Windows Vista on it is asked with
// the limited query right, which elevated and protected processes grant too; where that fails,
// or before Vista, by reading the process's module list. Empty when neither works, and always
// on the Windows 95 family.
std::wstring GetWindowExeName(HWND window);

struct WindowStyles {
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
};
// The style and extended style; zero when the window is gone.
WindowStyles ReadWindowStyles(HWND window);
// The bounds the desktop compositor draws, without the invisible resize borders that the
// window rectangle includes from Windows Vista on; the window rectangle where there is no
// compositor or it does not answer for the window. The compositor always answers in physical
// pixels, as the window rectangle does for this per-monitor aware program. Zero when the window
// is gone.
Rect GetVisibleBounds(HWND window);
// The compositor's part of that: false, with `bounds` untouched, where it does not answer.
bool GetCompositorBounds(HWND window, Rect& bounds);
