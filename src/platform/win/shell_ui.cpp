#include "platform/win/shell_ui.h"

#include <shellapi.h>

#include "general/win/codepage.h"
#include "general/win/platform_info.h"
#include "platform/win/application.h"

ShellUiHooks& ShellUiHooksForTesting() {
  static ShellUiHooks hooks;
  return hooks;
}

void ShowMessageBox(const std::wstring& text, const std::wstring& caption, HWND owner,
                    bool toForeground) {
  const UINT style = MB_OK | (toForeground ? MB_SETFOREGROUND : 0);
  if (ShellUiHooksForTesting().ShowBox) {
    ShellUiHooksForTesting().ShowBox(text, caption, style);
    return;
  }
  const ModalLoopScope modal;
  if (!owner) owner = GetActiveWindow();
  if (IsNTPlatform()) {
    MessageBoxW(owner, text.c_str(), caption.c_str(), style);
  } else {
    MessageBoxA(owner, WideToAnsi(text).c_str(), WideToAnsi(caption).c_str(), style);
  }
}

void OpenWithShell(const std::wstring& path, HWND owner) {
  if (ShellUiHooksForTesting().OpenPath) {
    ShellUiHooksForTesting().OpenPath(path);
    return;
  }
  if (IsNTPlatform()) {
    ShellExecuteW(owner, nullptr, path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  } else {
    ShellExecuteA(owner, nullptr, WideToAnsi(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
}

COLORREF InvertColor(uint32_t color) {
  if (color & 0x80000000u) color = GetSysColor(static_cast<int>(color & 0xFF));
  return 0xFFFFFF - (color & 0xFFFFFF);
}
