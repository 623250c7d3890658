#include "main/measure/spacing.h"

#include "base/checked.h"

namespace {

int32_t ChannelDistance(uint32_t a, uint32_t b, int shift) {
  const int32_t d =
      static_cast<int32_t>((a >> shift) & 0xFF) - static_cast<int32_t>((b >> shift) & 0xFF);
  return d < 0 ? -d : d;
}

bool Holds(const TPixelLine& line, int32_t at) {
  return line.Pixels != nullptr && line.Count > 0 && at >= line.First &&
         static_cast<int64_t>(at) - line.First < line.Count;
}

}  // namespace

bool WithinTolerance(uint32_t a, uint32_t b, int32_t tolerance) {
  return ChannelDistance(a, b, 0) <= tolerance && ChannelDistance(a, b, 8) <= tolerance &&
         ChannelDistance(a, b, 16) <= tolerance;
}

TRun RunThrough(const TPixelLine& line, int32_t at, int32_t tolerance) {
  if (!Holds(line, at)) return TRun{at, 0};
  const int32_t i = at - line.First;
  const uint32_t probe = line.Pixels[i];
  int32_t first = i, last = i;
  while (first > 0 && WithinTolerance(line.Pixels[first - 1], probe, tolerance)) --first;
  while (last + 1 < line.Count && WithinTolerance(line.Pixels[last + 1], probe, tolerance)) ++last;
  return TRun{CheckedAdd(line.First, first), last - first + 1};
}

int32_t EdgeJump(const TPixelLine& line, int32_t at, int32_t step, int32_t tolerance) {
  if (!Holds(line, at) || (step != 1 && step != -1)) return at;
  int32_t i = at - line.First;
  const uint32_t probe = line.Pixels[i];
  const int32_t end = step > 0 ? line.Count - 1 : 0;
  while (i != end) {
    i += step;
    if (!WithinTolerance(line.Pixels[i], probe, tolerance)) break;
  }
  return CheckedAdd(line.First, i);
}

Rect SpacingBounds(const TRun& horizontal, const TRun& vertical) {
  return Rect{horizontal.First, vertical.First, CheckedAdd(horizontal.First, horizontal.Length),
              CheckedAdd(vertical.First, vertical.Length)};
}
