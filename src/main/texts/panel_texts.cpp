#include "main/texts/panel_texts.h"

#include <algorithm>
#include <iterator>

#include "base/checked.h"

namespace {

// clang-format off
// In the order of the items' numbers.
constexpr TPanelLabel kPanelLabels[] = {
    {kItemRGB, {L"RGB", L"RGB"}},
    {kItemHTML, {L"HTML", L"HTML"}},
    {kItemCOLORREF, {L"COLORREF", L"COLORREF"}},
    {kItemPosScreen, {L"ｽｸﾘｰﾝ", L"Screen"}},
    {kItemPosClient, {L"ｸﾗｲｱﾝﾄ", L"Client"}},
    {kItemPosUser, {L"任意", L"User"}},
    {kItemHandle, {L"ﾊﾝﾄﾞﾙ", L"Handle"}},
    {kItemClassName, {L"ｸﾗｽ名", L"Class"}},
    {kItemText, {L"ﾃｷｽﾄ", L"Text"}},
    {kItemWindowSize, {L"Wｻｲｽﾞ", L"Window"}},
    {kItemClientSize, {L"Cｻｲｽﾞ", L"Client sz"}},
    {kItemRect, {L"Rect", L"Rect"}},
    {kItemExeName, {L"実行ﾌｧｲﾙ", L"Exe"}},
    {kItemPosDpi, {L"DPI", L"DPI"}},
    {kItemContrast, {L"ｺﾝﾄﾗｽﾄ", L"Contrast"}},
    {kItemHsl, {L"HSL", L"HSL"}},
    {kItemDistance, {L"距離", L"Distance"}},
    {kItemStyle, {L"ｽﾀｲﾙ", L"Style"}},
    {kItemParent, {L"親", L"Parent"}},
    {kItemProcess, {L"ﾌﾟﾛｾｽ", L"Process"}},
    {kItemDpiAwareness, {L"DPI認識", L"DPI aware"}},
    {kItemVisibleBounds, {L"見た目", L"Visible"}},
    {kItemElement, {L"要素", L"Element"}},
    {kItemElementId, {L"要素ID", L"Auto ID"}},
    {kItemElementBounds, {L"要素範囲", L"Bounds"}},
    {kItemElementFramework, {L"ﾌﾚｰﾑﾜｰｸ", L"Framework"}},
    {kItemSpacing, {L"間隔", L"Spacing"}},
    {kItemHistory, {L"履歴", L"History"}},
};
// clang-format on

constexpr bool RowsFollowTheItems() {
  if (std::size(kPanelLabels) != static_cast<std::size_t>(kInfoItemCount)) return false;
  for (std::size_t i = 0; i < std::size(kPanelLabels); ++i)
    if (kPanelLabels[i].Item != static_cast<int32_t>(i) + 1) return false;
  return true;
}
static_assert(RowsFollowTheItems(), "one label per panel item, in the order of their numbers");

int32_t LongestLabelColumns(TLanguage language) {
  int32_t columns = 0;
  for (const TPanelLabel& row : kPanelLabels)
    columns = std::max(columns, TextColumns(row.Label.In(language)));
  return columns;
}

}  // namespace

const TPanelLabel& PanelLabelRow(int32_t item) {
  if (item < 1 || item > kInfoItemCount)
    ThrowRangeError(static_cast<std::size_t>(item), kInfoItemCount + 1);
  return kPanelLabels[item - 1];
}

std::wstring PanelLabel(int32_t item) { return Pick(PanelLabelRow(item).Label); }

int32_t PanelLabelColumns() {
  static const int32_t columns[kLanguageCount] = {LongestLabelColumns(kLanguages[0]),
                                                  LongestLabelColumns(kLanguages[1])};
  return columns[static_cast<int>(ActiveLanguage())];
}

std::wstring PaddedPanelLabel(int32_t item) {
  std::wstring label = PanelLabel(item);
  // One blank at least parts the longest label from its values.
  label.append(static_cast<std::size_t>(PanelLabelColumns() + 1 - TextColumns(label)), L' ');
  return label;
}

TPanelFace PanelFace() {
  // Japanese: the gothic face of every Japanese system, in its own character set (128), which
  // draws the panel as it always has. English: a face that every Windows since 3.1 has, with
  // "…", the arrows and the WGL4 scripts, asked for in the ANSI set (0) so that no system locale
  // maps it to another face; East Asian texts fall back to the faces that the systems with those
  // scripts have, and last to a face that the system links to its East Asian fonts.
  static const wchar_t* const kNone[] = {nullptr};
  static const wchar_t* const kEastAsian[] = {
      L"MS Gothic",        L"ＭＳ ゴシック",        L"SimSun", L"Gulim", L"MingLiU",
      L"Arial Unicode MS", L"Microsoft Sans Serif", nullptr};
  static const TPanelFace faces[kLanguageCount] = {{L"ＭＳ ゴシック", 128, kNone},
                                                   {L"Courier New", 0, kEastAsian}};
  return faces[static_cast<int>(ActiveLanguage())];
}
