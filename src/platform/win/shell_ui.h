// What the program asks of the system's user interface: message boxes, opening a file with
// its associated program, and the complement of a colour.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

// A modal box with an OK button and no icon. Brought to the foreground unless told otherwise.
// With no owner the thread's active window owns it. The NT family shows the texts as they are;
// the Windows 95 family, in the system code page.
void ShowMessageBox(const std::wstring& text, const std::wstring& caption, HWND owner = nullptr,
                    bool toForeground = true);

// Asks the shell to open the file with its default action; the result is not examined.
void OpenWithShell(const std::wstring& path, HWND owner = nullptr);

// The RGB complement; a system colour (0x80000000 | COLOR_xxx) is first resolved to its
// current RGB value.
COLORREF InvertColor(uint32_t color);

// Tests take the place of the box and the shell, so that no modal box stops a run and no
// other program is started. Empty functions restore the system's own.
struct ShellUiHooks {
  std::function<void(const std::wstring& text, const std::wstring& caption, UINT style)> ShowBox;
  std::function<void(const std::wstring& path)> OpenPath;
};
ShellUiHooks& ShellUiHooksForTesting();
