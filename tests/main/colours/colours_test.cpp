// The colour sample's mean and the colour history, with the history file's text.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/checked.h"
#include "main/colours/colour_commands.h"
#include "main/colours/colour_history.h"
#include "main/colours/colour_sample.h"

namespace {

// 10 x 10 pixels: red is the column, green the row, blue 255 where their sum is odd.
std::vector<uint32_t> Checkerboard() {
  std::vector<uint32_t> pixels;
  for (uint32_t y = 0; y < 10; ++y)
    for (uint32_t x = 0; x < 10; ++x) pixels.push_back(x << 16 | y << 8 | ((x + y) % 2 ? 255 : 0));
  return pixels;
}

TEST(SquareMean, EachSizeTheEdgesOfTheMonitorAndTheRounding) {
  const std::vector<uint32_t> pixels = Checkerboard();
  const TPixelImage image{pixels.data(), 10, 10};
  const Rect all{0, 0, 10, 10};
  struct Case {
    const char* what;
    Point centre;
    int32_t side;
    Rect within;
    uint32_t mean;
  };
  const Case cases[] = {
      {"one pixel", {4, 4}, SampleSide(0), all, 0x040400},
      // 4 of 9, 12 of 25 and 40 of 81 pixels are blue: 113.3, 122.4, 125.9.
      {"3x3", {4, 4}, SampleSide(1), all, 0x040471},
      {"5x5", {4, 4}, SampleSide(2), all, 0x04047A},
      {"9x9", {4, 4}, SampleSide(3), all, 0x04047E},
      // Columns and rows 0 and 1: 0.5 and 127.5 round up.
      {"past the top-left corner", {0, 0}, 3, all, 0x010180},
      {"past the bottom-right corner", {9, 9}, 9, all, 0x07077A},
      // A monitor from column 5: columns 5 to 7, rows 2 to 6; 8 of 15 blue.
      {"past a monitor's left edge", {5, 4}, 5, Rect{5, 0, 10, 10}, 0x060488},
      // A monitor of rows 0 to 7: rows 6 and 7, where 6.5 and 3 blue of 6 round up.
      {"past a monitor's bottom edge", {4, 7}, 3, Rect{0, 0, 10, 8}, 0x040780},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SquareMean(image, c.centre, c.side, c.within), std::optional<uint32_t>(c.mean))
        << c.what;
  }
  EXPECT_EQ(SquareMean(image, {4, 4}, 3, Rect{}), std::nullopt) << "no pixel of it exists";
  EXPECT_EQ(SquareMean(TPixelImage{}, {0, 0}, 3, all), std::nullopt);
  EXPECT_THROW(SampleSide(4), CheckedError);
}

TEST(ColourHistory, NewestFirstEachColourOnceAtMostSixteen) {
  TColourHistory history;
  EXPECT_TRUE(history.Take(0xFF8000));
  EXPECT_TRUE(history.Take(0x0000FF));
  EXPECT_FALSE(history.Take(0xFF0000FF)) << "the newest again, its top byte ignored";
  EXPECT_TRUE(history.Take(0xFF8000)) << "an older one moves to the front";
  EXPECT_EQ(history.Colours(), (std::vector<uint32_t>{0xFF8000, 0x0000FF}));

  for (uint32_t rgb = 1; rgb <= 16; ++rgb) history.Take(rgb);
  ASSERT_EQ(history.Colours().size(), kHistoryCapacity);
  EXPECT_EQ(history.Colours().front(), 16u);
  EXPECT_EQ(history.Colours().back(), 1u) << "the two oldest have gone";
  history.Take(8);
  EXPECT_EQ(history.Colours().size(), kHistoryCapacity) << "moving one drops none";
  EXPECT_EQ(history.Colours()[0], 8u);
  EXPECT_EQ(history.Colours()[1], 16u);

  EXPECT_TRUE(history.Clear());
  EXPECT_FALSE(history.Clear());
  EXPECT_TRUE(history.Colours().empty());
}

TEST(ColourHistory, TheFileRoundTripAndWhatADamagedFileKeeps) {
  TColourHistory history;
  history.Take(0x0000FF);
  history.Take(0xA49A80);
  EXPECT_EQ(history.FileText(), "#a49a80\r\n#0000ff\r\n");
  EXPECT_EQ(TColourHistory::FromFileText(history.FileText(), true).Colours(), history.Colours());
  EXPECT_EQ(HashColourText(0xA49A80), L"#a49a80");

  struct Case {
    const char* what;
    std::string text;
    bool whole;
    std::vector<uint32_t> colours;
  };
  const Case cases[] = {
      {"a byte-order mark, LF alone, upper case, blanks",
       "\xEF\xBB\xBF#A49A80\n  #0000ff \r\n",
       true,
       {0xA49A80, 0x0000FF}},
      {"bad lines passed over, a repeat kept once",
       "#a49a8\n#a49a80\n#0000fg\nff0000\n#a49a80\n\n#00000000\n#123456",
       true,
       {0xA49A80, 0x123456}},
      {"the last line of a cut head is not known whole", "#a49a80\r\n#123456", false, {0xA49A80}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TColourHistory::FromFileText(c.text, c.whole).Colours(), c.colours) << c.what;
  std::string long_file;
  for (int i = 0; i < 20; ++i)
    long_file += "#0000" + std::string(i < 10 ? "0" : "1") + char('0' + i % 10) + "\r\n";
  EXPECT_EQ(TColourHistory::FromFileText(long_file, true).Colours().size(), kHistoryCapacity);
}

TEST(ColourCopies, AColourOfTheHistoryIsCopiedInTheLastColourCopysFormat) {
  struct Case {
    const char* command;
    bool shift;
    const wchar_t* text;
  };
  const Case cases[] = {
      {"actCopy_ColorHTML", false, L"FF8000"},
      {"actCopy_ColorHTML", true, L"16744448"},
      {"actCopy_ColorRGB", true, L"FF 80 0"},
      {"actCopy_ColorCOLORREF", false, L"33023"},
      {"actCopy_FormatCssRgb", false, L"rgb(255, 128, 0)"},
      {"actCopy_FormatCssHex", true, L"#FF8000"},
  };
  for (const Case& c : cases) {
    const std::optional<TColourCopy> copy = ColourCopyOf(c.command, c.shift);
    ASSERT_TRUE(copy) << c.command;
    EXPECT_EQ(ColourCopyText(*copy, 0xFF8000), c.text) << c.command << (c.shift ? " Shift" : "");
  }
  EXPECT_EQ(ColourCopyText(TColourCopy{}, 0x0000FF), L"0000FF") << "before any copy: HTML";
  // A ratio, a list and positions are no colours.
  for (const char* other : {"actCopy_ColorContrast", "actCopy_ColorHistory", "actCopy_PosScreen"})
    EXPECT_FALSE(ColourCopyOf(other, false)) << other;
}

}  // namespace
