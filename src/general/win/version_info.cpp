#include "general/win/version_info.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "general/format.h"
#include "general/win/codepage.h"
#include "general/win/late_bound_proc.h"
#include "general/win/own_paths.h"
#include "general/win/platform_info.h"

namespace {

// version.dll is not one of the system's known DLLs: imported, it would be looked for beside
// the program before the library search is hardened. It is loaded from the system folder on
// first use instead.
struct VersionLibrary {
  ResidentProc SizeW{L"version.dll", "GetFileVersionInfoSizeW"};
  ResidentProc InfoW{L"version.dll", "GetFileVersionInfoW"};
  ResidentProc QueryW{L"version.dll", "VerQueryValueW"};
  ResidentProc SizeA{L"version.dll", "GetFileVersionInfoSizeA"};
  ResidentProc InfoA{L"version.dll", "GetFileVersionInfoA"};
  ResidentProc QueryA{L"version.dll", "VerQueryValueA"};
};
VersionLibrary& Version() {
  static VersionLibrary library;
  return library;
}
using SizeWFn = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
using InfoWFn = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
using QueryWFn = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
using SizeAFn = DWORD(WINAPI*)(LPCSTR, LPDWORD);
using InfoAFn = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
using QueryAFn = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);

struct Translation {
  WORD Language;
  WORD CodePage;
};

std::wstring SubBlockPath(const Translation& t, const std::wstring& valueName) {
  return Format(L"\\StringFileInfo\\%.4x%.4x\\", {t.Language, t.CodePage}) + valueName;
}

std::wstring WideVersionString(const std::wstring& path, const std::wstring& valueName) {
  const auto infoSize = ProcAs<SizeWFn>(Version().SizeW.Get());
  const auto readInfo = ProcAs<InfoWFn>(Version().InfoW.Get());
  const auto query = ProcAs<QueryWFn>(Version().QueryW.Get());
  if (!infoSize || !readInfo || !query) return std::wstring();
  DWORD ignored = 0;
  const DWORD size = infoSize(path.c_str(), &ignored);
  if (size == 0) return std::wstring();
  std::vector<uint8_t> buffer((static_cast<size_t>(size) + 1) * 2, 0);
  if (!readInfo(path.c_str(), 0, size, buffer.data())) return std::wstring();
  void* value = nullptr;
  UINT length = 0;
  if (!query(buffer.data(), L"\\VarFileInfo\\Translation", &value, &length) ||
      length < sizeof(Translation))
    return std::wstring();
  Translation first;
  std::memcpy(&first, value, sizeof(first));
  const std::wstring block = SubBlockPath(first, valueName);
  if (!query(buffer.data(), block.c_str(), &value, &length) || length == 0) return std::wstring();
  // The length counts characters; the value need not end within it.
  const wchar_t* text = static_cast<const wchar_t*>(value);
  return std::wstring(text, wcsnlen(text, length));
}

std::wstring AnsiVersionString(const std::wstring& path, const std::wstring& valueName) {
  const auto infoSize = ProcAs<SizeAFn>(Version().SizeA.Get());
  const auto readInfo = ProcAs<InfoAFn>(Version().InfoA.Get());
  const auto query = ProcAs<QueryAFn>(Version().QueryA.Get());
  if (!infoSize || !readInfo || !query) return std::wstring();
  const std::string narrowPath = WideToAnsi(path);
  DWORD ignored = 0;
  const DWORD size = infoSize(narrowPath.c_str(), &ignored);
  if (size == 0) return std::wstring();
  std::vector<uint8_t> buffer(static_cast<size_t>(size) + 1, 0);
  if (!readInfo(narrowPath.c_str(), 0, size, buffer.data())) return std::wstring();
  void* value = nullptr;
  UINT length = 0;
  if (!query(buffer.data(), "\\VarFileInfo\\Translation", &value, &length) ||
      length < sizeof(Translation))
    return std::wstring();
  Translation first;
  std::memcpy(&first, value, sizeof(first));
  const std::string block = WideToAnsi(SubBlockPath(first, valueName));
  if (!query(buffer.data(), block.c_str(), &value, &length) || length == 0) return std::wstring();
  const char* text = static_cast<const char*>(value);
  return AnsiToWide(std::string(text, strnlen(text, length)));
}

std::wstring VersionString(const std::wstring& path, const std::wstring& valueName) {
  if (path.empty()) return std::wstring();
  return IsNTPlatform() ? WideVersionString(path, valueName) : AnsiVersionString(path, valueName);
}

}  // namespace

std::wstring GetFileVersionText(const std::wstring& path) {
  return VersionString(path, L"FileVersion");
}

std::wstring GetProductNameText(const std::wstring& path) {
  return VersionString(path, L"ProductName");
}

std::wstring GetOwnFileVersion() { return GetFileVersionText(GetOwnExePath()); }
std::wstring GetOwnProductName() { return GetProductNameText(GetOwnExePath()); }
