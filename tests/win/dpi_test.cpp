// The main window at the DPI of its monitor: created for it, and following a change of it.
#include <gtest/gtest.h>

#include "main/dpi_scale.h"
#include "main/win/internals.h"
#include "my_settingfile/win/settings_file.h"
#include "tests/win/main_window.h"

namespace {

constexpr UINT kWmDpiChanged = 0x02E0;

RECT Bounds(const TApp_Loupist& app) {
  RECT r{};
  GetWindowRect(app.Handle(), &r);
  return r;
}

// Runs with the DPI the display has: 96 in the ordinary run, 144 in the high-DPI one.
TEST(Dpi, TheWindowStartsAtTheDesignSizeForItsDpiAndEveryDefaultLineFits) {
  const NoSettingsFile defaults;
  auto app = StartMainWindow(POINT{600, 500});
  LoupistInternals a(*app);
  const int32_t dpi = a.Dpi();
  EXPECT_EQ(app->ClientWidth(), ScaleToDpi(221, dpi));
  EXPECT_EQ(a.InfoRect().Top, ScaleToDpi(194, dpi));
  // The default lines with the widest values they can show.
  TProbeInfo& info = a.Info();
  info.Red = info.Green = info.Blue = 255;
  info.RGBValue = 0xFFFFFF;
  info.ScreenPoint = Point{-10000, -10000};
  info.Window = 0x7FFFFFFF;
  info.ClassName = L"#32770";
  for (int32_t item : {kItemRGB, kItemHTML, kItemPosScreen, kItemHandle, kItemClassName}) {
    ASSERT_TRUE(a.InfoItemChecked(item)) << "item " << item << " is shown by default";
    const std::wstring line = InfoDisplayText(item, info);
    EXPECT_LE(a.View().TextExtent(line).cx + 2, app->ClientWidth())
        << "cut off at " << dpi << " dpi: " << std::string(line.begin(), line.end());
  }
}

TEST(Dpi, AChangeOfDpiRebuildsThePanelAndARoundTripEndsWhereItStarted) {
  const NoSettingsFile defaults;
  auto app = StartMainWindow(POINT{600, 500});
  LoupistInternals a(*app);
  const int32_t start = a.Dpi();
  const RECT before = Bounds(*app);
  const int32_t zoomArea = a.InfoRect().Top, lineHeight = a.LineHeight();
  a.Command(Cmd::actOpt_StayOnTop).SetChecked(true);  // its pin in the title line
  int32_t dpi = start;
  for (const int32_t next : {start * 3 / 2, start * 2, start}) {
    const RECT now = Bounds(*app);
    // As the system suggests it: the window scaled about its top-left corner, moved a little.
    RECT suggested{now.left + 10, now.top + 20, 0, 0};
    suggested.right = suggested.left + RescaleDpi(now.right - now.left, dpi, next);
    suggested.bottom = suggested.top + RescaleDpi(now.bottom - now.top, dpi, next);
    SendMessageW(app->Handle(), kWmDpiChanged, MAKEWPARAM(next, next),
                 reinterpret_cast<LPARAM>(&suggested));
    const RECT after = Bounds(*app);
    EXPECT_EQ(a.Dpi(), next);
    EXPECT_EQ(after.left, suggested.left) << next << " dpi";
    EXPECT_EQ(after.top, suggested.top) << next << " dpi";
    EXPECT_EQ(after.right - after.left, RescaleDpi(before.right - before.left, start, next))
        << "the width it started with, at " << next << " dpi";
    EXPECT_EQ(a.InfoRect().Top, RescaleDpi(zoomArea, start, next)) << "zoom area at " << next;
    EXPECT_EQ(a.InfoRect().Bottom, app->ClientHeight()) << "the panel fills the rest";
    EXPECT_GT(a.LineHeight() * start, lineHeight * next * 4 / 5) << "the font follows the DPI";
    // The pin's head, drawn at the size for this DPI: red at its middle.
    app->RefreshView();
    const int32_t icon = kStatusIconSizes[StatusIconSizeIndex(next)];
    EXPECT_EQ(a.View().Pixel(a.IconsLeft() + icon / 2, a.InfoRect().Top + 1 + icon * 9 / 28),
              RGB(200, 30, 30))
        << "the pin at " << icon << " pixels, " << next << " dpi";
    // The panel's top border, as thick as the DPI makes one pixel.
    const int32_t rule = ScaleToDpi(1, next), x = app->ClientWidth() - 3, top = a.InfoRect().Top;
    const COLORREF border = a.View().Pixel(x, top);
    EXPECT_EQ(a.View().Pixel(x, top + rule - 1), border) << next << " dpi";
    EXPECT_NE(a.View().Pixel(x, top + rule), border) << next << " dpi";
    dpi = next;
  }
  const RECT back = Bounds(*app);
  EXPECT_EQ(back.right - back.left, before.right - before.left);
  EXPECT_EQ(back.bottom - back.top, before.bottom - before.top);
  EXPECT_EQ(a.LineHeight(), lineHeight);
}

}  // namespace
