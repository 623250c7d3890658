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

// True when a file (not a folder) of that path exists; false for the empty path.
bool FileExistsAny(const std::wstring& path);

// Size of an open file; 0 for INVALID_HANDLE_VALUE.
uint64_t GetFileSize64(HANDLE file);
