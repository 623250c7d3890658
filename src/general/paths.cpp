#include "general/paths.h"

namespace {
bool IsSlash(wchar_t c) { return c == L'\\' || c == L'/'; }
}  // namespace

std::wstring ExtractDirectoryPart(const std::wstring& path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    const wchar_t c = path[i - 1];
    if (IsSlash(c)) return path.substr(0, i);
    if (c == L':') return path.substr(0, i) + L'\\';
  }
  return std::wstring();
}

std::wstring ExtractFileNamePart(const std::wstring& path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    const wchar_t c = path[i - 1];
    if (IsSlash(c) || c == L':') return path.substr(i);
  }
  return path;
}

std::wstring ChangeExtension(const std::wstring& path, const std::wstring& extension) {
  // Without a path there is no file to name; inventing ".ext" would point at the current
  // directory instead.
  if (path.empty()) return std::wstring();
  std::wstring ext = extension;
  if (!ext.empty() && ext[0] != L'.') ext.insert(0, 1, L'.');
  for (std::size_t i = path.size(); i > 0; --i) {
    const wchar_t c = path[i - 1];
    // A dot in a directory name is not an extension.
    if (IsSlash(c) || c == L':') break;
    if (c == L'.') return path.substr(0, i - 1) + ext;
  }
  return path + ext;
}
