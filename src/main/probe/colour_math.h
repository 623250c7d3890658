// The probe colour as an instrument: its HSL values, its contrast against another colour, and
// the texts that copy it for other programs. Colours are 0xRRGGBB; a top byte is ignored.
#pragma once
#include <cstdint>
#include <string>

// Hue in whole degrees 0..359 (0 for greys), saturation and lightness in whole per cent, each
// rounded half away from zero from the exact value; a hue that rounds to 360 is 0.
struct THsl {
  int32_t Hue;
  int32_t Saturation;
  int32_t Lightness;
};
THsl RgbToHsl(uint32_t rgb);

// WCAG 2.x relative luminance, 0 (black) to 1 (white), from the sRGB channel values.
double RelativeLuminance(uint32_t rgb);
// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter of the two: 1 to 21, in either order.
double ContrastRatio(uint32_t a, uint32_t b);
// The ratio in hundredths, cut: a pair that fails a threshold never shows as passing it, and
// one that meets it exactly never shows as failing (595959 on white is 7.00, not 6.99).
int32_t ContrastHundredths(uint32_t a, uint32_t b);
// "4.54", "21.00".
std::wstring ContrastRatioText(int32_t hundredths);
// L"AAA" from 7.00, L"AA" from 4.50, the grade for large text and user-interface parts from
// 3.00 ("AA大", "AA Large"), the failing grade below ("NG", "Fail").
const wchar_t* ContrastGrade(int32_t hundredths);

enum class TColourFormat {
  CssHex,          // #a49a80
  CssRgb,          // rgb(164, 154, 128)
  CssHsl,          // hsl(43, 17%, 57%)
  Floats,          // 0.643, 0.604, 0.502 (rounded half away from zero)
  XamlArgb,        // #FFA49A80, always upper case as XAML writes it
  CRgb,            // RGB(164, 154, 128)
  CSharpFromArgb,  // Color.FromArgb(164, 154, 128)
};
constexpr int32_t kColourFormatCount = 7;
// upperHex (Shift) writes the hexadecimal digits of CssHex in upper case; the other texts are
// the same either way.
std::wstring ColourFormatText(TColourFormat format, uint32_t rgb, bool upperHex);
