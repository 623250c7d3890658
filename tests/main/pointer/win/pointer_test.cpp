// Pointer moves drawn at once: the picture follows a move within a frame where the timer alone
// would take far longer, a burst costs a cycle a frame and ends on its last position, and with
// instant follow off the timer's rhythm is back.
#include <gtest/gtest.h>

#include <string>

#include "main/form/win/internals.h"
#include "tests/win/main_window.h"
#include "tests/win/scene.h"

namespace {

// An absolute move of the kind a device driver makes.
INPUT AbsoluteMove(POINT p) {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(p.x - left, 65535, width - 1);
  input.mi.dy = MulDiv(p.y - top, 65535, height - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  return input;
}

// The X server's test device, which is what a real mouse is under Wine.
void MoveByXTestDevice(POINT p) {
  std::wstring command =
      L"Z:\\usr\\bin\\xdotool mousemove " + std::to_wstring(p.x) + L" " + std::to_wstring(p.y);
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(
      CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

void MoveBySendInput(POINT p) {
  INPUT input = AbsoluteMove(p);
  ASSERT_EQ(SendInput(1, &input, sizeof(input)), 1u);
}

bool CursorAt(POINT p) {
  POINT now{};
  GetCursorPos(&now);
  return now.x == p.x && now.y == p.y;
}

class PointerFollow : public ::testing::Test {
 protected:
  void Start(bool instantFollow) {
    app_ = StartMainWindow(POINT{200, 200});
    a_ = std::make_unique<LoupistInternals>(*app_);
    Action& option = a_->Command(Cmd::actOpt_InstantFollow);
    if (option.Checked() != instantFollow) option.Execute();
    OnlyHandlersCapture(*app_);
    PumpFor(100);
  }
  bool Drawn(POINT p) const { return a_->Info().ScreenPoint == Point{p.x, p.y}; }

  SceneWindow scene_{0, 0, 700, 600, [](int x, int y) { return RGB(x & 0xFF, y & 0xFF, 90); }};
  std::unique_ptr<TApp_Loupist> app_;
  std::unique_ptr<LoupistInternals> a_;
};

TEST_F(PointerFollow, AMoveIsDrawnWithinAFrameOnlyWithInstantFollow) {
  const struct {
    const char* way;
    void (*move)(POINT);
  } ways[] = {{"X test device", MoveByXTestDevice},
              {"SendInput", MoveBySendInput},
              // Windows tells of it by the cursor's event alone, Wine by raw input too.
              {"SetCursorPos", [](POINT p) { SetCursorPos(p.x, p.y); }}};
  for (bool on : {true, false}) {
    Start(on);
    POINT target{300, 250};
    for (const auto& way : ways) {
      target.x += 37;
      way.move(target);
      ASSERT_TRUE(PumpUntil([&] { return CursorAt(target); }, 2000)) << way.way;
      // The timer's period is ten minutes here: only a pointer frame can draw the move.
      EXPECT_EQ(PumpUntil([&] { return Drawn(target); }, on ? 100 : 300), on)
          << way.way << (on ? ": not drawn within 100 ms" : ": drawn with instant follow off");
    }
  }
}

TEST_F(PointerFollow, ABurstWithinAFrameCostsAtMostTwoCyclesAndEndsOnItsLastPosition) {
  Start(true);
  INPUT burst[200];
  for (int i = 0; i < 200; ++i) burst[i] = AbsoluteMove(POINT{250 + i, 300 + i / 2});
  const uint32_t before = a_->Pointer().Frames();
  ASSERT_EQ(SendInput(200, burst, sizeof(INPUT)), 200u);
  const POINT last{449, 399};
  ASSERT_TRUE(PumpUntil([&] { return CursorAt(last); }, 2000));
  EXPECT_TRUE(PumpUntil([&] { return Drawn(last); }, 200));
  PumpFor(100);
  EXPECT_LE(a_->Pointer().Frames() - before, 2u);
  EXPECT_TRUE(Drawn(last));
}

}  // namespace
