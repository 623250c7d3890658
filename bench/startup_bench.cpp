// Start-up to the first painted frame, CPU used while the cursor stands still, and the
// peak working set of the real program. Usage under Wine, from the folder of
// loupist.exe: startup_bench.exe [idle seconds, default 30] [--instant-follow-off]
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_clock.h"

namespace {

struct Found {
  DWORD pid;
  HWND window;
};

BOOL CALLBACK FindMain(HWND hwnd, LPARAM lParam) {
  auto* found = reinterpret_cast<Found*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[32] = {};
  GetClassNameW(hwnd, cls, 32);
  if (pid == found->pid && wcscmp(cls, L"TApp_Loupist") == 0 && IsWindowVisible(hwnd)) {
    found->window = hwnd;
    return FALSE;
  }
  return TRUE;
}

// Starts the program and closes it once it shows, which leaves its settings file behind.
void RunOnce() {
  std::wstring command = L"loupist.exe";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return;
  Found found{pi.dwProcessId, nullptr};
  for (int i = 0; i < 1000 && !found.window; ++i) {
    Sleep(10);
    EnumWindows(&FindMain, reinterpret_cast<LPARAM>(&found));
  }
  if (found.window) PostMessageW(found.window, WM_CLOSE, 0, 0);
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

}  // namespace

int main(int argc, char** argv) {
  const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 30;
  DeleteFileW(L"loupist.bin");
  // The defaults, but for instant follow: the file that a first run writes, with the option's
  // off bit set (bit 10 of OptionFlags, the 0x04 of its high byte at offset 72).
  if (argc > 2 && std::string(argv[2]) == "--instant-follow-off") {
    RunOnce();
    FILE* f = _wfopen(L"loupist.bin", L"r+b");
    if (!f || std::fseek(f, 72, SEEK_SET) != 0) {
      std::printf("no settings file to turn instant follow off in\n");
      return 1;
    }
    const int high = std::fgetc(f);
    std::fseek(f, 72, SEEK_SET);
    std::fputc(high | 0x04, f);
    std::fclose(f);
    std::printf("instant follow off\n");
  }
  // A uniform, bright spot under the pointer: the first painted frame shows it at the
  // probe cell, which tells a painted frame from an empty window.
  SetCursorPos(640, 512);
  std::wstring command = L"loupist.exe";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  const double t0 = Seconds();
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi)) {
    std::printf("cannot start loupist.exe\n");
    return 1;
  }
  Found found{pi.dwProcessId, nullptr};
  double shown = 0, painted = 0;
  while (Seconds() - t0 < 20) {
    if (!found.window) {
      EnumWindows(&FindMain, reinterpret_cast<LPARAM>(&found));
      if (found.window) shown = Seconds() - t0;
    }
    if (found.window) {
      // The frame is painted once the window's pixels are no longer all one colour.
      POINT origin{0, 0};
      ClientToScreen(found.window, &origin);
      HDC screen = GetDC(nullptr);
      const COLORREF a = GetPixel(screen, origin.x + 20, origin.y + 20);
      const COLORREF b = GetPixel(screen, origin.x, origin.y);
      ReleaseDC(nullptr, screen);
      if (a != b) {
        painted = Seconds() - t0;
        break;
      }
    }
    Sleep(2);
  }
  std::printf("start-up: window shown after %.0f ms, first painted frame after %.0f ms\n",
              shown * 1e3, painted * 1e3);
  // The still-cursor phase: the program runs untouched. (Under Wine another process's CPU
  // times are not kept current; scripts/bench reads them from the host meanwhile.)
  std::printf("idle phase: %d s\n", idleSeconds);
  std::fflush(stdout);
  // Tells scripts/bench that the still phase has begun, however long the start took.
  if (FILE* marker = _wfopen(L"startup_bench.idle", L"wb")) std::fclose(marker);
  Sleep(static_cast<DWORD>(idleSeconds) * 1000);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof(memory);
  if (GetProcessMemoryInfo(pi.hProcess, &memory, sizeof(memory)))
    std::printf("peak working set: %.1f MB (private bytes now %.1f MB)\n",
                memory.PeakWorkingSetSize / 1048576.0, memory.PagefileUsage / 1048576.0);
  if (found.window) PostMessageW(found.window, WM_CLOSE, 0, 0);
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  DeleteFileW(L"loupist.bin");
  DeleteFileW(L"startup_bench.idle");
  return 0;
}
