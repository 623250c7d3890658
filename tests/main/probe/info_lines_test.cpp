#include "main/probe/info_lines.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "base/checked.h"
#include "general/format.h"
#include "main/probe/panel_items.h"

namespace {

TProbeInfo WithColor(int32_t r, int32_t g, int32_t b) {
  TProbeInfo info;
  info.Red = r;
  info.Green = g;
  info.Blue = b;
  info.RGBValue = r * 0x10000 + g * 0x100 + b;
  info.Color = static_cast<uint32_t>(b * 0x10000 + g * 0x100 + r);
  return info;
}

// A window at (10, 20) of 300 x 200 with a client area of 284 x 162 at (18, 50) on the screen,
// probed at (250, 130) with the user's origin at (100, 50).
TProbeInfo SampleWindow() {
  TProbeInfo info = WithColor(255, 128, 0);
  info.ScreenPoint = {250, 130};
  info.ClientOrigin = {18, 50};
  info.UserOrigin = {100, 50};
  info.Window = 0x000A01F4;
  info.ClassName = L"Button";
  info.Text = L"Привет ☃ 100%d";
  info.WindowPos = {10, 20};
  info.WindowSize = {300, 200};
  info.ClientSize = {284, 162};
  info.WindowRect = {10, 20, 310, 220};
  info.ExeName = L"C:\\Program Files\\ツール\\app.exe";
  info.Style = 0x50010000;  // WS_CHILD | WS_VISIBLE | WS_TABSTOP
  info.ExStyle = 0x00000004;
  info.Parent = 0x000200AA;
  info.ParentClassName = L"#32770";
  info.ProcessId = 1234;
  info.ThreadId = 1240;
  info.Bitness = 64;
  info.Integrity = L"Medium";
  info.DpiAwareness = L"PerMonitorV2";
  info.WindowDpi = 144;
  info.VisibleBounds = {17, 20, 303, 213};
  info.Spacing = {200, 100, 290, 160};
  info.ParentChain = L"Button < #32770";
  info.Element.State = ElementState::kAnswered;
  info.Element.Facts.Found = true;
  info.Element.Facts.ControlType = L"push button";
  info.Element.Facts.Name = L"Save\tAll";
  info.Element.Facts.Bounds = {40, 60, 120, 84};
  info.Element.Facts.Framework = L"MSAA";
  info.Element.Facts.Ancestors = {{L"client", L"Main"}};
  info.History = {0xFF8000, 0x0000FF};
  return info;
}

// Columns of a line's label (up to the end of its first run of blanks) as the panel font draws
// them: full-width characters take two.
int LabelColumns(const std::wstring& format) {
  const std::size_t value = format.find_first_not_of(L' ', format.find(L' '));
  int columns = 0;
  for (wchar_t c : format.substr(0, value)) {
    const bool single = c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
    columns += single ? 1 : 2;
  }
  return columns;
}

TEST(InfoDisplayText, WorkedExamples) {
  const TProbeInfo red = WithColor(255, 0, 0);
  EXPECT_EQ(InfoDisplayText(kItemRGB, red), L"RGB      R=255 G=0   B=0  ");
  EXPECT_EQ(InfoDisplayText(kItemHTML, red), L"HTML     ff0000");
  EXPECT_EQ(InfoDisplayText(kItemCOLORREF, red), L"COLORREF 0000ff 255");
  TProbeInfo mean = red;
  mean.SampleSize = 3;
  EXPECT_EQ(InfoDisplayText(kItemRGB, mean), L"RGB      R=255 G=0   B=0   (3×3)");
  EXPECT_EQ(InfoCopyText(kItemRGB, mean, false), L"255 0 0") << "the copy is the colour alone";
  TProbeInfo laptop;
  laptop.Dpi = 144;
  EXPECT_EQ(InfoDisplayText(kItemPosDpi, laptop), L"DPI      150% (144 dpi)");
  laptop.Dpi = 168;
  EXPECT_EQ(InfoDisplayText(kItemPosDpi, laptop), L"DPI      175% (168 dpi)");

  TProbeInfo user;
  user.ScreenPoint = {90, 60};
  user.UserOrigin = {100, 50};
  EXPECT_EQ(InfoDisplayText(kItemPosUser, user), L"任意     X=-10 Y=10 (100,50)");

  TProbeInfo client;
  client.ScreenPoint = {250, 130};
  client.ClientOrigin = {200, 100};
  EXPECT_EQ(InfoDisplayText(kItemPosClient, client), L"ｸﾗｲｱﾝﾄ   X=50 Y=30 (200,100)");

  TProbeInfo window;
  window.WindowPos = {10, 20};
  window.WindowSize = {300, 200};
  EXPECT_EQ(InfoDisplayText(kItemWindowSize, window), L"Wｻｲｽﾞ    L=10 T=20 W=300 H=200");
}

TEST(InfoDisplayText, EveryLineOfASampleWindow) {
  const TProbeInfo info = SampleWindow();
  const wchar_t* const want[kInfoItemCount] = {
      L"RGB      R=255 G=128 B=0  ",
      L"HTML     ff8000",
      L"COLORREF 0080ff 33023",
      L"ｽｸﾘｰﾝ    X=250 Y=130",
      L"ｸﾗｲｱﾝﾄ   X=232 Y=80 (18,50)",
      L"任意     X=150 Y=80 (100,50)",
      L"ﾊﾝﾄﾞﾙ    000a01f4 655860",
      L"ｸﾗｽ名    Button",
      L"ﾃｷｽﾄ     Привет ☃ 100%d",
      L"Wｻｲｽﾞ    L=10 T=20 W=300 H=200",
      L"Cｻｲｽﾞ    W=284 H=162",
      L"Rect     L=10 T=20 R=310 B=220",
      L"実行ﾌｧｲﾙ C:\\Program Files\\ツール\\app.exe",
      L"DPI      100% (96 dpi)",
      L"ｺﾝﾄﾗｽﾄ   2.51:1 NG (ffffff)",
      L"HSL      H=30  S=100 L=50 ",
      L"距離     W=151 H=81 D=170.0",
      L"ｽﾀｲﾙ     50010000 00000004",
      L"親       000200aa #32770",
      L"ﾌﾟﾛｾｽ    1234/1240 64bit Medium",
      L"DPI認識  PerMonitorV2 144",
      L"見た目   L=17 T=20 W=286 H=193",
      L"要素     push button \"Save→All\"",
      L"要素ID   ",
      L"要素範囲 L=40 T=60 W=80 H=24",
      L"ﾌﾚｰﾑﾜｰｸ  MSAA",
      L"間隔     L=200 T=100 W=90 H=60",
      L"履歴     #ff8000 #0000ff",
  };
  for (int32_t item = 1; item <= kInfoItemCount; ++item) {
    EXPECT_EQ(InfoDisplayText(item, info), want[item - 1]) << "item " << item;
  }
}

TEST(InfoDisplayText, ContrastAgainstTheReferenceColour) {
  struct Case {
    uint32_t probe;
    uint32_t reference;
    const wchar_t* line;
    const wchar_t* copy;
    const wchar_t* shiftCopy;
  };
  const Case cases[] = {
      {0x767676, 0xFFFFFF, L"ｺﾝﾄﾗｽﾄ   4.54:1 AA (ffffff)", L"4.54:1", L"4.54:1 AA #767676 #ffffff"},
      // 4.478...: cut, so that a colour below a threshold never shows as passing.
      {0x777777, 0xFFFFFF, L"ｺﾝﾄﾗｽﾄ   4.47:1 AA大 (ffffff)", L"4.47:1",
       L"4.47:1 AA大 #777777 #ffffff"},
      {0x000000, 0xFFFFFF, L"ｺﾝﾄﾗｽﾄ   21.00:1 AAA (ffffff)", L"21.00:1",
       L"21.00:1 AAA #000000 #ffffff"},
      {0xFFFFFF, 0x000000, L"ｺﾝﾄﾗｽﾄ   21.00:1 AAA (000000)", L"21.00:1",
       L"21.00:1 AAA #ffffff #000000"},
      {0x959595, 0xFFFFFF, L"ｺﾝﾄﾗｽﾄ   2.99:1 NG (ffffff)", L"2.99:1", L"2.99:1 NG #959595 #ffffff"},
      {0xA49A80, 0xA49A80, L"ｺﾝﾄﾗｽﾄ   1.00:1 NG (a49a80)", L"1.00:1", L"1.00:1 NG #a49a80 #a49a80"},
  };
  for (const Case& c : cases) {
    TProbeInfo info =
        WithColor(static_cast<int32_t>(c.probe >> 16), static_cast<int32_t>((c.probe >> 8) & 0xFF),
                  static_cast<int32_t>(c.probe & 0xFF));
    info.ReferenceColor = c.reference;
    EXPECT_EQ(InfoDisplayText(kItemContrast, info), c.line);
    EXPECT_EQ(InfoCopyText(kItemContrast, info, false), c.copy);
    EXPECT_EQ(InfoCopyText(kItemContrast, info, true), c.shiftCopy);
  }
  EXPECT_EQ(ReferenceStatusText(0xA49A80), L"基準色 a49a80");
}

TEST(InfoDisplayText, DistanceFromTheUserOrigin) {
  struct Case {
    Point origin, probe;
    int32_t dpi;
    const wchar_t* line;
    const wchar_t* copy;
    const wchar_t* shiftCopy;
  };
  const Case cases[] = {
      {{100, 50}, {90, 60}, 96, L"距離     W=11 H=11 D=14.1", L"11x11", L"14.1"},
      {{5, 5}, {5, 5}, 96, L"距離     W=1 H=1 D=0.0", L"1x1", L"0.0"},
      // The box in the logical pixels of a monitor at 150 %: 11 / 1.5 = 7.33, 301 / 1.5 = 200.67.
      {{0, 0}, {10, 300}, 144, L"距離     W=11 H=301 D=300.2 (7×201 dip)", L"11x301", L"300.2"},
      // Across monitors left of and above the primary.
      {{-1280, -768},
       {1919, 1079},
       96,
       L"距離     W=3200 H=1848 D=3693.9",
       L"3200x1848",
       L"3693.9"},
  };
  for (const Case& c : cases) {
    TProbeInfo info;
    info.UserOrigin = c.origin;
    info.ScreenPoint = c.probe;
    info.Dpi = c.dpi;
    EXPECT_EQ(InfoDisplayText(kItemDistance, info), c.line);
    EXPECT_EQ(InfoCopyText(kItemDistance, info, false), c.copy);
    EXPECT_EQ(InfoCopyText(kItemDistance, info, true), c.shiftCopy);
  }
}

TEST(InfoDisplayText, NoWindowUnderThePoint) {
  TProbeInfo info;
  info.ScreenPoint = {-1920, 5};
  EXPECT_EQ(InfoDisplayText(kItemHandle, info), L"ﾊﾝﾄﾞﾙ    00000000 0");
  EXPECT_EQ(InfoDisplayText(kItemClassName, info), L"ｸﾗｽ名    ");
  EXPECT_EQ(InfoDisplayText(kItemExeName, info), L"実行ﾌｧｲﾙ ");
  EXPECT_EQ(InfoDisplayText(kItemStyle, info), L"ｽﾀｲﾙ     00000000 00000000");
  EXPECT_EQ(InfoDisplayText(kItemParent, info), L"親       00000000 ");
  EXPECT_EQ(InfoDisplayText(kItemProcess, info), L"ﾌﾟﾛｾｽ    0/0 ?bit ");
  EXPECT_EQ(InfoDisplayText(kItemPosScreen, info), L"ｽｸﾘｰﾝ    X=-1920 Y=5");
  EXPECT_EQ(InfoDisplayText(kItemPosClient, info), L"ｸﾗｲｱﾝﾄ   X=-1920 Y=5 (0,0)");
}

TEST(InfoDisplayText, LabelsLineUpInNineColumns) {
  for (int32_t item = 1; item <= kInfoItemCount; ++item) {
    EXPECT_EQ(LabelColumns(GetDisplayFormat(item)), 9) << "item " << item;
  }
}

TEST(InfoDisplayText, BadIndexOrOverflowThrows) {
  const TProbeInfo info;
  EXPECT_THROW(InfoDisplayText(0, info), CheckedError);
  EXPECT_THROW(InfoDisplayText(kInfoItemCount + 1, info), CheckedError);
  EXPECT_THROW(InfoCopyText(-1, info, false), CheckedError);
  TProbeInfo far;
  far.ScreenPoint = {INT32_MIN, 0};
  far.UserOrigin = {1, 0};
  EXPECT_THROW(InfoDisplayText(kItemPosUser, far), CheckedError);
}

TEST(InfoCopyText, ShiftUpAndDownForEveryItem) {
  const TProbeInfo info = SampleWindow();
  struct Case {
    int32_t item;
    const wchar_t* up;
    const wchar_t* down;
  };
  const Case cases[] = {
      {kItemRGB, L"255 128 0", L"FF 80 0"},
      {kItemHTML, L"FF8000", L"16744448"},
      {kItemCOLORREF, L"33023", L"80FF"},
      {kItemPosScreen, L"250, 130", L"(250, 130)"},
      {kItemPosClient, L"232, 80", L"(232, 80)"},
      {kItemPosUser, L"150, 80", L"(150, 80)"},
      {kItemHandle, L"655860", L"000A01F4"},
      {kItemClassName, L"Button", L"\"Button\""},
      {kItemText, L"Привет ☃ 100%d", L"\"Привет ☃ 100%d\""},
      {kItemWindowSize, L"10, 20, 300, 200", L"(10, 20, 300, 200)"},
      {kItemClientSize, L"284, 162", L"(284, 162)"},
      {kItemRect, L"10, 20, 310, 220", L"(10, 20, 310, 220)"},
      {kItemExeName, L"C:\\Program Files\\ツール\\app.exe", L"app.exe"},
      {kItemPosDpi, L"96", L"100%"},
      {kItemContrast, L"2.51:1", L"2.51:1 NG #ff8000 #ffffff"},
      {kItemHsl, L"hsl(30, 100%, 50%)", L"hsl(30, 100%, 50%)"},
      {kItemDistance, L"151x81", L"170.0"},
      {kItemStyle, L"WS_CHILD | WS_VISIBLE | WS_TABSTOP", L"WS_EX_NOPARENTNOTIFY"},
      {kItemParent, L"000200aa #32770", L"131242"},
      {kItemProcess, L"1234/1240 64bit Medium", L"1234"},
      {kItemDpiAwareness, L"PerMonitorV2 144", L"144"},
      {kItemVisibleBounds, L"17, 20, 286, 193", L"(17, 20, 286, 193)"},
      {kItemElement, L"Save\tAll", L"push button \"Save\tAll\""},
      {kItemElementId, L"", L"\"\""},
      {kItemElementBounds, L"40, 60, 80, 24", L"(40, 60, 80, 24)"},
      {kItemElementFramework, L"MSAA", L"\"MSAA\""},
      {kItemSpacing, L"200, 100, 90, 60", L"(200, 100, 90, 60)"},
      {kItemHistory, L"#ff8000 #0000ff", L"#ff8000 #0000ff"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InfoCopyText(c.item, info, false), c.up) << "item " << c.item;
    EXPECT_EQ(InfoCopyText(c.item, info, true), c.down) << "item " << c.item << " shift";
  }
}

TEST(InfoReportText, EveryItemInPanelOrderThenTheChainAndTheStyles) {
  const std::wstring report = InfoReportText(SampleWindow());
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = report.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
    lines.push_back(report.substr(start, end - start));
  EXPECT_EQ(start, report.size()) << "every line ends in CR LF";
  EXPECT_EQ(report.find(L'\n'), report.find(L"\r\n") + 1) << "no bare line feed";
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kInfoItemCount + 4));
  // Labels without their blanks, values as drawn without the padding at their ends.
  const std::pair<std::size_t, const wchar_t*> some[] = {
      {0, L"RGB\tR=255 G=128 B=0"},
      {4, L"HSL\tH=30  S=100 L=50"},
      {5, L"カラー履歴\t#ff8000 #0000ff"},
      {2, L"COLORREF\t0080ff 33023"},
      {3, L"ｺﾝﾄﾗｽﾄ\t2.51:1 NG (ffffff)"},
      {10, L"距離\tW=151 H=81 D=170.0"},
      {11, L"間隔\tL=200 T=100 W=90 H=60"},
      {14, L"ﾃｷｽﾄ\tПривет ☃ 100%d"},
      {15, L"Wｻｲｽﾞ\tL=10 T=20 W=300 H=200"},
      {18, L"実行ﾌｧｲﾙ\tC:\\Program Files\\ツール\\app.exe"},
      {21, L"ﾌﾟﾛｾｽ\t1234/1240 64bit Medium"},
      {22, L"DPI認識\tPerMonitorV2 144"},
      {24, L"要素\tpush button \"Save→All\""},
      {25, L"要素ID\t"},
      {28, L"親チェーン\tButton < #32770"},
      {29, L"スタイル\tWS_CHILD | WS_VISIBLE | WS_TABSTOP"},
      {30, L"拡張スタイル\tWS_EX_NOPARENTNOTIFY"},
      {31, L"要素チェーン\tpush button \"Save→All\" < client \"Main\""},
  };
  for (const auto& [index, text] : some) EXPECT_EQ(lines[index], text) << "line " << index;
  for (int32_t line = 1; line <= kInfoItemCount; ++line) {
    std::wstring shown = InfoDisplayText(PanelLineItem(line), SampleWindow());
    shown.erase(shown.find_last_not_of(L' ') + 1);
    const std::wstring& reported = lines[line - 1];
    const std::size_t tab = reported.find(L'\t');
    ASSERT_NE(tab, std::wstring::npos) << "line " << line;
    EXPECT_EQ(shown.substr(shown.size() - (reported.size() - tab - 1)), reported.substr(tab + 1))
        << "line " << line << ": the value as drawn";
  }
  // Without a window the parent line's class name is empty: its blank goes too.
  const std::wstring none = InfoReportText(TProbeInfo());
  EXPECT_NE(none.find(L"\r\n親\t00000000\r\n"), std::wstring::npos);
  EXPECT_EQ(none.find(L" \r\n"), std::wstring::npos) << "no value ends in a blank";
  EXPECT_EQ(ReportStatusText(report), L"すべての情報をｺﾋﾟｰ 32行");
}

