// Test helper: sets one display device to a new resolution through the system's own call, the
// way a user's display settings would, so that every top-level window is told of the change.
//   display_mode.exe DEVICE WIDTH HEIGHT     e.g. display_mode.exe \\.\DISPLAY2 800 600
// Exits with the result of ChangeDisplaySettingsExW (0 = changed), or 100 for bad arguments.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>

namespace {
bool ParsePositive(const wchar_t* text, DWORD& value) {
  if (!*text) return false;
  value = 0;
  for (const wchar_t* p = text; *p; ++p) {
    if (!std::iswdigit(*p) || value > 100000) return false;
    value = value * 10 + static_cast<DWORD>(*p - L'0');
  }
  return value > 0;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  DWORD width = 0, height = 0;
  if (argc != 4 || !ParsePositive(argv[2], width) || !ParsePositive(argv[3], height)) {
    std::fwprintf(stderr, L"usage: display_mode DEVICE WIDTH HEIGHT\n");
    return 100;
  }
  DEVMODEW mode{};
  mode.dmSize = sizeof(mode);
  mode.dmPelsWidth = width;
  mode.dmPelsHeight = height;
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  const LONG result = ChangeDisplaySettingsExW(argv[1], &mode, nullptr, 0, nullptr);
  std::fwprintf(stdout, L"%ls %lux%lu: %ld\n", argv[1], width, height, result);
  return static_cast<int>(result);
}
