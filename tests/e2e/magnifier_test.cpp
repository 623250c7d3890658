// The real program on the virtual display, driven from outside as a user would.
#include <gtest/gtest.h>

#include "tests/e2e/program.h"
#include "tests/e2e/scene.h"

namespace {

// Where the probe cell of the window at design size lies in its client area:
// zoom area 221 x 194 at zoom 6 gives 37 x 33 cells, probe cell (18, 16), one
// pixel inside the grid.
constexpr int kCellX = 18 * 6 + 1, kCellY = 16 * 6 + 1;

bool WaitForScreenPixel(int x, int y, COLORREF want, int ms) {
  for (int waited = 0; waited < ms; waited += 50) {
    if (ScreenPixel(x, y) == want) return true;
    PumpFor(50);
  }
  return ScreenPixel(x, y) == want;
}

TEST(Magnifier, StartsShowsAndFollowsThePointerAndEndsWithAltF4) {
  const COLORREF red = RGB(220, 20, 30), green = RGB(10, 200, 40);
  ColorWindow left(500, 400, 150, 150, red);
  ColorWindow right(800, 400, 150, 150, green);
  MovePointer(575, 475);

  LoupistProcess program;
  ASSERT_NE(program.Window(), nullptr) << "no main window appeared";
  RECT r{};
  GetWindowRect(program.Window(), &r);
  EXPECT_EQ(r.left, 75);
  EXPECT_EQ(r.top, 75);
  POINT origin{0, 0};
  ClientToScreen(program.Window(), &origin);

  // The enlarged area around the pointer.
  EXPECT_TRUE(WaitForScreenPixel(origin.x + kCellX, origin.y + kCellY, red, 3000));
  EXPECT_TRUE(WaitForScreenPixel(origin.x + kCellX + 6 * 10, origin.y + kCellY - 6 * 10, red, 500))
      << "ten cells off the probe still lies on the red window";

  // It follows the pointer.
  MovePointer(875, 475);
  EXPECT_TRUE(WaitForScreenPixel(origin.x + kCellX, origin.y + kCellY, green, 3000));

  // Alt+F4 with the keyboard focus on the magnifier ends it.
  SetForegroundWindow(program.Window());
  PumpFor(200);
  PressKeys({VK_MENU, VK_F4});
  EXPECT_TRUE(program.WaitForExit(5000)) << "Alt+F4 did not end the program";
  EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
