#include "main/pointer/frame_pacer.h"

int64_t FramePeriodOfRefreshRate(int32_t hertz) {
  constexpr int32_t kDefaultHertz = 60;
  // No display refreshes slower than 24 times a second or faster than 1000.
  if (hertz < 24 || hertz > 1000) hertz = kDefaultHertz;
  return (1000000 + hertz / 2) / hertz;
}

TWake TFramePacer::Moved(int64_t now) {
  moveSeen_ = true;
  looksAgain_ = 0;
  if (scheduled_) return TWake{};
  scheduled_ = true;
  const int64_t since = now - lastFrame_;
  // A clock that went backwards or a first move: nothing to wait for.
  if (!framed_ || since >= periodUs_ || since < 0) return TWake{TWakeKind::kNow, 0};
  return TWake{TWakeKind::kLater, periodUs_ - since};
}

void TFramePacer::FrameStarted(int64_t now) {
  scheduled_ = false;
  framed_ = true;
  frameBefore_ = lastFrame_;
  lastFrame_ = now;
}

TWake TFramePacer::FrameFoundNoMove() {
  lastFrame_ = frameBefore_;
  if (scheduled_ || looksAgain_ >= kLooksAgain) return TWake{};
  ++looksAgain_;
  scheduled_ = true;
  return TWake{TWakeKind::kLater, kLookAgainUs};
}

bool TFramePacer::TakeMoveSeen() {
  const bool seen = moveSeen_;
  moveSeen_ = false;
  return seen;
}

std::optional<uint32_t> TEventlessFollow::TimerPeriod(int64_t now, bool eventlessMove,
                                                      uint32_t ownMs, uint32_t frameMs) {
  if (eventlessMove) {
    until_ = now + kHoldUs;
    if (holding_ || frameMs >= ownMs) return std::nullopt;
    holding_ = true;
    return frameMs;
  }
  if (!holding_ || now < until_) return std::nullopt;
  holding_ = false;
  return ownMs;
}
