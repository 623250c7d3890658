#include "my_safedll/win/my_safedll.h"

#include <windows.h>

#include <string>
#include <vector>

#include "general/win/platform_info.h"
#include "platform/win/unique_handle.h"

namespace {
constexpr DWORD kSafeSearchPermanent = 0x8001;  // SAFE_SEARCHMODE | PERMANENT

std::wstring SystemDirectoryWithBackslash() {
  std::wstring path;
  if (IsNTPlatform()) {
    const UINT n = GetSystemDirectoryW(nullptr, 0);
    if (n == 0) return path;
    std::vector<wchar_t> buffer(n + 1);
    const UINT got = GetSystemDirectoryW(buffer.data(), n + 1);
    if (got == 0 || got > n) return path;
    path.assign(buffer.data(), got);
  } else {
    const UINT n = GetSystemDirectoryA(nullptr, 0);
    if (n == 0) return path;
    std::vector<char> buffer(n + 1);
    const UINT got = GetSystemDirectoryA(buffer.data(), n + 1);
    if (got == 0 || got > n) return path;
    const int wide = MultiByteToWideChar(CP_ACP, 0, buffer.data(), got, nullptr, 0);
    path.assign(wide > 0 ? wide : 0, L'\0');
    if (wide > 0) MultiByteToWideChar(CP_ACP, 0, buffer.data(), got, &path[0], wide);
  }
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  return path;
}
}  // namespace

void HardenLibrarySearchPath() {
  const std::wstring dir = SystemDirectoryWithBackslash();
  if (dir.empty()) return;
  UniqueLibrary kernel(LoadLibraryW((dir + L"kernel32.dll").c_str()));
  if (!kernel) return;
  using SetSearchPathModeFn = BOOL(WINAPI*)(DWORD);
  using SetDllDirectoryWFn = BOOL(WINAPI*)(LPCWSTR);
  if (auto setMode = reinterpret_cast<SetSearchPathModeFn>(
          reinterpret_cast<void*>(GetProcAddress(kernel.get(), "SetSearchPathMode"))))
    setMode(kSafeSearchPermanent);
  if (auto setDllDirectory = reinterpret_cast<SetDllDirectoryWFn>(
          reinterpret_cast<void*>(GetProcAddress(kernel.get(), "SetDllDirectoryW"))))
    setDllDirectory(L"");
}
