// The rectangle a top-level window has in its normal (restored) state. A minimised window
// still has one: it is where the window comes back to, and any move of a minimised window
// must go there, not to the icon's place.
#pragma once
#include <windows.h>

#include "base/geometry.h"

// Screen coordinates of the window's normal rectangle, whatever its state now.
Rect NormalWindowRect(HWND window);
// Gives the window this normal rectangle (screen coordinates). A window shown normally is
// moved at once; a minimised one stays minimised and comes back there when restored.
void SetNormalWindowRect(HWND window, const Rect& bounds);
