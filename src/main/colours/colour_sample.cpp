#include "main/colours/colour_sample.h"

#include <algorithm>

#include "base/checked.h"

int32_t SampleSide(int32_t index) {
  static constexpr int32_t kSides[kSampleSizeCount] = {1, 3, 5, 9};
  if (index < 0 || index >= kSampleSizeCount)
    ThrowRangeError(static_cast<std::size_t>(static_cast<uint32_t>(index)), kSampleSizeCount);
  return kSides[index];
}

std::optional<uint32_t> SquareMean(const TPixelImage& image, const Point& centre, int32_t side,
                                   const Rect& within) {
  if (image.Pixels == nullptr || side < 1) return std::nullopt;
  // In 64 bits, so that a centre near the ends of the coordinate range cannot overflow.
  const int64_t half = side / 2;
  const int64_t left = std::max<int64_t>({int64_t{centre.X} - half, within.Left, 0});
  const int64_t top = std::max<int64_t>({int64_t{centre.Y} - half, within.Top, 0});
  const int64_t right =
      std::min<int64_t>({int64_t{centre.X} - half + side, within.Right, image.Width});
  const int64_t bottom =
      std::min<int64_t>({int64_t{centre.Y} - half + side, within.Bottom, image.Height});
  if (left >= right || top >= bottom) return std::nullopt;

  uint64_t red = 0, green = 0, blue = 0;
  for (int64_t y = top; y < bottom; ++y) {
    const uint32_t* row = image.Pixels + y * image.Width;
    for (int64_t x = left; x < right; ++x) {
      red += (row[x] >> 16) & 0xFF;
      green += (row[x] >> 8) & 0xFF;
      blue += row[x] & 0xFF;
    }
  }
  const uint64_t count = static_cast<uint64_t>((right - left) * (bottom - top));
  auto mean = [count](uint64_t sum) {
    return static_cast<uint32_t>((2 * sum + count) / (2 * count));
  };
  return (mean(red) << 16) | (mean(green) << 8) | mean(blue);
}
