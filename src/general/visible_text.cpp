// STAND-IN, to be replaced at merge by the version of branch mends-b.
#include "general/visible_text.h"

std::wstring ShowControlCharacters(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\t') {
      out += L'\u2192';
    } else if (c == L'\r' || c == L'\n' || c == L'\u2028' || c == L'\u2029') {
      if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      out += L'\u2193';
    } else if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
      out += L'\u25A1';
    } else {
      out += c;
    }
  }
  return out;
}
