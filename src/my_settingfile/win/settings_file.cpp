#include "my_settingfile/win/settings_file.h"

#include <array>
#include <cstdint>
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

std::wstring SettingsFilePath() {
  if (SettingsFileHooksForTesting().Path) return *SettingsFileHooksForTesting().Path;
  return ChangeExtension(GetOwnExePath(), L".bin");
}

bool LoadSettings() {
  if (IsKeyDown(VK_SHIFT) && IsKeyDown(VK_CONTROL)) return false;
  return LoadSettingsFrom(SettingsFilePath());
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
  // No system error box for a failing drive while saving.
  ErrorModeGuard errorMode(SEM_FAILCRITICALERRORS);
  try {
    if (path.empty()) return;
    const std::vector<uint8_t> image = CurrentSettingsImage();
    const std::wstring newFile = path + L".new";
    const bool written = WriteNewImage(newFile, image);
    if (!written || !ReplaceWith(newFile, path)) DeletePath(newFile);
  } catch (...) {
    // Saving reports nothing: settings that cannot be written are lost for this run only.
  }
}
