// The spacing runs and the edge jumps on the screen. Each reads only the row or the column
// through the point that it needs, across the point's monitor, from the live screen or from the
// pause snapshot.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/geometry.h"
#include "main/capture/win/screen_capture.h"
#include "main/measure/spacing.h"
#include "platform/win/bitmap.h"

// Where the pixels come from: the screen as the live picture copies it (with the same raster
// operation, so that the program's own window counts as the picture counts it), or the
// snapshot.
struct TPixelSource {
  TScreenCapture& Capture;
  bool Live = true;
  DWORD Rop = SRCCOPY;
};

class TSpacingProbe {
 public:
  // The runs through p as the spacing line shows them (SpacingBounds); an empty rectangle at p
  // when p lies on no monitor or the screen could not be read.
  Rect Measure(const Point& p, int32_t tolerance, const TPixelSource& source);
  // Where a jump from p goes, step being one of the four unit steps; p itself when p lies on
  // no monitor or the screen could not be read.
  Point Jump(const Point& p, const Point& step, int32_t tolerance, const TPixelSource& source);

 private:
  enum class Axis { kRow, kColumn };
  // The row or the column through p across its monitor; an empty line when p lies on none.
  TPixelLine ReadLine(const Point& p, Axis axis, const TPixelSource& source);

  // Sized to the monitor once and reused, so that a cycle allocates nothing.
  Bitmap row_, column_;
  std::vector<uint32_t> rowPixels_, columnPixels_;
};
