// An off-screen 32-bit top-down DIB with a memory DC and the drawing state of a
// canvas: font with its colour, brush colour, pen colour and raster mode.
// Pixels are readable directly, without a GetPixel round trip.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "base/win/unique_handle.h"

class Bitmap {
 public:
  Bitmap();
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;
  ~Bitmap();

  // Contents are undefined after a size change; a size of 0 frees the pixels.
  void SetSize(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  HDC DC() const { return dc_.get(); }
  HBITMAP Handle() const { return bitmap_.get(); }

  // COLORREF of a pixel; 0 (black) outside the bitmap.
  COLORREF Pixel(int x, int y) const;
  // All pixels as rows of 0x00RRGGBB, top-down, Width() to a row, with the drawing queued for
  // them done; null while the bitmap has no size.
  const uint32_t* Pixels() const;

  void SetBrushColor(COLORREF color);
  COLORREF BrushColor() const { return brushColor_; }
  void SetPen(COLORREF color, int rop2);
  void SetPenColor(COLORREF color) { SetPen(color, penMode_); }
  void SetPenMode(int rop2);
  void SetFont(HFONT font);  // takes ownership
  HFONT Font() const { return font_.get(); }
  void SetFontColor(COLORREF color);

  void FillRect(int left, int top, int right, int bottom);
  void FillRect(int left, int top, int right, int bottom, COLORREF color);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Line(int x0, int y0, int x1, int y1) {
    MoveTo(x0, y0);
    LineTo(x1, y1);
  }
  // Opaque text on the brush colour.
  void TextOut(int x, int y, const std::wstring& text);
  SIZE TextExtent(const std::wstring& text) const;

 private:
  UniqueDC dc_;
  UniqueBitmap bitmap_;
  // Pens by colour: a cycle switches between a few colours, and creating a pen for every
  // switch costs more than the lines it draws.
  struct CachedPen {
    COLORREF color = 0;
    UniquePen pen;
  };
  std::array<CachedPen, 6> pens_;
  size_t nextPen_ = 0;
  UniqueBrush brush_;
  UniqueFont font_;
  HGDIOBJ originalBitmap_ = nullptr;
  HGDIOBJ originalPen_ = nullptr;
  HGDIOBJ originalFont_ = nullptr;
  uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  COLORREF brushColor_ = RGB(255, 255, 255);
  COLORREF penColor_ = RGB(0, 0, 0);
  int penMode_ = R2_COPYPEN;
};
