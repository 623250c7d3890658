#include "tests/win/main_window.h"

#include "tests/common/win_test_support.h"

std::unique_ptr<TApp_Loupist> StartMainWindow(POINT pointer, POINT corner) {
  SetCursorPos(pointer.x, pointer.y);
  auto app = std::make_unique<TApp_Loupist>();
  SetWindowPos(app->Handle(), nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PumpFor(100);
  return app;
}

void OnlyHandlersCapture(TApp_Loupist& app) { app.Timer_Main.SetInterval(600000); }
