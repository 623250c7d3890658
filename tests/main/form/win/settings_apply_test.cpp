// A settings file replayed into a real main window at creation, and the window's state
// gathered back into the record when it closes.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "general/win/dpi.h"
#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "main/probe/panel_items.h"
#include "my_settingfile/builtin_tables.h"
#include "my_settingfile/settings_image.h"
#include "my_settingfile/settings_unit.h"
#include "my_settingfile/win/settings_file.h"
#include "tests/win/files_support.h"
#include "tests/win/played_dpi.h"

namespace {

class SettingsApply : public testing::Test {
 protected:
  void SetUp() override {
    InitSettingsUnit();
    SettingsFileHooksForTesting().Path = path_;
  }
  void TearDown() override {
    InitSettingsUnit();
    SettingsFileHooksForTesting().Path = std::wstring();
  }

  // What the program itself would have stored for a window at (100, 120), 300 x 250 without
  // its panel, in its start state.
  static TSettingsRecord PlainRecord() {
    TSettingsRecord r;
    r.FormRect = Rect{100, 120, 400, 370};
    r.ZoomIndex = 4;
    r.GridFlags = kGridShownBit;
    r.GridColorItem = 2;
    r.SubGridColorItem = 0;
    r.GridColor = 0x999999;
    r.SubGridColor = 0xFF6666;
    r.ColorInfoFlags = kColorRGBBit | kColorHTMLBit;
    r.PositionInfoFlags = kPosScreenBit;
    r.WindowInfoFlags = kWinInfoHandleBit | kWinInfoClassNameBit | kWinInfoTextBit;
    return r;
  }

  std::unique_ptr<TApp_Loupist> StartWith(const TSettingsRecord& record) {
    TSettingsBlocks blocks;
    blocks.Record = record;
    blocks.Keys = BuiltinKeyCommandTable();
    blocks.Gestures = BuiltinGestureCommandTable();
    EXPECT_TRUE(WriteFileBytes(path_, EncodeSettingsImage(blocks)));
    return std::make_unique<TApp_Loupist>();
  }

  // The record the program writes when the window closes.
  TSettingsRecord SavedRecord(std::unique_ptr<TApp_Loupist>& app) {
    app.reset();
    TSettingsBlocks saved;
    EXPECT_TRUE(DecodeSettingsImage(ReadFileBytes(path_), saved));
    return saved.Record;
  }

  static RECT Bounds(const TApp_Loupist& app) {
    RECT r{};
    GetWindowRect(app.Handle(), &r);
    return r;
  }

