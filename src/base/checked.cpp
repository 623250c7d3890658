#include "base/checked.h"

void ThrowOverflow() { throw CheckedError("Integer overflow"); }

void ThrowRangeError(std::size_t index, std::size_t count) {
  throw CheckedError("Range check error: index " + std::to_string(index) + " outside 0.." +
                     std::to_string(count == 0 ? 0 : count - 1));
}