// Multi-line captions, and names that no program should have but any program may.
TEST(InfoReportText, ControlCharactersOfOtherProgramsShowAsMarksAndCopiesKeepThem) {
  TProbeInfo info = SampleWindow();
  info.Text = L"Name:\tAlice\r\nAge:\t30\n\r\n\r\u2029\u0085\v\f";
  info.ClassName = info.ParentChain = std::wstring(L"Odd\0\x01\x1F\x7F\x80\x9F", 9);
  info.ParentClassName = L"Par\rent";
  info.ExeName = L"C:\\a\u2028b.exe";
  // One line per fact, counted as such; CR LF is one break, LF CR two.
  const std::wstring report = InfoReportText(info);
  EXPECT_EQ(ReportStatusText(report), L"すべての情報をｺﾋﾟｰ 32行");
  EXPECT_NE(report.find(L"\tName:→Alice↓Age:→30↓↓↓↓↓↓↓\r\n"), std::wstring::npos);
  EXPECT_NE(report.find(L"\tOdd□□□□□□\r\n"), std::wstring::npos);
  EXPECT_NE(report.find(L"\t000200aa Par↓ent\r\n"), std::wstring::npos);
  EXPECT_NE(report.find(L"\tC:\\a↓b.exe\r\n"), std::wstring::npos);
  // A value copied on its own is the text itself; the title line shows it as the panel does.
  EXPECT_EQ(InfoCopyText(kItemClassName, info, false), info.ClassName);
  EXPECT_EQ(InfoCopyText(kItemExeName, info, true), L"a\u2028b.exe");
  EXPECT_EQ(CopyStatusText(L"ﾃｷｽﾄ", L"a\tb"), L"ﾃｷｽﾄをｺﾋﾟｰ a→b");
}

