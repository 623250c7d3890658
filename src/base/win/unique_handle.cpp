#include "base/win/unique_handle.h"

namespace handle_count {
namespace {
long live[kKindCount];
}
long& Live(Kind kind) { return live[kind]; }
long Total() {
  long sum = 0;
  for (long n : live) sum += n;
  return sum;
}
}  // namespace handle_count
