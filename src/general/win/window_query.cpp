#include "general/win/window_query.h"

#include <vector>

#include "base/win/unique_handle.h"
#include "general/win/codepage.h"
#include "general/win/late_bound_proc.h"
#include "general/win/platform_info.h"
#include "general/win/process_query.h"

namespace {
constexpr int kClassBufferLength = 257;
constexpr int kClassNameLimit = 255;
constexpr int kTextLimit = 256;  // 255 characters and the terminating zero
constexpr DWORD kProcessAccess = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;
constexpr int kPathLimit = 260;
constexpr UINT kMessageTimeoutMs = 500;

constexpr DWORD kExtendedFrameBounds = 9;  // DWMWA_EXTENDED_FRAME_BOUNDS

using GetModuleFileNameExWFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);
using DwmGetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);

// Loaded by name when first needed: the process-status library is not on every system.
ResidentProc& ModuleFileNameEx() {
  static ResidentProc proc(L"PSAPI.dll", "GetModuleFileNameExW");
  return proc;
}

// The compositor's library exists from Vista on; it is not asked for before, where every
// failed load would be tried again.
ResidentProc& DwmWindowAttribute() {
  static ResidentProc proc(L"dwmapi.dll", "DwmGetWindowAttribute");
  return proc;
}

// Length + 1 for the terminating zero, capped so that a text never exceeds 255 characters;
// a window that reports an absurd length cannot make the buffer grow or the sum wrap.
int TextLimit(uint64_t length) {
  return length >= static_cast<uint64_t>(kTextLimit) ? kTextLimit : static_cast<int>(length) + 1;
}

template <typename Char>
std::basic_string<Char> UpToZero(const std::vector<Char>& buffer) {
  return std::basic_string<Char>(buffer.data());
}

bool SendWithTimeout(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
  return SendMessageTimeoutW(window, msg, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                             &result) != 0;
}
}  // namespace

std::wstring GetWindowClassName(HWND window) {
  if (IsNTPlatform()) {
    std::vector<wchar_t> buffer(kClassBufferLength, L'\0');
    GetClassNameW(window, buffer.data(), kClassNameLimit);
    return UpToZero(buffer);
  }
  std::vector<char> buffer(kClassBufferLength, '\0');
  GetClassNameA(window, buffer.data(), kClassNameLimit);
  return AnsiToWide(UpToZero(buffer));
}

std::wstring ReadWindowText(HWND window, bool* answered) {
  if (IsNTPlatform()) return ReadWindowTextUnicode(window, answered);
  // The caption of another process's window is read without asking the window.
  if (answered) *answered = true;
  const int length = GetWindowTextLengthA(window);
  const int n = TextLimit(length > 0 ? static_cast<uint64_t>(length) : 0);
  std::vector<char> buffer(static_cast<size_t>(n) + 1, '\0');
  GetWindowTextA(window, buffer.data(), n);
  return AnsiToWide(UpToZero(buffer));
}

std::wstring ReadWindowTextUnicode(HWND window, bool* answered) {
  if (answered) *answered = true;
  {
    // One read into a buffer of the full limit: a length asked for first may be stale by the
    // time the text is read, and would cut a caption that grew meanwhile.
    std::vector<wchar_t> buffer(kTextLimit + 1, L'\0');
    GetWindowTextW(window, buffer.data(), kTextLimit);
    std::wstring text = UpToZero(buffer);
    if (!text.empty()) return text;
  }
  // Controls such as an edit box of another process keep their text to themselves; only the
  // window's own answer to the message has it.
  // Again one message with the full limit rather than a length first: the text may change
  // between two messages. It is also one time-out, not two, for a window that hangs.
  std::vector<wchar_t> buffer(kTextLimit + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendWithTimeout(window, WM_GETTEXT, static_cast<WPARAM>(kTextLimit),
                       reinterpret_cast<LPARAM>(buffer.data()), copied)) {
    // Other failures (a window gone, a message the system refuses to pass) cost nothing.
    if (answered && GetLastError() == ERROR_TIMEOUT) *answered = false;
    return std::wstring();
  }
  return UpToZero(buffer);
}

bool ScreenPointToClient(HWND window, const Point& screenPoint, Point& clientPoint) {
  POINT p{screenPoint.X, screenPoint.Y};
  const bool ok = ScreenToClient(window, &p) != FALSE;
  clientPoint = ok ? Point{p.x, p.y} : screenPoint;
  return ok;
}

bool GetWindowBounds(HWND window, Rect& bounds) {
  RECT r{bounds.Left, bounds.Top, bounds.Right, bounds.Bottom};
  const bool ok = GetWindowRect(window, &r) != FALSE;
  bounds = Rect{r.left, r.top, r.right, r.bottom};
  return ok;
}

Rect GetClientBounds(HWND window) {
  RECT r{};
  if (!GetClientRect(window, &r)) return Rect{};
  return Rect{r.left, r.top, r.right, r.bottom};
}

HWND GetParentWindow(HWND window) { return GetAncestor(window, GA_PARENT); }

DWORD GetWindowProcessId(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

DWORD GetWindowThreadId(HWND window, DWORD* processId) {
  DWORD process = 0;
  const DWORD thread = GetWindowThreadProcessId(window, &process);
  if (processId) *processId = thread != 0 ? process : 0;
  return thread;
}

std::wstring GetWindowExeName(HWND window) {
  if (!IsNTPlatform()) return std::wstring();
  const DWORD processId = GetWindowProcessId(window);
  if (processId == 0) return std::wstring();
  std::wstring imagePath = ProcessImagePath(processId);
  if (!imagePath.empty()) return imagePath;
  const UniqueKernelHandle process(OpenProcess(kProcessAccess, FALSE, processId));
  if (!process) return std::wstring();
  const auto moduleFileName = ProcAs<GetModuleFileNameExWFn>(ModuleFileNameEx().Get());
  if (!moduleFileName) return std::wstring();
  std::vector<wchar_t> buffer(kPathLimit + 1, L'\0');
  if (moduleFileName(process.get(), nullptr, buffer.data(), kPathLimit) == 0) return std::wstring();
  return UpToZero(buffer);
}

WindowStyles ReadWindowStyles(HWND window) {
  // The values are the same through either call; the 8-bit one is the one that the Windows 95
  // family implements for every window.
  const bool nt = IsNTPlatform();
  const LONG style = nt ? GetWindowLongW(window, GWL_STYLE) : GetWindowLongA(window, GWL_STYLE);
  const LONG exStyle =
      nt ? GetWindowLongW(window, GWL_EXSTYLE) : GetWindowLongA(window, GWL_EXSTYLE);
  return WindowStyles{static_cast<uint32_t>(style), static_cast<uint32_t>(exStyle)};
}

Rect GetVisibleBounds(HWND window) {
  Rect bounds;
  if (GetCompositorBounds(window, bounds)) return bounds;
  if (!GetWindowBounds(window, bounds)) return Rect{};
  return bounds;
}

bool GetCompositorBounds(HWND window, Rect& bounds) {
  if (!IsVistaOrLater()) return false;
  const auto attribute = ProcAs<DwmGetWindowAttributeFn>(DwmWindowAttribute().Get());
  RECT r{};
  if (!attribute || FAILED(attribute(window, kExtendedFrameBounds, &r, sizeof(r)))) return false;
  bounds = Rect{r.left, r.top, r.right, r.bottom};
  return true;
}
