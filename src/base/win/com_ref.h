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
  ComRef(ComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComRef& operator=(ComRef&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }
  ~ComRef() { reset(); }

  I* get() const { return p_; }
  I* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // Takes over a reference that the caller owns.
  void reset(I* p = nullptr) {
    if (p_) {
      p_->Release();
      handle_count::Removed(handle_count::kComObject);
    }
    p_ = p;
    if (p_) handle_count::Added(handle_count::kComObject);
  }

  // For a call's out parameter: what is held is released first, and what the call leaves is
  // taken over at the end of the full expression that holds the call.
  class OutParam {
   public:
    explicit OutParam(ComRef& owner) : owner_(owner) {}
    OutParam(const OutParam&) = delete;
    OutParam& operator=(const OutParam&) = delete;
    ~OutParam() { owner_.reset(raw_); }
    operator I**() { return &raw_; }                               // NOLINT: implicit by design
    operator void**() { return reinterpret_cast<void**>(&raw_); }  // NOLINT

   private:
    ComRef& owner_;
    I* raw_ = nullptr;
  };
  OutParam Out() {
    reset();
    return OutParam(*this);
  }

  // The same object through another of its interfaces; empty when it has none.
  template <typename J>
  ComRef<J> As(const IID& iid) const {
    ComRef<J> other;
    if (p_) p_->QueryInterface(iid, other.Out());
    return other;
  }

 private:
  I* p_ = nullptr;
};