  ScratchFolder folder_;
  const std::wstring path_ = folder_ / L"loupist.bin";
};

TEST_F(SettingsApply, EveryStoredChoiceComesBack) {
  TSettingsRecord r = PlainRecord();
  r.ZoomIndex = 7;  // 12x
  r.GridFlags = 0;
  r.GridColorItem = 5;  // the chosen colour
  r.GridColor = 0x123456;
  r.SubGridColorItem = 1;
  r.SubGridColor = 0x00AA00;
  r.ColorInfoFlags = kColorCOLORREFBit;
  r.PositionInfoFlags = kPosClientBit | kPosUserBit;
  r.WindowInfoFlags = kWinInfoRectBit | kWinInfoExeNameBit;
  r.UserPos = Point{33, 44};
  r.OptionFlags = kOptStayOnTopBit | kOptBigFontBit | kOptSmoothCaptureBit;
  r.CaptureMode = kCaptureModeFixed;
  r.FixedPos = Point{640, 512};

  auto app = StartWith(r);
  LoupistInternals a(*app);
  EXPECT_EQ(a.Zoom(), 12);
  EXPECT_EQ(a.ZoomIndex(), 7);
  EXPECT_TRUE(a.Command(Cmd::actZoom_12).Checked());
  EXPECT_FALSE(a.Command(Cmd::actGrid_Disp).Checked());
  EXPECT_TRUE(a.Command(Cmd::actGrid_SelColor).Checked());
  EXPECT_EQ(a.GridColor(), 0x123456u);
  EXPECT_EQ(a.GridPenMode(), kPenModeCopy);
  EXPECT_TRUE(a.Command(Cmd::actGrid_SelSubColor).Checked());
  EXPECT_EQ(a.SubGridColor(), 0x00AA00u);
  const Cmd shown[] = {Cmd::actColor_COLORREF, Cmd::actPos_Client, Cmd::actPos_User,
                       Cmd::actWinInfo_Rect, Cmd::actWinInfo_ExeName};
  const Cmd hidden[] = {Cmd::actColor_RGB,          Cmd::actColor_HTML,        Cmd::actPos_Screen,
                        Cmd::actWinInfo_Handle,     Cmd::actWinInfo_ClassName, Cmd::actWinInfo_Text,
                        Cmd::actWinInfo_WindowSize, Cmd::actWinInfo_ClientSize};
  for (Cmd name : shown) EXPECT_TRUE(a.Command(name).Checked()) << name;
  for (Cmd name : hidden) EXPECT_FALSE(a.Command(name).Checked()) << name;
  EXPECT_EQ(RectHeight(a.InfoRect()), 6 * a.LineHeight()) << "title line and five lines";
  EXPECT_EQ(a.Info().UserOrigin, (Point{33, 44}));
  EXPECT_TRUE(a.Command(Cmd::actOpt_StayOnTop).Checked());
  EXPECT_TRUE(GetWindowLongW(app->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(a.Command(Cmd::actOpt_BigFont).Checked());
  EXPECT_TRUE(a.Command(Cmd::actOpt_SmoothCapture).Checked());
  EXPECT_EQ(app->Timer_Main.Interval(), 30u);
  EXPECT_TRUE(a.Command(Cmd::actCapture_Fixed).Checked());
  EXPECT_EQ(a.Info().ScreenPoint, (Point{640, 512}));
  // The stored rectangle leaves out the panel; the layout puts it below.
  const RECT b = Bounds(*app);
  EXPECT_EQ(b.left, 100);
  EXPECT_EQ(b.top, 120);
  EXPECT_EQ(b.right - b.left, 300);
  EXPECT_EQ(b.bottom - b.top, 250 + RectHeight(a.InfoRect()));

  // Closing stores the same choices again.
  const TSettingsRecord saved = SavedRecord(app);
  EXPECT_EQ(saved, r);
}

TEST_F(SettingsApply, OutOfRangeValuesAreClampedOrIgnored) {
  TSettingsRecord r = PlainRecord();
  r.ZoomIndex = 200;
  r.UserPos = Point{-100, 5000};
  r.GridColorItem = 6;        // the separator: no colour item
  r.GridColor = 0x80000000u;  // no colour a command can hold
  r.SubGridColorItem = 9;     // past the end of the submenu
  r.SubGridColor = 0xFFFFFFFFu;
  r.ColorInfoFlags = kColorCOLORREFBit;  // the rest of the file still applies

  auto app = StartWith(r);
  LoupistInternals a(*app);
  EXPECT_EQ(a.Zoom(), 20) << "the last zoom item";
  EXPECT_EQ(a.ZoomIndex(), 9);
  const Rect desktop = MyMonitors().GetDesktopRect();
  EXPECT_EQ(a.Info().UserOrigin, (Point{std::max(-100, desktop.Left), desktop.Bottom}))
      << "clamped to the desktop, its far edges included";
  EXPECT_TRUE(a.Command(Cmd::actGrid_Gray).Checked());
  EXPECT_EQ(a.Command(Cmd::actGrid_SelColor).Tag(), 0x999999);
  EXPECT_EQ(a.GridColor(), 0x999999u);
  EXPECT_TRUE(a.Command(Cmd::actGrid_SubBlue).Checked());
  EXPECT_EQ(a.Command(Cmd::actGrid_SelSubColor).Tag(), 0xFF6666);
  EXPECT_TRUE(a.Command(Cmd::actColor_COLORREF).Checked());
  EXPECT_FALSE(a.Command(Cmd::actColor_RGB).Checked());

  const TSettingsRecord saved = SavedRecord(app);
  EXPECT_EQ(saved.ZoomIndex, 9);
  EXPECT_EQ(saved.GridColorItem, 2);
  EXPECT_EQ(saved.SubGridColorItem, 0);
  EXPECT_EQ(saved.GridColor, 0x999999u);
}

TEST_F(SettingsApply, WindowPlace) {
  // A stored width of 50 keeps the current size but takes the stored position.
  TSettingsRecord r = PlainRecord();
  r.FormRect = Rect{200, 150, 250, 500};
  auto app = StartWith(r);
  RECT b = Bounds(*app);
  EXPECT_EQ(b.left, 200);
  EXPECT_EQ(b.top, 150);
  EXPECT_EQ(b.right - b.left, 221) << "the design width";
  app.reset();

  // A place off every monitor is pulled into the work area.
  r.FormRect = Rect{5000, 4000, 5300, 4250};
  app = StartWith(r);
  b = Bounds(*app);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(b.right, work.right);
  EXPECT_EQ(b.bottom, work.bottom);
  app.reset();

  // Shift at start: (0, 0). Ctrl at start: left where the file says, even off the monitors.
  {
    HeldKey shift(VK_SHIFT);
    app = StartWith(PlainRecord());
  }
  b = Bounds(*app);
  EXPECT_EQ(b.left, 0);
  EXPECT_EQ(b.top, 0);
  app.reset();
  {
    HeldKey ctrl(VK_CONTROL);
    app = StartWith(r);
  }
  b = Bounds(*app);
  EXPECT_EQ(b.left, 5000);
  EXPECT_EQ(b.top, 4000);
}

TEST_F(SettingsApply, TheWholeWindowFitsTheWorkAreaOfItsMonitor) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const auto inside = [&](const RECT& b) {
    return b.left >= work.left && b.top >= work.top && b.right <= work.right &&
           b.bottom <= work.bottom;
  };
  // A file saved with the whole screen above the panel, or with the largest place there is.
  const Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  for (const Rect& stored : {screen, Rect{-32768, -32768, 32767, 32767}}) {
    TSettingsRecord r = PlainRecord();
    r.FormRect = stored;
    auto app = StartWith(r);
    const RECT b = Bounds(*app);
    EXPECT_TRUE(inside(b)) << b.left << "," << b.top << " " << b.right << "," << b.bottom;
    EXPECT_EQ(b.bottom - b.top, work.bottom - work.top) << "the zoom area gave way, no more";
  }

  // Lines turned on at the bottom of the work area: the panel stays on the screen.
  auto app = StartWith(PlainRecord());
  LoupistInternals a(*app);
  RECT b = Bounds(*app);
  SetWindowPos(app->Handle(), nullptr, b.left, work.bottom - (b.bottom - b.top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (int32_t item = 1; item <= kInfoItemCount; ++item) {
    Action& line = a.Command(PanelItem(item).Line);
    if (!line.Checked() && line.Visible()) line.Execute();
  }
  b = Bounds(*app);
  EXPECT_TRUE(inside(b)) << b.left << "," << b.top << " " << b.right << "," << b.bottom;
  EXPECT_EQ(b.bottom - b.top, 250 + RectHeight(a.InfoRect())) << "moved, not shrunk";
}

// The stored place lies on a monitor of another DPI, announced while the program places the
// window: it ends with that monitor's font and panel, at the stored size, inside the work area.
TEST_F(SettingsApply, AStoredPlaceOnAMonitorOfAnotherDpi) {
  const int32_t dpi = WindowDpi(nullptr);
  SetCursorPos(300, 500);
  TSettingsRecord r = PlainRecord();
  r.FormRect = Rect{700, 100, 1000, 350};
  std::unique_ptr<TApp_Loupist> app;
  {
    PlayedMonitorDpi played([&](POINT p) { return p.x >= 640 ? dpi * 2 : dpi; }, dpi);
    app = StartWith(r);
  }
  EXPECT_EQ(LoupistInternals(*app).Dpi(), dpi * 2);
  EXPECT_EQ(app->ClientWidth(), 300);
  EXPECT_EQ(LoupistInternals(*app).InfoRect().Top, 250);
  EXPECT_LE(Bounds(*app).bottom, WorkArea().bottom);
  const auto measures = DpiMeasures(*app);
  RoundTripTo(*app, dpi);
  EXPECT_EQ(DpiMeasures(*app), measures);
}

TEST_F(SettingsApply, StoredCaptureModes) {
  TSettingsRecord r = PlainRecord();
  r.CaptureMode = kCaptureModeFollow;
  r.FixedPos = Point{7, 9};
  auto app = StartWith(r);
  LoupistInternals a(*app);
  EXPECT_FALSE(a.Command(Cmd::actCapture_Fixed).Checked());
  EXPECT_FALSE(a.Command(Cmd::actCapture_Lupe).Checked());
  EXPECT_NE(a.Info().ScreenPoint, (Point{7, 9})) << "the probe follows the cursor";
  app.reset();

  r.CaptureMode = kCaptureModeLupe;
  app = StartWith(r);
  LoupistInternals b(*app);
  EXPECT_TRUE(b.Command(Cmd::actCapture_Lupe).Checked());
  EXPECT_FALSE(b.Command(Cmd::actOpt_NoSelfCapture).Enabled()) << "the loupe command ran";
  EXPECT_EQ(SavedRecord(app).CaptureMode, kCaptureModeLupe);
}

TEST_F(SettingsApply, EndOfSessionAndMinimisedClose) {
  auto app = StartWith(PlainRecord());
  LoupistInternals a(*app);
  a.Command(Cmd::actZoom_16).Execute();
  // The session may end: the settings are saved at once, and the window keeps working.
  EXPECT_EQ(SendMessageW(app->Handle(), WM_QUERYENDSESSION, 0, 0), 1);
  TSettingsBlocks saved;
  ASSERT_TRUE(DecodeSettingsImage(ReadFileBytes(path_), saved));
  EXPECT_EQ(saved.Record.ZoomIndex, 8);
  EXPECT_EQ(app->Tag, 1);

  // Closed while minimised: the normal bounds are stored, not the minimised ones.
  ShowWindow(app->Handle(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(app->Handle()));
  // A session that goes on finds the window still minimised; the normal bounds are saved.
  EXPECT_EQ(SendMessageW(app->Handle(), WM_QUERYENDSESSION, 0, 0), 1);
  EXPECT_TRUE(IsIconic(app->Handle()));
  ASSERT_TRUE(DecodeSettingsImage(ReadFileBytes(path_), saved));
  EXPECT_EQ(saved.Record.FormRect, PlainRecord().FormRect);
  const TSettingsRecord closed = SavedRecord(app);
  EXPECT_EQ(closed.FormRect.Left, 100);
  EXPECT_EQ(closed.FormRect.Top, 120);
  EXPECT_EQ(closed.FormRect, PlainRecord().FormRect);
}

TEST_F(SettingsApply, NoFileMeansDefaultsAndAFileAtExit) {
  auto app = std::make_unique<TApp_Loupist>();
  LoupistInternals a(*app);
  EXPECT_EQ(a.Zoom(), 6);
  EXPECT_GE(a.LineHeight(), 13) << "the metrics exist without a file";
  const RECT b = Bounds(*app);
  const Rect panel = a.InfoRect();
  app.reset();
  const std::vector<uint8_t> saved = ReadFileBytes(path_);
  ASSERT_EQ(saved.size(), 339u);
  TSettingsBlocks blocks;
  ASSERT_TRUE(DecodeSettingsImage(saved, blocks));
  EXPECT_EQ(blocks.Record.FormRect, (Rect{b.left, b.top, b.right, b.bottom - RectHeight(panel)}));
  EXPECT_EQ(blocks.Record.ZoomIndex, 4);
  EXPECT_EQ(blocks.Record.GridColorItem, 2);
  EXPECT_EQ(blocks.Keys, BuiltinKeyCommandTable());
}

}  // namespace
