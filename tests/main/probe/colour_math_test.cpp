#include "main/probe/colour_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "general/format.h"

namespace {

TEST(Contrast, CutToHundredthsAndGradedInEitherOrder) {
  struct Case {
    uint32_t a;
    uint32_t b;
    int32_t hundredths;
    const wchar_t* text;
    const wchar_t* grade;
  };
  const Case cases[] = {
      {0x000000, 0xFFFFFF, 2100, L"21.00", L"AAA"},
      {0x767676, 0xFFFFFF, 454, L"4.54", L"AA"},
      {0x595959, 0xFFFFFF, 700, L"7.00", L"AAA"},
      {0x949494, 0xFFFFFF, 303, L"3.03", L"AA大"},
      {0x959595, 0xFFFFFF, 299, L"2.99", L"NG"},
      {0xFF0000, 0xFFFFFF, 399, L"3.99", L"AA大"},
      {0x777777, 0xFFFFFF, 447, L"4.47", L"AA大"},
      {0x123456, 0x123456, 100, L"1.00", L"NG"},
      // The pairs nearest to a hundredth, where the cut is decided: exactly on 1.04 and 5.15,
      // 6.4e-18 short of 5.11, 9.4e-17 short of 3.07 and 2.1e-16 above 1.23.
      {0x090801, 0x020009, 104, L"1.04", L"NG"},
      {0xFF0202, 0x070209, 515, L"5.15", L"AA"},
      {0x48D275, 0x691A88, 510, L"5.10", L"AA"},
      {0x818513, 0x293B0D, 306, L"3.06", L"AA大"},
      {0x949FB3, 0x25A25B, 123, L"1.23", L"NG"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(Format(L"%.6x on %.6x", {c.a, c.b})));
    EXPECT_EQ(ContrastHundredths(c.a, c.b), c.hundredths);
    EXPECT_EQ(ContrastHundredths(c.b, c.a), c.hundredths);
    EXPECT_EQ(ContrastRatioText(c.hundredths), c.text);
    EXPECT_STREQ(ContrastGrade(c.hundredths), c.grade);
    EXPECT_EQ(ContrastRatio(c.a, c.b), ContrastRatio(c.b, c.a));
  }
  EXPECT_DOUBLE_EQ(ContrastRatio(0x000000, 0xFFFFFF), 21.0);
}

TEST(Contrast, GradesChangeExactlyAtTheirThresholds) {
  EXPECT_STREQ(ContrastGrade(2100), L"AAA");
  EXPECT_STREQ(ContrastGrade(700), L"AAA");
  EXPECT_STREQ(ContrastGrade(699), L"AA");
  EXPECT_STREQ(ContrastGrade(450), L"AA");
  EXPECT_STREQ(ContrastGrade(449), L"AA大");
  EXPECT_STREQ(ContrastGrade(300), L"AA大");
  EXPECT_STREQ(ContrastGrade(299), L"NG");
  EXPECT_EQ(ContrastRatioText(1005), L"10.05");
  EXPECT_EQ(ContrastRatioText(-5), L"-0.05");
}

TEST(Contrast, RelativeLuminanceWeighsTheLinearChannels) {
  EXPECT_EQ(RelativeLuminance(0x000000), 0.0);
  EXPECT_DOUBLE_EQ(RelativeLuminance(0xFFFFFF), 1.0);
  EXPECT_DOUBLE_EQ(RelativeLuminance(0xFF0000), 0.2126);
  EXPECT_DOUBLE_EQ(RelativeLuminance(0x00FF00), 0.7152);
  EXPECT_DOUBLE_EQ(RelativeLuminance(0x0000FF), 0.0722);
  // 10 is the last channel value on the straight part of the curve, 11 the first on the power.
  EXPECT_DOUBLE_EQ(RelativeLuminance(0x0A0A0A), 10.0 / 255 / 12.92);
  EXPECT_NEAR(RelativeLuminance(0x0B0B0B), std::pow((11.0 / 255 + 0.055) / 1.055, 2.4), 1e-15);
  EXPECT_NEAR(RelativeLuminance(0x767676), 0.18116, 1e-5);
  EXPECT_EQ(RelativeLuminance(0xFF767676), RelativeLuminance(0x767676));  // a top byte is ignored
}

TEST(RgbToHsl, KnownColoursRoundHalvesUp) {
  struct Case {
    uint32_t rgb;
    int32_t hue, saturation, lightness;
  };
  const Case cases[] = {
      {0x000000, 0, 0, 0},      {0xFFFFFF, 0, 0, 100},    {0x808080, 0, 0, 50},
      {0xFF0000, 0, 100, 50},   {0x00FF00, 120, 100, 50}, {0x0000FF, 240, 100, 50},
      {0xFFFF00, 60, 100, 50},  {0x00FFFF, 180, 100, 50}, {0xFF00FF, 300, 100, 50},
      {0xA49A80, 43, 17, 57},   {0x800000, 0, 100, 25},   {0xFFC0C0, 0, 100, 88},
      {0x180100, 3, 100, 5},   // hue 2.5
      {0x090707, 0, 13, 3},    // saturation 12.5
      {0xFF0002, 0, 100, 50},  // hue 359.53 rounds to 360, which is 0
      {0xFF0003, 359, 100, 50},
  };
  for (const Case& c : cases) {
    const THsl hsl = RgbToHsl(c.rgb);
    EXPECT_EQ(hsl.Hue, c.hue) << std::hex << c.rgb;
    EXPECT_EQ(hsl.Saturation, c.saturation) << std::hex << c.rgb;
    EXPECT_EQ(hsl.Lightness, c.lightness) << std::hex << c.rgb;
  }
}

TEST(ColourFormatText, TheExampleColourInEveryFormat) {
  struct Case {
    TColourFormat format;
    const wchar_t* text;
    const wchar_t* upper;
  };
  const Case cases[] = {
      {TColourFormat::CssHex, L"#a49a80", L"#A49A80"},
      {TColourFormat::CssRgb, L"rgb(164, 154, 128)", L"rgb(164, 154, 128)"},
      {TColourFormat::CssHsl, L"hsl(43, 17%, 57%)", L"hsl(43, 17%, 57%)"},
      {TColourFormat::Floats, L"0.643, 0.604, 0.502", L"0.643, 0.604, 0.502"},
      {TColourFormat::XamlArgb, L"#FFA49A80", L"#FFA49A80"},
      {TColourFormat::CRgb, L"RGB(164, 154, 128)", L"RGB(164, 154, 128)"},
      {TColourFormat::CSharpFromArgb, L"Color.FromArgb(164, 154, 128)",
       L"Color.FromArgb(164, 154, 128)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColourFormatText(c.format, 0xA49A80, false), c.text);
    EXPECT_EQ(ColourFormatText(c.format, 0xA49A80, true), c.upper);
  }
  EXPECT_EQ(ColourFormatText(TColourFormat::Floats, 0x00FF0A, false), L"0.000, 1.000, 0.039");
  EXPECT_EQ(ColourFormatText(TColourFormat::CssHex, 0x0A0B0C, false), L"#0a0b0c");
  EXPECT_THROW(ColourFormatText(static_cast<TColourFormat>(kColourFormatCount), 0, false),
               std::exception);
}

// Reads a copied text back as the program that receives it would.
class TextReader {
 public:
  explicit TextReader(const std::wstring& text) : text_(text) {}

  bool Literal(const std::wstring& literal) {
    if (text_.compare(pos_, literal.size(), literal) != 0) return false;
    pos_ += literal.size();
    return true;
  }
  bool Decimal(int32_t& value) {
    const std::size_t start = pos_;
    value = 0;
    while (pos_ < text_.size() && pos_ - start < 4 && text_[pos_] >= L'0' && text_[pos_] <= L'9') {
      value = value * 10 + (text_[pos_++] - L'0');
    }
    return pos_ > start;
  }
  bool Hex(int32_t digits, uint32_t& value) {
    value = 0;
    for (int32_t i = 0; i < digits; ++i) {
      if (pos_ >= text_.size()) return false;
      const wchar_t c = text_[pos_++];
      const wchar_t* const kDigits = L"0123456789abcdef0123456789ABCDEF";
      const wchar_t* found = std::wcschr(kDigits, c);
      if (c == L'\0' || found == nullptr) return false;
      value = value * 16 + static_cast<uint32_t>((found - kDigits) % 16);
    }
    return true;
  }
  // "0.643" as 643 thousandths.
  bool Thousandths(int32_t& value) {
    int32_t whole = 0;
    int32_t fraction = 0;
    const std::size_t start = pos_;
    if (!Decimal(whole) || !Literal(L".") || !Decimal(fraction) || pos_ - start != 5) return false;
    value = whole * 1000 + fraction;
    return true;
  }
  bool End() const { return pos_ == text_.size(); }

 private:
  const std::wstring& text_;
  std::size_t pos_ = 0;
};

constexpr uint32_t kNotAColour = 0xFFFFFFFF;

uint32_t Rgb(int32_t red, int32_t green, int32_t blue) {
  if (std::max({red, green, blue}) > 255) return kNotAColour;
  return static_cast<uint32_t>(red << 16 | green << 8 | blue);
}

uint32_t ReadHex(const std::wstring& text, const std::wstring& prefix) {
  TextReader reader(text);
  uint32_t rgb = 0;
  return reader.Literal(prefix) && reader.Hex(6, rgb) && reader.End() ? rgb : kNotAColour;
}

// "name(r, g, b)"
uint32_t ReadCall(const std::wstring& text, const std::wstring& name) {
  TextReader reader(text);
  int32_t r = 0, g = 0, b = 0;
  const bool ok = reader.Literal(name + L"(") && reader.Decimal(r) && reader.Literal(L", ") &&
                  reader.Decimal(g) && reader.Literal(L", ") && reader.Decimal(b) &&
                  reader.Literal(L")") && reader.End();
  return ok ? Rgb(r, g, b) : kNotAColour;
}

uint32_t ReadFloats(const std::wstring& text) {
  TextReader reader(text);
  int32_t t[3] = {};
  const bool ok = reader.Thousandths(t[0]) && reader.Literal(L", ") && reader.Thousandths(t[1]) &&
                  reader.Literal(L", ") && reader.Thousandths(t[2]) && reader.End();
  if (!ok || std::max({t[0], t[1], t[2]}) > 1000) return kNotAColour;
  // Three decimals are finer than a step of 1/255, so the nearest step is the colour.
  return Rgb((t[0] * 255 + 500) / 1000, (t[1] * 255 + 500) / 1000, (t[2] * 255 + 500) / 1000);
}

struct ReadHsl {
  bool ok;
  int32_t hue, saturation, lightness;
};
ReadHsl ReadHslCall(const std::wstring& text) {
  TextReader reader(text);
  ReadHsl hsl{};
  hsl.ok = reader.Literal(L"hsl(") && reader.Decimal(hsl.hue) && reader.Literal(L", ") &&
           reader.Decimal(hsl.saturation) && reader.Literal(L"%, ") &&
           reader.Decimal(hsl.lightness) && reader.Literal(L"%)") && reader.End() &&
           hsl.hue < 360 && hsl.saturation <= 100 && hsl.lightness <= 100;
  return hsl;
}

// The unrounded values, in doubles: hue in degrees, saturation and lightness in per cent.
void ExactHsl(const int32_t rgb[3], double hsl[3]) {
  const int32_t high = std::max({rgb[0], rgb[1], rgb[2]});
  const int32_t low = std::min({rgb[0], rgb[1], rgb[2]});
  const double chroma = high - low;
  hsl[0] = 0;
  hsl[1] = chroma == 0 ? 0 : 100 * chroma / (255 - std::abs(high + low - 255));
  hsl[2] = 100.0 * (high + low) / 510;
  if (chroma == 0) return;
  if (high == rgb[0]) {
    hsl[0] = 60 * std::fmod((rgb[1] - rgb[2]) / chroma + 6, 6.0);
  } else if (high == rgb[1]) {
    hsl[0] = 60 * ((rgb[2] - rgb[0]) / chroma + 2);
  } else {
    hsl[0] = 60 * ((rgb[0] - rgb[1]) / chroma + 4);
  }
}

// The usual conversion back, in 0..255 without rounding.
void HslToRgb(const ReadHsl& hsl, double rgb[3]) {
  const double l = hsl.lightness / 100.0;
  const double chroma = (1 - std::fabs(2 * l - 1)) * hsl.saturation / 100.0;
  const double sector = hsl.hue / 60.0;
  const double middle = chroma * (1 - std::fabs(std::fmod(sector, 2.0) - 1));
  const double order[6][3] = {{chroma, middle, 0}, {middle, chroma, 0}, {0, chroma, middle},
                              {0, middle, chroma}, {middle, 0, chroma}, {chroma, 0, middle}};
  const int32_t s = static_cast<int32_t>(sector);
  for (int32_t i = 0; i < 3; ++i) rgb[i] = (order[s][i] + l - chroma / 2) * 255;
}

// Every colour whose channels are multiples of 5 (255 is one), every grey, and every colour on
// the cube's twelve edges, which hold every channel value in every place.
std::vector<uint32_t> SampleColours() {
  std::vector<uint32_t> colours;
  for (int32_t r = 0; r < 256; r += 5) {
    for (int32_t g = 0; g < 256; g += 5) {
      for (int32_t b = 0; b < 256; b += 5) colours.push_back(Rgb(r, g, b));
    }
  }
  for (int32_t v = 0; v < 256; ++v) {
    colours.push_back(Rgb(v, v, v));
    for (int32_t x : {0, 255}) {
      for (int32_t y : {0, 255}) {
        colours.push_back(Rgb(v, x, y));
        colours.push_back(Rgb(x, v, y));
        colours.push_back(Rgb(x, y, v));
      }
    }
  }
  return colours;
}

// Each text read back names the colour: exactly where the text has every bit of it, and for
// hsl() within what whole degrees and per cents can say. A hue 0.5° off moves a channel by at
// most 255 × 0.5/60, a saturation 0.5 % off by at most 255 × 0.005 / 2, a lightness 0.5 % off
// by at most 255 × 0.005 × 2 (the chroma follows the lightness): 5.3125 in all. That bound
// would let a cut instead of a rounding pass, so the hsl() values must also be the whole
// numbers nearest to the exact ones.
TEST(ColourFormatText, EveryTextReadsBackAsItsColour) {
  constexpr double kHslTolerance = 255 * (0.5 / 60 + 0.005 / 2 + 0.005 * 2);
  int32_t failures = 0;
  std::string first;
  auto fail = [&](uint32_t rgb, const std::wstring& text) {
    if (failures++ == 0) first = WideToUtf8(Format(L"%.6x: %s", {rgb, text}));
  };
  for (uint32_t rgb : SampleColours()) {
    for (bool upper : {false, true}) {
      const std::wstring hex = ColourFormatText(TColourFormat::CssHex, rgb, upper);
      if (ReadHex(hex, L"#") != rgb) fail(rgb, hex);
    }
    const std::wstring xaml = ColourFormatText(TColourFormat::XamlArgb, rgb, false);
    if (ReadHex(xaml, L"#FF") != rgb) fail(rgb, xaml);
    const std::wstring css = ColourFormatText(TColourFormat::CssRgb, rgb, false);
    if (ReadCall(css, L"rgb") != rgb) fail(rgb, css);
    const std::wstring c = ColourFormatText(TColourFormat::CRgb, rgb, false);
    if (ReadCall(c, L"RGB") != rgb) fail(rgb, c);
    const std::wstring cs = ColourFormatText(TColourFormat::CSharpFromArgb, rgb, false);
    if (ReadCall(cs, L"Color.FromArgb") != rgb) fail(rgb, cs);
    const std::wstring floats = ColourFormatText(TColourFormat::Floats, rgb, false);
    if (ReadFloats(floats) != rgb) fail(rgb, floats);

    const std::wstring hslText = ColourFormatText(TColourFormat::CssHsl, rgb, false);
    const ReadHsl hsl = ReadHslCall(hslText);
    double back[3];
    if (hsl.ok) HslToRgb(hsl, back);
    const int32_t channels[3] = {static_cast<int32_t>(rgb >> 16),
                                 static_cast<int32_t>(rgb >> 8 & 0xFF),
                                 static_cast<int32_t>(rgb & 0xFF)};
    double exact[3];
    ExactHsl(channels, exact);
    const int32_t shown[3] = {hsl.hue, hsl.saturation, hsl.lightness};
    bool near = hsl.ok;
    for (int32_t i = 0; near && i < 3; ++i) {
      double off = std::fabs(shown[i] - exact[i]);
      if (i == 0) off = std::min(off, 360 - off);
      near = std::fabs(back[i] - channels[i]) <= kHslTolerance && off <= 0.5 + 1e-9;
    }
    if (!near) fail(rgb, hslText);
  }
  EXPECT_EQ(failures, 0) << "first: " << first;
}

}  // namespace
