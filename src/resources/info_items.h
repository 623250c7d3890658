// The items of the information panel by number, and the groups they belong to: what the
// panel, the copies, the texts and the settings name an item by.
#pragma once
#include <array>
#include <cstdint>

// The items, numbered as the settings and the original thirteen know them; index 0 of the format
// tables is not an item. The panel order is that of the panel item table.
enum TInfoItem : int32_t {
  kItemRGB = 1,
  kItemHTML,
  kItemCOLORREF,
  kItemPosScreen,
  kItemPosClient,
  kItemPosUser,
  kItemHandle,
  kItemClassName,
  kItemText,
  kItemWindowSize,
  kItemClientSize,
  kItemRect,
  kItemExeName,
  // Added after the thirteen, so that their indexes stay; the panel shows each in its group
  // (see PanelLineItem).
  kItemPosDpi,
  kItemContrast,
  kItemHsl,
  kItemDistance,
  kItemStyle,
  kItemParent,
  kItemProcess,
  kItemDpiAwareness,
  kItemVisibleBounds,
  // The UI element under the probe point, a group of its own.
  kItemElement,
  kItemElementId,
  kItemElementBounds,
  kItemElementFramework,
  // The runs of like pixels through the probe point, in the position group.
  kItemSpacing,
  // The colour history as a row of swatches, shown in the colour group.
  kItemHistory,
};
constexpr int32_t kInfoItemCount = 28;

enum class TInfoGroup { Color, Position, Window, Element };

// Check marks of the items; element i belongs to item i + 1.
using InfoItemChecks = std::array<bool, kInfoItemCount>;
