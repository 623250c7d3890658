#include "general/windows_name.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
  uint32_t platform, major, minor;
  const wchar_t* name;
};

TEST(WindowsNameOf, EveryNamedVersion) {
  const NameCase cases[] = {
      {kPlatformNT, 3, 51, L"NT"},
      {kPlatformNT, 4, 0, L"NT"},
      {kPlatformNT, 5, 0, L"2000"},
      {kPlatformNT, 5, 1, L"XP"},
      {kPlatformNT, 5, 2, L"XP"},
      {kPlatformNT, 6, 0, L"Vista"},
      {kPlatformNT, 6, 1, L"7"},
      {kPlatformNT, 7, 0, L"7"},
      {kPlatformNT, 6, 2, L"Unknown"},
      {kPlatformNT, 10, 0, L"Unknown"},
      {kPlatformNT, 2, 0, L"Unknown"},
      {kPlatformWindows9x, 4, 0, L"95"},
      {kPlatformWindows9x, 4, 10, L"98"},
      {kPlatformWindows9x, 4, 90, L"me"},
      {kPlatformWindows9x, 4, 3, L"Unknown"},
      {kPlatformWin32s, 3, 10, L"Win32s"},
      {3, 5, 1, L"Unknown"},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(WindowsNameOf(c.platform, c.major, c.minor), c.name)
        << "platform " << c.platform << " version " << c.major << "." << c.minor;
  }
}

}  // namespace
