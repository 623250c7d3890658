// The settings file as bytes: a 22-byte header, then the record, the key table and the gesture
// table, little-endian and packed, 339 bytes in all.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "my_settingfile/settings_record.h"

constexpr std::size_t kSettingsHeaderSize = 22;
constexpr std::size_t kSettingsRecordSize = 61;
constexpr std::size_t kKeyCommandTableSize = kKeyCommandCount * 4;
constexpr std::size_t kGestureCommandTableSize = kGestureCount * 2;

constexpr std::size_t kSettingsRecordOffset = kSettingsHeaderSize;
constexpr std::size_t kKeyCommandTableOffset = kSettingsRecordOffset + kSettingsRecordSize;
constexpr std::size_t kGestureCommandTableOffset = kKeyCommandTableOffset + kKeyCommandTableSize;
constexpr std::size_t kSettingsFileSize = kGestureCommandTableOffset + kGestureCommandTableSize;
static_assert(kSettingsFileSize == 339, "the settings file has a fixed size");

// Header: "QFOX", format version 1, 0, then sixteen bytes that are written as zero and never
// looked at when reading.
constexpr uint8_t kSettingsMagic[4] = {'Q', 'F', 'O', 'X'};
constexpr uint8_t kSettingsVersion = 1;

// Fills blocks from an image and answers true, or answers false and leaves blocks untouched when
// the image is not exactly kSettingsFileSize bytes or its header is not ours.
bool DecodeSettingsImage(const uint8_t* data, std::size_t size, TSettingsBlocks& blocks);
bool DecodeSettingsImage(const std::vector<uint8_t>& image, TSettingsBlocks& blocks);

// The complete file contents for the blocks; the header's spare bytes are zero.
std::vector<uint8_t> EncodeSettingsImage(const TSettingsBlocks& blocks);
