#include "general/win/system_library.h"

#include <vector>

#include "general/win/codepage.h"
#include "general/win/platform_info.h"

std::wstring SystemDirectoryPath() {
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
    path = AnsiToWide(std::string(buffer.data(), got));
  }
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  return path;
}

UniqueLibrary LoadSystemLibrary(const std::wstring& name) {
  const std::wstring dir = SystemDirectoryPath();
  if (dir.empty()) return UniqueLibrary();
  const std::wstring path = dir + name;
  if (IsNTPlatform()) return UniqueLibrary(LoadLibraryW(path.c_str()));
  return UniqueLibrary(LoadLibraryA(WideToAnsi(path).c_str()));
}
