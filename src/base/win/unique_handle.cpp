#include "base/win/unique_handle.h"

#include <atomic>

namespace handle_count {
namespace {
std::atomic<long> live[kKindCount];
}
long Live(Kind kind) { return live[kind].load(); }
long Total() {
  long sum = 0;
  for (int k = 0; k < kKindCount; ++k)
    if (k != kResidentLibrary) sum += live[k].load();
  return sum;
}
void Added(Kind kind) { ++live[kind]; }
void Removed(Kind kind) { --live[kind]; }
}  // namespace handle_count