TEST(InfoCopyText, EmptyTextCopiesNothingAfterTheStatusLabel) {
  const TProbeInfo info;
  const std::wstring text = InfoCopyText(kItemText, info, false);
  EXPECT_EQ(text, L"");
  EXPECT_EQ(CopyStatusText(L"ウィンドウ情報/テキスト", text), L"ウィンドウ情報/テキストをｺﾋﾟｰ ");
}

TEST(InfoCaptions, TitleLineAndStatusTexts) {
  EXPECT_EQ(ZoomCaption(6), L" 6倍");
  EXPECT_EQ(ZoomCaption(20), L"20倍");
  EXPECT_EQ(FixedPointCaption({-5, 30}), L"(-5,30) ");
  EXPECT_EQ(CopyStatusText(L"カラー情報/RGB", L"255 128 0"), L"カラー情報/RGBをｺﾋﾟｰ 255 128 0");
  EXPECT_EQ(CopyStatusText(L"100%s", L"%d"), L"100%sをｺﾋﾟｰ %d");
  EXPECT_EQ(PictureCopyStatusText(), L"ｽﾞｰﾑ画像をｺﾋﾟｰ ");
  EXPECT_EQ(CopyTextErrorMessage(L"E"), L"E\r\rコピー情報を書き込めませんでした");
  EXPECT_EQ(CopyPictureErrorMessage(L"ファイル C:\\a.bmp を作成できません"),
            L"ファイル C:\\a.bmp を作成できません\r\rコピー画像を書き込めませんでした");
  EXPECT_TRUE(CopyPictureAsShown(false));
  EXPECT_FALSE(CopyPictureAsShown(true));
}

