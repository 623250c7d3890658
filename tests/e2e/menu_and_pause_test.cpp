// The popup menu and the pause of the real program, driven from outside with the keyboard:
// Alt+F10 opens the menu at the client origin, its accelerator letters choose commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "tests/e2e/program.h"
#include "tests/e2e/scene.h"

namespace {

// The probe cell's interior at the design size and zoom 6.
constexpr int kCellX = 18 * 6 + 1, kCellY = 16 * 6 + 1;
constexpr COLORREF kRed = RGB(220, 20, 30), kGreen = RGB(10, 200, 40);

class MenuAndPause : public testing::Test {
 protected:
  void SetUp() override {
    // A stored state from an earlier run would change where and how the program starts.
    DeleteFileW(SettingsFile().c_str());
  }
  void TearDown() override { DeleteFileW(SettingsFile().c_str()); }
  static std::wstring SettingsFile() { return ProgramFolder() + L"loupist.bin"; }

  // Starts the program with the pointer at (x, y) and remembers its client origin.
  bool Start(int x, int y) {
    MovePointer(x, y);
    PumpFor(100);
    program_ = std::make_unique<LoupistProcess>();
    if (!program_->Window()) return false;
    ClientToScreen(program_->Window(), &origin_);
    return true;
  }
  COLORREF ProbeCell() const { return ScreenPixel(origin_.x + kCellX, origin_.y + kCellY); }
  bool WaitForProbeCell(COLORREF want) const {
    return WaitFor([&] { return ProbeCell() == want; }, 3000);
  }

  // The open popup menu of the program, or null.
  HWND MenuWindow() const {
    DWORD pid = 0;
    GetWindowThreadProcessId(program_->Window(), &pid);
    return FindProcessWindow(pid, L"#32768");
  }
  // Alt+F10 with the keyboard focus on the magnifier; answers the menu window.
  HWND OpenMenu() {
    SetForegroundWindow(program_->Window());
    PumpFor(200);
    PressKeys({VK_MENU, VK_F10});
    HWND menu = nullptr;
    WaitFor([&] { return (menu = MenuWindow()) != nullptr; }, 3000);
    return menu;
  }
  // How many menu windows of the program are open.
  int OpenMenus() const {
    DWORD pid = 0;
    GetWindowThreadProcessId(program_->Window(), &pid);
    return CountProcessWindows(pid, L"#32768");
  }
  // The accelerator letters of the submenus and of the item; the last submenu stays open for
  // lingerMs before the item is chosen.
  void ChooseFromMenu(std::initializer_list<WORD> letters, int lingerMs = 50) {
    EXPECT_TRUE(::ChooseFromMenu(program_->Window(), letters, lingerMs)) << "the menu stayed";
  }

