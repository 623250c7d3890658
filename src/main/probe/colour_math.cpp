#include "main/probe/colour_math.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdlib>

#include "base/checked.h"
#include "general/format.h"
#include "main/texts/message_texts.h"

namespace {

struct TChannels {
  int32_t Red;
  int32_t Green;
  int32_t Blue;
};

TChannels ChannelsOf(uint32_t rgb) {
  return {static_cast<int32_t>((rgb >> 16) & 0xFF), static_cast<int32_t>((rgb >> 8) & 0xFF),
          static_cast<int32_t>(rgb & 0xFF)};
}

// numerator / denominator for a numerator >= 0 and a denominator > 0, halves up. Exact, so that
// a value of 2.5 never arrives as 2.4999… and drops.
int32_t RoundRatio(int32_t numerator, int32_t denominator) {
  return (2 * numerator + denominator) / (2 * denominator);
}

// Contrast needs more than a double holds. A double's rounding moves a ratio by up to about
// 4e-12 hundredths, while true ratios of 8-bit colours come far closer to a hundredth than that
// without lying on it (48d275 on 691a88 is 5.11 less 6.4e-18), and a few lie exactly on one
// (090801 on 020009 is 1.04, ff0202 on 070209 is 5.15), so in doubles no margin can keep the
// cut right for every pair. Quadruple precision (113-bit significand, GCC's software type on x86)
// errs by less than 1e-28 hundredths; see kCutMargin.
using Quad = __float128;

// The sRGB channel value v/255 made linear, as WCAG 2.x defines it. Below the threshold of
// 0.03928 (channel values 0 to 10) it is v / 255 / 12.92; above, ((v/255 + 0.055) / 1.055)^2.4,
// whose base is the fraction (1000 v + 14025) / 269025 and whose power 12/5 is the fifth root
// of the base's twelfth power: Newton's method refines the double estimate to full precision.
Quad LinearChannel(int32_t value) {
  if (value <= 10) return static_cast<Quad>(10 * value) / 32946;
  const Quad base = static_cast<Quad>(1000 * value + 14025) / 269025;
  const Quad base2 = base * base;
  const Quad base4 = base2 * base2;
  const Quad twelfth = base4 * base4 * base4;
  Quad root = std::pow(static_cast<double>(base), 2.4);
  // Each step squares the relative error: 1e-16, 1e-32, then the rounding of the arithmetic.
  for (int32_t step = 0; step < 3; ++step) {
    const Quad root2 = root * root;
    const Quad root4 = root2 * root2;
    root -= (root4 * root - twelfth) / (5 * root4);
  }
  return root;
}

const std::array<Quad, 256>& LinearChannels() {
  static const std::array<Quad, 256> table = [] {
    std::array<Quad, 256> channels{};
    for (int32_t value = 0; value < 256; ++value) channels[value] = LinearChannel(value);
    return channels;
  }();
  return table;
}

// 10000 × the luminance, with integer weights, so that no decimal weight is rounded.
Quad WeightedLuminance(uint32_t rgb) {
  const TChannels c = ChannelsOf(rgb);
  const std::array<Quad, 256>& linear = LinearChannels();
  return 2126 * linear[c.Red] + 7152 * linear[c.Green] + 722 * linear[c.Blue];
}

// The ratio as (10000 L1 + 500) / (10000 L2 + 500), L1 the lighter.
Quad QuadContrast(uint32_t a, uint32_t b) {
  const Quad la = WeightedLuminance(a) + 500;
  const Quad lb = WeightedLuminance(b) + 500;
  return la >= lb ? la / lb : lb / la;
}

// Added before the cut so that a ratio that is exactly a hundredth and computes a hair below it
// still counts. It must exceed the computation's error and stay below the nearest approach of a
// true ratio to a hundredth from below; over all pairs of 24-bit colours that is 6.4e-16
// hundredths (the pair above), the only exact hundredths being 1.00 (equal colours), 1.04, 5.15
// and 21.00 (black on white).
const Quad kCutMargin = static_cast<Quad>(1e-22);

std::wstring HexDigits(uint32_t value, int32_t count, bool upper) {
  const wchar_t* digits = upper ? L"0123456789ABCDEF" : L"0123456789abcdef";
  std::wstring text(static_cast<std::size_t>(count), L'0');
  for (int32_t i = count - 1; i >= 0; --i) {
    text[static_cast<std::size_t>(i)] = digits[value & 0xF];
    value >>= 4;
  }
  return text;
}

// A channel value as a fraction of 255 in thousandths, "0.643".
std::wstring Fraction(int32_t value) {
  const int32_t thousandths = RoundRatio(1000 * value, 255);
  return Format(L"%d.%.3d", {thousandths / 1000, thousandths % 1000});
}

}  // namespace

