// Where a window stands among the others: the window it belongs to and the windows it lies in.
// These ask the system's window tree only, never the windows themselves, so a hung window
// costs nothing.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// For a child window its parent; for a top-level window its owner; nullptr for a top-level
// window without an owner, and when the window is gone. The tree decides, not the WS_CHILD
// bit: a window moved into another by SetParent without that bit is drawn inside it all the
// same.
HWND GetParentOrOwner(HWND window);

// The class names (as GetWindowClassName gives them) of the window and of each parent above
// it, up to and including its top-level window; the owner of a top-level window is not part of
// it. Empty when the window is gone. At most kParentChainLimit names; a deeper tree ends in
// "...".
std::vector<std::wstring> GetParentChainClassNames(HWND window);
constexpr size_t kParentChainLimit = 64;
