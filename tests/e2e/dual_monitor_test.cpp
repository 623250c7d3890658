// The real program on a desktop of two monitors: a primary one and a smaller one beside it, so
// that the desktop is not rectangular. Skipped on a display with one monitor.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/program.h"
#include "tests/e2e/scene.h"

namespace {

// The probe cell's interior in the client area at the design size and zoom 6 (cells of six
// pixels, a grid line on each cell's first column and row).
constexpr int kZoom = 6;
constexpr int kCellX = 18 * kZoom + 1, kCellY = 16 * kZoom + 1;
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct Monitor {
  RECT bounds;
  RECT work;
  std::wstring device;
  bool primary;
};

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM data) {
  MONITORINFOEXW info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(handle, &info))
    reinterpret_cast<std::vector<Monitor>*>(data)->push_back(Monitor{
        info.rcMonitor, info.rcWork, info.szDevice, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
  return TRUE;
}

std::vector<Monitor> Monitors() {
  std::vector<Monitor> monitors;
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

bool OnNoMonitor(int x, int y) {
  return MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONULL) == nullptr;
}

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// Runs the tests' own display_mode.exe; answers its exit code (0: the mode changed).
DWORD SetDisplayMode(const std::wstring& device, int width, int height) {
  std::wstring command = L"\"" + ProgramFolder() + L"display_mode.exe\" " + device + L" " +
                         std::to_wstring(width) + L" " + std::to_wstring(height);
  std::vector<wchar_t> line(command.begin(), command.end());
  line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      ProgramFolder().c_str(), &startup, &process))
    return 0xFFFFFFFF;
  DWORD code = 0xFFFFFFFF;
  // Keep handling messages: the change is broadcast to this process's windows too.
  WaitFor([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 20000);
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

// Minimises or restores another process's window as its taskbar button does.
bool SetMinimised(HWND window, bool minimised) {
  PostMessageW(window, WM_SYSCOMMAND, minimised ? SC_MINIMIZE : SC_RESTORE, 0);
  return WaitFor([&] { return (IsIconic(window) != 0) == minimised; }, 3000);
}

class DualMonitor : public testing::Test {
 protected:
  void SetUp() override {
    if (GetSystemMetrics(SM_CMONITORS) < 2) GTEST_SKIP() << "needs a desktop of two monitors";
    for (const Monitor& m : Monitors()) (m.primary ? primary_ : other_) = m;
    ASSERT_FALSE(other_.device.empty());
    // A stored place from an earlier run would override where the window opens.
    DeleteFileW(SettingsFile().c_str());
  }
  // The programs save their place at exit; other tests expect to start without it.
  void TearDown() override { DeleteFileW(SettingsFile().c_str()); }
  static std::wstring SettingsFile() { return ProgramFolder() + L"loupist.bin"; }

  // Starts the program with the pointer at (x, y), which picks the monitor it opens on.
  std::unique_ptr<LoupistProcess> Start(int x, int y) {
    MovePointer(x, y);
    PumpFor(100);
    auto program = std::make_unique<LoupistProcess>();
    if (program->Window()) {
      POINT origin{0, 0};
      ClientToScreen(program->Window(), &origin);
      origin_ = origin;
    }
    return program;
  }

  // The picture cell dx, dy cells from the probe cell, read on the screen at a pixel inside
  // the cell that neither the grid nor the probe frame covers.
  COLORREF Cell(int dx, int dy) const {
    return ScreenPixel(origin_.x + kCellX + 2 + dx * kZoom, origin_.y + kCellY + 2 + dy * kZoom);
  }
  bool WaitForCell(int dx, int dy, COLORREF want) const {
    return WaitFor([&] { return Cell(dx, dy) == want; }, 3000);
  }

  Monitor primary_{}, other_{};
  POINT origin_{};
};

TEST_F(DualMonitor, TheWindowOpensOnTheMonitorUnderThePointer) {
  for (const Monitor* m : {&other_, &primary_}) {
    const RECT& b = m->bounds;
    auto program = Start((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    ASSERT_NE(program->Window(), nullptr);
    const RECT r = WindowRect(program->Window());
    EXPECT_EQ(r.left, b.left + 75) << "on " << std::string(m->device.begin(), m->device.end());
    EXPECT_EQ(r.top, b.top + 75);
    program.reset();  // saves its place at exit; the next start must not find it
    DeleteFileW(SettingsFile().c_str());
  }
}

TEST_F(DualMonitor, LiveCaptureIsBlackWhereNoMonitorIs) {
  const RECT o = other_.bounds, p = primary_.bounds;
  // The other monitor ends above the primary one's bottom: below it lies no monitor.
  if (!OnNoMonitor(o.left + 1, o.bottom)) GTEST_SKIP() << "the desktop has no gap to test";
  auto program = Start((p.left + p.right) / 2, p.bottom - 100);
  ASSERT_NE(program->Window(), nullptr);

  {
    // A window that reaches from the other monitor down into the gap: only its part on the
    // monitor may show.
    const int x = o.left + 500;
    ColorWindow red(x - 100, o.bottom - 60, 200, 150, RGB(220, 20, 30));
    MovePointer(x, o.bottom - 1);
    EXPECT_TRUE(WaitForCell(0, 0, RGB(220, 20, 30)));
    EXPECT_EQ(Cell(0, -3), RGB(220, 20, 30));
    EXPECT_EQ(Cell(0, 1), kBlack) << "the first row below the monitor";
    EXPECT_EQ(Cell(0, 5), kBlack);
    EXPECT_EQ(Cell(-4, 8), kBlack);
  }
  {
    // Across the line where the two monitors meet, both sides show.
    const int edge = o.right;
    ColorWindow left(edge - 100, 600, 100, 100, RGB(200, 40, 40));
    ColorWindow right(edge, 600, 100, 100, RGB(40, 200, 40));
    MovePointer(edge - 1, 650);
    EXPECT_TRUE(WaitForCell(0, 0, RGB(200, 40, 40)));
    EXPECT_EQ(Cell(1, 0), RGB(40, 200, 40));
    EXPECT_EQ(Cell(5, 2), RGB(40, 200, 40));
    EXPECT_EQ(Cell(-5, -2), RGB(200, 40, 40));
  }
  {
    // Past the desktop's outer edges.
    ColorWindow green(o.left, 300, 100, 100, RGB(10, 200, 40));
    MovePointer(o.left, 350);
    EXPECT_TRUE(WaitForCell(0, 0, RGB(10, 200, 40)));
    EXPECT_EQ(Cell(-1, 0), kBlack);
    EXPECT_EQ(Cell(-6, 3), kBlack);
    EXPECT_EQ(Cell(1, 0), RGB(10, 200, 40));
  }
  {
    ColorWindow blue(p.right - 60, p.bottom - 60, 60, 60, RGB(30, 60, 210));
    MovePointer(p.right - 1, p.bottom - 1);
    EXPECT_TRUE(WaitForCell(0, 0, RGB(30, 60, 210)));
    EXPECT_EQ(Cell(1, 0), kBlack);
    EXPECT_EQ(Cell(0, 1), kBlack);
    EXPECT_EQ(Cell(4, 4), kBlack);
    EXPECT_EQ(Cell(-1, -1), RGB(30, 60, 210));
  }
}

TEST_F(DualMonitor, AMinimisedWindowSentToTheNextMonitorIsRestoredThere) {
  const RECT p = primary_.bounds;
  auto program = Start((p.left + p.right) / 2, (p.top + p.bottom) / 2);
  ASSERT_NE(program->Window(), nullptr);
  const RECT opened = WindowRect(program->Window());
  ASSERT_TRUE(SetMinimised(program->Window(), true));
  // "モニター間移動" from the taskbar button's system menu.
  PostMessageW(program->Window(), WM_SYSCOMMAND, 201, 0);
  PumpFor(300);
  ASSERT_TRUE(SetMinimised(program->Window(), false));
  const RECT r = WindowRect(program->Window());
  EXPECT_EQ(r.left, other_.work.left);
  EXPECT_EQ(r.top, other_.work.top);
  EXPECT_EQ(r.right - r.left, opened.right - opened.left) << "the size stays";
}

TEST_F(DualMonitor, DoubleClickCentresAPixelOfTheMonitorLeftOfThePrimary) {
  const RECT o = other_.bounds, p = primary_.bounds;
  if (o.left >= 0) GTEST_SKIP() << "no monitor left of the primary";
  auto program = Start((p.left + p.right) / 2, (p.top + p.bottom) / 2);
  ASSERT_NE(program->Window(), nullptr);
  const int x = o.left + 300, y = 300;
  ColorWindow green(x - 60, y - 60, 120, 120, RGB(10, 200, 40));
  ColorWindow red(x - 5, y, 1, 1, RGB(220, 20, 30));  // five pixels left of the held point
  SetForegroundWindow(program->Window());
  MovePointer(x, y);
  ASSERT_TRUE(WaitForCell(-5, 0, RGB(220, 20, 30)));
  SendKey('F', false);  // fixed-point mode holds (x, y)
  SendKey('F', true);
  PumpFor(300);
  MovePointer(origin_.x + kCellX + 2 - 5 * kZoom, origin_.y + kCellY + 2);
  PumpFor(200);
  for (int i = 0; i < 2; ++i) {
    SendButton(MOUSEEVENTF_LEFTDOWN);
    SendButton(MOUSEEVENTF_LEFTUP);
  }
  EXPECT_TRUE(WaitForCell(0, 0, RGB(220, 20, 30)))
      << "the double-clicked pixel on the left monitor is not the probe point";
}

class DualMonitorModeChange : public DualMonitor {
 protected:
  void TearDown() override {
    program_.reset();  // it saves its place at exit, which the base class then removes
    DualMonitor::TearDown();
    if (!changed_) return;
    // Later tests expect the session's layout.
    EXPECT_EQ(SetDisplayMode(other_.device, other_.bounds.right - other_.bounds.left,
                             other_.bounds.bottom - other_.bounds.top),
              0u);
    EXPECT_TRUE(WaitFor(
        [&] {
          for (const Monitor& m : Monitors())
            if (m.device == other_.device) return EqualRect(&m.bounds, &other_.bounds) != 0;
          return false;
        },
        5000))
        << "the other monitor did not return to its size";
  }
  // Starts the program on the other monitor and puts it low there, so that it hangs below the
  // bottom edge of the smaller mode; answers its rectangle.
  RECT StartLowOnTheOtherMonitor() {
    const RECT o = other_.bounds;
    program_ = Start((o.left + o.right) / 2, (o.top + o.bottom) / 2);
    if (!program_->Window()) return RECT{};
    const RECT opened = WindowRect(program_->Window());
    const int width = opened.right - opened.left, height = opened.bottom - opened.top;
    const RECT low{o.right - width - 40, o.bottom - height - 10, o.right - 40, o.bottom - 10};
    SetWindowPos(program_->Window(), nullptr, low.left, low.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(200);
    return low;
  }
  // Shrinks the other monitor to 800 x 600 through the system; answers it as it then is, or
  // a monitor with empty bounds when the change did not take.
  Monitor ShrinkTheOtherMonitor() {
    Monitor shrunk{};
    EXPECT_EQ(SetDisplayMode(other_.device, 800, 600), 0u)
        << "display_mode.exe could not change the mode";
    changed_ = true;
    EXPECT_TRUE(WaitFor(
        [&] {
          for (const Monitor& m : Monitors())
            if (m.device == other_.device && m.bounds.bottom - m.bounds.top == 600) shrunk = m;
          return shrunk.bounds.bottom - shrunk.bounds.top == 600;
        },
        5000));
    return shrunk;
  }
  bool changed_ = false;
  std::unique_ptr<LoupistProcess> program_;
};

TEST_F(DualMonitorModeChange, AfterTheMonitorShrinksTheWindowIsBackInsideItsWorkArea) {
  const RECT low = StartLowOnTheOtherMonitor();
  ASSERT_NE(program_->Window(), nullptr);
  const int left = low.left, width = low.right - low.left, height = low.bottom - low.top;
  const Monitor shrunk = ShrinkTheOtherMonitor();
  ASSERT_EQ(shrunk.bounds.bottom - shrunk.bounds.top, 600);
  const RECT& wa = shrunk.work;
  ASSERT_GT(low.bottom, wa.bottom) << "the window must have been left outside";

  // Pulled up by its overhang only; its size and its left edge stay.
  const RECT want{left, wa.bottom - height, left + width, wa.bottom};
  EXPECT_TRUE(WaitFor(
      [&] {
        const RECT r = WindowRect(program_->Window());
        return EqualRect(&r, &want) != 0;
      },
      3000))
      << "window at " << WindowRect(program_->Window()).left << ","
      << WindowRect(program_->Window()).top << ", want " << want.left << "," << want.top;

  // The picture follows the new desktop: what lies beyond the shrunk monitor is black.
  POINT origin{0, 0};
  ClientToScreen(program_->Window(), &origin);
  origin_ = origin;
  ColorWindow yellow(shrunk.bounds.left - 100, shrunk.bounds.top + 100, 200, 100,
                     RGB(230, 220, 20));
  MovePointer(shrunk.bounds.left, shrunk.bounds.top + 150);
  EXPECT_TRUE(WaitForCell(0, 0, RGB(230, 220, 20)));
  if (OnNoMonitor(shrunk.bounds.left - 1, shrunk.bounds.top + 150)) EXPECT_EQ(Cell(-1, 0), kBlack);
}

TEST_F(DualMonitorModeChange, AMinimisedWindowIsRestoredInsideTheShrunkWorkArea) {
  StartLowOnTheOtherMonitor();
  ASSERT_NE(program_->Window(), nullptr);
  ASSERT_TRUE(SetMinimised(program_->Window(), true));
  const Monitor shrunk = ShrinkTheOtherMonitor();
  ASSERT_EQ(shrunk.bounds.bottom - shrunk.bounds.top, 600);
  PumpFor(300);
  EXPECT_TRUE(IsIconic(program_->Window())) << "the pull-back restored the window";
  ASSERT_TRUE(SetMinimised(program_->Window(), false));
  const RECT r = WindowRect(program_->Window());
  const RECT& wa = shrunk.work;
  EXPECT_TRUE(r.left >= wa.left && r.top >= wa.top && r.right <= wa.right && r.bottom <= wa.bottom)
      << "restored at " << r.left << "," << r.top << "-" << r.right << "," << r.bottom
      << ", work area " << wa.left << "," << wa.top << "-" << wa.right << "," << wa.bottom;
}

}  // namespace
