// The cursor and the keyboard as they are at this moment.
#pragma once
#include <windows.h>

#include <string>

#include "base/geometry.h"
#include "general/helpers.h"

Point GetCursorPoint();
Point GetCursorClientPoint(HWND window);
// Physical state now, with VK_LBUTTON/VK_RBUTTON meaning the logical buttons.
bool IsKeyDown(int virtualKey);
int32_t DragAngle(const Point& start, const Point& end);
DragWay DragDirection(const Point& start, const Point& end);
