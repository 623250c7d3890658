#include "general/format.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <type_traits>
#include <vector>

namespace {

struct FormatCase {
  const wchar_t* fmt;
  std::vector<FormatArg> args;
  const wchar_t* want;
};

void ExpectAll(const std::vector<FormatCase>& cases) {
  for (const auto& c : cases) {
    EXPECT_EQ(Format(c.fmt, c.args), c.want) << WideToUtf8(c.fmt);
  }
}

TEST(Format, DecimalWithWidthAndSign) {
  ExpectAll({
      {L"%d", {0}, L"0"},
      {L"%d", {-5}, L"-5"},
      {L"%d", {INT32_MIN}, L"-2147483648"},
      {L"%d", {int64_t{INT64_MIN}}, L"-9223372036854775808"},
      {L"%d", {uint32_t{0xFFFFFFFF}}, L"4294967295"},
      {L"%2d", {3}, L" 3"},
      {L"%2d", {20}, L"20"},
      {L"%2d", {100}, L"100"},  // a width never cuts a number
      {L"%3d", {-5}, L" -5"},
      {L"R=%-3d G=%-3d B=%-3d", {255, 0, -1}, L"R=255 G=0   B=-1 "},
      {L"%.3d", {-5}, L"-005"},
      {L"%D", {7}, L"7"},
      {L"", {}, L""},
      {L"%d", {1, 2}, L"1"},  // surplus arguments are ignored
  });
}

TEST(Format, HexadecimalIsUpperCaseTwosComplementOfItsWidth) {
  ExpectAll({
      {L"%x", {255}, L"FF"},
      {L"%x", {0}, L"0"},
      {L"%x", {-1}, L"FFFFFFFF"},
      {L"%x", {INT32_MIN}, L"80000000"},
      {L"%x", {int64_t{-1}}, L"FFFFFFFFFFFFFFFF"},
      {L"%x", {uint32_t{0x80FF}}, L"80FF"},
      {L"%x %x %x", {255, 128, 0}, L"FF 80 0"},
      {L"%.6x", {0xFF8000}, L"FF8000"},
      {L"%.6x", {0x80FF}, L"0080FF"},
      {L"%.6x", {0x12345678}, L"12345678"},  // precision is a minimum
      {L"%.8x", {int64_t{0xA01F4}}, L"000A01F4"},
      {L"%.8x", {-2}, L"FFFFFFFE"},
      {L"%X", {171}, L"AB"},
      {L"%x", {int16_t{-1}}, L"FFFFFFFF"},  // small signed types widen to 32 bits
      {L"%x", {uint16_t{0xFFFF}}, L"FFFF"},
      {L"%d %x", {-7L, -7L}, sizeof(long) == 4 ? L"-7 FFFFFFF9" : L"-7 FFFFFFFFFFFFFFF9"},
      {L"%d", {uint64_t{INT64_MAX}}, L"9223372036854775807"},
  });
  EXPECT_THROW(FormatArg(uint64_t{INT64_MAX} + 1), FormatError);
}

// Decimal texts of binary fractions: 0.35 is stored just below, 0.45 just above, 0.25 and 2.5
// exactly on a tie, which goes to the even digit.
TEST(Format, FixedPointRoundsTheExactBinaryValueAsPrintfDoes) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  ExpectAll({
      {L"距離     W=%d H=%d D=%.1f", {11, 11, 14.142135623730951}, L"距離     W=11 H=11 D=14.1"},
      {L"%f", {1.5}, L"1.500000"},
      {L"%.0f", {0.5}, L"0"},
      {L"%.0f", {1.5}, L"2"},
      {L"%.0f", {2.5}, L"2"},
      {L"%.1f", {0.25}, L"0.2"},
      {L"%.1f", {0.35}, L"0.3"},
      {L"%.1f", {0.45}, L"0.5"},
      {L"%.2f", {1.005}, L"1.00"},
      {L"%.1f", {9.96}, L"10.0"},
      {L"%.20f", {0.1}, L"0.10000000000000000555"},
      {L"%.0f", {1e21}, L"1000000000000000000000"},
      {L"%.2f", {-1.234}, L"-1.23"},
      {L"%.1f", {-0.04}, L"-0.0"},
      {L"%.3f", {0.1f}, L"0.100"},
      {L"%6.1f|", {14.14}, L"  14.1|"},
      {L"%-6.1f|", {14.14}, L"14.1  |"},
      {L"%2.1f", {141.42}, L"141.4"},
      {L"%F", {2.0}, L"2.000000"},
      {L"%1:.1f %0:d", {3, 2.25}, L"2.2 3"},
      {L"%.1f %.1f %5.1f",
       {kInf, -kInf, std::numeric_limits<double>::quiet_NaN()},
       L"inf -inf   nan"},
  });
}

