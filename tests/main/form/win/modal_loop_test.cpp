// A menu, message box or move loop takes its own messages. A tick of the main timer that
// lands inside such a loop must not pump the queue: a key it took would reach the program's
// handlers instead of the menu or box it was meant for.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "my_settingfile/win/settings_file.h"
#include "platform/win/application.h"
#include "tests/win/modal_driver.h"

namespace {

// A message that only the pump would take out of the queue.
constexpr UINT kQueued = WM_APP + 7;

// Closes whatever modal window is still open after two seconds, so that a key that went
// astray fails the test instead of hanging it.
class Fallback {
 public:
  Fallback() { timer_ = SetTimer(nullptr, 0, 2000, &Fallback::Fire); }
  ~Fallback() { KillTimer(nullptr, timer_); }
  Fallback(const Fallback&) = delete;
  Fallback& operator=(const Fallback&) = delete;

 private:
  static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
    EndMenu();
    if (HWND box = FindThreadWindow(L"#32770")) PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
  UINT_PTR timer_ = 0;
};

class ModalLoops : public testing::Test {
 protected:
  void SetUp() override { app_ = std::make_unique<TApp_Loupist>(); }
  void TearDown() override {
    app_.reset();
    Application::Instance().ShowErrorBoxes = false;
    // The closed main window posted a quit, which would end the next test's box at once.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  // One tick of the main timer that would capture, as it would arrive inside the loop;
  // answers whether it did.
  bool Tick() {
    LoupistInternals a(*app_);
    a.LastCaptureTick() = 0;
    app_->Timer_MainTimer(&app_->Timer_Main);
    return a.LastCaptureTick() != 0;
  }

  NoSettingsFile noSettingsFile_;
  std::unique_ptr<TApp_Loupist> app_;
};

TEST_F(ModalLoops, AKeyMeantForAnOpenMenuIsLeftToTheMenu) {
  LoupistInternals a(*app_);
  bool modalInside = false, capturedInside = true;
  ModalDriver driver(L"#32768", [&](HWND) {
    modalInside = Application::Instance().InModalLoop();
    PostMessageW(app_->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    capturedInside = Tick();
  });
  const Fallback fallback;
  const DWORD start = GetTickCount();
  a.ExecuteCommand(10001);  // the menu command
  const DWORD took = GetTickCount() - start;
  ASSERT_TRUE(driver.Fired()) << "no popup menu appeared";
  EXPECT_TRUE(modalInside);
  EXPECT_FALSE(capturedInside) << "the menu over the probe point was captured";
  EXPECT_LT(took, 1500u) << "the menu did not get its Escape; the fallback closed it";
  EXPECT_FALSE(Application::Instance().InModalLoop()) << "the menu loop's end was seen";

  // Outside the loop the pump takes the queue again, and following goes on.
  PostMessageW(app_->Handle(), kQueued, 0, 0);
  EXPECT_TRUE(Tick());
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, app_->Handle(), kQueued, kQueued, PM_NOREMOVE));
}

TEST_F(ModalLoops, AKeyMeantForAnErrorBoxIsLeftToTheBox) {
  Application& application = Application::Instance();
  application.ShowErrorBoxes = true;
  bool modalInside = false, capturedInside = true;
  ModalDriver driver(L"#32770", [&](HWND) {
    modalInside = application.InModalLoop();
    // Enter on the box's button closes the box only through the box's own loop.
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
    capturedInside = Tick();
  });
  const Fallback fallback;
  const DWORD start = GetTickCount();
  application.ShowException(std::make_exception_ptr(std::runtime_error("a fault")));
  const DWORD took = GetTickCount() - start;
  ASSERT_TRUE(driver.Fired()) << "no message box appeared";
  EXPECT_TRUE(modalInside);
  EXPECT_FALSE(capturedInside) << "the box over the probe point was captured";
  EXPECT_LT(took, 1500u) << "the box did not get its Enter; the fallback closed it";
  EXPECT_FALSE(application.InModalLoop());
}

TEST_F(ModalLoops, TheMoveLoopIsSeenFromItsStartToItsEnd) {
  HWND window = app_->Handle();
  SendMessageW(window, WM_ENTERSIZEMOVE, 0, 0);
  EXPECT_TRUE(Application::Instance().InModalLoop());
  PostMessageW(window, kQueued, 0, 0);
  EXPECT_TRUE(Tick()) << "a window being moved goes on following";
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, window, kQueued, kQueued, PM_NOREMOVE))
      << "the tick left the queue to the loop";
  SendMessageW(window, WM_EXITSIZEMOVE, 0, 0);
  EXPECT_FALSE(Application::Instance().InModalLoop());
  Tick();
  EXPECT_FALSE(PeekMessageW(&msg, window, kQueued, kQueued, PM_NOREMOVE));
  // An end without a start is ignored, and cannot hide a later start.
  SendMessageW(window, WM_EXITMENULOOP, 0, 0);
  SendMessageW(window, WM_ENTERMENULOOP, 0, 0);
  SendMessageW(window, WM_EXITSIZEMOVE, 0, 0);
  EXPECT_TRUE(Application::Instance().CoveringLoopOpen()) << "a move's end ended the menu";
  SendMessageW(window, WM_EXITMENULOOP, 0, 0);
  EXPECT_FALSE(Application::Instance().InModalLoop());
}

TEST_F(ModalLoops, AWindowDestroyedInsideALoopEndsItsShare) {
  SendMessageW(app_->Handle(), WM_ENTERMENULOOP, 0, 0);
  ASSERT_TRUE(Application::Instance().InModalLoop());
  app_.reset();
  EXPECT_FALSE(Application::Instance().InModalLoop()) << "the pump would stay off for good";
  EXPECT_FALSE(Application::Instance().CoveringLoopOpen()) << "no window would capture again";
}

}  // namespace
