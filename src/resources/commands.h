// The main window's description as data: its command table and the popup menu
// mnuMain. The window builds its ActionList and its menu from these.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/command_model.h"

// Virtual-key codes of the shortcuts below (the Windows values).
constexpr uint16_t kVkF4 = 0x73;
constexpr uint16_t kVkF10 = 0x79;

// Every command of the main window, in table order.
const std::vector<ActionDef>& MainCommandDefs();

enum class MenuItemKind { kCommand, kSubmenu, kSeparator };

struct MenuItemDef {
  std::string Name;
  MenuItemKind Kind = MenuItemKind::kCommand;
  std::string Command;   // name of the command a command item shows
  std::wstring Caption;  // a submenu's caption; for a command item its own caption or empty
  std::wstring Hint;     // likewise
  int32_t Tag = 0;
  int32_t GroupIndex = 0;  // menu group of a check or radio item
  bool RadioItem = false;  // radio bullet rather than check mark
  bool Default = false;    // drawn bold
  bool Visible = true;
  std::vector<MenuItemDef> Items;  // a submenu's items, in order
};

// The popup menu mnuMain; its Items are the top level.
const MenuItemDef& MainMenuDef();

// Depth-first search below root; nullptr when no item has that name.
const MenuItemDef* FindMenuItem(const MenuItemDef& root, const std::string& name);
// Position of a direct child; -1 when parent has no such item.
int32_t MenuIndexOf(const MenuItemDef& parent, const std::string& name);

// What a command item shows: its own text where it has one, else the command's.
const std::wstring& MenuItemCaption(const MenuItemDef& item, const Action& action);
const std::wstring& MenuItemHint(const MenuItemDef& item, const Action& action);

// Positions in the grid submenu. The settings file stores the chosen grid and
// sub-grid colours by these positions, so they are part of its format.
constexpr int32_t kGridItemDisp = 0;
constexpr int32_t kGridItemLineGrid = 1;
constexpr int32_t kGridItemGray = 2;
constexpr int32_t kGridItemInvert = 3;
constexpr int32_t kGridItemTransparent = 4;
constexpr int32_t kGridItemSelColor = 5;
constexpr int32_t kGridItemLineSubGrid = 6;
constexpr int32_t kGridItemSubBlue = 7;
constexpr int32_t kGridItemSelSubColor = 8;
constexpr int32_t kGridItemCount = 9;
