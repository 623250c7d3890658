#include "main/capture/mover_steps.h"

#include <cstdlib>

#include "base/checked.h"
#include "general/helpers.h"

namespace {

constexpr int kReturnSteps = 9;
constexpr long double kReturnDivisor = 10;
constexpr uint32_t kReturnStepMs = 10;
constexpr int32_t kReturnNear = 10;

constexpr int kGlideSteps = 4;
constexpr long double kGlideDivisor = 5;
constexpr uint32_t kGlideStepMs = 40;
constexpr int32_t kGlideNear = 5;

bool Near(const Point& a, const Point& b, int32_t limit) {
  return std::llabs(int64_t{a.X} - b.X) <= limit && std::llabs(int64_t{a.Y} - b.Y) <= limit;
}

// from − RoundNearest((from − to) / 10 × i): every step is measured from the start.
int32_t ReturnCoordinate(int32_t from, int32_t to, int i) {
  const long double distance = static_cast<long double>(int64_t{from} - to);
  return CheckedNarrow(int64_t{from} - RoundNearest(distance / kReturnDivisor * i));
}

// Each step covers i/5 of what the previous step left.
int32_t GlideCoordinate(int32_t current, int32_t to, int i) {
  const long double left = static_cast<long double>(int64_t{to} - current);
  return CheckedNarrow(int64_t{current} + RoundNearest(left / kGlideDivisor * i));
}

}  // namespace

std::vector<TimedStep> ReturnCursorSteps(const Point& from, const Point& to) {
  std::vector<TimedStep> steps;
  if (Near(from, to, kReturnNear)) return steps;
  for (int i = 1; i <= kReturnSteps; ++i) {
    steps.push_back(
        TimedStep{Point{ReturnCoordinate(from.X, to.X, i), ReturnCoordinate(from.Y, to.Y, i)},
                  kReturnStepMs * static_cast<uint32_t>(i)});
  }
  return steps;
}

std::vector<TimedStep> GlideSteps(const Point& from, const Point& to) {
  std::vector<TimedStep> steps;
  if (Near(from, to, kGlideNear)) return steps;
  Point at = from;
  for (int i = 1; i <= kGlideSteps; ++i) {
    at = Point{GlideCoordinate(at.X, to.X, i), GlideCoordinate(at.Y, to.Y, i)};
    steps.push_back(TimedStep{at, kGlideStepMs * static_cast<uint32_t>(i)});
  }
  return steps;
}

uint32_t MillisecondsUntil(uint32_t start, uint32_t dueMs, uint32_t now) {
  const uint32_t elapsed = now - start;
  return elapsed < dueMs ? dueMs - elapsed : 0;
}
