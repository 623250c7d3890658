// Real key and pointer events on the running program.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/e2e/program.h"
#include "tests/e2e/scene.h"

namespace {

// One-pixel black and white stripes: the magnifier shows them as runs of zoom pixels.
class StripeWindow {
 public:
  StripeWindow(int left, int top, int width, int height) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LoupistE2EStripes";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName,
                            L"stripes", WS_POPUP, left, top, width, height, nullptr, nullptr,
                            wc.hInstance, nullptr);
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd_);
    PumpFor(100);
  }
  ~StripeWindow() { DestroyWindow(hwnd_); }

 private:
  static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_PAINT) {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      RECT r{};
      GetClientRect(h, &r);
      for (int x = 0; x < r.right; ++x) {
        RECT column{x, 0, x + 1, r.bottom};
        FillRect(dc, &column,
                 static_cast<HBRUSH>(GetStockObject(x % 2 ? WHITE_BRUSH : BLACK_BRUSH)));
      }
      EndPaint(h, &ps);
      return 0;
    }
    return DefWindowProcW(h, m, w, l);
  }
  HWND hwnd_;
};

// Zoom as the screen shows it: the mean length of the black and white runs along a row
// of the zoom area (grid and cross-hair pixels belong to no run).
double ShownZoom(HWND window) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  HDC screen = GetDC(nullptr);
  int runs = 0, counted = 0;
  COLORREF last = CLR_INVALID;
  for (int x = 10; x < 130; ++x) {
    const COLORREF c = GetPixel(screen, origin.x + x, origin.y + 20);
    if (c != RGB(0, 0, 0) && c != RGB(255, 255, 255)) continue;
    ++counted;
    if (c != last) ++runs;
    last = c;
  }
  ReleaseDC(nullptr, screen);
  return runs == 0 ? 0 : static_cast<double>(counted) / runs;
}

bool WaitForZoom(HWND window, double low, double high) {
  for (int i = 0; i < 60; ++i) {
    const double z = ShownZoom(window);
    if (z >= low && z <= high) return true;
    PumpFor(50);
  }
  return false;
}

class InputE2E : public testing::Test {
 protected:
  void SetUp() override {
    DeleteFileW((ProgramFolder() + L"loupist.bin").c_str());
    MovePointer(600, 550);
    program_ = std::make_unique<LoupistProcess>();
    ASSERT_NE(program_->Window(), nullptr);
    SetForegroundWindow(program_->Window());
    PumpFor(300);
  }
  void TearDown() override {
    program_.reset();
    DeleteFileW((ProgramFolder() + L"loupist.bin").c_str());
  }
  HWND Window() const { return program_->Window(); }
  StripeWindow stripes_{400, 400, 400, 300};
  std::unique_ptr<LoupistProcess> program_;
};

TEST_F(InputE2E, KeyOneHeldShowsActualSizeAndPageUpMeanwhileDoesNothing) {
  // Grid lines take one pixel of each cell: at zoom 6 the runs are about 5 long.
  ASSERT_TRUE(WaitForZoom(Window(), 4, 6)) << ShownZoom(Window());
  SendKey('1', false);
  EXPECT_TRUE(WaitForZoom(Window(), 0.9, 1.2)) << ShownZoom(Window());
  SendKey(VK_PRIOR, false);
  SendKey(VK_PRIOR, true);
  PumpFor(300);
  EXPECT_TRUE(WaitForZoom(Window(), 0.9, 1.2)) << ShownZoom(Window());
  SendKey('1', true);
  EXPECT_TRUE(WaitForZoom(Window(), 4, 6)) << "back to the zoom before: " << ShownZoom(Window());
}

TEST_F(InputE2E, RightArrowNudgesTheCursorOnePixel) {
  PumpFor(300);  // a capture has seen the pointer where it is
  SendKey(VK_RIGHT, false);
  SendKey(VK_RIGHT, true);
  PumpFor(300);
  POINT p{};
  GetCursorPos(&p);
  EXPECT_EQ(p.x, 601);
  EXPECT_EQ(p.y, 550);
}

TEST_F(InputE2E, PressInTheMiddleMoves) {
  RECT before{};
  GetWindowRect(Window(), &before);
  const POINT middle{(before.left + before.right) / 2, before.top + 60};
  MovePointer(middle.x, middle.y);
  PumpFor(200);
  SendButton(MOUSEEVENTF_LEFTDOWN);
  PumpFor(300);
  for (int i = 1; i <= 6; ++i) {
    MovePointer(middle.x + 5 * i, middle.y + 2 * i);
    PumpFor(80);
  }
  SendButton(MOUSEEVENTF_LEFTUP);
  PumpFor(300);
  RECT moved{};
  GetWindowRect(Window(), &moved);
  // Under load the move loop may start after the first pointer step; the window still
  // follows the hand, by its size unchanged.
  EXPECT_NEAR(moved.left - before.left, 30, 6);
  EXPECT_NEAR(moved.top - before.top, 12, 3);
  EXPECT_EQ(moved.right - moved.left, before.right - before.left);
  EXPECT_EQ(moved.bottom - moved.top, before.bottom - before.top);
}

TEST_F(InputE2E, PressNearTheLeftEdgeSizesFromThatEdge) {
  RECT before{};
  GetWindowRect(Window(), &before);
  // 2 px from the left edge, 20 below the top: the left edge zone.
  MovePointer(before.left + 2, before.top + 20);
  PumpFor(200);
  SendButton(MOUSEEVENTF_LEFTDOWN);
  PumpFor(200);
  for (int i = 1; i <= 6; ++i) {
    MovePointer(before.left + 2 - 5 * i, before.top + 20);
    PumpFor(50);
  }
  SendButton(MOUSEEVENTF_LEFTUP);
  PumpFor(300);
  RECT sized{};
  GetWindowRect(Window(), &sized);
  EXPECT_EQ(sized.left, before.left - 30);
  EXPECT_EQ(sized.right, before.right) << "sized from the left edge, the right stays";
  EXPECT_EQ(sized.top, before.top);
}

