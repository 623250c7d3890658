// Starts loupist.exe from the test's own folder and finds its main window.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "tests/common/win_test_support.h"

class LoupistProcess {
 public:
  // Starts the program; Window() is null when it did not show its window in time.
  explicit LoupistProcess(const std::wstring& exeName = L"loupist.exe");
  LoupistProcess(const LoupistProcess&) = delete;
  LoupistProcess& operator=(const LoupistProcess&) = delete;
  ~LoupistProcess();

  HWND Window() const { return window_; }
  // Waits for the process to end; true when it did within the time.
  bool WaitForExit(DWORD ms);
  DWORD ExitCode() const;

 private:
  PROCESS_INFORMATION info_{};
  HWND window_ = nullptr;
};

// The first visible top-level window of that process and class, or null.
HWND FindProcessWindow(DWORD pid, const wchar_t* cls);
// How many visible top-level windows of that process and class there are.
int CountProcessWindows(DWORD pid, const wchar_t* cls);
// Screen pixel through the screen DC.
COLORREF ScreenPixel(int x, int y);
// Moves the pointer as a user would, through the input queue.
void MovePointer(int x, int y);
// A mouse button event where the pointer is (MOUSEEVENTF_LEFTDOWN and the like).
void SendButton(DWORD flags);
// Starts xdotool with these arguments on the display; true when it started. It runs on its
// own: wait for what it does.
bool Xdotool(const std::wstring& arguments);
// Presses and releases keys in order, as a user would (virtual-key codes).
void PressKeys(std::initializer_list<WORD> keys);
// The clipboard's Unicode text as another program reads it; empty when there is none.
std::wstring ClipboardText();
// The full paths of the files (not folders) that match a pattern with wildcards.
std::vector<std::wstring> FilesMatching(const std::wstring& pattern);
// Pumps messages until done() holds or about ms milliseconds have passed; answers done().
bool WaitFor(const std::function<bool()>& done, int ms);
// Alt+F10 with the keyboard focus on the program's window, then the accelerator letters of a
// path through its menu, each typed once the submenu before it is open (a busy machine may take
// its time to show one), the last after lingerMs. True when the menu closed after the last letter.
bool ChooseFromMenu(HWND window, std::initializer_list<WORD> letters, int lingerMs = 50);
