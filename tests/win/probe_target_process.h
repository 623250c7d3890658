// probe_target.exe (or its 64-bit build, probe_target64.exe), started beside the test
// executable and ended with the owner.
#pragma once
#include <windows.h>

#include <string>

#include "base/win/unique_handle.h"
#include "tests/win/tools/probe_target_layout.h"

// Paths of one file, as the system compares them.
inline bool SameFile(const std::wstring& a, const std::wstring& b) {
  return lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

class ProbeTargetProcess {
 public:
  static constexpr wchar_t k32BitHelper[] = L"probe_target.exe";
  static constexpr wchar_t k64BitHelper[] = L"probe_target64.exe";
  // Starts the helper and waits until all its windows stand; Ready() tells whether they do.
  explicit ProbeTargetProcess(const wchar_t* exeName = k32BitHelper);
  ProbeTargetProcess(const ProbeTargetProcess&) = delete;
  ProbeTargetProcess& operator=(const ProbeTargetProcess&) = delete;
  ~ProbeTargetProcess();

  bool Ready() const { return ready_; }
  // The 64-bit build did not start because the system runs no 64-bit programs at all, which
  // its tests skip; any other failure to start is a failure.
  bool NoSixtyFourBitPrograms() const {
    return startError_ == ERROR_BAD_EXE_FORMAT || startError_ == ERROR_EXE_MACHINE_TYPE_MISMATCH;
  }
  // Why the helper did not start: the system's error code of the start; 0 when it started.
  DWORD StartError() const { return startError_; }
  DWORD ProcessId() const { return processId_; }
  // The helper's first thread, which makes all its windows but the hung one.
  DWORD ThreadId() const { return threadId_; }
  const std::wstring& ExePath() const { return exePath_; }

  // The helper's top-level window of that class; nullptr when there is none.
  HWND TopLevel(const wchar_t* className) const;
  // The child (at any depth) of that class and text.
  HWND Child(HWND parent, const wchar_t* className, const wchar_t* text) const;

  // The hung window stops answering messages; returns once it has.
  bool Hang();
  // It answers again.
  void Release();

 private:
  std::wstring exePath_;
  UniqueKernelHandle readyEvent_, hangingEvent_, releaseEvent_;
  UniqueKernelHandle process_, thread_;
  DWORD processId_ = 0;
  DWORD threadId_ = 0;
  DWORD startError_ = 0;
  bool ready_ = false;
};
