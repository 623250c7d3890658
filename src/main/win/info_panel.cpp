// The information area: title line, colour swatch, the item lines and the rules.
#include "base/checked.h"
#include "general/win/codepage.h"
#include "general/win/input_state.h"
#include "general/win/platform_info.h"
#include "main/main.h"
#include "main/panel_items.h"

namespace {
constexpr int kImageCount = 6;
}  // namespace

void TApp_Loupist::DrawInfoLine(PanelPass pass, const std::wstring& text, int32_t& y) {
  if (pass == PanelPass::kDraw) {
    FView.HorizontalRule(0, FView.FViewBitmap.Width(), y - 2, FView.FRuleColor);
    FView.DrawPanelText(2, y, text);
  }
  y = CheckedAdd(y, FView.FLineHeight);
}

// Three passes share one walk: the cycle draws, a copy command takes its one item's text
// (shown or not), and the layout only measures the height the shown lines need.
void TApp_Loupist::RenderInfoLines(PanelPass pass, int32_t& y, const Action* copyCommand) {
  y = CheckedAdd(y, FView.FLineHeight);
  for (int32_t line = 1; line <= kInfoItemCount; ++line) {
    const int32_t item = PanelLineItem(line);
    if (pass == PanelPass::kCopy && copyCommand == infoCopyActions_[item - 1]) {
      CopyItemText(*copyCommand, InfoCopyText(item, ProbeInfo, IsKeyDown(VK_SHIFT)));
    } else if (infoItemActions_[item - 1]->Checked()) {
      DrawInfoLine(pass, InfoDisplayText(item, ProbeInfo), y);
    }
  }
}

void TApp_Loupist::DrawInfoArea() {
  const int32_t T = FView.FInfoRect.Top;
  const int32_t h = FView.FLineHeight;
  const int32_t cw = FView.FViewBitmap.Width();
  const int32_t ch = FView.FViewBitmap.Height();
  const bool active = IsActiveWindow();

  int brush, font, pen;
  if (!active) {
    brush = COLOR_BTNFACE, font = COLOR_BTNTEXT, pen = COLOR_BTNSHADOW;
  } else if (actCapture_Pause->Checked()) {
    brush = COLOR_INFOBK, font = COLOR_INFOTEXT, pen = COLOR_BTNFACE;
  } else {
    brush = COLOR_WINDOW, font = COLOR_WINDOWTEXT, pen = COLOR_BTNFACE;
  }
  FView.FViewBitmap.SetBrushColor(GetSysColor(brush));
  FView.FViewBitmap.SetFontColor(GetSysColor(font));
  FView.FViewBitmap.SetPen(GetSysColor(pen), R2_COPYPEN);
  FView.FRuleColor = GetSysColor(pen);
  FView.FViewBitmap.FillRect(FView.FInfoRect.Left, FView.FInfoRect.Top, FView.FInfoRect.Right,
                             FView.FInfoRect.Bottom);

  // Title line: the zoom caption and the status icons, or the transient message.
  if (FStatusText.empty()) {
    FView.FViewBitmap.TextOut(h + 2, T + 2, ZoomCaption(FZoom));
    TStatusIcons icons;
    icons.StayOnTop = actOpt_StayOnTop->Checked();
    icons.Smooth = actOpt_SmoothCapture->Checked();
    icons.Paused = actCapture_Pause->Checked();
    icons.Lupe = LupeMode();
    icons.Fixed = actCapture_Fixed->Checked();
    FView.DrawStatusIcons(T + 1, icons);
    if (actCapture_Fixed->Checked() && !LupeMode())
      FView.FViewBitmap.TextOut(FView.FIconsLeft + kImageCount * FView.StatusIconSize(), T + 2,
                                FixedPointCaption(ProbeInfo.ScreenPoint));
  } else {
    FView.DrawPanelText(h + 2, T + 2, FStatusText);
  }

  // Colour swatch with its frame.
  FView.FViewBitmap.FillRect(2, T + 3, h - 2, T + h - 2, ProbeInfo.Color);
  FView.FViewBitmap.MoveTo(1, T + 2);
  FView.FViewBitmap.LineTo(h - 2, T + 2);
  FView.FViewBitmap.LineTo(h - 2, T + h - 2);
  FView.FViewBitmap.LineTo(1, T + h - 2);
  FView.FViewBitmap.LineTo(1, T + 2);

  int32_t y = T + 2;
  RenderInfoLines(PanelPass::kDraw, y);

  FView.VerticalRule(FView.FLabelWidth, T + h + 1, ch, FView.FRuleColor);
  FView.HorizontalRule(0, cw, T, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
}

void TApp_Loupist::ApplyPanelFont() {
  FView.SetPanelFont(actOpt_BigFont->Checked() ? actOpt_BigFont->Tag() : 9, ZoomCaption(FZoom));
}

void TApp_Loupist::actOpt_BigFontExecute() {
  ApplyPanelFont();
  FormResize(actOpt_BigFont);
}