TEST_F(InputE2E, RightDragUpTogglesStayOnTop) {
  RECT r{};
  GetWindowRect(Window(), &r);
  const POINT start{r.left + 110, r.top + 120};
  ASSERT_FALSE(GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  MovePointer(start.x, start.y);
  PumpFor(200);
  SendButton(MOUSEEVENTF_RIGHTDOWN);
  PumpFor(100);
  for (int i = 1; i <= 4; ++i) {
    MovePointer(start.x, start.y - 10 * i);
    PumpFor(30);
  }
  SendButton(MOUSEEVENTF_RIGHTUP);
  PumpFor(400);
  EXPECT_TRUE(GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

}  // namespace

namespace {

struct WorkAreas {
  std::vector<RECT> rects;
};

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info))
    reinterpret_cast<WorkAreas*>(data)->rects.push_back(info.rcWork);
  return TRUE;
}

bool IsWorkAreaCorner(const RECT& window, const WorkAreas& areas, size_t* which) {
  for (size_t i = 0; i < areas.rects.size(); ++i)
    if (window.left == areas.rects[i].left && window.top == areas.rects[i].top) {
      *which = i;
      return true;
    }
  return false;
}

TEST(DualMonitorInput, QAlternatesTheWindowBetweenTheWorkAreasCorners) {
  if (GetSystemMetrics(SM_CMONITORS) < 2) GTEST_SKIP() << "needs two monitors";
  DeleteFileW((ProgramFolder() + L"loupist.bin").c_str());
  WorkAreas areas;
  EnumDisplayMonitors(nullptr, nullptr, &CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
  ASSERT_EQ(areas.rects.size(), 2u);
  MovePointer(600, 500);
  {
    LoupistProcess program;
    ASSERT_NE(program.Window(), nullptr);
    SetForegroundWindow(program.Window());
    PumpFor(300);
    size_t first = 0, second = 0;
    RECT r{};
    SendKey('Q', false);
    SendKey('Q', true);
    PumpFor(500);
    GetWindowRect(program.Window(), &r);
    ASSERT_TRUE(IsWorkAreaCorner(r, areas, &first)) << r.left << "," << r.top;
    SendKey('Q', false);
    SendKey('Q', true);
    PumpFor(500);
    GetWindowRect(program.Window(), &r);
    ASSERT_TRUE(IsWorkAreaCorner(r, areas, &second)) << r.left << "," << r.top;
    EXPECT_NE(first, second);
    SendKey('Q', false);
    SendKey('Q', true);
    PumpFor(500);
    GetWindowRect(program.Window(), &r);
    size_t third = 9;
    ASSERT_TRUE(IsWorkAreaCorner(r, areas, &third));
    EXPECT_EQ(third, first);
  }
  DeleteFileW((ProgramFolder() + L"loupist.bin").c_str());
}

}  // namespace

namespace {

// Ctrl held as a person holds it, at the X server's level (Wine takes the modifiers afresh from
// the X server with each pointer event, and would let go one sent with SendInput), across the
// arrow's presses and its key repeat: a block, a narrow one and a one-pixel line on a ground.
TEST(EdgeJumps, CtrlArrowsTakeTheCursorFromEdgeToEdge) {
  DeleteFileW((ProgramFolder() + L"loupist.bin").c_str());
  const ColorWindow ground(300, 350, 600, 150, RGB(128, 128, 128));
  const ColorWindow block(400, 400, 50, 50, RGB(200, 40, 40));
  const ColorWindow narrow(500, 400, 20, 50, RGB(40, 40, 200));
  const ColorWindow line(560, 400, 1, 50, RGB(0, 0, 0));
  MovePointer(420, 425);
  LoupistProcess program;
  ASSERT_NE(program.Window(), nullptr);
  SetForegroundWindow(program.Window());
  PumpFor(500);
  const auto at = [](int x) {
    return WaitFor(
        [x] {
          POINT p{};
          GetCursorPos(&p);
          return p.x == x && p.y == 425;
        },
        1000);
  };
  struct CtrlUp {
    ~CtrlUp() { Xdotool(L"keyup Control_L"); }
  } up;
  ASSERT_TRUE(Xdotool(L"keydown Control_L"));
  ASSERT_TRUE(WaitFor([] { return GetAsyncKeyState(VK_CONTROL) < 0; }, 2000));
  PumpFor(150);
  // Past the block, to the narrow one's nearest pixel, past it, onto the line and past it.
  for (int x : {450, 500, 520, 560, 561}) {
    SendKey(VK_RIGHT, false);  // held: the second and later presses are the key's repeats
    EXPECT_TRUE(at(x)) << x;
  }
  SendKey(VK_RIGHT, true);
  for (int x : {560, 559, 519}) {
    SendKey(VK_LEFT, false);
    SendKey(VK_LEFT, true);
    EXPECT_TRUE(at(x)) << x;
  }
  PumpFor(150);
  Xdotool(L"keyup Control_L");
  ASSERT_TRUE(WaitFor([] { return GetAsyncKeyState(VK_CONTROL) >= 0; }, 2000));
  SendKey(VK_LEFT, false);  // without Ctrl a nudge again
  SendKey(VK_LEFT, true);
  EXPECT_TRUE(at(518));
  DeleteFileW((ProgramFolder() + L"loupist.bin").c_str());
}

}  // namespace
