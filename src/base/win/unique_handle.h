// Move-only owners for operating-system handles. Every owner counts its live
// instances per handle kind so that tests can prove a long run leaks nothing. The counts are
// kept atomically: the element probe's worker thread owns handles too.
#pragma once
#include <windows.h>

#include <utility>

namespace handle_count {
// Live owners per kind, indexed by HandleKind.
enum Kind {
  kDC,
  kGdiObject,
  kRegion,
  kKernelHandle,
  kLibrary,
  kGlobal,
  kWindowDC,
  kMenu,
  kComObject,
  // A library that a static entry point keeps loaded for the life of the process, by design:
  // whoever loads it first, no owner is to give it back.
  kResidentLibrary,
  kKindCount
};
long Live(Kind kind);
// Every live owner that is to give its handle back: resident libraries are not among them.
long Total();
void Added(Kind kind);
void Removed(Kind kind);
}  // namespace handle_count

template <typename Handle, typename Closer, handle_count::Kind K>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : handle_(h) {
    if (handle_) handle_count::Added(K);
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Handle{});
    }
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  void reset(Handle h = Handle{}) {
    if (handle_) {
      Closer{}(handle_);
      handle_count::Removed(K);
    }
    handle_ = h;
    if (handle_) handle_count::Added(K);
  }
  Handle release() {
    if (handle_) handle_count::Removed(K);
    return std::exchange(handle_, Handle{});
  }

 private:
  Handle handle_{};
};

struct DeleteDCCloser {
  void operator()(HDC h) const { DeleteDC(h); }
};
struct DeleteObjectCloser {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct CloseHandleCloser {
  void operator()(HANDLE h) const { CloseHandle(h); }
};
struct FreeLibraryCloser {
  void operator()(HMODULE h) const { FreeLibrary(h); }
};
struct GlobalFreeCloser {
  void operator()(HGLOBAL h) const { GlobalFree(h); }
};
struct DestroyMenuCloser {
  void operator()(HMENU h) const { DestroyMenu(h); }
};
struct FindCloseCloser {
  void operator()(HANDLE h) const { FindClose(h); }
};

using UniqueDC = UniqueHandle<HDC, DeleteDCCloser, handle_count::kDC>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteObjectCloser, handle_count::kGdiObject>;
using UniquePen = UniqueHandle<HPEN, DeleteObjectCloser, handle_count::kGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteObjectCloser, handle_count::kGdiObject>;
using UniqueFont = UniqueHandle<HFONT, DeleteObjectCloser, handle_count::kGdiObject>;
using UniqueRegion = UniqueHandle<HRGN, DeleteObjectCloser, handle_count::kRegion>;
using UniqueKernelHandle = UniqueHandle<HANDLE, CloseHandleCloser, handle_count::kKernelHandle>;
using UniqueLibrary = UniqueHandle<HMODULE, FreeLibraryCloser, handle_count::kLibrary>;
using ResidentLibrary = UniqueHandle<HMODULE, FreeLibraryCloser, handle_count::kResidentLibrary>;
using UniqueGlobal = UniqueHandle<HGLOBAL, GlobalFreeCloser, handle_count::kGlobal>;
// A search of FindFirstFile; it answers INVALID_HANDLE_VALUE, which the owner must not take.
using UniqueFindHandle = UniqueHandle<HANDLE, FindCloseCloser, handle_count::kKernelHandle>;
// Destroying a menu destroys its submenus with it.
using UniqueMenu = UniqueHandle<HMENU, DestroyMenuCloser, handle_count::kMenu>;

// A window's (or, with nullptr, the whole screen's) device context, released
// with ReleaseDC for the same window.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {
    if (dc_) handle_count::Added(handle_count::kWindowDC);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) {
      ReleaseDC(window_, dc_);
      handle_count::Removed(handle_count::kWindowDC);
    }
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintSession {
 public:
  explicit PaintSession(HWND window) : window_(window) { dc_ = BeginPaint(window_, &ps_); }
  PaintSession(const PaintSession&) = delete;
  PaintSession& operator=(const PaintSession&) = delete;
  ~PaintSession() { EndPaint(window_, &ps_); }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back on destruction.
// Declare it after the owners of the DC and the object, so it is undone first.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// OpenClipboard/CloseClipboard: the clipboard is closed on every path once it was opened.
class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  ~ClipboardSession() {
    if (open_) CloseClipboard();
  }
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};
