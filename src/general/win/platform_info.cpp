#include "general/win/platform_info.h"

#include <windows.h>

#include "general/windows_name.h"

namespace {
// The version record of the Windows 95 family's call: 148 bytes, without the service-pack
// fields of the extended record, which those systems reject.
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA must be the 148-byte record");

bool ReadVersion(OSVERSIONINFOA& info) {
  info = OSVERSIONINFOA{};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  return GetVersionExA(&info) != FALSE;
#pragma GCC diagnostic pop
}
}  // namespace

bool IsNTPlatform() {
  static const bool nt = [] {
    OSVERSIONINFOA info;
    return ReadVersion(info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
  }();
  return nt;
}

bool IsWin2000OrLater() {
  OSVERSIONINFOA info;
  return ReadVersion(info) && info.dwMajorVersion > 4;
}

bool IsVistaOrLater() {
  static const bool vista = [] {
    OSVERSIONINFOA info;
    return ReadVersion(info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT &&
           info.dwMajorVersion >= 6;
  }();
  return vista;
}

std::wstring GetWindowsName() {
  OSVERSIONINFOA info;
  if (!ReadVersion(info)) return L"Unknown";
  return WindowsNameOf(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}
