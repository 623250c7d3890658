#include "tests/win/panel_lines.h"

#include "general/dpi_scale.h"
#include "platform/win/bitmap.h"

PanelColors PanelColorsOf(TApp_Loupist& app) {
  LoupistInternals a(app);
  if (GetActiveWindow() != app.Handle())
    return {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)};
  if (a.Command(Cmd::actCapture_Pause).Checked())
    return {GetSysColor(COLOR_INFOBK), GetSysColor(COLOR_INFOTEXT)};
  return {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)};
}

int PanelLineY(LoupistInternals& a, int k) { return a.InfoRect().Top + 2 + k * a.LineHeight(); }

std::string PanelTextDiff(TApp_Loupist& app, LoupistInternals& a, int x, int y, const Rect& area,
                          const std::wstring& text) {
  Bitmap& view = a.View();
  const PanelColors colors = PanelColorsOf(app);
  Bitmap reference;
  reference.SetSize(view.Width(), view.Height());
  LOGFONTW font{};
  GetObjectW(view.Font(), sizeof(font), &font);
  reference.SetFont(CreateFontIndirectW(&font));
  reference.SetBrushColor(colors.Brush);
  reference.SetFontColor(colors.Font);
  reference.FillRect(0, 0, view.Width(), view.Height());
  reference.TextOut(x, y, text);
  // The rule between labels and values crosses every line; it is as thick as the DPI makes
  // one pixel.
  const int ruleEnd = a.LabelWidth() + ScaleToDpi(1, a.Dpi());
  for (int row = area.Top; row < area.Bottom; ++row) {
    for (int column = area.Left; column < area.Right; ++column) {
      if (column >= a.LabelWidth() && column < ruleEnd) continue;
      if (view.Pixel(column, row) != reference.Pixel(column, row)) {
        return "pixel (" + std::to_string(column) + ", " + std::to_string(row) + ") differs";
      }
    }
  }
  return std::string();
}

std::string PanelLineDiff(TApp_Loupist& app, LoupistInternals& a, int k, const std::wstring& text) {
  const int y = PanelLineY(a, k);
  const Rect line{2, y, a.View().Width() - 1, y + a.LineHeight() - 2};
  return PanelTextDiff(app, a, 2, y, line, text);
}

int PanelInkPixels(TApp_Loupist& app, LoupistInternals& a, const Rect& area) {
  const COLORREF background = PanelColorsOf(app).Brush;
  int ink = 0;
  for (int row = area.Top; row < area.Bottom; ++row)
    for (int column = area.Left; column < area.Right; ++column)
      ink += a.View().Pixel(column, row) != background ? 1 : 0;
  return ink;
}
