// The labels of the information panel's items, Japanese and English side by side. The panel
// pads every label to one column, as wide as the active language's longest label needs.
#pragma once
#include <cstdint>
#include <string>

#include "main/texts/language.h"
#include "resources/info_items.h"

struct TPanelLabel {
  TInfoItem Item;
  TText Label;
};

// The row of item 1..kInfoItemCount; other indexes throw CheckedError.
const TPanelLabel& PanelLabelRow(int32_t item);
// The label of the item in the active language, without padding.
std::wstring PanelLabel(int32_t item);
// Columns of the active language's longest label.
int32_t PanelLabelColumns();
// The label and the blanks after it, up to where the values start.
std::wstring PaddedPanelLabel(int32_t item);

// The panel's fixed-pitch face for the active language, the character set to ask it for, and
// the faces that draw what it has no glyph for (texts of other scripts among the values), in
// the order they are tried; none where the face itself covers what the panel shows.
struct TPanelFace {
  const wchar_t* Face;
  uint8_t CharSet;
  const wchar_t* const* Fallbacks;  // ends with nullptr
};
TPanelFace PanelFace();