TEST(InfoFormats, OutsideTheTablesIsEmpty) {
  EXPECT_EQ(GetDisplayFormat(0), L"%2d倍");
  EXPECT_EQ(GetDisplayFormat(-1), L"");
  EXPECT_EQ(GetDisplayFormat(kInfoItemCount + 1), L"");
  EXPECT_EQ(GetCopyFormat(kInfoItemCount + 1, false), L"");
  EXPECT_EQ(GetCopyFormat(INT32_MIN, true), L"");
}

TEST(InfoGroups, ItemsBelongToTheirSubmenus) {
  for (int32_t item = 1; item <= kInfoItemCount; ++item) {
    const bool color =
        item <= 3 || item == kItemContrast || item == kItemHsl || item == kItemHistory;
    const bool position = (item >= 4 && item <= 6) || item == kItemPosDpi ||
                          item == kItemDistance || item == kItemSpacing;
    const bool element = item >= kItemElement && item <= kItemElementFramework;
    const TInfoGroup want = color      ? TInfoGroup::Color
                            : position ? TInfoGroup::Position
                            : element  ? TInfoGroup::Element
                                       : TInfoGroup::Window;
    EXPECT_EQ(InfoItemGroup(item), want) << "item " << item;
  }
  EXPECT_THROW(InfoItemGroup(0), CheckedError);
  EXPECT_EQ(InfoItemSettingsBit(kItemPosClient), 0x4u);
  EXPECT_EQ(InfoItemSettingsBit(kItemExeName), 0x400u);
  EXPECT_EQ(InfoItemSettingsBit(kItemPosDpi), 0x2u) << "the position flags' unused bit 1";
  EXPECT_EQ(InfoItemSettingsBit(kItemContrast), 0x8u);
  EXPECT_EQ(InfoItemSettingsBit(kItemHsl), 0x10u);
  EXPECT_EQ(InfoItemSettingsBit(kItemHistory), 0x20u);
  EXPECT_EQ(InfoItemSettingsBit(kItemDistance), 0x10u);
  EXPECT_EQ(InfoItemSettingsBit(kItemSpacing), 0x20u);
  EXPECT_EQ(InfoItemSettingsBit(kItemStyle), 0x40u);
  EXPECT_EQ(InfoItemSettingsBit(kItemVisibleBounds), 0x800u) << "bit 10 is the executable's";
  EXPECT_EQ(InfoItemSettingsBit(kItemElement), 0x1000u) << "the window word's bits 12-15";
  EXPECT_EQ(InfoItemSettingsBit(kItemElementFramework), 0x8000u);
  // Within a group no two items share a bit.
  for (int32_t a = 1; a <= kInfoItemCount; ++a) {
    for (int32_t b = a + 1; b <= kInfoItemCount; ++b) {
      if (InfoItemGroup(a) == InfoItemGroup(b)) {
        EXPECT_NE(InfoItemSettingsBit(a), InfoItemSettingsBit(b)) << a << " and " << b;
      }
    }
  }
}

