// Overflow-checked integer arithmetic and range-checked indexing. A violation
// throws CheckedError, which the application's error handler reports.
#pragma once
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

class CheckedError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void ThrowOverflow();
[[noreturn]] void ThrowRangeError(std::size_t index, std::size_t count);

inline int32_t CheckedAdd(int32_t a, int32_t b) {
  int32_t r;
  if (__builtin_add_overflow(a, b, &r)) ThrowOverflow();
  return r;
}
inline int32_t CheckedSub(int32_t a, int32_t b) {
  int32_t r;
  if (__builtin_sub_overflow(a, b, &r)) ThrowOverflow();
  return r;
}
inline int32_t CheckedMul(int32_t a, int32_t b) {
  int32_t r;
  if (__builtin_mul_overflow(a, b, &r)) ThrowOverflow();
  return r;
}
// Narrows a 64-bit result to 32 bits, throwing when it does not fit.
inline int32_t CheckedNarrow(int64_t v) {
  if (v < INT32_MIN || v > INT32_MAX) ThrowOverflow();
  return static_cast<int32_t>(v);
}

template <typename Container>
auto CheckedAt(Container& c, std::size_t index) -> decltype(c[index]) {
  if (index >= c.size()) ThrowRangeError(index, c.size());
  return c[index];
}
