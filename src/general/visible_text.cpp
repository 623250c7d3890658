#include "general/visible_text.h"

namespace {

bool IsBreak(wchar_t c) {
  return (c >= L'\n' && c <= L'\r') || c == L'\u0085' || c == L'\u2028' || c == L'\u2029';
}

bool IsControl(wchar_t c) { return c < L' ' || (c >= L'\u007F' && c <= L'\u009F'); }

}  // namespace

std::wstring ShowControlCharacters(std::wstring_view text) {
  std::wstring shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\t') {
      shown += kTabMark;
    } else if (IsBreak(c)) {
      // A Windows line ends in CR LF: one break, one mark.
      if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      shown += kBreakMark;
    } else {
      shown += IsControl(c) ? kControlMark : c;
    }
  }
  return shown;
}
