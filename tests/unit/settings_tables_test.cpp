#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "my_settingfile/builtin_tables.h"
#include "my_settingfile/settings_image.h"
#include "my_settingfile/settings_unit.h"

namespace {

// The key order of the file, written out independently of the table's generator.
std::vector<uint16_t> ExpectedKeyOrder() {
  std::vector<uint16_t> keys;
  for (uint16_t k = 0x30; k <= 0x39; ++k) keys.push_back(k);
  keys.push_back(0x20);
  for (uint16_t k = 0x41; k <= 0x5A; ++k) keys.push_back(k);
  for (uint16_t k = 0x70; k <= 0x7B; ++k) keys.push_back(k);
  for (uint16_t k : {43, 8, 46, 45, 27, 33, 34, 36, 35, 38, 40, 37, 39}) keys.push_back(k);
  return keys;
}

uint16_t BuiltinCommandOf(uint16_t key) {
  for (const TKeyCommandEntry& e : BuiltinKeyCommandTable())
    if (e.VirtualKey == key) return e.CommandCode;
  ADD_FAILURE() << "key " << key << " missing";
  return 0xFFFF;
}

}  // namespace

TEST(BuiltinKeyCommandTable, ListsTheKnownKeysOnceInFileOrder) {
  const TKeyCommandTable table = BuiltinKeyCommandTable();
  const std::vector<uint16_t> order = ExpectedKeyOrder();
  ASSERT_EQ(order.size(), 62u);
  std::set<uint16_t> seen;
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i].VirtualKey, order[i]) << "entry " << i;
    EXPECT_TRUE(seen.insert(table[i].VirtualKey).second) << "repeated key " << table[i].VirtualKey;
  }
}

TEST(BuiltinKeyCommandTable, BindsTheFirstNineteenKeysAndBRAndPAndLeavesTheRestEmpty) {
  const std::pair<uint16_t, uint16_t> bound[] = {
      {0x31, 7013},  {0x20, 4010}, {0x43, 6007}, {0x46, 7002},  {0x48, 6006},  {0x4D, 10001},
      {0x51, 11005}, {0x53, 8007}, {0x5A, 6001}, {0x70, 13001}, {0x74, 7012},  {0x75, 7011},
      {0x1B, 7011},  {0x21, 1090}, {0x22, 1091}, {0x26, 11001}, {0x28, 11002}, {0x25, 11003},
      {0x27, 11004}, {0x42, 3010}, {0x52, 6050}, {0x50, 3011}};
  for (const auto& [key, code] : bound) EXPECT_EQ(BuiltinCommandOf(key), code) << "key " << key;

  int unbound = 0;
  for (const TKeyCommandEntry& e : BuiltinKeyCommandTable())
    if (e.CommandCode == 0) ++unbound;
  EXPECT_EQ(unbound, 40);
}

TEST(SettingsUnit, AddedBindingsFillOnlyKeysThatALoadedTableLeavesEmpty) {
  InitSettingsUnit();
  // A table of the original layout: B, R and P hold 0; then one that binds B to a command and R
  // to nothing at another position.
  std::vector<uint8_t> image = CurrentSettingsImage();
  auto entry = [&image](uint16_t key) -> uint8_t* {
    for (std::size_t at = kKeyCommandTableOffset; at < kGestureCommandTableOffset; at += 4)
      if (image[at] == key && image[at + 1] == 0) return &image[at + 2];
    ADD_FAILURE() << "key " << key << " missing";
    return &image[0];
  };
  entry('B')[0] = entry('B')[1] = 0;
  entry('R')[0] = entry('R')[1] = 0;
  entry('P')[0] = entry('P')[1] = 0;
  ASSERT_TRUE(TakeSettingsImage(image));
  EXPECT_EQ(KeyCommandTable, BuiltinKeyCommandTable()) << "a table of the original layout";

  entry('B')[0] = 0x65;  // 7013, 0x1B65: actual size while held
  entry('B')[1] = 0x1B;
  ASSERT_TRUE(TakeSettingsImage(image));
  for (const TKeyCommandEntry& e : KeyCommandTable) {
    if (e.VirtualKey == 'B') {
      EXPECT_EQ(e.CommandCode, 7013) << "a key the file binds keeps it";
    } else if (e.VirtualKey == 'R') {
      EXPECT_EQ(e.CommandCode, 6050);
    }
  }
  InitSettingsUnit();
}

TEST(BuiltinGestureCommandTable, UpDownLeftRight) {
  EXPECT_EQ(BuiltinGestureCommandTable(), (TGestureCommandTable{8001, 8006, 2010, 7011}));
}

TEST(SettingsUnit, DefaultImageHoldsHeaderZeroRecordAndBuiltinTables) {
  InitSettingsUnit();
  const std::vector<uint8_t> image = CurrentSettingsImage();
  ASSERT_EQ(image.size(), 339u);
  EXPECT_EQ(0, std::memcmp(image.data(), "QFOX\x01\x00", 6));
  for (std::size_t i = 6; i < 83; ++i) EXPECT_EQ(image[i], 0) << "byte " << i;

  // Entry 1 is the digit 1 (0x31) bound to 7013 (0x1B65); the last gesture is 7011 (0x1B63).
  EXPECT_EQ(0, std::memcmp(&image[83], "\x30\x00\x00\x00\x31\x00\x65\x1B", 8));
  EXPECT_EQ(0, std::memcmp(&image[83 + 61 * 4], "\x27\x00\xFC\x2A", 4));  // Right: 11004
  EXPECT_EQ(0, std::memcmp(&image[331], "\x41\x1F\x46\x1F\xDA\x07\x63\x1B", 8));
}

TEST(SettingsUnit, InitResetsWhatAFileReplaced) {
  std::vector<uint8_t> image = CurrentSettingsImage();
  image[22] = 7;                // FormRect.Left
  image[83] = 0x99;             // first key
  image[331] = image[332] = 0;  // gesture up
  ASSERT_TRUE(TakeSettingsImage(image));
  EXPECT_EQ(SettingsRecord.FormRect.Left, 7);
  EXPECT_EQ(KeyCommandTable[0].VirtualKey, 0x99);
  EXPECT_EQ(GestureCommandTable[kGestureUp], 0);

  InitSettingsUnit();
  EXPECT_EQ(SettingsRecord, TSettingsRecord{});
  EXPECT_EQ(KeyCommandTable, BuiltinKeyCommandTable());
  EXPECT_EQ(GestureCommandTable, BuiltinGestureCommandTable());
}

TEST(SettingsUnit, ARejectedImageChangesNothingInMemory) {
  InitSettingsUnit();
  SettingsRecord.ZoomIndex = 3;
  std::vector<uint8_t> image(339, 0xFF);
  std::memcpy(image.data(), "QFOX\x02\x00", 6);
  EXPECT_FALSE(TakeSettingsImage(image));
  image[4] = 1;
  image.push_back(0);
  EXPECT_FALSE(TakeSettingsImage(image));
  EXPECT_EQ(SettingsRecord.ZoomIndex, 3);
  EXPECT_EQ(KeyCommandTable, BuiltinKeyCommandTable());
  EXPECT_EQ(GestureCommandTable, BuiltinGestureCommandTable());
  InitSettingsUnit();
}
