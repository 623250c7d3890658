// Text of other programs (window captions, class names, file names, element names) made fit
// for one line of the panel or of a report: its control characters become visible marks.
#pragma once
#include <string>
#include <string_view>

// Each TAB becomes kTabMark; each line break (CR LF, CR, LF, VT, FF, NEL, U+2028, U+2029)
// becomes one kBreakMark; every other control character (U+0000-001F, U+007F, U+0080-009F)
// becomes kControlMark. Everything else stays as it is.
std::wstring ShowControlCharacters(std::wstring_view text);

// Marks that the panel's fonts have on every system it runs on: the Japanese gothic face
// (JIS X 0208, so also the code page of the Windows 95 path) and the fonts that every Windows
// carries (WGL4).
constexpr wchar_t kTabMark = L'\u2192';      // →
constexpr wchar_t kBreakMark = L'\u2193';    // ↓
constexpr wchar_t kControlMark = L'\u25A1';  // □