// Implicit conversions to a floating-point argument would make these numbers again.
static_assert(!std::is_constructible_v<FormatArg, bool>);
static_assert(!std::is_constructible_v<FormatArg, char>);
static_assert(!std::is_constructible_v<FormatArg, wchar_t>);

TEST(Format, StringsPercentAndLiteralText) {
  ExpectAll({
      {L"%5s|", {L"ab"}, L"   ab|"},
      {L"%-5s|", {L"ab"}, L"ab   |"},
      {L"%.2s", {L"abcdef"}, L"ab"},
      {L"%s", {L""}, L""},
      {L"\"%s\"", {L"Button"}, L"\"Button\""},
      {L"%%", {}, L"%"},
      {L"100%% %d", {5}, L"100% 5"},
      {L"%sをｺﾋﾟｰ %s", {L"カラー情報/RGB", L"255 128 0"}, L"カラー情報/RGBをｺﾋﾟｰ 255 128 0"},
      {L"%s", {L"%d%s"}, L"%d%s"},  // arguments are never formats themselves
      {L"%s", {static_cast<const wchar_t*>(nullptr)}, L""},
  });
}

TEST(Format, ArgumentIndexSelectsAndLaterSpecifiersContinue) {
  ExpectAll({
      {L"COLORREF %1:s %0:d", {255, L"0000ff"}, L"COLORREF 0000ff 255"},
      {L"L=%2:d T=%3:d W=%0:d H=%1:d", {300, 200, 10, 20}, L"L=10 T=20 W=300 H=200"},
      {L"%1:d %d %0:d %d", {1, 2, 3}, L"2 3 1 2"},
      {L"%s %1:s", {L"C:\\a\\b.exe", L"b.exe"}, L"C:\\a\\b.exe b.exe"},
      {L"%1:s", {L"C:\\a\\b.exe", L"b.exe"}, L"b.exe"},
      {L"[%1:-4d][%0:3d]", {7, 8}, L"[8   ][  7]"},
  });
}

TEST(Format, MalformedFormatsAndWrongArgumentsThrow) {
  struct BadCase {
    const wchar_t* fmt;
    std::vector<FormatArg> args;
  };
  const std::vector<BadCase> cases = {
      {L"%", {}},       {L"abc%", {1}},  {L"%d", {}},     {L"%d %d", {1}},      {L"%2:d", {1, 2}},
      {L"%s", {5}},     {L"%d", {L"5"}}, {L"%x", {L"5"}}, {L"%q", {1}},         {L"%.x", {1}},
      {L"%*d", {3, 4}}, {L"%3-d", {1}},  {L"%-", {1}},    {L"%99999999d", {1}}, {L"%f", {1}},
      {L"%f", {L"1"}},  {L"%d", {1.0}},  {L"%x", {1.0}},  {L"%s", {1.0}},       {L"%.f", {1.0}},
      {L"%f", {}},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(Format(c.fmt, c.args), FormatError) << WideToUtf8(c.fmt);
  }
}

TEST(Format, ErrorNamesTheFormat) {
  try {
    Format(L"ｸﾗｽ名 %q", {1});
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("ｸﾗｽ名 %q"), std::string::npos) << e.what();
  }
}

TEST(WideToUtf8, EncodesAllPlanesAndReplacesLoneSurrogates) {
  EXPECT_EQ(WideToUtf8(L"A倍"), "A\xE5\x80\x8D");
  EXPECT_EQ(WideToUtf8(L"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800)) + L"x"), "\xEF\xBF\xBDx");
}

}  // namespace
