// The items of the information panel, one row each: everything the panel, the
// copies, the settings file and the menu need to know of an item is read from here.
#pragma once
#include <cstdint>

#include "main/probe/info_lines.h"
#include "my_settingfile/settings_plan.h"
#include "resources/command_ids.h"

struct TPanelItemDef {
  TInfoItem Item;
  TInfoGroup Group;
  // The item's bit in its group's flag word of the settings file (a file-format position).
  uint32_t SettingsBit;
  // The line's check in the settings record's checks.
  bool TSettingsChecks::*SettingsCheck;
  Cmd Line;  // shows or hides the panel line
  Cmd Copy;  // copies the value
  // The values as the panel shows them after the item's label (whose texts are the texts
  // component's).
  const wchar_t* ValueFormat;
  const wchar_t* CopyFormat;       // Shift up
  const wchar_t* ShiftCopyFormat;  // Shift down
};

// Item 1..kInfoItemCount; other indexes throw CheckedError.
const TPanelItemDef& PanelItem(int32_t index);
// The item shown on panel line 1..kInfoItemCount, counted as if every line were shown.
int32_t PanelLineItem(int32_t line);
