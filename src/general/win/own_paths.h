// The program's own path, the files beside it, and two small file-system queries.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// Full path of the running executable.
std::wstring GetOwnExePath();

// Path of a file beside the program, named after it, with this extension (a "." is put in
// front when missing; the extension must not be empty). On the NT family a program name
// with characters outside the system code page gives a name with "_" in their place, so
// that the file can be named in any 8-bit program that opens it.
std::wstring OwnPathWithExtension(const std::wstring& extension);

// The same rule for a given executable path, on the NT family.
std::wstring PathBesideExecutable(const std::wstring& exePath, const std::wstring& extension);

// "Loupist" in the user's own (roaming) application-data folder, with a trailing backslash,
// made when missing; empty where the system names no such folder (the Windows 95 family
// without the shell's folder calls) or it cannot be made.
std::wstring UserDataFolder();

// Where a data file of the program lives: the settings ".bin", the colour history ".colors",
// any extension (a "." is put in front when missing). Beside the program it is the
// executable's path with the extension; in the user's folder, that file name in
// UserDataFolder().
// - kRead: the file beside the program when there is one; else the user's when there is one;
//   else the one beside, which the reader then finds missing. Nothing is made.
// - kWrite: the file beside the program when there is one or the program's folder takes a new
//   file (tried by making and removing one); else the user's, its folder made when missing;
//   else the one beside, whose write then fails as it always did.
// So a file beside the program always wins; a program in a folder that the user cannot write
// keeps its files in the user's folder; and a file read from there is written beside the
// program once its folder takes files.
enum class TDataFileUse { kRead, kWrite };
std::wstring DataFilePath(const std::wstring& extension, TDataFileUse use);

// True when a file (not a folder) of that path exists; false for the empty path.
bool FileExistsAny(const std::wstring& path);

// Size of an open file; 0 for INVALID_HANDLE_VALUE.
uint64_t GetFileSize64(HANDLE file);
