// What the window shows, composed off-screen on every cycle: the enlarged picture with its
// grid above, the information area below, painted to the window by one block copy.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "general/dpi_scale.h"
#include "main/view/grid_plan.h"
#include "main/view/layout_calc.h"
#include "main/view/win/font_fallback.h"
#include "platform/win/bitmap.h"

// The status icons the title line shows.
struct TStatusIcons {
  bool StayOnTop = false;
  bool Smooth = false;
  bool Paused = false;
  bool Lupe = false;  // the mode slot: loupe wins over fixed point
  bool Fixed = false;
};

// What the panel's title line and swatch show besides the view's own state.
struct TPanelTitle {
  bool Active = true;  // the window's; the inactive panel is drawn in button colours
  bool Paused = false;
  std::wstring ZoomCaption;
  TStatusIcons Icons;
  std::wstring FixedCaption;  // the held point, after the icons; empty where none shows
  COLORREF Swatch = 0;        // the probe colour
};

class TView {
 public:
  // Sizes the bitmap to a new layout and keeps its results.
  void ApplyLayout(const LayoutResult& layout);
  // The grid, sub-grid or cross-hair, the spacing runs when shown, and the frame around the
  // probe cell, or around the square of sampleCells cells whose mean the panel shows, over the
  // zoom area, in the zoom and grid style of the moment.
  void DrawOverlay(bool gridShown, const SpacingReach& spacing = SpacingReach{},
                   int32_t sampleCells = 1);
  // The probe pixel's colour as the enlarged picture shows it.
  COLORREF ProbeCellColor() const { return FViewBitmap.Pixel(FCursorCell.X, FCursorCell.Y); }

  // The information area, drawn in three steps: its background with the title line and the
  // swatch, which answers where the first item line goes; each shown line in turn; the rules.
  int32_t DrawPanelTitle(const TPanelTitle& title);
  void DrawPanelLine(const std::wstring& text, int32_t& y);
  // A line of colour swatches (0xRRGGBB) after its label, as many as the width holds.
  void DrawPanelSwatches(const std::wstring& label, const std::vector<uint32_t>& colours,
                         int32_t& y);
  void DrawPanelRules(bool active);
  // The height of the information area with that many item lines below the title line.
  int32_t PanelHeight(int32_t lines) const;
  void DrawStatusIcons(int32_t y, const TStatusIcons& icons);
  // The side of one status image at FDpi.
  int32_t StatusIconSize() const;
  // The panel's rules, one pixel thick at 96 dots per inch and thicker with the DPI: across
  // from x0 to x1 (exclusive) below row y, or down from y0 to y1 (exclusive) right of column x.
  void HorizontalRule(int32_t x0, int32_t x1, int32_t y, COLORREF color);
  void VerticalRule(int32_t x, int32_t y0, int32_t y1, COLORREF color);
  // The colour of the rules between the panel's lines in the window's state of the moment.
  COLORREF FRuleColor = 0;
  // Panel text: wide on the NT family, what the face lacks in the language's fallback faces;
  // else through the system code page as 8-bit text.
  void DrawPanelText(int32_t x, int32_t y, const std::wstring& text);
  // The panel's font at that size for FFontDpi, and the metrics measured with it; the zoom
  // caption decides where the status icons start.
  void SetPanelFont(int points, const std::wstring& zoomCaption);
  // The bitmap as it stands, with the window's frame in the active or inactive colour.
  void Paint(HDC dc, bool active);

  Bitmap FViewBitmap;
  // The zoom, the zoom item chosen in the menu, and the zoom that a held actual-size view
  // returns to (-1 while none is held).
  int32_t FZoom = 6;
  int32_t FZoomIndex = 4;
  int32_t FSavedZoom = -1;
  // The grid style.
  COLORREF FGridColor = 0x999999;
  COLORREF FSubGridColor = 0xFF0000;
  uint8_t FGridPenMode = kPenModeCopy;
  // The transient message of the title line; empty for none.
  std::wstring FStatusText;
  // The layout's results: the source rectangle around the probe point, its enlarged size,
  // the cells of the zoom area, the probe cell, and the information area below.
  Point FSrcHalf;
  Size FSrcSize;
  Size FDstSize;
  int32_t FCellCols = 0;
  int32_t FCellRows = 0;
  Rect FInfoRect;
  Point FCursorCell;
  // The DPI of the monitor the window is on, which the font and the furniture follow.
  int32_t FDpi = 96;
  // The DPI the font is made for: FDpi where monitors have DPIs of their own; elsewhere the
  // screen's, as it always was, while the sizes stay those of 96 dots per inch.
  int32_t FFontDpi = 96;
  // The client width and zoom area as last laid out, for the next change of DPI.
  TSizeAtDpi FSizeAtDpi;
  // A DPI the system announced while the window could not follow it: while it was being
  // placed or laid out, or following another; 0 for none. The window follows it when that
  // ends.
  int32_t FAnnouncedDpi = 0;
  bool FFollowingDpi = false;
  // The panel font's metrics.
  int32_t FLineHeight = 0;
  int32_t FIconsLeft = 0;
  int32_t FLabelWidth = 0;

 private:
  std::vector<GridLine> gridLines_;  // reused every cycle
  Bitmap statusImages_;
  TFontFallback fallback_;
  int32_t statusImagesSize_ = 0;  // the size the strip in statusImages_ was loaded at
};
