// The eased paths of the movers: where the mouse cursor or the held probe point
// stands after each step of a move, and when that step is due.
#pragma once
#include <cstdint>
#include <vector>

#include "base/geometry.h"

struct TimedStep {
  Point At;
  uint32_t DueMs;  // after the start of the move
};

// The cursor's way back to a target: nothing when it is within 10 pixels on both
// axes (it is set there at once); otherwise nine equal steps of 10 ms along the
// straight line. The target itself, which ends every move, is not among the steps.
std::vector<TimedStep> ReturnCursorSteps(const Point& from, const Point& to);

// The probe point's glide: nothing when it is within 5 pixels on both axes;
// otherwise four steps of 40 ms, each covering i/5 of what is left after the
// previous one, so the glide slows down towards the target. The target is not
// among the steps.
std::vector<TimedStep> GlideSteps(const Point& from, const Point& to);

// How long to sleep at tick count `now` for a step due `dueMs` after `start`;
// 0 when it is due already. Tick counts wrap, so only differences are compared.
uint32_t MillisecondsUntil(uint32_t start, uint32_t dueMs, uint32_t now);
