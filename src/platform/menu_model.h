// A popup menu as data: a tree of submenus, separators and items that show commands.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/command_model.h"

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
  // A command item that the menu's owner window measures and draws (WM_MEASUREITEM,
  // WM_DRAWITEM) in place of a caption.
  bool OwnerDrawn = false;
  std::vector<MenuItemDef> Items;  // a submenu's items, in order
};

// Depth-first search below root; nullptr when no item has that name.
const MenuItemDef* FindMenuItem(const MenuItemDef& root, const std::string& name);
// Position of a direct child; -1 when parent has no such item.
int32_t MenuIndexOf(const MenuItemDef& parent, const std::string& name);

// What a command item shows: its own text where it has one, else the command's.
const std::wstring& MenuItemCaption(const MenuItemDef& item, const Action& action);
const std::wstring& MenuItemHint(const MenuItemDef& item, const Action& action);
