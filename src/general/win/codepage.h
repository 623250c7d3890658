// Moving text between UTF-16 and the system code page (CP_ACP), the 8-bit text that
// class names, the clipboard's CF_TEXT, copy files and the Windows 95 calls use.
#pragma once
#include <string>

// True when some character of the text has no equivalent in the system code page (no
// best-fit substitutes count as equivalents).
bool HasUnmappableChars(const std::wstring& text);

// The text in the system code page; unmappable characters become the code page's default
// character ("?"). The conversion stops at an embedded zero, as the system's string calls do.
std::string WideToAnsi(const std::wstring& text);

// The same, but a character without an exact equivalent becomes "?" even where the system
// knows a look-alike (best fit).
std::string WideToAnsiNoBestFit(const std::wstring& text);

// The 8-bit text of the system code page widened again.
std::wstring AnsiToWide(const std::string& text);
