// The settings file: its 339-byte image read into the unit's three blocks
// at start and written from them at exit.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "general/win/own_paths.h"

// "loupist.bin": beside the program, or in the user's folder where the program's folder takes
// no files (DataFilePath). The file to read, or the one to write.
std::wstring SettingsFilePath(TDataFileUse use = TDataFileUse::kWrite);

// Fills SettingsRecord, KeyCommandTable and GestureCommandTable from the file; true only when
// they were read. Holding Shift and Ctrl skips the file. A missing file, a folder of that
// name, a size other than 339 bytes or a foreign header leaves the blocks unchanged.
bool LoadSettings();
bool LoadSettingsFrom(const std::wstring& path);

// Writes the three blocks to the file; reports nothing. The new image is written beside the
// old file, under a name that carries the process id, and then takes its place in one step, so
// that an interrupted or failing save leaves the previous file as it was and copies of the
// program that save at once never touch each other's image: the last one wins, whole. A save
// also removes such files of copies that no longer run.
void SaveSettings();
void SaveSettingsTo(const std::wstring& path);

// Any small file of the program saved the same way: the bytes written beside it under the
// process's own scratch name, then put in its place in one step; scratch files of ended copies
// are swept. True when the file now holds the bytes.
bool SaveFileWhole(const std::wstring& path, const std::vector<uint8_t>& bytes);

// Tests point the file elsewhere (an empty path: no file is read or written) and make
// writes fail as a full disk would.
struct SettingsFileHooks {
  std::optional<std::wstring> Path;
  std::function<BOOL(HANDLE file, const void* data, DWORD size, DWORD* written)> WriteFile;
};
SettingsFileHooks& SettingsFileHooksForTesting();

// Keeps the settings file out of a test or a measurement: main windows created meanwhile
// start from their defaults and save nothing, whatever an earlier run left beside the program.
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
