// Test scenes: top-level windows of known pixels at known screen places.
#pragma once
#include <windows.h>

#include <functional>

#include "tests/common/win_test_support.h"

// A borderless top-level window whose client area is painted by a colour function
// of the client pixel. Shown without activation, topmost so that nothing covers it.
class SceneWindow {
 public:
  using ColorAt = std::function<COLORREF(int x, int y)>;
  SceneWindow(int left, int top, int width, int height, ColorAt color);
  SceneWindow(const SceneWindow&) = delete;
  SceneWindow& operator=(const SceneWindow&) = delete;
  ~SceneWindow();
  HWND Handle() const { return hwnd_; }
  void SetColor(ColorAt color);

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc);
  HWND hwnd_ = nullptr;
  ColorAt color_;
  int width_, height_;
};

// Pumps until the predicate holds or the time runs out; answers the predicate.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs);
