// Reading the information panel back: a text drawn as the panel draws it, compared with
// what the view bitmap holds.
#pragma once
#include <windows.h>

#include <string>

#include "main/form/win/internals.h"
#include "main/form/win/main.h"

// The panel's background and text colours for the window's present state.
struct PanelColors {
  COLORREF Brush;
  COLORREF Font;
};
PanelColors PanelColorsOf(TApp_Loupist& app);

// y of the k-th shown line (1-based; 0 is the title line).
int PanelLineY(LoupistInternals& a, int k);

// Empty when the view shows exactly `text`, drawn at (x, y) on the panel's background,
// across `area` (the vertical rule's column excepted); otherwise where the first pixel differs.
std::string PanelTextDiff(TApp_Loupist& app, LoupistInternals& a, int x, int y, const Rect& area,
                          const std::wstring& text);

// Pixels of `area` that are not the panel's background.
int PanelInkPixels(TApp_Loupist& app, LoupistInternals& a, const Rect& area);

// The k-th shown line, between its separator and the next one.
std::string PanelLineDiff(TApp_Loupist& app, LoupistInternals& a, int k, const std::wstring& text);
