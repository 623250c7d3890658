#include "general/win/own_paths.h"

#include <algorithm>
#include <vector>

#include "general/paths.h"
#include "general/win/codepage.h"
#include "general/win/platform_info.h"

namespace {

// GetModuleFileName truncates silently; grow the buffer until the whole path fits.
template <typename Char, typename Get>
std::basic_string<Char> ModulePath(Get get) {
  std::vector<Char> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = get(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::basic_string<Char>();
    if (n < buffer.size() - 1) return std::basic_string<Char>(buffer.data(), n);
    if (buffer.size() >= 32768) return std::basic_string<Char>(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring DottedExtension(const std::wstring& extension) {
  if (!extension.empty() && extension[0] == L'.') return extension;
  return L"." + extension;
}

}  // namespace

std::wstring GetOwnExePath() {
  if (IsNTPlatform()) {
    return ModulePath<wchar_t>(
        [](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
  }
  std::string path = ModulePath<char>(
      [](char* buffer, DWORD size) { return GetModuleFileNameA(nullptr, buffer, size); });
  std::replace(path.begin(), path.end(), '?', '_');
  return AnsiToWide(path);
}

std::wstring PathBesideExecutable(const std::wstring& exePath, const std::wstring& extension) {
  const std::wstring ext = DottedExtension(extension);
  const std::wstring base = ChangeExtension(ExtractFileNamePart(exePath), L"");
  if (!HasUnmappableChars(base)) return ChangeExtension(exePath, ext);
  // Without best fit: "é" must become "_", not a look-alike "e" that names another file.
  std::string narrow = WideToAnsiNoBestFit(base);
  std::replace(narrow.begin(), narrow.end(), '?', '_');
  return ExtractDirectoryPart(exePath) + AnsiToWide(narrow) + ext;
}

std::wstring OwnPathWithExtension(const std::wstring& extension) {
  if (!IsNTPlatform()) return ChangeExtension(GetOwnExePath(), DottedExtension(extension));
  return PathBesideExecutable(GetOwnExePath(), extension);
}

bool FileExistsAny(const std::wstring& path) {
  if (path.empty()) return false;
  DWORD attributes;
  if (IsNTPlatform()) {
    attributes = GetFileAttributesW(path.c_str());
  } else {
    attributes = GetFileAttributesA(WideToAnsi(path).c_str());
  }
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

uint64_t GetFileSize64(HANDLE file) {
  if (file == INVALID_HANDLE_VALUE) return 0;
  DWORD high = 0;
  const DWORD low = GetFileSize(file, &high);
  return (static_cast<uint64_t>(high) << 32) | low;
}
