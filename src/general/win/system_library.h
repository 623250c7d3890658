// Libraries of the system, loaded only from the system folder by their full path: a DLL of
// the same name planted beside the program or in the current folder is never picked up.
#pragma once
#include <windows.h>

#include <string>

#include "base/win/unique_handle.h"

// The system folder with a trailing backslash; empty when the system does not say.
std::wstring SystemDirectoryPath();
// The library from the system folder; null when that folder is unknown or the load fails.
// Never falls back to a search by bare name.
UniqueLibrary LoadSystemLibrary(const std::wstring& name);
