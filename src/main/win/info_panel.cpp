// The information area: title line, colour swatch, the item lines and the rules.
#include "base/checked.h"
#include "general/win/codepage.h"
#include "general/win/input_state.h"
#include "general/win/platform_info.h"
#include "main/main.h"

namespace {
constexpr int kIconSize = 14;
constexpr int kImageCount = 6;
}  // namespace

void TApp_Loupist::DrawPanelText(int32_t x, int32_t y, const std::wstring& text) {
  if (IsNTPlatform()) {
    // Window texts and paths may hold characters of any script.
    FViewBitmap.TextOut(x, y, text);
  } else {
    const std::string narrow = WideToAnsi(text);
    TextOutA(FViewBitmap.DC(), x, y, narrow.c_str(), static_cast<int>(narrow.size()));
  }
}

void TApp_Loupist::DrawInfoLine(PanelPass pass, const std::wstring& text, int32_t& y) {
  if (pass == PanelPass::kDraw) {
    FViewBitmap.Line(0, y - 2, FViewBitmap.Width(), y - 2);
    DrawPanelText(2, y, text);
  }
  y = CheckedAdd(y, FLineHeight);
}

// Three passes share one walk: the cycle draws, a copy command takes its one item's text
// (shown or not), and the layout only measures the height the shown lines need.
void TApp_Loupist::RenderInfoLines(PanelPass pass, int32_t& y, const Action* copyCommand) {
  y = CheckedAdd(y, FLineHeight);
  for (int32_t item = 1; item <= kInfoItemCount; ++item) {
    if (pass == PanelPass::kCopy && copyCommand == infoCopyActions_[item - 1]) {
      CopyItemText(*copyCommand, InfoCopyText(item, ProbeInfo, IsKeyDown(VK_SHIFT)));
    } else if (infoItemActions_[item - 1]->Checked()) {
      DrawInfoLine(pass, InfoDisplayText(item, ProbeInfo), y);
    }
  }
}

void TApp_Loupist::DrawInfoArea() {
  const int32_t T = FInfoRect.Top;
  const int32_t h = FLineHeight;
  const int32_t cw = FViewBitmap.Width();
  const int32_t ch = FViewBitmap.Height();
  const bool active = IsActiveWindow();

  int brush, font, pen;
  if (!active) {
    brush = COLOR_BTNFACE, font = COLOR_BTNTEXT, pen = COLOR_BTNSHADOW;
  } else if (actCapture_Pause->Checked()) {
    brush = COLOR_INFOBK, font = COLOR_INFOTEXT, pen = COLOR_BTNFACE;
  } else {
    brush = COLOR_WINDOW, font = COLOR_WINDOWTEXT, pen = COLOR_BTNFACE;
  }
  FViewBitmap.SetBrushColor(GetSysColor(brush));
  FViewBitmap.SetFontColor(GetSysColor(font));
  FViewBitmap.SetPen(GetSysColor(pen), R2_COPYPEN);
  FViewBitmap.FillRect(FInfoRect.Left, FInfoRect.Top, FInfoRect.Right, FInfoRect.Bottom);

  // Title line: the zoom caption and the status icons, or the transient message.
  if (FStatusText.empty()) {
    FViewBitmap.TextOut(h + 2, T + 2, ZoomCaption(FZoom));
    DrawStatusIcons(T + 1);
    if (actCapture_Fixed->Checked() && !LupeMode())
      FViewBitmap.TextOut(FIconsLeft + kImageCount * kIconSize, T + 2,
                          FixedPointCaption(ProbeInfo.ScreenPoint));
  } else {
    DrawPanelText(h + 2, T + 2, FStatusText);
  }

  // Colour swatch with its frame.
  FViewBitmap.FillRect(2, T + 3, h - 2, T + h - 2, ProbeInfo.Color);
  FViewBitmap.MoveTo(1, T + 2);
  FViewBitmap.LineTo(h - 2, T + 2);
  FViewBitmap.LineTo(h - 2, T + h - 2);
  FViewBitmap.LineTo(1, T + h - 2);
  FViewBitmap.LineTo(1, T + 2);

  int32_t y = T + 2;
  RenderInfoLines(PanelPass::kDraw, y);

  FViewBitmap.Line(FLabelWidth, T + h + 1, FLabelWidth, ch);
  FViewBitmap.SetPenColor(GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
  FViewBitmap.Line(0, T, cw, T);
}

void TApp_Loupist::ApplyFontSize(int points) {
  WindowDC screen(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  HFONT font = CreateFontW(-MulDiv(points, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
  FViewBitmap.SetFont(font);
}

void TApp_Loupist::actOpt_BigFontExecute() {
  ApplyFontSize(actOpt_BigFont->Checked() ? actOpt_BigFont->Tag() : 9);
  // trunc(height × 1.2) in exact integers.
  FLineHeight = FViewBitmap.TextExtent(L"A").cy * 6 / 5 + 1;
  FIconsLeft = FViewBitmap.TextExtent(ZoomCaption(FZoom)).cx + FLineHeight + 8;
  FLabelWidth = FViewBitmap.TextExtent(L"COLORREF").cx + FViewBitmap.TextExtent(L" ").cx / 2;
  FormResize(actOpt_BigFont);
}
