#include "main/measure/win/spacing_probe.h"

#include "base/checked.h"

namespace {

bool Contains(const Rect& r, const Point& p) {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

// The monitor that holds p; an empty rectangle when none does (a gap, or off the desktop).
Rect MonitorOf(const std::vector<Rect>& monitors, const Point& p) {
  for (const Rect& bounds : monitors)
    if (Contains(bounds, p)) return bounds;
  return Rect{};
}

}  // namespace

TPixelLine TSpacingProbe::ReadLine(const Point& p, Axis axis, const TPixelSource& source) {
  const Rect monitor = MonitorOf(source.Capture.MonitorBounds(), p);
  if (!Contains(monitor, p)) return TPixelLine{};
  const bool row = axis == Axis::kRow;
  const Rect strip = row ? Rect{monitor.Left, p.Y, monitor.Right, CheckedAdd(p.Y, 1)}
                         : Rect{p.X, monitor.Top, CheckedAdd(p.X, 1), monitor.Bottom};
  Bitmap& bitmap = row ? row_ : column_;
  std::vector<uint32_t>& pixels = row ? rowPixels_ : columnPixels_;
  const int32_t w = RectWidth(strip), h = RectHeight(strip);
  if (bitmap.Width() != w || bitmap.Height() != h) bitmap.SetSize(w, h);
  if (!source.Capture.CopyOut(strip, source.Live, source.Rop, bitmap)) return TPixelLine{};
  const int32_t count = row ? w : h;
  pixels.resize(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i)
    pixels[static_cast<std::size_t>(i)] = row ? bitmap.Pixel(i, 0) : bitmap.Pixel(0, i);
  return TPixelLine{pixels.data(), count, row ? monitor.Left : monitor.Top};
}

Rect TSpacingProbe::Measure(const Point& p, int32_t tolerance, const TPixelSource& source) {
  const TRun across = RunThrough(ReadLine(p, Axis::kRow, source), p.X, tolerance);
  const TRun down = RunThrough(ReadLine(p, Axis::kColumn, source), p.Y, tolerance);
  if (across.Length == 0 || down.Length == 0) return Rect{p.X, p.Y, p.X, p.Y};
  return SpacingBounds(across, down);
}

Point TSpacingProbe::Jump(const Point& p, const Point& step, int32_t tolerance,
                          const TPixelSource& source) {
  if (step.Y == 0 && (step.X == 1 || step.X == -1))
    return Point{EdgeJump(ReadLine(p, Axis::kRow, source), p.X, step.X, tolerance), p.Y};
  if (step.X == 0 && (step.Y == 1 || step.Y == -1))
    return Point{p.X, EdgeJump(ReadLine(p, Axis::kColumn, source), p.Y, step.Y, tolerance)};
  return p;
}
