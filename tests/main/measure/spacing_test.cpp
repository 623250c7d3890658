#include "main/measure/spacing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr uint32_t kGround = 0x336699;
constexpr uint32_t kBlock = 0xF0F0F0;
constexpr uint32_t kLine = 0x000000;

// A monitor's row drawn as text: '.' ground, '#' a block, '|' a one-pixel line.
std::vector<uint32_t> Drawn(const std::string& row) {
  std::vector<uint32_t> pixels;
  for (char c : row) pixels.push_back(c == '#' ? kBlock : c == '|' ? kLine : kGround);
  return pixels;
}

// Grey levels from..to, one step per pixel.
std::vector<uint32_t> Ramp(int from, int to) {
  std::vector<uint32_t> pixels;
  for (int v = from; v <= to; ++v) pixels.push_back(static_cast<uint32_t>(v * 0x010101));
  return pixels;
}

TEST(Tolerance, EachChannelWithinItOnItsOwn) {
  const struct {
    uint32_t a, b;
    int32_t tolerance;
    bool alike;
  } cases[] = {
      {0x808080, 0x808080, 0, true},
      {0x808080, 0x808081, 0, false},
      {0x808080, 0x828080, 2, true},
      {0x808080, 0x838080, 2, false},
      {0x808080, 0x807E80, 2, true},
      {0x808080, 0x807D80, 2, false},
      {0x808080, 0x808040, 64, true},
      {0x808080, 0x80803F, 64, false},
      {0x000000, 0xFFFFFF, 64, false},
      {0x00FF00, 0x01FE01, 2, true},
      // The byte above blue (a COLORREF's or a DIB's) is no channel.
      {0xFF808080, 0x00808080, 0, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(WithinTolerance(c.a, c.b, c.tolerance), c.alike)
        << std::hex << c.a << " " << c.b << " within " << std::dec << c.tolerance;
}

// Runs and jumps over one monitor's row; `first` is the monitor's left edge, so the second case
// lies on a monitor left of the primary, at negative coordinates.
TEST(Spacing, RunsAndJumpsOverAMonitorsRow) {
  const struct {
    const char* what;
    std::vector<uint32_t> pixels;
    int32_t first, at, tolerance;
    TRun run;
    int32_t left, right;  // where a jump lands
  } cases[] = {
      {"inside a block: past it both ways", Drawn("...####..."), 100, 104, 0, {103, 4}, 102, 107},
      {"beside a block: its nearest pixel",
       Drawn("...####..."),
       -1024,
       -1023,
       0,
       {-1024, 3},
       -1024,
       -1021},
      {"a run to both monitor edges", Drawn("........"), 0, 3, 0, {0, 8}, 0, 7},
      {"at the monitor's first pixel", Drawn("##.."), 0, 0, 0, {0, 2}, 0, 2},
      {"at the monitor's last pixel", Drawn("..##"), 0, 3, 0, {2, 2}, 1, 3},
      {"on a one-pixel line", Drawn("...|..."), 0, 3, 0, {3, 1}, 2, 4},
      {"beside a one-pixel line", Drawn("..|.|.."), 0, 3, 0, {3, 1}, 2, 4},
      {"next to a one-pixel line", Drawn("...|..."), 0, 1, 0, {0, 3}, 0, 3},
      // A ramp runs on as far as the probe pixel's own colour allows, not step by step.
      {"a ramp, exactly", Ramp(0, 20), 0, 10, 0, {10, 1}, 9, 11},
      {"a ramp within 2", Ramp(0, 20), 0, 10, 2, {8, 5}, 7, 13},
      {"a ramp within 64", Ramp(0, 20), 0, 10, 64, {0, 21}, 0, 20},
      {"a shadow within 8",
       {kGround, 0x3A6D9F, 0x2C5F91, kGround, 0x3E71A3},
       0,
       0,
       8,
       {0, 4},
       0,
       4},
  };
  for (const auto& c : cases) {
    const TPixelLine line{c.pixels.data(), static_cast<int32_t>(c.pixels.size()), c.first};
    const TRun run = RunThrough(line, c.at, c.tolerance);
    EXPECT_EQ(run.First, c.run.First) << c.what;
    EXPECT_EQ(run.Length, c.run.Length) << c.what;
    EXPECT_EQ(EdgeJump(line, c.at, -1, c.tolerance), c.left) << c.what;
    EXPECT_EQ(EdgeJump(line, c.at, 1, c.tolerance), c.right) << c.what;
  }
}

// A point the line does not hold (in a gap between monitors, off the desktop): no run, and a
// jump stays where it is.
TEST(Spacing, NothingOutsideTheLine) {
  const std::vector<uint32_t> pixels = Drawn("....");
  const TPixelLine line{pixels.data(), 4, 100};
  for (int32_t at : {99, 104, -5}) {
    EXPECT_EQ(RunThrough(line, at, 0), (TRun{at, 0})) << at;
    EXPECT_EQ(EdgeJump(line, at, 1, 0), at) << at;
    EXPECT_EQ(EdgeJump(line, at, -1, 0), at) << at;
  }
  EXPECT_EQ(RunThrough(TPixelLine{}, 0, 0), (TRun{0, 0}));
  EXPECT_EQ(SpacingBounds(TRun{10, 300}, TRun{20, 200}), (Rect{10, 20, 310, 220}));
}

}  // namespace