  std::unique_ptr<LoupistProcess> program_;
  POINT origin_{0, 0};
};

TEST_F(MenuAndPause, AltF10OpensTheMenuAtTheClientOriginWhereverThePointerIs) {
  ASSERT_TRUE(Start(640, 600));
  MovePointer(900, 800);
  PumpFor(200);
  HWND menu = OpenMenu();
  ASSERT_NE(menu, nullptr) << "Alt+F10 opened no menu";
  RECT r{};
  GetWindowRect(menu, &r);
  EXPECT_EQ(r.left, origin_.x);
  EXPECT_EQ(r.top, origin_.y);
  POINT pointer{};
  GetCursorPos(&pointer);
  EXPECT_EQ(pointer.x, 900) << "the menu does not follow the pointer";

  PressKeys({VK_ESCAPE});
  EXPECT_TRUE(WaitFor([&] { return MenuWindow() == nullptr; }, 3000));
  EXPECT_FALSE(program_->WaitForExit(200)) << "the program goes on after a closed menu";
}

TEST_F(MenuAndPause, PauseFromTheMenuFreezesThePictureUntilItIsChosenAgain) {
  auto red = std::make_unique<ColorWindow>(500, 400, 150, 150, kRed);
  ASSERT_TRUE(Start(575, 475));
  ASSERT_TRUE(WaitForProbeCell(kRed));

  ChooseFromMenu({'T', 'P'});  // キャプチャ(&T) → 一時停止(&P)
  PumpFor(300);
  // The scene under the pointer changes; the picture does not.
  red.reset();
  ColorWindow green(500, 400, 150, 150, kGreen);
  MovePointer(560, 460);
  for (int i = 0; i < 6; ++i) {
    PumpFor(250);
    ASSERT_EQ(ProbeCell(), kRed) << "the paused picture changed after " << (i + 1) * 250 << " ms";
  }

  ChooseFromMenu({'T', 'P'});
  EXPECT_TRUE(WaitForProbeCell(kGreen)) << "resuming brings back the live picture";
}

// The key-down of a letter typed into the menu goes to the menu; its key-up comes to the
// window once the menu has closed and must not run the letter's own command as well.
TEST_F(MenuAndPause, LettersTypedIntoTheMenuRunOnlyTheMenusCommand) {
  ColorWindow red(500, 400, 150, 150, kRed), green(800, 400, 150, 150, kGreen);
  ASSERT_TRUE(Start(575, 475));
  ASSERT_TRUE(WaitForProbeCell(kRed));

  ChooseFromMenu({'T', 'F'});  // キャプチャ(&T) → 定点キャプチャモード(&F), F's key-up to follow
  PumpFor(300);
  MovePointer(875, 475);
  for (int i = 0; i < 5; ++i) {
    PumpFor(200);
    ASSERT_EQ(ProbeCell(), kRed) << "fixed-point mode went off again after " << (i + 1) * 200
                                 << " ms";
  }
  // F typed to the window itself still toggles: the picture follows the pointer again.
  PressKeys({'F'});
  EXPECT_TRUE(WaitForProbeCell(kGreen)) << "a plain F did not leave fixed-point mode";

  // Z opens the zoom submenu, Esc closes it, Esc closes the menu: nothing else may happen.
  const DWORD clipboard = GetClipboardSequenceNumber();
  DWORD pid = 0;
  GetWindowThreadProcessId(program_->Window(), &pid);
  ASSERT_NE(OpenMenu(), nullptr);
  PressKeys({'Z'});
  ASSERT_TRUE(WaitFor([&] { return CountProcessWindows(pid, L"#32768") >= 2; }, 3000));
  PressKeys({VK_ESCAPE});
  ASSERT_TRUE(WaitFor([&] { return CountProcessWindows(pid, L"#32768") == 1; }, 3000));
  PressKeys({VK_ESCAPE});
  ASSERT_TRUE(WaitFor([&] { return MenuWindow() == nullptr; }, 3000));
  PumpFor(500);
  EXPECT_EQ(GetClipboardSequenceNumber(), clipboard) << "Z's key-up copied the picture";
  MovePointer(575, 475);
  EXPECT_TRUE(WaitForProbeCell(kRed)) << "Esc's key-up paused the picture";
}

// While the menu lies over the probe point the picture holds what the probe showed before it
// opened, however long the menu stays: a colour chosen from it is the pixel's, not the menu's.
TEST_F(MenuAndPause, AMenuOverTheProbePointCopiesThePixelNotItself) {
  ASSERT_TRUE(Start(640, 600));
  // Where the copy submenu opens, beside the program's window.
  ASSERT_NE(OpenMenu(), nullptr);
  PressKeys({'C'});  // コピー(&C)
  ASSERT_TRUE(WaitFor([&] { return OpenMenus() >= 2; }, 3000));
  RECT copyMenu{}, window{}, r{};
  for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"#32768", nullptr)) != nullptr;)
    if (IsWindowVisible(w) && GetWindowRect(w, &r) && (r.left != origin_.x || r.top != origin_.y))
      copyMenu = r;  // not the menu itself, which opens at the client origin
  PressKeys({VK_ESCAPE});
  ASSERT_TRUE(WaitFor([&] { return OpenMenus() == 1; }, 3000));
  PressKeys({VK_ESCAPE});
  ASSERT_TRUE(WaitFor([&] { return MenuWindow() == nullptr; }, 3000));
  GetWindowRect(program_->Window(), &window);
  const int x = (std::max(copyMenu.left, window.right) + copyMenu.right) / 2;
  const int y = (copyMenu.top + copyMenu.bottom) / 2;
  ASSERT_LT(std::max(copyMenu.left, window.right) + 10, copyMenu.right) << "no room beside";

  ColorWindow red(x - 20, y - 20, 40, 40, kRed);
  MovePointer(x, y);
  ASSERT_TRUE(WaitForProbeCell(kRed));
  const DWORD clipboard = GetClipboardSequenceNumber();
  // コピー(&C) → カラー形式(&K) → CSS rgb()(&B), the menus left open past the second after
  // which a still probe is captured again.
  ChooseFromMenu({'C', 'K', 'B'}, 1500);
  ASSERT_TRUE(WaitFor([&] { return GetClipboardSequenceNumber() != clipboard; }, 3000));
  EXPECT_EQ(ClipboardText(), L"rgb(220, 20, 30)");
  EXPECT_TRUE(WaitForProbeCell(kRed)) << "following goes on after the menu";
}

// On a desktop with a monitor left of the primary one, the whole-desktop snapshot must reach
// that monitor's negative coordinates too. (Named for the two-monitor session.)
class DualMonitorPause : public MenuAndPause {};

TEST_F(DualMonitorPause, TheSnapshotReachesTheMonitorLeftOfThePrimary) {
  if (GetSystemMetrics(SM_XVIRTUALSCREEN) >= 0) GTEST_SKIP() << "no monitor left of the primary";
  const int x = GetSystemMetrics(SM_XVIRTUALSCREEN) + 300;
  ColorWindow red(x - 75, 300, 150, 150, kRed);
  ASSERT_TRUE(Start(640, 500));  // the window opens on the primary monitor
  MovePointer(x, 375);
  ASSERT_TRUE(WaitForProbeCell(kRed));
  ChooseFromMenu({'T', 'P'});
  PumpFor(300);
  EXPECT_EQ(ProbeCell(), kRed) << "the snapshot is black where the desktop is negative";
  MovePointer(640, 500);
  PumpFor(500);
  EXPECT_EQ(ProbeCell(), kRed);
}

}  // namespace
