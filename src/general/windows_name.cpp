#include "general/windows_name.h"

std::wstring WindowsNameOf(uint32_t platformId, uint32_t major, uint32_t minor) {
  switch (platformId) {
    case kPlatformNT:
      switch (major) {
        case 3:
        case 4:
          return L"NT";
        case 5:
          return minor == 0 ? L"2000" : L"XP";
        case 6:
          // Windows 7 reports 6.1; 6.2 and later (without a manifest that says otherwise)
          // are newer systems that none of these names describes.
          if (minor == 0) return L"Vista";
          if (minor == 1) return L"7";
          return L"Unknown";
        case 7:
          return L"7";
        default:
          return L"Unknown";
      }
    case kPlatformWindows9x:
      switch (minor) {
        case 0:
          return L"95";
        case 10:
          return L"98";
        case 90:
          return L"me";
        default:
          return L"Unknown";
      }
    case kPlatformWin32s:
      return L"Win32s";
    default:
      return L"Unknown";
  }
}
