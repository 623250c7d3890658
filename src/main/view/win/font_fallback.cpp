#include "main/view/win/font_fallback.h"

#include "general/win/late_bound_proc.h"

namespace {

constexpr WORD kNoGlyph = 0xFFFF;

}  // namespace

// The glyph of each character in the DC's font, kNoGlyph where it has none; empty where the
// system cannot tell (before Windows 2000).
std::vector<WORD> TFontFallback::GlyphsOf(HDC dc, const std::wstring& text) {
  using GetGlyphIndicesWFn = DWORD(WINAPI*)(HDC, LPCWSTR, int, LPWORD, DWORD);
  const FARPROC proc = glyphIndices_.Get();
  std::vector<WORD> glyphs(text.size());
  if (!proc ||
      ProcAs<GetGlyphIndicesWFn>(proc)(dc, text.c_str(), static_cast<int>(text.size()),
                                       glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
    glyphs.clear();
  return glyphs;
}

bool TFontFallback::HasAll(HDC dc, const std::wstring& run) {
  const std::vector<WORD> glyphs = GlyphsOf(dc, run);
  for (WORD glyph : glyphs)
    if (glyph == kNoGlyph) return false;
  return !glyphs.empty();
}

HFONT TFontFallback::FontFor(HDC dc, const std::wstring& run, const wchar_t* const* faces,
                             LONG height) {
  HFONT last = nullptr;
  for (const wchar_t* const* face = faces; *face; ++face) {
    HFONT font = nullptr;
    for (const TFallbackFont& made : fonts_)
      if (made.Face == *face && made.Height == height) font = made.Font.get();
    if (!font) {
      UniqueFont created(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, *face));
      if (!created) continue;
      font = created.get();
      fonts_.push_back(TFallbackFont{*face, height, std::move(created)});
    }
    SelectedObject selected(dc, font);
    if (HasAll(dc, run)) return font;
    last = font;
  }
  return last;
}

bool TFontFallback::Draw(HDC dc, int x, int y, const std::wstring& text,
                         const wchar_t* const* faces) {
  if (!faces || !*faces) return false;
  // Latin, Greek and Cyrillic: every panel face has them, and most lines hold nothing else.
  bool plain = true;
  for (wchar_t c : text) plain = plain && c < 0x0500;
  if (plain) return false;
  const std::vector<WORD> glyphs = GlyphsOf(dc, text);
  bool missing = false;
  for (WORD glyph : glyphs) missing = missing || glyph == kNoGlyph;
  if (!missing) return false;

  LOGFONTW panel{};
  GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(panel), &panel);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const UINT align = SetTextAlign(dc, TA_BASELINE);
  for (std::size_t start = 0; start < text.size();) {
    const bool lacking = glyphs[start] == kNoGlyph;
    std::size_t end = start + 1;
    while (end < text.size() && (glyphs[end] == kNoGlyph) == lacking) ++end;
    const std::wstring run = text.substr(start, end - start);
    HFONT font = lacking ? FontFor(dc, run, faces, panel.lfHeight) : nullptr;
    SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font) : GetCurrentObject(dc, OBJ_FONT));
    // Runs of every face stand on the panel font's baseline.
    TextOutW(dc, x, y + metrics.tmAscent, run.c_str(), static_cast<int>(run.size()));
    SIZE extent{};
    GetTextExtentPoint32W(dc, run.c_str(), static_cast<int>(run.size()), &extent);
    x += extent.cx;
    start = end;
  }
  SetTextAlign(dc, align);
  return true;
}
