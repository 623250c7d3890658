#include "main/view/win/view.h"

#include <algorithm>

#include "base/win/unique_handle.h"
#include "general/win/codepage.h"
#include "general/win/platform_info.h"
#include "main/texts/panel_texts.h"
#include "resources/resource_ids.h"

namespace {

// Pen modes are numbered as the settings file stores them; the drawing system numbers its
// binary raster operations differently.
int Rop2OfPenMode(PenMode mode) {
  switch (mode) {
    case kPenModeInvert:
      return R2_NOT;
    case kPenModeMask:
      return R2_MASKPEN;
    case kPenModeXor:
      return R2_XORPEN;
    default:
      return R2_COPYPEN;
  }
}

constexpr int kImageCount = 6;
constexpr int kStatusStrips[kStatusIconSizeCount] = {IDB_STATUS_ICONS, IDB_STATUS_ICONS_18,
                                                     IDB_STATUS_ICONS_21, IDB_STATUS_ICONS_25,
                                                     IDB_STATUS_ICONS_28};
constexpr COLORREF kTransparentKey = RGB(255, 0, 255);
// Icon slots: 0 stay on top, 1 smooth capture, 2 paused, 4 loupe or fixed point.
constexpr int kSlotStayOnTop = 0;
constexpr int kSlotSmooth = 1;
constexpr int kSlotPaused = 2;
constexpr int kSlotMode = 4;
constexpr int kImageStayOnTop = 0;
constexpr int kImageSmooth = 1;
constexpr int kImagePaused = 2;
constexpr int kImageLupe = 3;
constexpr int kImageFixed = 4;

}  // namespace

void TView::ApplyLayout(const LayoutResult& layout) {
  FInfoRect = layout.InfoRect;
  FViewBitmap.SetSize(layout.ClientWidth, layout.ClientHeight);
  FDstSize = layout.DstSize;
  FCellCols = layout.CellCols;
  FCellRows = layout.CellRows;
  FSrcSize = layout.SrcSize;
  FSrcHalf = layout.SrcHalf;
  FCursorCell = layout.CursorCell;
  FSizeAtDpi.Remember(Size{layout.ClientWidth, layout.InfoRect.Top}, FDpi);
}

void TView::DrawOverlay(bool gridShown, const SpacingReach& spacing, int32_t sampleCells) {
  GridPlanInput plan;
  plan.Zoom = FZoom;
  plan.CellCols = FCellCols;
  plan.CellRows = FCellRows;
  plan.CursorCell = FCursorCell;
  plan.ZoomAreaHeight = FInfoRect.Top;
  plan.ClientWidth = FViewBitmap.Width();
  plan.GridShown = gridShown;
  plan.GridColor = FGridColor;
  plan.SubGridColor = FSubGridColor;
  plan.GridPenMode = FGridPenMode;
  plan.Spacing = spacing;
  plan.SampleCells = sampleCells;
  PlanGrid(plan, gridLines_);
  for (const GridLine& line : gridLines_) {
    FViewBitmap.SetPen(line.Color, Rop2OfPenMode(line.Mode));
    FViewBitmap.Line(line.Start.X, line.Start.Y, line.End.X, line.End.Y);
  }
  FViewBitmap.SetPenMode(R2_COPYPEN);
}

int32_t TView::StatusIconSize() const { return kStatusIconSizes[StatusIconSizeIndex(FDpi)]; }

void TView::DrawStatusIcons(int32_t y, const TStatusIcons& icons) {
  const int32_t size = StatusIconSize();
  if (!statusImages_.DC() || statusImagesSize_ != size) {
    statusImagesSize_ = size;
    statusImages_.SetSize(size * kImageCount, size);
    UniqueBitmap strip(static_cast<HBITMAP>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kStatusStrips[StatusIconSizeIndex(FDpi)]),
        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (strip) {
      UniqueDC source(CreateCompatibleDC(statusImages_.DC()));
      SelectedObject selected(source.get(), strip.get());
      BitBlt(statusImages_.DC(), 0, 0, size * kImageCount, size, source.get(), 0, 0, SRCCOPY);
    } else {
      statusImages_.FillRect(0, 0, size * kImageCount, size, kTransparentKey);
    }
  }
  auto draw = [&](int slot, int image) {
    GdiTransparentBlt(FViewBitmap.DC(), FIconsLeft + slot * size, y, size, size, statusImages_.DC(),
                      image * size, 0, size, size, kTransparentKey);
  };
  if (icons.StayOnTop) draw(kSlotStayOnTop, kImageStayOnTop);
  if (icons.Smooth) draw(kSlotSmooth, kImageSmooth);
  if (icons.Paused) draw(kSlotPaused, kImagePaused);
  if (icons.Lupe)
    draw(kSlotMode, kImageLupe);
  else if (icons.Fixed)
    draw(kSlotMode, kImageFixed);
}

void TView::HorizontalRule(int32_t x0, int32_t x1, int32_t y, COLORREF color) {
  FViewBitmap.FillRect(x0, y, x1, y + ScaleToDpi(1, FDpi), color);
}

void TView::VerticalRule(int32_t x, int32_t y0, int32_t y1, COLORREF color) {
  FViewBitmap.FillRect(x, y0, x + ScaleToDpi(1, FDpi), y1, color);
}

void TView::DrawPanelText(int32_t x, int32_t y, const std::wstring& text) {
  if (IsNTPlatform()) {
    // Window texts and paths may hold characters of any script.
    if (!fallback_.Draw(FViewBitmap.DC(), x, y, text, PanelFace().Fallbacks))
      FViewBitmap.TextOut(x, y, text);
  } else {
    const std::string narrow = WideToAnsi(text);
    TextOutA(FViewBitmap.DC(), x, y, narrow.c_str(), static_cast<int>(narrow.size()));
  }
}

void TView::SetPanelFont(int points, const std::wstring& zoomCaption) {
  const TPanelFace face = PanelFace();
  HFONT font = CreateFontW(-MulDiv(points, FFontDpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           face.CharSet, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           FIXED_PITCH | FF_MODERN, face.Face);
  FViewBitmap.SetFont(font);
  fallback_.Reset();
  // trunc(height × 1.2) in exact integers.
  FLineHeight = FViewBitmap.TextExtent(L"A").cy * 6 / 5 + 1;
  FIconsLeft = FViewBitmap.TextExtent(zoomCaption).cx + FLineHeight + 8;
  // The rule between labels and values runs through the blank after the longest label.
  int32_t longest = 0;
  for (int32_t item = 1; item <= kInfoItemCount; ++item)
    longest = std::max<int32_t>(longest, FViewBitmap.TextExtent(PanelLabel(item)).cx);
  FLabelWidth = longest + FViewBitmap.TextExtent(L" ").cx / 2;
}

void TView::Paint(HDC dc, bool active) {
  const int cw = FViewBitmap.Width();
  const int ch = FViewBitmap.Height();
  BitBlt(dc, 0, 0, cw, ch, FViewBitmap.DC(), 0, 0, SRCCOPY);

  const COLORREF frame = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  UniquePen pen(CreatePen(PS_SOLID, 1, frame));
  SelectedObject selected(dc, pen.get());
  const int previousRop = SetROP2(dc, R2_COPYPEN);
  MoveToEx(dc, 0, 0, nullptr);
  LineTo(dc, 0, ch - 1);
  LineTo(dc, cw - 1, ch - 1);
  LineTo(dc, cw - 1, 0);
  LineTo(dc, 0, 0);
  SetROP2(dc, previousRop);
}
