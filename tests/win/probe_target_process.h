// probe_target.exe (or its build of the other bitness, probe_target64.exe beside a 32-bit test
// program, probe_target32.exe beside a 64-bit one), started beside the test executable and
// ended with the owner.
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
  static constexpr wchar_t kSameBitnessHelper[] = L"probe_target.exe";
  static constexpr const wchar_t* kOtherBitnessHelper =
      sizeof(void*) == 4 ? L"probe_target64.exe" : L"probe_target32.exe";
  static constexpr int kOwnBits = static_cast<int>(sizeof(void*) * 8);
  static constexpr int kOtherBits = sizeof(void*) == 4 ? 64 : 32;
  // Starts the helper and waits until all its windows stand; Ready() tells whether they do.
  explicit ProbeTargetProcess(const wchar_t* exeName = kSameBitnessHelper);
  ProbeTargetProcess(const ProbeTargetProcess&) = delete;
  ProbeTargetProcess& operator=(const ProbeTargetProcess&) = delete;
  ~ProbeTargetProcess();

  bool Ready() const { return ready_; }
  // How the start went, for a failure's message: ready, ended with which exit code (what the
  // helper could not do) and after how long, not ready in time, or not started.
  const std::string& StartReport() const { return report_; }
  // The other bitness's build did not start because the system runs no programs of that
  // kind (a 32-bit Windows runs no 64-bit ones), which its tests skip; any other failure to
  // start is a failure. Where Wine runs no 32-bit programs, make test leaves these tests out.
  bool OtherBitnessCannotRun() const {
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
  std::string report_;
};