TEST(PanelItems, EachRowNamesTheCommandsOfItsOwnGroup) {
  for (int32_t item = 1; item <= kInfoItemCount; ++item) {
    const TPanelItemDef& row = PanelItem(item);
    EXPECT_EQ(row.Item, item);
    // The HSL line copies what the colour-format copy of hsl() copies, through its command.
    if (item == kItemHsl) {
      EXPECT_EQ(row.Copy, Cmd::actCopy_FormatCssHsl);
      continue;
    }
    const std::string line = CommandName(row.Line), copy = CommandName(row.Copy);
    const char* linePrefix = row.Group == TInfoGroup::Color      ? "actColor_"
                             : row.Group == TInfoGroup::Position ? "actPos_"
                             : row.Group == TInfoGroup::Element  ? "actElement_"
                                                                 : "actWinInfo_";
    const char* copyPrefix = row.Group == TInfoGroup::Color      ? "actCopy_Color"
                             : row.Group == TInfoGroup::Position ? "actCopy_Pos"
                             : row.Group == TInfoGroup::Element  ? "actCopy_Element"
                                                                 : "actCopy_WInfo";
    EXPECT_EQ(line.rfind(linePrefix, 0), 0u) << "item " << item << ": " << line;
    EXPECT_EQ(copy.rfind(copyPrefix, 0), 0u) << "item " << item << ": " << copy;
    // The same item on both: "actColor_RGB" and "actCopy_ColorRGB".
    EXPECT_EQ(line.substr(std::strlen(linePrefix)), copy.substr(std::strlen(copyPrefix)))
        << "item " << item;
  }
  EXPECT_THROW(PanelItem(0), CheckedError);
  EXPECT_THROW(PanelItem(kInfoItemCount + 1), CheckedError);
}

