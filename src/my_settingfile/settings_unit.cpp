#include "my_settingfile/settings_unit.h"

#include "my_settingfile/builtin_tables.h"
#include "my_settingfile/settings_image.h"

namespace {
// constexpr copies make the initialisers below constant expressions, which C++17 guarantees to
// apply before any dynamic initialisation in any translation unit.
constexpr TKeyCommandTable kBuiltinKeys = BuiltinKeyCommandTable();
constexpr TGestureCommandTable kBuiltinGestures = BuiltinGestureCommandTable();
}  // namespace

TSettingsRecord SettingsRecord{};
TKeyCommandTable KeyCommandTable = kBuiltinKeys;
TGestureCommandTable GestureCommandTable = kBuiltinGestures;

void InitSettingsUnit() {
  SettingsRecord = TSettingsRecord{};
  KeyCommandTable = kBuiltinKeys;
  GestureCommandTable = kBuiltinGestures;
}

bool TakeSettingsImage(const uint8_t* data, std::size_t size) {
  TSettingsBlocks blocks;
  if (!DecodeSettingsImage(data, size, blocks)) return false;
  SettingsRecord = blocks.Record;
  KeyCommandTable = blocks.Keys;
  for (TKeyCommandEntry& entry : KeyCommandTable) {
    if (entry.CommandCode != 0) continue;
    for (const TKeyCommandEntry& added : builtin_tables_detail::kAddedBindings)
      if (entry.VirtualKey == added.VirtualKey) entry.CommandCode = added.CommandCode;
  }
  GestureCommandTable = blocks.Gestures;
  return true;
}

bool TakeSettingsImage(const std::vector<uint8_t>& image) {
  return TakeSettingsImage(image.data(), image.size());
}

std::vector<uint8_t> CurrentSettingsImage() {
  TSettingsBlocks blocks;
  blocks.Record = SettingsRecord;
  blocks.Keys = KeyCommandTable;
  blocks.Gestures = GestureCommandTable;
  return EncodeSettingsImage(blocks);
}
