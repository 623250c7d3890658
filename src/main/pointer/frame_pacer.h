// When a pointer move is drawn. A move starts a capture cycle at once unless one ran less than a
// display frame ago; then the cycle waits for the next frame, and every move until then folds
// into it, so a mouse reporting a thousand times a second costs one cycle a frame and the last
// position of a burst is always drawn. Times are microseconds of one steady clock.
#pragma once
#include <cstdint>
#include <optional>
#include <utility>

// A frame period of that refresh rate; 60 Hz for a rate the system does not know (0 or 1 is
// "the hardware's default") or one no display has.
int64_t FramePeriodOfRefreshRate(int32_t hertz);

enum class TWakeKind {
  kNothing,  // a frame is on its way already, and it will draw the latest position
  kNow,      // run a cycle as soon as the message loop takes it up
  kLater,    // run one after the delay
};
struct TWake {
  TWakeKind Kind = TWakeKind::kNothing;
  int64_t DelayUs = 0;
};

class TFramePacer {
 public:
  void SetFramePeriod(int64_t periodUs) { periodUs_ = periodUs > 0 ? periodUs : 16667; }
  int64_t FramePeriod() const { return periodUs_; }

  // The pointer moved at `now`.
  TWake Moved(int64_t now);
  // The cycle that Moved asked for starts at `now`. Moves from here on belong to the next frame.
  void FrameStarted(int64_t now);
  // That cycle found the pointer where it was: the system told of the move before the pointer's
  // position showed it (Wine's raw input comes ahead of the position), or of no move at all (a
  // button). The frame does not count, and another look is due soon, a few times at most.
  TWake FrameFoundNoMove();
  static constexpr int64_t kLookAgainUs = 2000;
  static constexpr int kLooksAgain = 1;
  // Whether a move was seen since the last call: a cycle that finds the pointer moved without
  // one knows that this way of moving raises no event.
  bool TakeMoveSeen();

 private:
  int64_t periodUs_ = 16667;
  int64_t lastFrame_ = 0;
  int64_t frameBefore_ = 0;  // the last frame before the one that started
  int looksAgain_ = 0;
  bool framed_ = false;  // a frame has started since the pacer was made
  bool scheduled_ = false;
  bool moveSeen_ = false;
};

// The fallback for ways of moving the pointer that raise no event: a timer cycle that finds the
// pointer moved without one keeps the timer at the frame period for half a second, then the
// timer's own period returns.
class TEventlessFollow {
 public:
  static constexpr int64_t kHoldUs = 500000;
  // After a timer cycle at `now` that found an eventless move or not: the timer's new period
  // (the frame period or its own, both in milliseconds), or none where it keeps the one it has.
  std::optional<uint32_t> TimerPeriod(int64_t now, bool eventlessMove, uint32_t ownMs,
                                      uint32_t frameMs);
  // Forgets the hold; true when the timer was at the frame period and wants its own back.
  bool Reset() { return std::exchange(holding_, false); }

 private:
  int64_t until_ = 0;
  bool holding_ = false;
};
