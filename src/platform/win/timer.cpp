#include "platform/win/timer.h"

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_)
    Start();
  else
    Stop();
}

void Timer::SetInterval(UINT interval) {
  if (interval == interval_) return;
  interval_ = interval;
  if (enabled_) Start();
}

void Timer::Start() {
  if (window_) running_ = SetTimer(window_, id_, interval_, nullptr) != 0;
}

void Timer::Stop() {
  if (running_ && window_) KillTimer(window_, id_);
  running_ = false;
}
