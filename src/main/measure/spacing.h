// Runs of like pixels through the probe point and jumps from edge to edge, over one row or one
// column of a monitor's pixels. A pixel is like the probe pixel while each of its red, green
// and blue channels lies within the tolerance of the probe pixel's; the search never leaves the
// line it is given, which is the probe point's monitor's.
#pragma once
#include <cstdint>

#include "base/geometry.h"

bool WithinTolerance(uint32_t a, uint32_t b, int32_t tolerance);

// One row or column of pixels: Pixels[i] lies at screen coordinate First + i.
struct TPixelLine {
  const uint32_t* Pixels = nullptr;
  int32_t Count = 0;
  int32_t First = 0;
};

// Pixels [First, First + Length) in screen coordinates.
struct TRun {
  int32_t First = 0;
  int32_t Length = 0;
  friend bool operator==(const TRun& a, const TRun& b) {
    return a.First == b.First && a.Length == b.Length;
  }
};

// The unbroken run of pixels like the one at `at` that holds it; of length 0 at `at` when the
// line does not hold that coordinate.
TRun RunThrough(const TPixelLine& line, int32_t at, int32_t tolerance);

// Where a jump from `at` lands, step -1 towards the line's start or +1 towards its end: the
// nearest pixel that way whose colour lies beyond the tolerance of the one at `at`; where there
// is none, the line's last pixel that way. `at` itself when the line does not hold it.
int32_t EdgeJump(const TPixelLine& line, int32_t at, int32_t step, int32_t tolerance);

// The spacing line's value: Left and the width from the horizontal run, Top and the height
// from the vertical one.
Rect SpacingBounds(const TRun& horizontal, const TRun& vertical);
