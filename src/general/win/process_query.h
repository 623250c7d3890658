// What the process of a window tells another process about itself: its bitness, its integrity
// level and the path of its executable. Nothing here sends a message or waits for the process,
// and no query raises on a failure of the system; a fact that cannot be read is 0, empty or
// Unknown.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "base/win/unique_handle.h"

enum class TIntegrityLevel { Unknown, Low, Medium, High, System };

// The process opened for queries only: with the limited query right from Windows Vista on,
// which is granted even for elevated and protected processes, before that (where the right
// does not exist) with the full one. Empty when it cannot be opened, and always on the
// Windows 95 family, which has no process security.
UniqueKernelHandle OpenProcessForQuery(DWORD processId);

// 64 for a 64-bit process, 32 for a 32-bit one; 0 when it cannot be told.
int32_t ProcessBitness(DWORD processId);

// The mandatory label of the process's token. Unknown before Windows Vista, which has no
// levels, and where the token cannot be read (that of an elevated process, seen from a
// process that is not).
TIntegrityLevel ProcessIntegrityLevel(DWORD processId);
// The level that a label's last part (the x of S-1-16-x) falls into. The panel names five
// values, so below Low (untrusted) counts as Low, Medium Plus as Medium and the protected
// process level as System.
TIntegrityLevel IntegrityLevelOfRid(uint32_t rid);
// "Low", "Medium", "High", "System"; "?" for Unknown.
const wchar_t* IntegrityLevelName(TIntegrityLevel level);

// The full path of the process's executable through the full-image-name call, which needs
// only the limited query right; empty before Windows Vista and where the call fails.
std::wstring ProcessImagePath(DWORD processId);
