// Facts about the running system.
#pragma once
#include <string>

// True on the NT family. Read once, at the first call, which the program's entry makes
// before any window exists; fixed for the life of the process.
bool IsNTPlatform();
// Windows 2000 or later (layered windows, loupe mode, no-self-capture).
bool IsWin2000OrLater();
// Windows Vista or later: the limited query right of processes, integrity levels, the desktop
// compositor. Read once, like IsNTPlatform.
bool IsVistaOrLater();
// "95", "98", "me", "NT" (3.x and 4), "2000", "XP", "Vista", "7", "Win32s" or "Unknown".
std::wstring GetWindowsName();
