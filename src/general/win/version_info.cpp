#include "general/win/version_info.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "general/format.h"
#include "general/win/codepage.h"
#include "general/win/own_paths.h"
#include "general/win/platform_info.h"

namespace {

struct Translation {
  WORD Language;
  WORD CodePage;
};

std::wstring SubBlockPath(const Translation& t, const std::wstring& valueName) {
  return Format(L"\\StringFileInfo\\%.4x%.4x\\", {t.Language, t.CodePage}) + valueName;
}

std::wstring WideVersionString(const std::wstring& path, const std::wstring& valueName) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return std::wstring();
  std::vector<uint8_t> buffer((static_cast<size_t>(size) + 1) * 2, 0);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, buffer.data())) return std::wstring();
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(buffer.data(), L"\\VarFileInfo\\Translation", &value, &length) ||
      length < sizeof(Translation))
    return std::wstring();
  Translation first;
  std::memcpy(&first, value, sizeof(first));
  const std::wstring block = SubBlockPath(first, valueName);
  if (!VerQueryValueW(buffer.data(), block.c_str(), &value, &length) || length == 0)
    return std::wstring();
  // The length counts characters; the value need not end within it.
  const wchar_t* text = static_cast<const wchar_t*>(value);
  return std::wstring(text, wcsnlen(text, length));
}

std::wstring AnsiVersionString(const std::wstring& path, const std::wstring& valueName) {
  const std::string narrowPath = WideToAnsi(path);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(narrowPath.c_str(), &ignored);
  if (size == 0) return std::wstring();
  std::vector<uint8_t> buffer(static_cast<size_t>(size) + 1, 0);
  if (!GetFileVersionInfoA(narrowPath.c_str(), 0, size, buffer.data())) return std::wstring();
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(buffer.data(), "\\VarFileInfo\\Translation", &value, &length) ||
      length < sizeof(Translation))
    return std::wstring();
  Translation first;
  std::memcpy(&first, value, sizeof(first));
  const std::string block = WideToAnsi(SubBlockPath(first, valueName));
  if (!VerQueryValueA(buffer.data(), block.c_str(), &value, &length) || length == 0)
    return std::wstring();
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
