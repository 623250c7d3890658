// Window styles as the names a Windows programmer writes them with, for the style copies and
// the report. The bit values are the system's own, kept here so that the decoding builds and
// is tested without the system headers.
//
// The choices where a bit has more than one name:
// - WS_BORDER and WS_DLGFRAME together are WS_CAPTION, named where WS_BORDER would be; either
//   alone keeps its own name.
// - 0x00020000 and 0x00010000 are WS_GROUP and WS_TABSTOP in a child window (where the dialog
//   manager reads them), WS_MINIMIZEBOX and WS_MAXIMIZEBOX in any other.
// - The composites (WS_OVERLAPPEDWINDOW, WS_POPUPWINDOW, WS_EX_OVERLAPPEDWINDOW and the like)
//   are never used: each bit is named on its own, so that a missing one shows.
// - A zero value is named by the default that it stands for: WS_OVERLAPPED, WS_EX_LEFT.
#pragma once
#include <cstdint>
#include <string>

// The WS_ bits of the high word by name, highest bit first, joined by " | ", then the
// class-specific low word as "0x%04X" when it is not zero. WS_OVERLAPPED stands first when no
// WS_ bit is set. 0x960a0000 gives "WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS |
// WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX".
std::wstring DecodeWindowStyle(uint32_t style);

// The WS_EX_ bits by name, highest bit first, joined by " | ", then the bits without a name
// together as "0x%08X". Zero is "WS_EX_LEFT".
std::wstring DecodeExtendedStyle(uint32_t exStyle);
