#include "platform/win/application.h"

#include <stdexcept>

Application& Application::Instance() {
  static Application app;
  return app;
}

std::wstring WideFromUtf8(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(n > 0 ? n : 0, L'\0');
  if (n > 0)
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
  return wide;
}

bool Application::Dispatch(MSG& msg) {
  bool handled = false;
  Guarded([&] {
    if (OnMessage && OnMessage(msg)) {
      handled = true;
      return;
    }
    if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && OnShortCut &&
        OnShortCut(msg)) {
      handled = true;
    }
  });
  if (handled) return true;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

int Application::Run() {
  MSG msg;
  while (!terminated_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      terminated_ = true;
      return got == 0 ? static_cast<int>(msg.wParam) : 1;
    }
    Dispatch(msg);
  }
  return 0;
}

void Application::ProcessMessages() {
  if (InModalLoop()) return;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave the quit for the main loop.
      terminated_ = true;
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

void Application::ShowException(const std::exception_ptr& error) {
  std::wstring text = L"Unknown error";
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    text = WideFromUtf8(e.what());
  } catch (...) {
  }
  LastErrorText = text;
  // A fault that repeats on every timer tick must not stack up boxes: while one
  // box is open, further reports only update LastErrorText.
  if (!ShowErrorBoxes || showingError_) return;
  showingError_ = true;
  const ModalLoopScope modal;
  MessageBoxW(GetActiveWindow(), text.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
  showingError_ = false;
}
