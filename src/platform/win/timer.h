// A message timer of a window (WM_TIMER), with an integer Tag as a component carries.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

class Timer {
 public:
  Timer(UINT_PTR id, UINT interval, int32_t tag) : Tag(tag), id_(id), interval_(interval) {}
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer() { Stop(); }

  void Attach(HWND window) { window_ = window; }
  UINT_PTR Id() const { return id_; }
  bool Enabled() const { return enabled_; }
  // Enabling a running timer does not restart its period.
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }
  // A new interval on a running timer starts a new period.
  void SetInterval(UINT interval);

  std::function<void()> OnTimer;
  int32_t Tag;

 private:
  void Stop();
  void Start();

  HWND window_ = nullptr;
  UINT_PTR id_;
  UINT interval_;
  bool enabled_ = false;
  bool running_ = false;
};

// Stops a timer for the guard's lifetime and restarts it afterwards if it was running.
class TimerHold {
 public:
  explicit TimerHold(Timer& timer) : timer_(timer), wasEnabled_(timer.Enabled()) {
    timer_.SetEnabled(false);
  }
  TimerHold(const TimerHold&) = delete;
  TimerHold& operator=(const TimerHold&) = delete;
  ~TimerHold() {
    if (wasEnabled_) timer_.SetEnabled(true);
  }

 private:
  Timer& timer_;
  bool wasEnabled_;
};
