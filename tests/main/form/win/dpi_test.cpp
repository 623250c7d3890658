// The main window at the DPI of its monitor: created for it, and following a change of it.
#include <gtest/gtest.h>

#include <algorithm>

#include "general/win/dpi.h"
#include "my_settingfile/win/settings_file.h"
#include "tests/win/main_window.h"
#include "tests/win/played_dpi.h"

namespace {

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
    // The suggested place, kept inside the work area.
    const RECT work = WorkArea();
    EXPECT_EQ(after.left, std::min(suggested.left, work.right - (after.right - after.left)));
    EXPECT_EQ(after.top, std::min(suggested.top, work.bottom - (after.bottom - after.top)));
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

  // At the bottom of the work area the window, grown, is kept inside; not while the user drags
  // it there, where the system's move loop moves it on from the suggestion.
  const RECT work = WorkArea();
  SetWindowPos(app->Handle(), nullptr, back.left, work.bottom - (back.bottom - back.top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
  SendDpiChange(app->Handle(), start, start * 5 / 4);
  EXPECT_EQ(Bounds(*app).bottom, work.bottom);
  SendMessageW(app->Handle(), WM_ENTERSIZEMOVE, 0, 0);
  const LONG top = Bounds(*app).top;
  SendDpiChange(app->Handle(), start * 5 / 4, start * 3 / 2);
  SendMessageW(app->Handle(), WM_EXITSIZEMOVE, 0, 0);
  EXPECT_EQ(Bounds(*app).top, top);
}

// A layout that grows the window takes its centre onto a monitor of another DPI, announced in
// the middle of the layout: the window ends as if it had been there when the DPI changed.
TEST(Dpi, AChangeAnnouncedDuringALayoutIsFollowedWhenItEnds) {
  const NoSettingsFile defaults;
  auto app = StartMainWindow(POINT{600, 500});
  LoupistInternals a(*app);
  const int32_t dpi = a.Dpi(), other = dpi * 5 / 4, zoomArea = a.InfoRect().Top;
  {
    const LONG below = (Bounds(*app).top + Bounds(*app).bottom) / 2 + 1;
    PlayedMonitorDpi played([&](POINT p) { return p.y >= below ? other : dpi; }, dpi);
    a.Command(Cmd::actWinInfo_InfoOnOff).Execute();  // every window line: the window grows
    ASSERT_EQ(played.AnnouncedWhileNotReady(), 1);
  }
  EXPECT_EQ(a.Dpi(), other);
  EXPECT_EQ(a.InfoRect().Top, RescaleDpi(zoomArea, dpi, other));
  const auto measures = DpiMeasures(*app);
  RoundTripTo(*app, dpi);
  EXPECT_EQ(DpiMeasures(*app), measures);
}

// Windows 8.1 has per-monitor DPI but none of the calls that Windows 10 added to tell it.
TEST(Dpi, WindowsEightPointOneTellsTheAwarenessAndTheDpiThroughShcore) {
  const NoSettingsFile defaults;
  PlayWindows81(true);
  EXPECT_TRUE(PerMonitorDpiInEffect());
  const int32_t dpi = WindowDpi(nullptr);
  auto app = StartMainWindow(POINT{600, 500});
  app->RefreshView();
  PlayWindows81(false);
  EXPECT_EQ(LoupistInternals(*app).Dpi(), dpi) << "sizes for the monitor's DPI, not for 96";
  EXPECT_EQ(LoupistInternals(*app).Info().Dpi, dpi);
}

}  // namespace
