#include "general/win/codepage.h"

#include <windows.h>

#include <vector>

bool HasUnmappableChars(const std::wstring& text) {
  BOOL usedDefault = FALSE;
  // -1: the whole zero-terminated text, measured only.
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0, nullptr,
                      &usedDefault);
  return usedDefault != FALSE;
}

namespace {
std::string Narrow(const std::wstring& text, DWORD flags) {
  const int needed =
      WideCharToMultiByte(CP_ACP, flags, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(needed) + 1, '\0');
  WideCharToMultiByte(CP_ACP, flags, text.c_str(), -1, buffer.data(), needed, nullptr, nullptr);
  return std::string(buffer.data());
}
}  // namespace

std::string WideToAnsi(const std::wstring& text) { return Narrow(text, WC_COMPOSITECHECK); }

std::string WideToAnsiNoBestFit(const std::wstring& text) {
  return Narrow(text, WC_NO_BEST_FIT_CHARS);
}

std::wstring AnsiToWide(const std::string& text) {
  const int needed = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (needed <= 0) return std::wstring();
  std::vector<wchar_t> buffer(static_cast<size_t>(needed) + 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer.data(), needed);
  return std::wstring(buffer.data());
}
