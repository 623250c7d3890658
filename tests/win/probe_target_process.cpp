#include "tests/win/probe_target_process.h"

#include <cstdio>
#include <vector>

namespace {
std::wstring OwnDirectory() {
  std::vector<wchar_t> path(MAX_PATH * 4, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  std::wstring full(path.data(), n);
  return full.substr(0, full.find_last_of(L"\\/") + 1);
}

struct ChildSearch {
  const wchar_t* className;
  const wchar_t* text;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM lParam) {
  auto& search = *reinterpret_cast<ChildSearch*>(lParam);
  wchar_t cls[300] = {};
  wchar_t text[300] = {};
  GetClassNameW(hwnd, cls, 300);
  GetWindowTextW(hwnd, text, 300);
  if (lstrcmpiW(cls, search.className) == 0 && lstrcmpW(text, search.text) == 0) {
    search.found = hwnd;
    return FALSE;
  }
  return TRUE;
}

std::string ExitMeaning(DWORD code) {
  switch (code) {
    case probe_target::kExitNoCom:
      return " (COM could not be initialised)";
    case probe_target::kExitNoEvents:
      return " (the test's events could not be opened)";
    case probe_target::kExitNoDialog:
      return " (the system's dialog could not be made)";
    case probe_target::kExitNoHungThread:
      return " (the hung window's thread did not make it within 10 s)";
    default:
      return "";
  }
}

UniqueKernelHandle NewEvent(const std::wstring& token, const wchar_t* what) {
  return UniqueKernelHandle(
      CreateEventW(nullptr, TRUE, FALSE, probe_target::EventName(token, what).c_str()));
}
}  // namespace

ProbeTargetProcess::ProbeTargetProcess(const wchar_t* exeName)
    : exePath_(OwnDirectory() + exeName) {
  const std::wstring token =
      std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(GetTickCount());
  readyEvent_ = NewEvent(token, probe_target::kReadyEvent);
  hangingEvent_ = NewEvent(token, probe_target::kHangingEvent);
  releaseEvent_ = NewEvent(token, probe_target::kReleaseEvent);
  if (!readyEvent_ || !hangingEvent_ || !releaseEvent_) return;

  // Seen once in a fresh Wine prefix: the helper ended before it was ready. A second start is
  // tried then; a helper that cannot start twice is a failure.
  for (int attempt = 0; attempt < 2 && !ready_; ++attempt) {
    std::wstring commandLine = L"\"" + exePath_ + L"\" " + token;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exePath_.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
      startError_ = GetLastError();
      report_ = "not started, error " + std::to_string(startError_);
      return;
    }
    process_.reset(info.hProcess);
    thread_.reset(info.hThread);
    processId_ = info.dwProcessId;
    threadId_ = info.dwThreadId;
    HANDLE waits[2] = {readyEvent_.get(), process_.get()};
    const DWORD start = GetTickCount();
    ready_ = WaitForMultipleObjects(2, waits, FALSE, 20000) == WAIT_OBJECT_0;
    const std::string after = " after " + std::to_string(GetTickCount() - start) + " ms";
    DWORD code = 0;
    if (ready_) {
      report_ = "ready" + after;
    } else if (WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(process_.get(), &code)) {
      report_ = "ended with exit code " + std::to_string(code) + ExitMeaning(code) + after;
      // Left in the test's log: the start that is tried once more is not to pass unseen.
      fprintf(stderr, "%ls: %s\n", exePath_.c_str(), report_.c_str());
    } else {
      // One that hangs stays a failure.
      report_ = "not ready" + after;
      break;
    }
  }
}

ProbeTargetProcess::~ProbeTargetProcess() {
  if (releaseEvent_) SetEvent(releaseEvent_.get());
  if (process_) {
    TerminateProcess(process_.get(), 0);
    WaitForSingleObject(process_.get(), 5000);
  }
}

HWND ProbeTargetProcess::TopLevel(const wchar_t* className) const {
  HWND hwnd = nullptr;
  while ((hwnd = FindWindowExW(nullptr, hwnd, className, nullptr)) != nullptr) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == processId_) return hwnd;
  }
  return nullptr;
}

HWND ProbeTargetProcess::Child(HWND parent, const wchar_t* className, const wchar_t* text) const {
  ChildSearch search{className, text, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool ProbeTargetProcess::Hang() {
  ResetEvent(releaseEvent_.get());
  ResetEvent(hangingEvent_.get());
  PostMessageW(TopLevel(probe_target::kHungClass), probe_target::kHangMessage, 0, 0);
  return WaitForSingleObject(hangingEvent_.get(), 5000) == WAIT_OBJECT_0;
}

void ProbeTargetProcess::Release() { SetEvent(releaseEvent_.get()); }
