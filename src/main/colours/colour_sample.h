// The colour lines' sample: the probe pixel alone, or the mean of a square of pixels around it,
// which tells the colour of an area over photographs, gradients, dithering and smoothed text.
#pragma once
#include <cstdint>
#include <optional>

#include "base/geometry.h"

// The sample sizes by their number in the settings: squares of 1, 3, 5 and 9 pixels.
constexpr int32_t kSampleSizeCount = 4;
// The side of sample size 0..3; other numbers throw CheckedError.
int32_t SampleSide(int32_t index);

// Pixels as 0x00RRGGBB, in rows from the top, Width to a row.
struct TPixelImage {
  const uint32_t* Pixels = nullptr;
  int32_t Width = 0;
  int32_t Height = 0;
};

// The mean (0xRRGGBB) of the side × side square centred on the pixel at `centre`, taken over
// those of its pixels that lie inside `within` and inside the image; each channel is rounded
// to the nearest integer, a half upwards. None when no pixel of the square is there.
std::optional<uint32_t> SquareMean(const TPixelImage& image, const Point& centre, int32_t side,
                                   const Rect& within);
