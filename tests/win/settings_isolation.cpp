// The in-process tests create and destroy many main windows. Each would read the settings
// file beside win_tests.exe at creation and write it at destruction, handing one test's state
// to the next; so the file is off here unless a test points it somewhere of its own.
#include <string>

#include "my_settingfile/win/settings_file.h"

namespace {
const bool kSettingsFileOff = [] {
  SettingsFileHooksForTesting().Path = std::wstring();
  return true;
}();
}  // namespace
