// Acts on a modal window of this thread (a popup menu, a dialog, a message box) from
// inside its own message loop: a thread timer keeps looking for the window while the
// loop runs and hands it to the action once it is shown.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

class ModalDriver {
 public:
  // cls: the window class, "#32768" for a menu, "#32770" for a dialog or message box.
  ModalDriver(const wchar_t* cls, std::function<void(HWND)> action);
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;
  ~ModalDriver();
  // The action has run.
  bool Fired() const { return fired_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  const wchar_t* cls_;
  std::function<void(HWND)> action_;
  UINT_PTR timer_ = 0;
  bool fired_ = false;
};

// The first visible top-level window of this thread with that class, or null.
HWND FindThreadWindow(const wchar_t* cls);

// Holds modifier keys down through the system's input queue, so that the key state a
// command reads sees them; released again at the end of the scope.
class HeldKeys {
 public:
  explicit HeldKeys(std::initializer_list<WORD> keys);
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;
  ~HeldKeys();

 private:
  void Change(bool down);
  static void Send(WORD key, bool up);
  std::vector<WORD> keys_;
};
