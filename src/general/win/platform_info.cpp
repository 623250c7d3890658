#include "general/win/platform_info.h"

#include <windows.h>

namespace {
struct VersionFacts {
  bool nt = true;
  bool win2000OrLater = true;
};

const VersionFacts& Facts() {
  static const VersionFacts facts = [] {
    VersionFacts f;
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExA(&info)) {
#pragma GCC diagnostic pop
      f.nt = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
      f.win2000OrLater = f.nt && info.dwMajorVersion >= 5;
    }
    return f;
  }();
  return facts;
}
}  // namespace

bool IsNTPlatform() { return Facts().nt; }
bool IsWin2000OrLater() { return Facts().win2000OrLater; }