THsl RgbToHsl(uint32_t rgb) {
  const TChannels c = ChannelsOf(rgb);
  const int32_t high = std::max({c.Red, c.Green, c.Blue});
  const int32_t low = std::min({c.Red, c.Green, c.Blue});
  const int32_t chroma = high - low;
  const int32_t sum = high + low;
  THsl hsl{0, 0, RoundRatio(100 * sum, 2 * 255)};
  if (chroma == 0) return hsl;
  hsl.Saturation = RoundRatio(100 * chroma, 255 - std::abs(sum - 255));
  // The hue in sixths of the circle, times the chroma.
  int32_t sixths;
  if (high == c.Red) {
    sixths = c.Green - c.Blue;
    if (sixths < 0) sixths += 6 * chroma;
  } else if (high == c.Green) {
    sixths = c.Blue - c.Red + 2 * chroma;
  } else {
    sixths = c.Red - c.Green + 4 * chroma;
  }
  hsl.Hue = RoundRatio(60 * sixths, chroma) % 360;
  return hsl;
}

double RelativeLuminance(uint32_t rgb) {
  return static_cast<double>(WeightedLuminance(rgb) / 10000);
}

double ContrastRatio(uint32_t a, uint32_t b) { return static_cast<double>(QuadContrast(a, b)); }

int32_t ContrastHundredths(uint32_t a, uint32_t b) {
  return static_cast<int32_t>(100 * QuadContrast(a, b) + kCutMargin);
}

std::wstring ContrastRatioText(int32_t hundredths) {
  const int64_t value = hundredths;
  const int64_t magnitude = value < 0 ? -value : value;
  return Format(value < 0 ? L"-%d.%.2d" : L"%d.%.2d", {magnitude / 100, magnitude % 100});
}

const wchar_t* ContrastGrade(int32_t hundredths) {
  if (hundredths >= 700) return L"AAA";
  if (hundredths >= 450) return L"AA";
  if (hundredths >= 300) return Pick(MessageRow(TMessage::GradeLarge).Text);
  return Pick(MessageRow(TMessage::GradeFail).Text);
}

std::wstring ColourFormatText(TColourFormat format, uint32_t rgb, bool upperHex) {
  const TChannels c = ChannelsOf(rgb);
  switch (format) {
    case TColourFormat::CssHex:
      return L"#" + HexDigits(rgb, 6, upperHex);
    case TColourFormat::CssRgb:
      return Format(L"rgb(%d, %d, %d)", {c.Red, c.Green, c.Blue});
    case TColourFormat::CssHsl: {
      const THsl hsl = RgbToHsl(rgb);
      return Format(L"hsl(%d, %d%%, %d%%)", {hsl.Hue, hsl.Saturation, hsl.Lightness});
    }
    case TColourFormat::Floats:
      return Fraction(c.Red) + L", " + Fraction(c.Green) + L", " + Fraction(c.Blue);
    case TColourFormat::XamlArgb:
      return L"#FF" + HexDigits(rgb, 6, true);
    case TColourFormat::CRgb:
      return Format(L"RGB(%d, %d, %d)", {c.Red, c.Green, c.Blue});
    case TColourFormat::CSharpFromArgb:
      return Format(L"Color.FromArgb(%d, %d, %d)", {c.Red, c.Green, c.Blue});
  }
  ThrowRangeError(static_cast<std::size_t>(format), static_cast<std::size_t>(kColourFormatCount));
}
