// The application object: title, message loop, message pump and the one error
// handler through which every window procedure, timer and command runs.
#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <string>

class Application {
 public:
  static Application& Instance();

  const std::wstring& Title() const { return title_; }
  void SetTitle(const std::wstring& title) { title_ = title; }

  // Runs until WM_QUIT; gives the exit code.
  int Run();
  // Handles every message waiting for this thread, then returns. Does nothing while a
  // modal loop runs: that loop takes its own messages, and a key or button meant for an
  // open menu, box, dialog or window move must reach it, not our handlers.
  void ProcessMessages();

  // A menu, message box, dialog or move/size loop of this thread starts or ends. All but the
  // move/size loop are windows of their own that may lie over any part of the screen.
  void EnterModalLoop(bool covers) {
    ++modalLoops_;
    if (covers) ++coveringLoops_;
  }
  void LeaveModalLoop(bool covers) {
    if (modalLoops_ > 0) --modalLoops_;
    if (covers && coveringLoops_ > 0) --coveringLoops_;
  }
  bool InModalLoop() const { return modalLoops_ > 0; }
  // A menu, box or dialog of this thread is open: what the screen shows may be our own.
  bool CoveringLoopOpen() const { return coveringLoops_ > 0; }
  bool Terminated() const { return terminated_; }

  // Shows the exception in a message box captioned with the title; the program goes on.
  void ShowException(const std::exception_ptr& error);

  // Runs f; any exception is reported instead of leaving the caller.
  template <typename F>
  void Guarded(F&& f) noexcept {
    try {
      f();
    } catch (...) {
      ShowException(std::current_exception());
    }
  }

  // Message hook, run for every message the loop or the pump takes before it is
  // dispatched: true means handled. Shortcut hook for WM_KEYDOWN/WM_SYSKEYDOWN.
  std::function<bool(MSG&)> OnMessage;
  std::function<bool(MSG&)> OnShortCut;

  // Tests: the text of the last reported error, and whether to show a box at all.
  std::wstring LastErrorText;
  bool ShowErrorBoxes = true;

 private:
  Application() = default;
  bool Dispatch(MSG& msg);

  std::wstring title_;
  bool terminated_ = false;
  bool showingError_ = false;
  int modalLoops_ = 0;
  int coveringLoops_ = 0;
};

// Marks a modal call of our own (message box, colour chooser) for its duration.
class ModalLoopScope {
 public:
  ModalLoopScope() { Application::Instance().EnterModalLoop(true); }
  ~ModalLoopScope() { Application::Instance().LeaveModalLoop(true); }
  ModalLoopScope(const ModalLoopScope&) = delete;
  ModalLoopScope& operator=(const ModalLoopScope&) = delete;
};

// UTF-8 (our exception messages) to UTF-16.
std::wstring WideFromUtf8(const std::string& text);
