#include "tests/e2e/program.h"

#include <vector>

namespace {
struct FindData {
  DWORD pid;
  const wchar_t* cls;
  HWND found;
  int count;
  bool all;  // count every match instead of stopping at the first
};

BOOL CALLBACK FindVisibleWindow(HWND hwnd, LPARAM lParam) {
  auto* data = reinterpret_cast<FindData*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  if (pid == data->pid && wcscmp(cls, data->cls) == 0 && IsWindowVisible(hwnd)) {
    if (!data->found) data->found = hwnd;
    ++data->count;
    return data->all;
  }
  return TRUE;
}
}  // namespace

HWND FindProcessWindow(DWORD pid, const wchar_t* cls) {
  FindData data{pid, cls, nullptr, 0, false};
  EnumWindows(&FindVisibleWindow, reinterpret_cast<LPARAM>(&data));
  return data.found;
}

int CountProcessWindows(DWORD pid, const wchar_t* cls) {
  FindData data{pid, cls, nullptr, 0, true};
  EnumWindows(&FindVisibleWindow, reinterpret_cast<LPARAM>(&data));
  return data.count;
}

LoupistProcess::LoupistProcess(const std::wstring& exeName) {
  std::wstring command = L"\"" + ProgramFolder() + exeName + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  std::vector<wchar_t> line(command.begin(), command.end());
  line.push_back(L'\0');
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      ProgramFolder().c_str(), &startup, &info_))
    return;
  WaitForInputIdle(info_.hProcess, 10000);
  for (int i = 0; i < 200 && !window_; ++i) {
    window_ = FindProcessWindow(info_.dwProcessId, L"TApp_Loupist");
    if (!window_) Sleep(50);
  }
}

LoupistProcess::~LoupistProcess() {
  if (info_.hProcess) {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(info_.hProcess, 5000) == WAIT_TIMEOUT)
        TerminateProcess(info_.hProcess, 1);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
}

bool LoupistProcess::WaitForExit(DWORD ms) {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0;
}

DWORD LoupistProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return c;
}

void MovePointer(int x, int y) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  const int vx = GetSystemMetrics(SM_XVIRTUALSCREEN), vy = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int vw = GetSystemMetrics(SM_CXVIRTUALSCREEN), vh = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  in.mi.dx = static_cast<LONG>(((x - vx) * 65535LL + vw / 2) / (vw - 1));
  in.mi.dy = static_cast<LONG>(((y - vy) * 65535LL + vh / 2) / (vh - 1));
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  SendInput(1, &in, sizeof(in));
  SetCursorPos(x, y);  // exact, whatever rounding the absolute scale did
}

bool Xdotool(const std::wstring& arguments) {
  // A Linux program, started by its path on Wine's drive of the whole file system.
  std::wstring command = L"Z:\\usr\\bin\\xdotool " + arguments;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  // Wine gives no handle to wait on for a Linux program: the caller waits for its effect.
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD k : keys) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = k;
    inputs.push_back(in);
  }
  for (auto it = keys.end(); it != keys.begin();) {
    --it;
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = *it;
    in.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(in);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SendButton(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof(in));
}

std::wstring ClipboardText() {
  std::wstring text;
  for (int attempt = 0; attempt < 20 && text.empty(); ++attempt) {
    if (OpenClipboard(nullptr)) {
      if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
          text = chars;
          GlobalUnlock(data);
        }
      }
      CloseClipboard();
    }
    if (text.empty()) PumpFor(100);
  }
  return text;
}

std::vector<std::wstring> FilesMatching(const std::wstring& pattern) {
  std::vector<std::wstring> files;
  const std::wstring folder = pattern.substr(0, pattern.find_last_of(L"\\/") + 1);
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      files.push_back(folder + found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return files;
}

bool WaitFor(const std::function<bool()>& done, int ms) {
  for (int waited = 0; waited < ms; waited += 50) {
    if (done()) return true;
    PumpFor(50);
  }
  return done();
}

bool ChooseFromMenu(HWND window, std::initializer_list<WORD> letters, int lingerMs) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  SetForegroundWindow(window);
  PumpFor(200);
  PressKeys({VK_MENU, VK_F10});
  int open = 1;
  for (WORD letter : letters) {
    if (!WaitFor([&] { return CountProcessWindows(pid, L"#32768") >= open; }, 3000)) return false;
    PumpFor(open == static_cast<int>(letters.size()) ? lingerMs : 50);
    PressKeys({letter});
    ++open;
  }
  return WaitFor([&] { return CountProcessWindows(pid, L"#32768") == 0; }, 3000);
}
