// A topmost window of one colour, shown without taking the focus.
#pragma once
#include <windows.h>

class ColorWindow {
 public:
  ColorWindow(int left, int top, int width, int height, COLORREF color);
  ColorWindow(const ColorWindow&) = delete;
  ColorWindow& operator=(const ColorWindow&) = delete;
  ~ColorWindow();
  HWND Handle() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
  HBRUSH brush_ = nullptr;
};
