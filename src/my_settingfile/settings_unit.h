// The unit's process-wide blocks. They are constant-initialised (the record to zero, the tables
// to their built-in contents), so they are valid even before InitSettingsUnit runs; the entry
// still calls InitSettingsUnit in its start-up order, and tests call it to start from a clean
// state.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "my_settingfile/settings_record.h"

extern TSettingsRecord SettingsRecord;
extern TKeyCommandTable KeyCommandTable;
extern TGestureCommandTable GestureCommandTable;

// Zero-fills SettingsRecord and puts the built-in contents into both tables.
void InitSettingsUnit();

// Replaces all three blocks from a file image and answers true; leaves them unchanged and answers
// false when the image is not a valid settings file.
bool TakeSettingsImage(const uint8_t* data, std::size_t size);
bool TakeSettingsImage(const std::vector<uint8_t>& image);

// The file image of the three blocks as they are now.
std::vector<uint8_t> CurrentSettingsImage();
