// The information area of the view: background, title line, colour swatch, the item lines and
// the rules between them, in the colours of the window's state.
#include "base/checked.h"
#include "main/view/win/view.h"

namespace {
constexpr int kImageCount = 6;
}  // namespace

int32_t TView::PanelHeight(int32_t lines) const {
  return CheckedMul(FLineHeight, CheckedAdd(lines, 1));
}

int32_t TView::DrawPanelTitle(const TPanelTitle& title) {
  const int32_t T = FInfoRect.Top;
  const int32_t h = FLineHeight;
  int brush, font, pen;
  if (!title.Active) {
    brush = COLOR_BTNFACE, font = COLOR_BTNTEXT, pen = COLOR_BTNSHADOW;
  } else if (title.Paused) {
    brush = COLOR_INFOBK, font = COLOR_INFOTEXT, pen = COLOR_BTNFACE;
  } else {
    brush = COLOR_WINDOW, font = COLOR_WINDOWTEXT, pen = COLOR_BTNFACE;
  }
  FViewBitmap.SetBrushColor(GetSysColor(brush));
  FViewBitmap.SetFontColor(GetSysColor(font));
  FViewBitmap.SetPen(GetSysColor(pen), R2_COPYPEN);
  FRuleColor = GetSysColor(pen);
  FViewBitmap.FillRect(FInfoRect.Left, FInfoRect.Top, FInfoRect.Right, FInfoRect.Bottom);

  // The zoom caption and the status icons, or the transient message.
  if (FStatusText.empty()) {
    FViewBitmap.TextOut(h + 2, T + 2, title.ZoomCaption);
    DrawStatusIcons(T + 1, title.Icons);
    if (!title.FixedCaption.empty())
      FViewBitmap.TextOut(FIconsLeft + kImageCount * StatusIconSize(), T + 2, title.FixedCaption);
  } else {
    DrawPanelText(h + 2, T + 2, FStatusText);
  }

  // The swatch with its frame.
  FViewBitmap.FillRect(2, T + 3, h - 2, T + h - 2, title.Swatch);
  FViewBitmap.MoveTo(1, T + 2);
  FViewBitmap.LineTo(h - 2, T + 2);
  FViewBitmap.LineTo(h - 2, T + h - 2);
  FViewBitmap.LineTo(1, T + h - 2);
  FViewBitmap.LineTo(1, T + 2);
  return CheckedAdd(T + 2, h);
}

void TView::DrawPanelLine(const std::wstring& text, int32_t& y) {
  HorizontalRule(0, FViewBitmap.Width(), y - 2, FRuleColor);
  DrawPanelText(2, y, text);
  y = CheckedAdd(y, FLineHeight);
}

void TView::DrawPanelSwatches(const std::wstring& label, const std::vector<uint32_t>& colours,
                              int32_t& y) {
  HorizontalRule(0, FViewBitmap.Width(), y - 2, FRuleColor);
  DrawPanelText(2, y, label);
  // Where the values of the text lines start, framed as the title line's swatch is.
  const int32_t side = FLineHeight - 4;
  const int32_t step = CheckedAdd(side, 2);
  int32_t x = CheckedAdd(2, FViewBitmap.TextExtent(label).cx);
  for (uint32_t rgb : colours) {
    if (side <= 2 || CheckedAdd(x, side) > FViewBitmap.Width()) break;
    const COLORREF frame = FRuleColor;
    FViewBitmap.FillRect(x, y, x + side, y + side, frame);
    FViewBitmap.FillRect(x + 1, y + 1, x + side - 1, y + side - 1,
                         RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    x = CheckedAdd(x, step);
  }
  y = CheckedAdd(y, FLineHeight);
}

void TView::DrawPanelRules(bool active) {
  const int32_t T = FInfoRect.Top;
  VerticalRule(FLabelWidth, T + FLineHeight + 1, FViewBitmap.Height(), FRuleColor);
  HorizontalRule(0, FViewBitmap.Width(), T,
                 GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
}
