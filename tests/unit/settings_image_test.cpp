#include "my_settingfile/settings_image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "my_settingfile/builtin_tables.h"

namespace {

// A record whose every field holds a distinct, recognisable value, with negative coordinates and
// high bits set, so that a field written to the wrong place or with the wrong width shows up.
TSettingsBlocks DistinctBlocks() {
  TSettingsBlocks b;
  b.Record.FormRect = Rect{-1920, -8, 0x01020304, 0x7FFFFFFF};
  b.Record.ZoomIndex = 0xA5;
  b.Record.GridFlags = 0xB1B2;
  b.Record.GridColorItem = 0xC3;
  b.Record.SubGridColorItem = 0xD4;
  b.Record.GridColor = 0x80FF6666u;
  b.Record.SubGridColor = 0x00123456u;
  b.Record.Reserved = {0xDE, 0xAD, 0xBE, 0xEF};
  b.Record.ColorInfoFlags = 0x0107;
  b.Record.PositionInfoFlags = 0x020D;
  b.Record.UserPos = Point{-100, 5000};
  b.Record.WindowInfoFlags = 0x8000043Fu;
  b.Record.OptionFlags = 0x0339;
  b.Record.CaptureMode = 0xF002;
  b.Record.FixedPos = Point{INT32_MIN, -1};
  for (std::size_t i = 0; i < b.Keys.size(); ++i)
    b.Keys[i] =
        TKeyCommandEntry{static_cast<uint16_t>(0x1100 + i), static_cast<uint16_t>(0xE000 + i)};
  b.Gestures = {0x0102, 0x0304, 0xFFFE, 0x8001};
  return b;
}

uint32_t U32At(const std::vector<uint8_t>& v, std::size_t at) {
  return v[at] | (v[at + 1] << 8) | (v[at + 2] << 16) | (static_cast<uint32_t>(v[at + 3]) << 24);
}
uint16_t U16At(const std::vector<uint8_t>& v, std::size_t at) {
  return static_cast<uint16_t>(v[at] | (v[at + 1] << 8));
}

std::vector<uint8_t> ValidImage() { return EncodeSettingsImage(DistinctBlocks()); }

}  // namespace

TEST(SettingsImage, EveryFieldSitsAtItsFileOffsetLittleEndian) {
  const std::vector<uint8_t> image = ValidImage();
  ASSERT_EQ(image.size(), 339u);
  EXPECT_EQ(0, std::memcmp(image.data(), "QFOX\x01\x00", 6));
  for (std::size_t i = 6; i < 22; ++i) EXPECT_EQ(image[i], 0) << "header byte " << i;

  EXPECT_EQ(U32At(image, 22), static_cast<uint32_t>(-1920));
  EXPECT_EQ(U32At(image, 26), static_cast<uint32_t>(-8));
  EXPECT_EQ(0, std::memcmp(&image[30], "\x04\x03\x02\x01", 4));
  EXPECT_EQ(U32At(image, 34), 0x7FFFFFFFu);
  EXPECT_EQ(image[38], 0xA5);
  EXPECT_EQ(U16At(image, 39), 0xB1B2);
  EXPECT_EQ(image[41], 0xC3);
  EXPECT_EQ(image[42], 0xD4);
  EXPECT_EQ(U32At(image, 43), 0x80FF6666u);
  EXPECT_EQ(U32At(image, 47), 0x00123456u);
  EXPECT_EQ(0, std::memcmp(&image[51], "\xDE\xAD\xBE\xEF", 4));
  EXPECT_EQ(U16At(image, 55), 0x0107);
  EXPECT_EQ(U16At(image, 57), 0x020D);
  EXPECT_EQ(U32At(image, 59), static_cast<uint32_t>(-100));
  EXPECT_EQ(U32At(image, 63), 5000u);
  EXPECT_EQ(U32At(image, 67), 0x8000043Fu);
  EXPECT_EQ(U16At(image, 71), 0x0339);
  EXPECT_EQ(U16At(image, 73), 0xF002);
  EXPECT_EQ(U32At(image, 75), 0x80000000u);
  EXPECT_EQ(U32At(image, 79), 0xFFFFFFFFu);

  EXPECT_EQ(U16At(image, 83), 0x1100);
  EXPECT_EQ(U16At(image, 85), 0xE000);
  EXPECT_EQ(U16At(image, 83 + 61 * 4), 0x1100 + 61);
  EXPECT_EQ(U16At(image, 83 + 61 * 4 + 2), 0xE000 + 61);
  EXPECT_EQ(U16At(image, 331), 0x0102);
  EXPECT_EQ(U16At(image, 333), 0x0304);
  EXPECT_EQ(U16At(image, 335), 0xFFFE);
  EXPECT_EQ(U16At(image, 337), 0x8001);
}

TEST(SettingsImage, DecodeGivesBackWhatWasEncodedAndReencodesToTheSameBytes) {
  const TSettingsBlocks original = DistinctBlocks();
  const std::vector<uint8_t> image = EncodeSettingsImage(original);
  TSettingsBlocks decoded;
  ASSERT_TRUE(DecodeSettingsImage(image, decoded));
  EXPECT_EQ(decoded, original);
  EXPECT_EQ(decoded.Record.Reserved, (std::array<uint8_t, 4>{0xDE, 0xAD, 0xBE, 0xEF}));
  EXPECT_EQ(EncodeSettingsImage(decoded), image);
}

TEST(SettingsImage, SpareHeaderBytesAreIgnoredOnReadingAndZeroOnWriting) {
  std::vector<uint8_t> image = ValidImage();
  for (std::size_t i = 6; i < 22; ++i) image[i] = static_cast<uint8_t>(0xF0 + i);
  TSettingsBlocks decoded;
  ASSERT_TRUE(DecodeSettingsImage(image, decoded));
  EXPECT_EQ(decoded, DistinctBlocks());
  EXPECT_EQ(EncodeSettingsImage(decoded), ValidImage());
}

TEST(SettingsImage, RejectsEveryForeignShapeAndLeavesTheBlocksAlone) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  const std::vector<uint8_t> valid = ValidImage();
  auto with = [&valid](std::size_t at, uint8_t value) {
    std::vector<uint8_t> v = valid;
    v[at] = value;
    return v;
  };
  std::vector<uint8_t> longer = valid;
  longer.push_back(0);
  const std::vector<uint8_t> shorter(valid.begin(), valid.end() - 1);
  const Case cases[] = {
      {"empty", {}},
      {"338 bytes of a valid file", shorter},
      {"340 bytes starting with a valid file", longer},
      {"header only", std::vector<uint8_t>(valid.begin(), valid.begin() + 22)},
      {"all zero", std::vector<uint8_t>(339, 0)},
      {"magic QFOY", with(3, 'Y')},
      {"magic in lower case", with(0, 'q')},
      {"magic XFOX", with(0, 'X')},
      {"version 2", with(4, 2)},
      {"version 0", with(4, 0)},
      {"byte 5 not zero", with(5, 1)},
  };
  const TSettingsBlocks sentinel = DistinctBlocks();
  for (const Case& c : cases) {
    TSettingsBlocks blocks = sentinel;
    EXPECT_FALSE(DecodeSettingsImage(c.bytes, blocks)) << c.what;
    EXPECT_EQ(blocks, sentinel) << c.what;
  }
  TSettingsBlocks blocks = sentinel;
  EXPECT_FALSE(DecodeSettingsImage(nullptr, 339, blocks));
  EXPECT_EQ(blocks, sentinel);
}
