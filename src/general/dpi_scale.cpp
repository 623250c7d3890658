#include "general/dpi_scale.h"

#include "base/checked.h"
#include "general/helpers.h"

int32_t ScaleToDpi(int32_t value, int32_t dpi) {
  if (dpi <= 0) dpi = kDefaultDpi;
  return CheckedNarrow(RoundNearest(static_cast<long double>(value) * dpi / kDefaultDpi));
}

int32_t RescaleDpi(int32_t value, int32_t fromDpi, int32_t toDpi) {
  if (fromDpi <= 0) fromDpi = kDefaultDpi;
  if (toDpi <= 0) toDpi = kDefaultDpi;
  return CheckedNarrow(RoundNearest(static_cast<long double>(value) * toDpi / fromDpi));
}

int32_t DpiPercent(int32_t dpi) { return ScaleToDpi(100, dpi); }

int32_t StatusIconSizeIndex(int32_t dpi) {
  const int32_t wanted = ScaleToDpi(kStatusIconSizes[0], dpi);
  int32_t index = 0;
  while (index + 1 < kStatusIconSizeCount && kStatusIconSizes[index + 1] <= wanted) ++index;
  return index;
}

void TSizeAtDpi::Remember(const Size& size, int32_t dpi) {
  if (dpi_ > 0 && At(dpi, size) == size) return;
  size_ = size;
  dpi_ = dpi;
}

Size TSizeAtDpi::At(int32_t dpi, const Size& fallback) const {
  if (dpi_ <= 0) return fallback;
  return Size{RescaleDpi(size_.Width, dpi_, dpi), RescaleDpi(size_.Height, dpi_, dpi)};
}
