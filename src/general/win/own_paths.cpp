#include "general/win/own_paths.h"

#include <algorithm>
#include <vector>

#include "base/win/calling_convention.h"
#include "general/paths.h"
#include "general/win/codepage.h"
#include "general/win/file_stream.h"
#include "general/win/late_bound_proc.h"
#include "general/win/platform_info.h"

namespace {

// GetModuleFileName truncates silently; grow the buffer until the whole path fits.
template <typename Char, typename Get>
std::basic_string<Char> ModulePath(Get get) {
  std::vector<Char> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = get(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::basic_string<Char>();
    if (n < buffer.size() - 1) return std::basic_string<Char>(buffer.data(), n);
    if (buffer.size() >= 32768) return std::basic_string<Char>(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring DottedExtension(const std::wstring& extension) {
  if (!extension.empty() && extension[0] == L'.') return extension;
  return L"." + extension;
}

// The shell's folder calls, declared by their documented signatures and loaded late: the
// known-folder call exists from Vista on, the CSIDL one from Windows 2000 (and 98 with a later
// shell) on, and the program must still start on systems without either.
using KnownFolderPathFn = HRESULT(WINAPI*)(const GUID*, DWORD, HANDLE, PWSTR*);
using TaskMemFreeFn = void(WINAPI*)(void*);
using FolderPathWFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
using FolderPathAFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
// FOLDERID_RoamingAppData, the folder that CSIDL_APPDATA names: whichever call answers, the
// files are in the same place.
constexpr GUID kRoamingAppData = {
    0x3eb685db, 0x65f9, 0x4cf6, {0xa0, 0x3a, 0xe3, 0xef, 0x65, 0x72, 0x9f, 0x3d}};
constexpr DWORD kKnownFolderCreate = 0x00008000;  // KF_FLAG_CREATE
constexpr int kAppDataCsidl = 0x001a;             // CSIDL_APPDATA
constexpr int kCsidlCreate = 0x8000;              // CSIDL_FLAG_CREATE

std::wstring KnownAppDataFolder() {
  LateBoundProc known(L"shell32.dll", "SHGetKnownFolderPath");
  LateBoundProc taskMemFree(L"ole32.dll", "CoTaskMemFree");
  const auto get = ProcAs<KnownFolderPathFn>(known.Get());
  const auto freeMemory = ProcAs<TaskMemFreeFn>(taskMemFree.Get());
  if (!get || !freeMemory) return std::wstring();
  PWSTR path = nullptr;
  const HRESULT result = get(&kRoamingAppData, kKnownFolderCreate, nullptr, &path);
  std::wstring folder = SUCCEEDED(result) && path ? path : L"";
  freeMemory(path);  // also what a failed call hands back
  return folder;
}

std::wstring CsidlAppDataFolder() {
  if (IsNTPlatform()) {
    LateBoundProc call(L"shell32.dll", "SHGetFolderPathW");
    const auto get = ProcAs<FolderPathWFn>(call.Get());
    std::vector<wchar_t> path(MAX_PATH + 1, L'\0');
    if (!get || FAILED(get(nullptr, kAppDataCsidl | kCsidlCreate, nullptr, 0, path.data())))
      return std::wstring();
    return path.data();
  }
  LateBoundProc call(L"shell32.dll", "SHGetFolderPathA");
  const auto get = ProcAs<FolderPathAFn>(call.Get());
  std::vector<char> path(MAX_PATH + 1, '\0');
  if (!get || FAILED(get(nullptr, kAppDataCsidl | kCsidlCreate, nullptr, 0, path.data())))
    return std::wstring();
  return AnsiToWide(path.data());
}

// The folder of a path that ends in a backslash.
bool MakeFolder(const std::wstring& folder) {
  const std::wstring path = folder.substr(0, folder.size() - 1);
  const BOOL made = IsNTPlatform() ? CreateDirectoryW(path.c_str(), nullptr)
                                   : CreateDirectoryA(WideToAnsi(path).c_str(), nullptr);
  return made || GetLastError() == ERROR_ALREADY_EXISTS;
}

// Whether a new file can be made in the folder of that path: a file of a name of this process's
// own is made and removed again. Read-only media, shares and folders of other users refuse it,
// whatever their attributes say.
bool FolderTakesNewFiles(const std::wstring& path) {
  ErrorModeGuard errorMode(SEM_FAILCRITICALERRORS);
  const std::wstring probe = path + L"." + std::to_wstring(GetCurrentProcessId()) + L".probe";
  if (!OpenFileHandle(probe, GENERIC_WRITE, 0, CREATE_NEW)) return false;
  if (IsNTPlatform())
    DeleteFileW(probe.c_str());
  else
    DeleteFileA(WideToAnsi(probe).c_str());
  return true;
}

// The user's application-data folder with a trailing backslash; empty where the system does
// not name one.
std::wstring AppDataFolder() {
  std::wstring base = IsNTPlatform() ? KnownAppDataFolder() : std::wstring();
  if (base.empty()) base = CsidlAppDataFolder();
  if (!base.empty() && base.back() != L'\\') base += L'\\';
  return base;
}

constexpr wchar_t kUserFolderName[] = L"Loupist\\";

}  // namespace

std::wstring UserDataFolder() {
  const std::wstring base = AppDataFolder();
  if (base.empty()) return base;
  const std::wstring folder = base + kUserFolderName;
  return MakeFolder(folder) ? folder : std::wstring();
}

std::wstring DataFilePath(const std::wstring& extension, TDataFileUse use) {
  const std::wstring beside = ChangeExtension(GetOwnExePath(), DottedExtension(extension));
  if (FileExistsAny(beside)) return beside;
  if (use == TDataFileUse::kRead) {
    // Only looked at: a start of a copy that keeps its files beside it makes no folder.
    const std::wstring base = AppDataFolder();
    const std::wstring users = base + kUserFolderName + ExtractFileNamePart(beside);
    return !base.empty() && FileExistsAny(users) ? users : beside;
  }
  if (FolderTakesNewFiles(beside)) return beside;
  const std::wstring folder = UserDataFolder();
  return folder.empty() ? beside : folder + ExtractFileNamePart(beside);
}

std::wstring GetOwnExePath() {
  if (IsNTPlatform()) {
    return ModulePath<wchar_t>(
        [](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
  }
  std::string path = ModulePath<char>(
      [](char* buffer, DWORD size) { return GetModuleFileNameA(nullptr, buffer, size); });
  std::replace(path.begin(), path.end(), '?', '_');
  return AnsiToWide(path);
}

std::wstring PathBesideExecutable(const std::wstring& exePath, const std::wstring& extension) {
  const std::wstring ext = DottedExtension(extension);
  const std::wstring base = ChangeExtension(ExtractFileNamePart(exePath), L"");
  if (!HasUnmappableChars(base)) return ChangeExtension(exePath, ext);
  // Without best fit: "é" must become "_", not a look-alike "e" that names another file.
  std::string narrow = WideToAnsiNoBestFit(base);
  std::replace(narrow.begin(), narrow.end(), '?', '_');
  return ExtractDirectoryPart(exePath) + AnsiToWide(narrow) + ext;
}

std::wstring OwnPathWithExtension(const std::wstring& extension) {
  if (!IsNTPlatform()) return ChangeExtension(GetOwnExePath(), DottedExtension(extension));
  return PathBesideExecutable(GetOwnExePath(), extension);
}

bool FileExistsAny(const std::wstring& path) {
  if (path.empty()) return false;
  DWORD attributes;
  if (IsNTPlatform()) {
    attributes = GetFileAttributesW(path.c_str());
  } else {
    attributes = GetFileAttributesA(WideToAnsi(path).c_str());
  }
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

uint64_t GetFileSize64(HANDLE file) {
  if (file == INVALID_HANDLE_VALUE) return 0;
  DWORD high = 0;
  const DWORD low = GetFileSize(file, &high);
  return (static_cast<uint64_t>(high) << 32) | low;
}
