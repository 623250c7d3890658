#include "general/win/window_relations.h"

#include "general/win/window_query.h"

namespace {
// The window's parent in the tree; nullptr for a top-level window, whose parent is the
// desktop.
HWND TreeParent(HWND window) {
  const HWND parent = GetAncestor(window, GA_PARENT);
  return parent == GetDesktopWindow() ? nullptr : parent;
}
}  // namespace

HWND GetParentOrOwner(HWND window) {
  // Both calls answer nullptr for a window that is gone.
  if (const HWND parent = TreeParent(window)) return parent;
  return GetWindow(window, GW_OWNER);
}

std::vector<std::wstring> GetParentChainClassNames(HWND window) {
  std::vector<std::wstring> names;
  for (HWND w = window; w; w = TreeParent(w)) {
    if (names.size() == kParentChainLimit - 1 && TreeParent(w)) {
      names.push_back(L"...");
      break;
    }
    // Every live window has a class name: an empty one means that the window is gone, and
    // with it the way further up. (Asking the name is also the test, which spares a call per
    // window; each is a trip to the window server for a window of another process.)
    std::wstring name = GetWindowClassName(w);
    if (name.empty()) break;
    names.push_back(std::move(name));
  }
  return names;
}
