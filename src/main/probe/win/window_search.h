// The walk of the window tree that finds the window under a screen point, also disabled
// controls, which the system's own hit test passes over.
#pragma once
#include <windows.h>

#include <exception>

#include "base/geometry.h"

// One search; handed to the enumeration callbacks by address.
struct WindowSearchState {
  HWND Found = nullptr;        // the best window so far
  HWND FoundParent = nullptr;  // its parent, as GetParentWindow gives it
  Point Probe;                 // the screen point
  bool SkipLayered = false;    // pass over layered top-level windows
  HWND SkipWindow = nullptr;   // a top-level window to pass over; nullptr for none
  std::exception_ptr Error;    // carried out of a callback, raised after the enumeration
};

// Callbacks of EnumWindows and EnumChildWindows; lParam is the WindowSearchState.
BOOL CALLBACK TopLevelWindowProbe(HWND window, LPARAM state);
BOOL CALLBACK ChildWindowProbe(HWND window, LPARAM state);

// The full walk: the first qualifying top-level window in z-order, then its deepest child
// under the point. nullptr when no visible top-level window qualifies.
HWND SearchWindowTree(const Point& probe, bool skipLayered, HWND skipWindow);
