// The short name of a Windows version, from the numbers that GetVersionExA reports.
#pragma once
#include <cstdint>
#include <string>

// Platform identifiers of the version record.
constexpr uint32_t kPlatformWin32s = 0;
constexpr uint32_t kPlatformWindows9x = 1;
constexpr uint32_t kPlatformNT = 2;

// "95", "98", "me", "NT", "2000", "XP", "Vista", "7", "Win32s" or "Unknown".
std::wstring WindowsNameOf(uint32_t platformId, uint32_t major, uint32_t minor);
