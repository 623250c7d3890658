// The benches' clock: seconds from the performance counter, whose origin does not matter to a
// difference.
#pragma once

#include <windows.h>

inline double Seconds() {
  LARGE_INTEGER frequency, count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}
