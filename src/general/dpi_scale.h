// Sizes given for 96 dots per inch, at the DPI of the monitor the window is on. The picture
// itself stays in physical pixels at every DPI; only the window's furniture scales.
#pragma once
#include <cstdint>

#include "base/geometry.h"

constexpr int32_t kDefaultDpi = 96;

// value × dpi / 96, rounded half away from zero; a DPI of 0 or less counts as 96.
int32_t ScaleToDpi(int32_t value, int32_t dpi);
// A length measured at one DPI, at another; rounded half away from zero.
int32_t RescaleDpi(int32_t value, int32_t fromDpi, int32_t toDpi);
// The status images are drawn at these sizes, for 100, 125, 150, 175 and 200 %.
constexpr int32_t kStatusIconSizes[] = {14, 18, 21, 25, 28};
constexpr int32_t kStatusIconSizeCount = 5;
// Which of them the title line uses at that DPI: the largest that is no larger than 14
// pixels scaled, and never less than the first.
int32_t StatusIconSizeIndex(int32_t dpi);
// The DPI as the display settings show it: 96 is 100 %, 144 is 150 %.
int32_t DpiPercent(int32_t dpi);

// The window's width and zoom-area height as they were last given, and the DPI they were
// given at. A change of DPI scales from there, not from the last scaled size, so crossing to
// a monitor of another DPI and back, however often, never drifts by a rounding.
class TSizeAtDpi {
 public:
  // A layout's result: kept unless it is just the remembered size at another DPI.
  void Remember(const Size& size, int32_t dpi);
  // The remembered size at that DPI; the given fallback when nothing is remembered yet.
  Size At(int32_t dpi, const Size& fallback) const;

 private:
  Size size_;
  int32_t dpi_ = 0;
};
