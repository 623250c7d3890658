// Facts about the running system, read once at start-up.
#pragma once

// Computed on first use and then fixed: true on the NT family.
bool IsNTPlatform();
// Windows 2000 or later (layered windows, no-self-capture).
bool IsWin2000OrLater();
