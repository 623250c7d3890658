// Rounding, ranges and drag classification: pure arithmetic on plain values.
#pragma once
#include <cstdint>
#include <string>

#include "base/geometry.h"

// Rounding works in long double (80-bit on x86 builds).
int64_t RoundNearest(long double x);  // halves away from zero
int64_t RoundUp(long double x);
int64_t RoundDown(long double x);
int64_t RoundOutward(long double x);  // away from zero to a whole number

int32_t Clamp(int32_t value, int32_t low, int32_t high);
int32_t WrapAround(int32_t value, int32_t low, int32_t high);

// Angle of a drag in whole degrees counter-clockwise from the right, 0..359,
// or -1 when neither axis moved further than three double-click sizes.
int32_t DragAngle(const Point& start, const Point& end, int32_t doubleClickWidth,
                  int32_t doubleClickHeight);
// Which way a drag went: a quarter of the circle around each axis, or none for no angle.
enum class DragWay { kNone, kUp, kDown, kLeft, kRight };
DragWay DragWayOfAngle(int32_t angle);
