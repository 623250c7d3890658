// Keeps the settings file out of a test: main windows created meanwhile start from their
// defaults and save nothing, whatever an earlier run left beside the test program.
#pragma once
#include <optional>
#include <string>

#include "my_settingfile/win/settings_file.h"

class NoSettingsFile {
 public:
  NoSettingsFile() : previous_(SettingsFileHooksForTesting().Path) {
    SettingsFileHooksForTesting().Path = std::wstring();
  }
  NoSettingsFile(const NoSettingsFile&) = delete;
  NoSettingsFile& operator=(const NoSettingsFile&) = delete;
  ~NoSettingsFile() { SettingsFileHooksForTesting().Path = previous_; }

 private:
  std::optional<std::wstring> previous_;
};