TEST(InfoGroups, ToggleChecksAllUnlessAllAreChecked) {
  InfoItemChecks checks{};
  checks.fill(true);
  checks[kItemExeName - 1] = false;
  checks[kItemHTML - 1] = false;

  InfoItemChecks once = ToggleInfoGroup(checks, TInfoGroup::Window);
  for (int32_t item = kItemHandle; item <= kItemExeName; ++item) EXPECT_TRUE(once[item - 1]);
  InfoItemChecks twice = ToggleInfoGroup(once, TInfoGroup::Window);
  for (int32_t item = kItemHandle; item <= kItemExeName; ++item) EXPECT_FALSE(twice[item - 1]);
  // The other groups keep their marks, the colour group's gap included.
  for (int32_t item = kItemRGB; item <= kItemPosUser; ++item) {
    EXPECT_EQ(twice[item - 1], checks[item - 1]) << "item " << item;
  }

  InfoItemChecks none{};
  const InfoItemChecks position = ToggleInfoGroup(none, TInfoGroup::Position);
  EXPECT_EQ(position,
            (InfoItemChecks{false, false, false, true,  true,  true,  false, false, false,
                            false, false, false, false, true,  false, false, true,  false,
                            false, false, false, false, false, false, false, false, true}));
}

}  // namespace
