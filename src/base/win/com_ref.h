// An owned reference to a COM interface, released on every path. Live references are counted
// with the handles, so that a test can prove that many queries leave none behind.
#pragma once
#include <windows.h>
// After windows.h, whose types it uses.
#include <unknwn.h>

#include <utility>

#include "base/win/unique_handle.h"

template <typename I>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ComRef(ComRef&& other) noexcept
      : p_(std::exchange(other.p_, nullptr)), counted_(std::exchange(other.counted_, false)) {}
  ComRef& operator=(ComRef&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = std::exchange(other.p_, nullptr);
      counted_ = std::exchange(other.counted_, false);
    }
    return *this;
  }
  ~ComRef() { reset(); }

  I* get() const { return Counted(); }
  I* operator->() const { return Counted(); }
  explicit operator bool() const { return Counted() != nullptr; }

  // Takes over a reference that the caller owns.
  void reset(I* p = nullptr) {
    if (Counted()) {
      p_->Release();
      handle_count::Removed(handle_count::kComObject);
    }
    p_ = p;
    counted_ = false;
    Counted();
  }
  // For a call's out parameter; what was held is released first.
  I** Out() {
    reset();
    return &p_;
  }
  void** OutVoid() { return reinterpret_cast<void**>(Out()); }

  // The same object through another of its interfaces; empty when it has none.
  template <typename J>
  ComRef<J> As(const IID& iid) const {
    ComRef<J> other;
    if (get()) p_->QueryInterface(iid, other.OutVoid());
    return other;
  }

 private:
  // A reference that a call put through Out() is counted when it is first looked at.
  I* Counted() const {
    if (p_ && !counted_) {
      handle_count::Added(handle_count::kComObject);
      counted_ = true;
    }
    return p_;
  }
  I* p_ = nullptr;
  mutable bool counted_ = false;
};
