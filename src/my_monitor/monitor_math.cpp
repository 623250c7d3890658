#include "my_monitor/monitor_math.h"

#include <algorithm>
#include <utility>

#include "base/checked.h"
#include "general/helpers.h"

int32_t ClampMonitorIndex(int32_t index, int32_t count) {
  return Clamp(index, 0, CheckedSub(count, 1));
}

bool RectContainsPoint(const Rect& r, const Point& p) {
  return r.Left <= p.X && p.X < r.Right && r.Top <= p.Y && p.Y < r.Bottom;
}

Point PlaceOnWorkArea(const Rect& workArea, int32_t left, int32_t top, int32_t width,
                      int32_t height) {
  // Clamp tests the lower bound first: that ordering is what sends an oversized window to the
  // work area's start only when it began above or left of it.
  const int32_t newTop =
      Clamp(top, workArea.Top, CheckedSub(CheckedAdd(workArea.Top, RectHeight(workArea)), height));
  const int32_t newLeft =
      Clamp(left, workArea.Left, CheckedSub(CheckedAdd(workArea.Left, RectWidth(workArea)), width));
  return Point{newLeft, newTop};
}

Rect FitOnWorkArea(const Rect& workArea, const Rect& window, int32_t fixedHeight,
                   const Size& least) {
  const int32_t width = std::min(RectWidth(window), std::max(RectWidth(workArea), least.Width));
  const int32_t room = std::max(CheckedSub(RectHeight(workArea), fixedHeight), least.Height);
  const int32_t height = std::min(RectHeight(window), CheckedAdd(fixedHeight, room));
  Point corner = PlaceOnWorkArea(workArea, window.Left, window.Top, width, height);
  if (height > RectHeight(workArea)) corner.Y = workArea.Top;
  return Rect{corner.X, corner.Y, CheckedAdd(corner.X, width), CheckedAdd(corner.Y, height)};
}

MonitorEnumeration::MonitorEnumeration(int32_t systemCount)
    : capacity_(systemCount < 1 ? SIZE_MAX : static_cast<std::size_t>(systemCount)) {
  if (capacity_ != SIZE_MAX) monitors_.reserve(capacity_);
}

bool MonitorEnumeration::Add(const MonitorRecord& monitor) {
  if (monitors_.size() >= capacity_) return false;
  monitors_.push_back(monitor);
  return true;
}

MonitorLayout MonitorEnumeration::Finish(const MonitorRecord& fallback) {
  return MonitorLayout(std::move(monitors_), fallback);
}

MonitorLayout::MonitorLayout(std::vector<MonitorRecord> monitors, const MonitorRecord& fallback)
    : monitors_(std::move(monitors)) {
  if (monitors_.empty()) monitors_.push_back(fallback);
  CheckedNarrow(static_cast<int64_t>(monitors_.size()));
}

int32_t MonitorLayout::Count() const { return static_cast<int32_t>(monitors_.size()); }

const MonitorRecord& MonitorLayout::Items(int32_t index) const {
  return CheckedAt(monitors_, static_cast<std::size_t>(ClampMonitorIndex(index, Count())));
}

void MonitorLayout::SetItem(int32_t index, const MonitorRecord& monitor) {
  CheckedAt(monitors_, static_cast<std::size_t>(ClampMonitorIndex(index, Count()))) = monitor;
}

Rect MonitorLayout::GetDesktopRect() const {
  Rect r;  // starts as the origin, which the desktop always contains
  for (const MonitorRecord& m : monitors_) {
    r.Left = std::min(r.Left, m.BoundsRect.Left);
    r.Top = std::min(r.Top, m.BoundsRect.Top);
    r.Right = std::max(r.Right, m.BoundsRect.Right);
    r.Bottom = std::max(r.Bottom, m.BoundsRect.Bottom);
  }
  return r;
}

int32_t MonitorLayout::DesktopLeft() const { return GetDesktopRect().Left; }
int32_t MonitorLayout::DesktopTop() const { return GetDesktopRect().Top; }
int32_t MonitorLayout::DesktopWidth() const { return RectWidth(GetDesktopRect()); }
int32_t MonitorLayout::DesktopHeight() const { return RectHeight(GetDesktopRect()); }

int32_t MonitorLayout::IndexOfHandle(MonitorHandle handle) const {
  if (handle == 0) return -1;
  int32_t found = -1;
  for (int32_t i = 0; i < Count(); ++i)
    if (monitors_[static_cast<std::size_t>(i)].Handle == handle) found = i;
  return found;
}

