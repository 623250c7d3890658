#include "platform/win/bitmap.h"

#include <stdexcept>

Bitmap::Bitmap() : dc_(CreateCompatibleDC(nullptr)) {
  if (!dc_) throw std::runtime_error("CreateCompatibleDC failed");
  pens_[0].color = penColor_;
  pens_[0].pen.reset(CreatePen(PS_SOLID, 1, penColor_));
  nextPen_ = 1;
  brush_.reset(CreateSolidBrush(brushColor_));
  originalPen_ = SelectObject(dc_.get(), pens_[0].pen.get());
  originalFont_ = GetCurrentObject(dc_.get(), OBJ_FONT);
  SetBkMode(dc_.get(), OPAQUE);
  SetBkColor(dc_.get(), brushColor_);
}

Bitmap::~Bitmap() {
  // Put the stock objects back so that ours are not selected when they are deleted.
  if (originalBitmap_) SelectObject(dc_.get(), originalBitmap_);
  if (originalPen_) SelectObject(dc_.get(), originalPen_);
  if (originalFont_) SelectObject(dc_.get(), originalFont_);
}

void Bitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_ && bitmap_) return;
  if (originalBitmap_) {
    SelectObject(dc_.get(), originalBitmap_);
    originalBitmap_ = nullptr;
  }
  bitmap_.reset();
  bits_ = nullptr;
  width_ = height_ = 0;
  if (width <= 0 || height <= 0) return;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap created(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!created || !bits) throw std::runtime_error("CreateDIBSection failed");
  bitmap_ = std::move(created);
  bits_ = static_cast<uint32_t*>(bits);
  width_ = width;
  height_ = height;
  originalBitmap_ = SelectObject(dc_.get(), bitmap_.get());
}

COLORREF Bitmap::Pixel(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  GdiFlush();
  const uint32_t bgra = bits_[static_cast<size_t>(y) * width_ + x];
  // DIB memory is 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
  return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

const uint32_t* Bitmap::Pixels() const {
  if (bits_) GdiFlush();
  return bits_;
}

void Bitmap::SetBrushColor(COLORREF color) {
  if (color == brushColor_ && brush_) return;
  brush_.reset(CreateSolidBrush(color));
  brushColor_ = color;
  SetBkColor(dc_.get(), color);
}

void Bitmap::SetPen(COLORREF color, int rop2) {
  if (color != penColor_) {
    CachedPen* found = nullptr;
    for (CachedPen& cached : pens_)
      if (cached.pen && cached.color == color) found = &cached;
    if (found) {
      SelectObject(dc_.get(), found->pen.get());
    } else {
      // Select the new pen before the one it replaces in the cache is deleted: a pen
      // still selected into a DC cannot be deleted.
      UniquePen pen(CreatePen(PS_SOLID, 1, color));
      SelectObject(dc_.get(), pen.get());
      CachedPen& slot = pens_[nextPen_];
      nextPen_ = (nextPen_ + 1) % pens_.size();
      slot.pen = std::move(pen);
      slot.color = color;
    }
    penColor_ = color;
  }
  SetPenMode(rop2);
}

void Bitmap::SetPenMode(int rop2) {
  if (rop2 == penMode_) return;
  SetROP2(dc_.get(), rop2);
  penMode_ = rop2;
}

void Bitmap::SetFont(HFONT font) {
  SelectObject(dc_.get(), font);
  font_.reset(font);
}

void Bitmap::SetFontColor(COLORREF color) { SetTextColor(dc_.get(), color); }

void Bitmap::FillRect(int left, int top, int right, int bottom) {
  RECT r{left, top, right, bottom};
  ::FillRect(dc_.get(), &r, brush_.get());
}

void Bitmap::FillRect(int left, int top, int right, int bottom, COLORREF color) {
  // ExtTextOut with ETO_OPAQUE fills without creating a brush.
  RECT r{left, top, right, bottom};
  const COLORREF previous = SetBkColor(dc_.get(), color);
  ExtTextOutW(dc_.get(), 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetBkColor(dc_.get(), previous);
}

void Bitmap::MoveTo(int x, int y) { MoveToEx(dc_.get(), x, y, nullptr); }
void Bitmap::LineTo(int x, int y) { ::LineTo(dc_.get(), x, y); }

void Bitmap::TextOut(int x, int y, const std::wstring& text) {
  ::TextOutW(dc_.get(), x, y, text.c_str(), static_cast<int>(text.size()));
}

SIZE Bitmap::TextExtent(const std::wstring& text) const {
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc_.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}
