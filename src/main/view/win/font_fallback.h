// Panel text whose characters the panel's face has no glyph for (a window text in another
// script, say) drawn in a face that has them, run by run, so that it shows as the owner's
// window shows it instead of as empty boxes.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "base/win/unique_handle.h"
#include "general/win/late_bound_proc.h"

class TFontFallback {
 public:
  // Draws the text at (x, y) in the DC's font and, for the runs that font lacks, in the first of
  // `faces` (ending with nullptr) that has them all, else in the last; answers false, having drawn
  // nothing, when the font has every glyph, no face is given or the system cannot tell.
  bool Draw(HDC dc, int x, int y, const std::wstring& text, const wchar_t* const* faces);
  // The fonts made for one size of the panel's font are let go when it changes.
  void Reset() { fonts_.clear(); }

 private:
  struct TFallbackFont {
    const wchar_t* Face;
    LONG Height;
    UniqueFont Font;
  };
  HFONT FontFor(HDC dc, const std::wstring& run, const wchar_t* const* faces, LONG height);
  std::vector<WORD> GlyphsOf(HDC dc, const std::wstring& text);
  bool HasAll(HDC dc, const std::wstring& run);
  std::vector<TFallbackFont> fonts_;
  LateBoundProc glyphIndices_{L"gdi32.dll", "GetGlyphIndicesW"};
};
