// The cursor and the keyboard as they are at this moment.
#pragma once
#include <windows.h>

#include <string>

#include "base/geometry.h"

Point GetCursorPoint();
Point GetCursorClientPoint(HWND window);
// Physical state now, with VK_LBUTTON/VK_RBUTTON meaning the logical buttons.
bool IsKeyDown(int virtualKey);
int32_t DragAngle(const Point& start, const Point& end);
std::wstring DragDirection(const Point& start, const Point& end);
