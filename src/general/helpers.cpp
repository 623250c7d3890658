#include "general/helpers.h"

#include <cmath>

#include "base/checked.h"

int32_t RectWidth(const Rect& r) { return CheckedSub(r.Right, r.Left); }
int32_t RectHeight(const Rect& r) { return CheckedSub(r.Bottom, r.Top); }

Rect OffsetRectByPoint(const Rect& r, const Point& p) {
  return Rect{CheckedAdd(r.Left, p.X), CheckedAdd(r.Top, p.Y), CheckedAdd(r.Right, p.X),
              CheckedAdd(r.Bottom, p.Y)};
}

Rect IntersectRects(const Rect& a, const Rect& b) {
  const Rect r{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
               a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
  if (r.Left >= r.Right || r.Top >= r.Bottom) return Rect{};
  return r;
}

namespace {
int64_t Truncate(long double x) {
  if (!(std::fabs(x) < 9.2e18L)) ThrowOverflow();  // also catches NaN
  return static_cast<int64_t>(x);
}
}  // namespace

int64_t RoundNearest(long double x) { return x >= 0 ? Truncate(x + 0.5L) : Truncate(x - 0.5L); }

int64_t RoundUp(long double x) {
  const int64_t t = Truncate(x);
  return x - static_cast<long double>(t) > 0 ? t + 1 : t;
}

int64_t RoundDown(long double x) {
  const int64_t t = Truncate(x);
  return x - static_cast<long double>(t) < 0 ? t - 1 : t;
}

int64_t RoundOutward(long double x) { return x >= 0 ? RoundUp(x) : RoundDown(x); }

int32_t Clamp(int32_t value, int32_t low, int32_t high) {
  if (low == high) return low;
  if (value < low) return low;
  if (value > high) return high;
  return value;
}

int32_t WrapAround(int32_t value, int32_t low, int32_t high) {
  if (low == high) return low;
  // An empty range has no value to carry into; high == low - 1 would divide by zero.
  if (high < low) throw CheckedError("WrapAround: empty range");
  if (low <= value && value <= high) return value;
  // 64-bit so that wide ranges and far-off values cannot overflow.
  const int64_t n = static_cast<int64_t>(high) - low + 1;
  int64_t offset = (static_cast<int64_t>(value) - low) % n;
  if (offset < 0) offset += n;
  return static_cast<int32_t>(low + offset);
}

int32_t DragAngle(const Point& start, const Point& end, int32_t doubleClickWidth,
                  int32_t doubleClickHeight) {
  int64_t dx = static_cast<int64_t>(end.X) - start.X;
  int64_t dy = static_cast<int64_t>(start.Y) - end.Y;
  if (std::llabs(dx) <= 3LL * doubleClickWidth) dx = 0;
  if (std::llabs(dy) <= 3LL * doubleClickHeight) dy = 0;
  if (dx == 0 && dy == 0) return -1;
  if (dx == 0) return dy > 0 ? 90 : 270;
  if (dy == 0) return dx > 0 ? 0 : 180;
  const long double degreesPerRadian = 57.295779513082320877L;
  const int64_t a = RoundNearest(std::atan(static_cast<long double>(dy) / dx) * degreesPerRadian);
  int64_t angle;
  if (dx < 0)
    angle = a + 180;
  else if (dy > 0)
    angle = a;
  else
    angle = a + 360;
  return angle == 360 ? 0 : static_cast<int32_t>(angle);
}

DragWay DragWayOfAngle(int32_t angle) {
  if (angle < 0) return DragWay::kNone;
  if (angle <= 45 || angle >= 316) return DragWay::kRight;
  if (angle <= 135) return DragWay::kUp;
  if (angle <= 225) return DragWay::kLeft;
  return DragWay::kDown;
}