int32_t MonitorLayout::NumberOfHandle(MonitorHandle handle) const {
  return IndexOfHandle(handle) + 1;
}

namespace {

// Lengths and distances in 64 bits: differences of two 32-bit coordinates always fit.
int64_t Overlap(int32_t aLow, int32_t aHigh, int32_t bLow, int32_t bHigh) {
  const int64_t low = std::max(aLow, bLow);
  const int64_t high = std::min(aHigh, bHigh);
  return high > low ? high - low : 0;
}

// Pixels between two half-open intervals on one axis; 0 when they touch or overlap.
int64_t Gap(int32_t aLow, int32_t aHigh, int32_t bLow, int32_t bHigh) {
  if (aHigh <= bLow) return static_cast<int64_t>(bLow) - aHigh;
  if (bHigh <= aLow) return static_cast<int64_t>(aLow) - bHigh;
  return 0;
}

}  // namespace

int32_t MonitorLayout::IndexOfRect(const Rect& rect) const {
  Rect r = rect;
  if (r.Right <= r.Left || r.Bottom <= r.Top)
    r = Rect{r.Left, r.Top, CheckedAdd(r.Left, 1), CheckedAdd(r.Top, 1)};

  // Areas are at most (2^32 - 1)^2, which fits an unsigned 64-bit value.
  int32_t best = -1;
  uint64_t bestArea = 0;
  for (int32_t i = 0; i < Count(); ++i) {
    const Rect& b = monitors_[static_cast<std::size_t>(i)].BoundsRect;
    const uint64_t area = static_cast<uint64_t>(Overlap(r.Left, r.Right, b.Left, b.Right)) *
                          static_cast<uint64_t>(Overlap(r.Top, r.Bottom, b.Top, b.Bottom));
    if (area > bestArea) {
      bestArea = area;
      best = i;
    }
  }
  if (best >= 0) return best;

  // Touches no monitor: the nearest one. The squared distance can exceed 64 bits only for
  // coordinates no desktop has; long double keeps the comparison meaningful even then.
  long double bestDistance = 0;
  for (int32_t i = 0; i < Count(); ++i) {
    const Rect& b = monitors_[static_cast<std::size_t>(i)].BoundsRect;
    const long double dx = static_cast<long double>(Gap(r.Left, r.Right, b.Left, b.Right));
    const long double dy = static_cast<long double>(Gap(r.Top, r.Bottom, b.Top, b.Bottom));
    const long double distance = dx * dx + dy * dy;
    if (best < 0 || distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return best;
}

int32_t MonitorLayout::IndexOfPoint(const Point& p) const {
  return IndexOfRect(Rect{p.X, p.Y, p.X, p.Y});
}

const MonitorRecord& MonitorLayout::MonitorItemAt(const Point& p) const {
  return Items(IndexOfPoint(p));
}

MonitorPosition MonitorLayout::MonitorPositionOfPoint(const Point& p) const {
  for (int32_t i = 0; i < Count(); ++i) {
    const Rect& b = monitors_[static_cast<std::size_t>(i)].BoundsRect;
    if (RectContainsPoint(b, p))
      return MonitorPosition{i + 1, CheckedSub(p.X, b.Left), CheckedSub(p.Y, b.Top)};
  }
  return MonitorPosition{};
}

Point MonitorLayout::NearestMonitorPixel(const Point& p) const {
  const Rect& b = MonitorItemAt(p).BoundsRect;
  return Point{Clamp(p.X, b.Left, std::max(b.Left, CheckedSub(b.Right, 1))),
               Clamp(p.Y, b.Top, std::max(b.Top, CheckedSub(b.Bottom, 1)))};
}

Point MonitorLayout::KeepBoundsOnMonitor(int32_t left, int32_t top, int32_t width,
                                         int32_t height) const {
  const Rect bounds{left, top, CheckedAdd(left, width), CheckedAdd(top, height)};
  return PlaceOnWorkArea(Items(IndexOfRect(bounds)).WorkAreaRect, left, top, width, height);
}

Rect MonitorLayout::FitBoundsOnMonitor(const Rect& bounds, int32_t fixedHeight,
                                       const Size& least) const {
  return FitOnWorkArea(Items(IndexOfRect(bounds)).WorkAreaRect, bounds, fixedHeight, least);
}
