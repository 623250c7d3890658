// When the capture cycle takes a new picture. A still probe point is captured again only now
// and then: a second after an ordinary capture, a tenth of one after a forced refresh, so that
// what follows a command shows soon while an idle window costs next to nothing.
#pragma once
#include <cstdint>

// What starts a cycle: the main timer (or a refresh on its behalf), or a pointer move's frame.
enum class TCycleCause { kTimer, kFrame };

class TCycleTiming {
 public:
  static constexpr uint32_t kStillPeriod = 1000;
  static constexpr uint32_t kForcedPeriod = 100;
  // The main timer's own period, and with smooth capture.
  static constexpr uint32_t kNormalInterval = 60;
  static constexpr uint32_t kSmoothInterval = 30;
  static constexpr uint32_t IntervalOf(bool smooth) {
    return smooth ? kSmoothInterval : kNormalInterval;
  }

  // Whether a cycle at tick count `now` over a point that has not moved may pass the capture by.
  bool StillCaptureRecent(uint32_t now) const {
    return FLastCaptureTick != 0 && now - FLastCaptureTick <= FStillPeriod;
  }
  void Captured(uint32_t now) {
    FLastCaptureTick = now;
    FStillPeriod = kStillPeriod;
    ++FCaptures;
  }
  // The next cycle captures whatever the point does; the one after that keeps the short period.
  void Force() { FLastCaptureTick = 0; }
  bool Forced() const { return FLastCaptureTick == 0; }
  void AfterForced() { FStillPeriod = kForcedPeriod; }

  uint32_t FLastCaptureTick = 0;
  uint32_t FStillPeriod = kStillPeriod;
  // Up while the pause takes its snapshot: that one cycle copies from the live screen and reads
  // the window facts that the pause then keeps.
  bool FTakingSnapshot = false;
  // Captures since start, for the benchmark and the tests.
  uint32_t FCaptures = 0;
  // Up while a cycle runs; a tick that arrives meanwhile (from a pump inside it) is dropped.
  bool FCaptureBusy = false;
};
