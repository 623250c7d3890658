// The main window's description as data: its command table and the popup menu
// mnuMain. The window builds its ActionList and its menu from these.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/command_model.h"
#include "platform/menu_model.h"
#include "resources/command_ids.h"

// Virtual-key codes of the shortcuts below (the Windows values).
constexpr uint16_t kVkF4 = 0x73;
constexpr uint16_t kVkF10 = 0x79;

// Every command of the main window, in table order.
const std::vector<ActionDef>& MainCommandDefs();

// The popup menu mnuMain; its Items are the top level.
const MenuItemDef& MainMenuDef();

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
