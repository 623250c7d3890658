// Points, sizes and half-open rectangles in signed 32-bit pixels.
#pragma once
#include <cstdint>

struct Point {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const Point& a, const Point& b) { return a.X == b.X && a.Y == b.Y; }
  friend bool operator!=(const Point& a, const Point& b) { return !(a == b); }
};

struct Size {
  int32_t Width = 0;
  int32_t Height = 0;
  friend bool operator==(const Size& a, const Size& b) {
    return a.Width == b.Width && a.Height == b.Height;
  }
  friend bool operator!=(const Size& a, const Size& b) { return !(a == b); }
};

// Right and Bottom lie one past the last pixel.
struct Rect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  friend bool operator==(const Rect& a, const Rect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
  }
  friend bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }
};

int32_t RectWidth(const Rect& r);
int32_t RectHeight(const Rect& r);
Rect OffsetRectByPoint(const Rect& r, const Point& p);
// The common part of two rectangles; empty (all zero) when they do not meet.
Rect IntersectRects(const Rect& a, const Rect& b);
