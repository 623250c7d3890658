#include "my_settingfile/win/settings_file.h"

#include <array>
#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

#include "general/paths.h"
#include "general/win/codepage.h"
#include "general/win/file_stream.h"
#include "general/win/input_state.h"
#include "general/win/own_paths.h"
#include "general/win/platform_info.h"
#include "my_settingfile/settings_image.h"
#include "my_settingfile/settings_unit.h"

SettingsFileHooks& SettingsFileHooksForTesting() {
  static SettingsFileHooks hooks;
  return hooks;
}

std::wstring SettingsFilePath(TDataFileUse use) {
  if (SettingsFileHooksForTesting().Path) return *SettingsFileHooksForTesting().Path;
  return DataFilePath(L".bin", use);
}

bool LoadSettings() {
  if (IsKeyDown(VK_SHIFT) && IsKeyDown(VK_CONTROL)) return false;
  return LoadSettingsFrom(SettingsFilePath(TDataFileUse::kRead));
}

bool LoadSettingsFrom(const std::wstring& path) {
  if (!FileExistsAny(path)) return false;
  UniqueKernelHandle file =
      OpenFileHandle(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  if (!file || GetFileSize64(file.get()) != kSettingsFileSize) return false;
  std::array<uint8_t, kSettingsFileSize> image{};
  DWORD read = 0;
  // The file may have changed size since it was measured; only a complete image counts.
  if (!ReadFile(file.get(), image.data(), static_cast<DWORD>(image.size()), &read, nullptr) ||
      read != image.size())
    return false;
  return TakeSettingsImage(image.data(), image.size());
}

void SaveSettings() { SaveSettingsTo(SettingsFilePath()); }

namespace {

bool WriteAll(HANDLE file, const std::vector<uint8_t>& bytes) {
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(bytes.size());
  const auto& hook = SettingsFileHooksForTesting().WriteFile;
  const BOOL ok = hook ? hook(file, bytes.data(), size, &written)
                       : WriteFile(file, bytes.data(), size, &written, nullptr);
  return ok && written == size;
}

// The new image, complete and on the disk, under a name of its own in the same folder.
bool WriteNewImage(const std::wstring& path, const std::vector<uint8_t>& image) {
  UniqueKernelHandle file = OpenFileHandle(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
  if (!file) return false;
  // Flushed before the rename: otherwise the rename could reach the disk before the data.
  return WriteAll(file.get(), image) && FlushFileBuffers(file.get());
}

void DeletePath(const std::wstring& path) {
  if (IsNTPlatform())
    DeleteFileW(path.c_str());
  else
    DeleteFileA(WideToAnsi(path).c_str());
}

// Copies of the program that save at the same time each write a scratch file of their own:
// the settings file's name, the process id and ".new".
constexpr wchar_t kScratchEnd[] = L".new";
std::wstring ScratchPath(const std::wstring& path, DWORD processId) {
  return path + L"." + std::to_wstring(processId) + kScratchEnd;
}

// The process id that a scratch file's name carries after the settings file's name; 0 when the
// name is not one of ours.
DWORD ScratchOwner(const std::wstring& name, const std::wstring& settingsName) {
  const std::size_t start = settingsName.size() + 1, endLength = wcslen(kScratchEnd);
  if (name.size() <= start + endLength || name.size() > start + endLength + 10 ||
      _wcsnicmp(name.c_str(), (settingsName + L".").c_str(), start) != 0 ||
      _wcsicmp(name.c_str() + name.size() - endLength, kScratchEnd) != 0)
    return 0;
  uint64_t id = 0;
  for (std::size_t i = start; i < name.size() - endLength; ++i) {
    if (name[i] < L'0' || name[i] > L'9') return 0;
    id = id * 10 + static_cast<uint64_t>(name[i] - L'0');
  }
  return id <= UINT32_MAX ? static_cast<DWORD>(id) : 0;
}

// Whether a process of that id runs now. One that exists but cannot be opened (another user's)
// counts as running: its file is left alone.
bool ProcessRuns(DWORD processId) {
  const UniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
  if (!process) return GetLastError() != ERROR_INVALID_PARAMETER;
  return WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

// The names of the files that match a pattern with wildcards.
std::vector<std::wstring> MatchingFileNames(const std::wstring& pattern) {
  std::vector<std::wstring> names;
  if (IsNTPlatform()) {
    WIN32_FIND_DATAW found{};
    const HANDLE first = FindFirstFileW(pattern.c_str(), &found);
    const UniqueFindHandle search(first == INVALID_HANDLE_VALUE ? nullptr : first);
    for (bool more = static_cast<bool>(search); more; more = FindNextFileW(search.get(), &found))
      names.push_back(found.cFileName);
  } else {
    WIN32_FIND_DATAA found{};
    const HANDLE first = FindFirstFileA(WideToAnsi(pattern).c_str(), &found);
    const UniqueFindHandle search(first == INVALID_HANDLE_VALUE ? nullptr : first);
    for (bool more = static_cast<bool>(search); more; more = FindNextFileA(search.get(), &found))
      names.push_back(AnsiToWide(found.cFileName));
  }
  return names;
}

// Removes the scratch files that copies left when they ended during a save (a crash, a power
// cut). A running copy's file may be the one it is writing now, and stays.
void SweepScratchFiles(const std::wstring& path) {
  const std::wstring folder = ExtractDirectoryPart(path), name = ExtractFileNamePart(path);
  for (const std::wstring& found : MatchingFileNames(path + L".*" + kScratchEnd)) {
    const DWORD owner = ScratchOwner(found, name);
    if (owner != 0 && owner != GetCurrentProcessId() && !ProcessRuns(owner))
      DeletePath(folder + found);
  }
}

bool ReplaceWith(const std::wstring& newFile, const std::wstring& path) {
  if (IsNTPlatform())
    return MoveFileExW(newFile.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  // The Windows 95 family has no replacing move; the old file goes first, the complete new
  // one takes its name right after.
  const std::string from = WideToAnsi(newFile), to = WideToAnsi(path);
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  DeleteFileA(to.c_str());
  return MoveFileA(from.c_str(), to.c_str()) != FALSE;
}

}  // namespace

void SaveSettingsTo(const std::wstring& path) {
  try {
    if (!path.empty()) SaveFileWhole(path, CurrentSettingsImage());
  } catch (...) {
    // Saving reports nothing: settings that cannot be written are lost for this run only.
  }
}

bool SaveFileWhole(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  // No system error box for a failing drive while saving.
  ErrorModeGuard errorMode(SEM_FAILCRITICALERRORS);
  try {
    const std::wstring newFile = ScratchPath(path, GetCurrentProcessId());
    const bool replaced = WriteNewImage(newFile, bytes) && ReplaceWith(newFile, path);
    if (!replaced) DeletePath(newFile);
    SweepScratchFiles(path);
    return replaced;
  } catch (...) {
    return false;
  }
}
