#include "main/measure/spacing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A monitor's row drawn as text: '.' a grey ground, '#' a block, '|' a one-pixel black line.
std::vector<uint32_t> Drawn(const std::string& row) {
  std::vector<uint32_t> pixels;
  for (char c : row) pixels.push_back(c == '#' ? 0xF0F0F0 : c == '|' ? 0 : 0x336699);
  return pixels;
}

// Grey levels from..to, one step per pixel.
std::vector<uint32_t> Ramp(int from, int to) {
  std::vector<uint32_t> pixels;
  for (int v = from; v <= to; ++v) pixels.push_back(static_cast<uint32_t>(v * 0x010101));
  return pixels;
}

// Runs and jumps over one monitor's row, whose left edge is `first`: -1024 for a monitor left of
// the primary; a coordinate past its ends lies in a gap between monitors or off the desktop.
TEST(Spacing, RunsAndJumpsOverAMonitorsRow) {
  // Each channel counts on its own: the last pixel lies beyond 8 in one channel alone.
  const std::vector<uint32_t> shadow = {0x336699, 0x3A6D9F, 0x2C5F91, 0x336699, 0x3366A2};
  const struct {
    const char* what;
    std::vector<uint32_t> pixels;
    int32_t first, at, tolerance;
    TRun run;
    int32_t left, right;  // where a jump lands
  } cases[] = {
      {"inside a block: past it", Drawn("...####..."), 100, 104, 0, {103, 4}, 102, 107},
      {"beside a block: onto it", Drawn("...####..."), -1024, -1023, 0, {-1024, 3}, -1024, -1021},
      {"a run to both monitor edges", Drawn("........"), 0, 3, 0, {0, 8}, 0, 7},
      {"at the monitor's last pixel", Drawn("..##"), 0, 3, 0, {2, 2}, 1, 3},
      {"on a one-pixel line", Drawn("...|..."), 0, 3, 0, {3, 1}, 2, 4},
      {"between one-pixel lines", Drawn("..|.|.."), 0, 3, 0, {3, 1}, 2, 4},
      {"next to a one-pixel line", Drawn("...|..."), 0, 1, 0, {0, 3}, 0, 3},
      // A ramp runs on as far as the probe pixel's own colour allows, not step by step.
      {"a ramp, exactly", Ramp(0, 20), 0, 10, 0, {10, 1}, 9, 11},
      {"a ramp within 2", Ramp(0, 20), 0, 10, 2, {8, 5}, 7, 13},
      {"a ramp within 64", Ramp(0, 20), 0, 10, 64, {0, 21}, 0, 20},
      {"a shadow within 8", shadow, 0, 0, 8, {0, 4}, 0, 4},
      {"green beyond 8", {0x336699, 0x336F99}, 0, 0, 8, {0, 1}, 0, 1},
      {"red beyond 8", {0x336699, 0x3C6699}, 0, 0, 8, {0, 1}, 0, 1},
      {"in the gap left of the monitor", Drawn("...."), 100, 99, 0, {99, 0}, 99, 99},
      {"in the gap right of it", Drawn("...."), 100, 104, 0, {104, 0}, 104, 104},
  };
  for (const auto& c : cases) {
    const TPixelLine line{c.pixels.data(), static_cast<int32_t>(c.pixels.size()), c.first};
    EXPECT_EQ(RunThrough(line, c.at, c.tolerance), c.run) << c.what;
    EXPECT_EQ(EdgeJump(line, c.at, -1, c.tolerance), c.left) << c.what;
    EXPECT_EQ(EdgeJump(line, c.at, 1, c.tolerance), c.right) << c.what;
  }
}

}  // namespace
