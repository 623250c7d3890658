// Putting text and pictures on the clipboard. The owner window is the one that the system
// names as the clipboard's owner; it must be a window of this thread.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Puts the text on the clipboard as CF_UNICODETEXT and, in the system code page, as CF_TEXT
// (outside the NT family as CF_TEXT alone, from which the system makes the Unicode form).
// An empty text, or a clipboard that cannot be opened, leaves the clipboard as it was.
void SetClipboardText(const std::wstring& text, HWND owner);

// Puts a packed DIB (BITMAPINFOHEADER and pixels) on the clipboard as CF_DIB; the system
// offers it as CF_BITMAP too. False when the clipboard could not be opened.
bool SetClipboardDib(const std::vector<uint8_t>& packedDib, HWND owner);
