// Keeps a handler in one of the application's message hooks for as long as its
// owner lives, so that a destroyed window never leaves a handler behind that
// refers to it.
#pragma once
#include <windows.h>

#include <functional>
#include <utility>

class AppHookBinding {
 public:
  using Hook = std::function<bool(MSG&)>;

  AppHookBinding() = default;
  AppHookBinding(const AppHookBinding&) = delete;
  AppHookBinding& operator=(const AppHookBinding&) = delete;
  ~AppHookBinding() { Reset(); }

  void Install(Hook& slot, Hook handler) {
    Reset();
    slot = std::move(handler);
    slot_ = &slot;
  }
  void Reset() {
    if (slot_) *slot_ = nullptr;
    slot_ = nullptr;
  }

 private:
  Hook* slot_ = nullptr;
};
