#include "my_settingfile/settings_plan.h"

#include <gtest/gtest.h>

#include <optional>

#include "base/checked.h"

namespace {

TApplyEnvironment Desktop(int32_t left, int32_t top, int32_t width, int32_t height) {
  TApplyEnvironment env;
  env.ZoomItemCount = 10;
  env.DesktopLeft = left;
  env.DesktopTop = top;
  env.DesktopWidth = width;
  env.DesktopHeight = height;
  env.WindowSize = Size{221, 194};
  return env;
}

TApplyEnvironment SingleFullHdMonitor() { return Desktop(0, 0, 1920, 1080); }
// A 1280 x 1024 monitor left of a Full HD primary.
TApplyEnvironment LeftMonitorDesktop() { return Desktop(-1280, 0, 3200, 1080); }
// A 1024 x 768 monitor above the primary.
TApplyEnvironment UpperMonitorDesktop() { return Desktop(0, -768, 1920, 1848); }

// A record as the program itself writes it.
TSettingsRecord SaneRecord() {
  TSettingsRecord r;
  r.FormRect = Rect{100, 200, 400, 450};
  r.ZoomIndex = 4;
  r.GridFlags = 1;
  r.GridColorItem = 5;
  r.SubGridColorItem = 1;
  r.GridColor = 0x00336699;
  r.SubGridColor = 0x00FF6666;
  r.ColorInfoFlags = 0b011;
  r.PositionInfoFlags = 0b1001;
  r.UserPos = Point{30, 40};
  r.WindowInfoFlags = 0x407;
  r.OptionFlags = 0b101001;
  r.CaptureMode = 2;
  r.FixedPos = Point{-5, 7};
  return r;
}

TSettingsStoreInput StoreInputOfPlan(const TSettingsApplyPlan& plan, const Rect& bounds,
                                     int32_t infoHeight) {
  TSettingsStoreInput in;
  in.WindowBounds = bounds;
  in.InfoAreaHeight = infoHeight;
  in.ZoomIndex = plan.ZoomIndex;
  in.Checks = plan.Checks;
  in.CheckedGridColorItem = plan.GridColorItem.value_or(-1);
  in.CheckedSubGridColorItem = plan.SubGridColorItem.value_or(-1);
  in.GridColorTag = plan.GridColorTag.value_or(0);
  in.SubGridColorTag = plan.SubGridColorTag.value_or(0);
  in.UserOrigin = plan.UserOrigin;
  in.ScreenPoint = plan.FixedPos;
  in.ReferenceColor = plan.ReferenceColor;
  in.Language = plan.Language;
  in.ToleranceIndex = plan.ToleranceIndex;
  in.SampleSizeIndex = plan.SampleSizeIndex;
  return in;
}

}  // namespace

TEST(PlanApplySettings, ZoomIndexIsClampedToTheZoomSubmenu) {
  TSettingsRecord r;
  const TApplyEnvironment env = SingleFullHdMonitor();
  r.ZoomIndex = 200;
  EXPECT_EQ(PlanApplySettings(r, env).ZoomIndex, 9);
  r.ZoomIndex = 9;
  EXPECT_EQ(PlanApplySettings(r, env).ZoomIndex, 9);
  r.ZoomIndex = 0;
  EXPECT_EQ(PlanApplySettings(r, env).ZoomIndex, 0);
}

// The user origin may lie on the desktop's far edge; the capture point must be one of its
// pixels. On a single monitor at (0, 0) the desktop's bounds are 0 and its size.
TEST(PlanApplySettings, UserOriginAndFixedPointAreClampedToTheDesktop) {
  struct Case {
    const char* what;
    TApplyEnvironment env;
    Point stored;
    Point origin;
    Point fixed;
  };
  const Case cases[] = {
      {"one monitor, outside", SingleFullHdMonitor(), {-100, 5000}, {0, 1080}, {0, 1079}},
      {"one monitor, far edge", SingleFullHdMonitor(), {1920, 0}, {1920, 0}, {1919, 0}},
      {"one monitor, inside", SingleFullHdMonitor(), {640, 512}, {640, 512}, {640, 512}},
      {"on the left monitor", LeftMonitorDesktop(), {-1000, 500}, {-1000, 500}, {-1000, 500}},
      {"left of the left monitor",
       LeftMonitorDesktop(),
       {-5000, 3000},
       {-1280, 1080},
       {-1280, 1079}},
      {"ends of the range, left monitor",
       LeftMonitorDesktop(),
       {INT32_MAX, INT32_MIN},
       {1920, 0},
       {1919, 0}},
      {"on the upper monitor", UpperMonitorDesktop(), {5, -700}, {5, -700}, {5, -700}},
      {"ends of the range, upper monitor",
       UpperMonitorDesktop(),
       {INT32_MIN, INT32_MIN},
       {0, -768},
       {0, -768}},
      {"below the desktop, upper monitor",
       UpperMonitorDesktop(),
       {100, INT32_MAX},
       {100, 1080},
       {100, 1079}},
  };
  for (const Case& c : cases) {
    TSettingsRecord r;
    r.UserPos = c.stored;
    r.FixedPos = c.stored;
    const TSettingsApplyPlan plan = PlanApplySettings(r, c.env);
    EXPECT_EQ(plan.UserOrigin, c.origin) << c.what;
    EXPECT_EQ(plan.FixedPos, c.fixed) << c.what;
  }
}

TEST(PlanApplySettings, FlagBitsMapToTheirCommands) {
  struct Case {
    const char* what;
    TSettingsRecord record;
    bool TSettingsChecks::*check;
  };
  auto rec = [](uint16_t grid, uint16_t color, uint16_t pos, uint32_t win, uint16_t opt) {
    TSettingsRecord r;
    r.GridFlags = grid;
    r.ColorInfoFlags = color;
    r.PositionInfoFlags = pos;
    r.WindowInfoFlags = win;
    r.OptionFlags = opt;
    return r;
  };
  const Case cases[] = {
      {"grid", rec(1, 0, 0, 0, 0), &TSettingsChecks::GridDisp},
      {"rgb", rec(0, 1, 0, 0, 0), &TSettingsChecks::ColorRGB},
      {"html", rec(0, 2, 0, 0, 0), &TSettingsChecks::ColorHTML},
      {"colorref", rec(0, 4, 0, 0, 0), &TSettingsChecks::ColorCOLORREF},
      {"screen", rec(0, 0, 1, 0, 0), &TSettingsChecks::PosScreen},
      {"client", rec(0, 0, 4, 0, 0), &TSettingsChecks::PosClient},
      {"user", rec(0, 0, 8, 0, 0), &TSettingsChecks::PosUser},
      {"dpi, in the bit the first layout left 0", rec(0, 0, 2, 0, 0), &TSettingsChecks::PosDpi},
      {"handle", rec(0, 0, 0, 1, 0), &TSettingsChecks::WinInfoHandle},
      {"class", rec(0, 0, 0, 2, 0), &TSettingsChecks::WinInfoClassName},
      {"text", rec(0, 0, 0, 4, 0), &TSettingsChecks::WinInfoText},
      {"window size", rec(0, 0, 0, 8, 0), &TSettingsChecks::WinInfoWindowSize},
      {"client size", rec(0, 0, 0, 16, 0), &TSettingsChecks::WinInfoClientSize},
      {"rect", rec(0, 0, 0, 32, 0), &TSettingsChecks::WinInfoRect},
      {"exe", rec(0, 0, 0, 1024, 0), &TSettingsChecks::WinInfoExeName},
      // Lines added later, in bits the first layout leaves 0.
      {"contrast", rec(0, 8, 0, 0, 0), &TSettingsChecks::ColorContrast},
      {"hsl", rec(0, 16, 0, 0, 0), &TSettingsChecks::ColorHsl},
      {"history", rec(0, 32, 0, 0, 0), &TSettingsChecks::ColorHistory},
      {"distance", rec(0, 0, 16, 0, 0), &TSettingsChecks::PosDistance},
      {"spacing", rec(0, 0, 32, 0, 0), &TSettingsChecks::PosSpacing},
      {"style", rec(0, 0, 0, 64, 0), &TSettingsChecks::WinInfoStyle},
      {"parent", rec(0, 0, 0, 128, 0), &TSettingsChecks::WinInfoParent},
      {"process", rec(0, 0, 0, 256, 0), &TSettingsChecks::WinInfoProcess},
      {"dpi awareness", rec(0, 0, 0, 512, 0), &TSettingsChecks::WinInfoDpiAwareness},
      {"visible bounds", rec(0, 0, 0, 2048, 0), &TSettingsChecks::WinInfoVisibleBounds},
      {"element", rec(0, 0, 0, 0x1000, 0), &TSettingsChecks::Element},
      {"element id", rec(0, 0, 0, 0x2000, 0), &TSettingsChecks::ElementId},
      {"element bounds", rec(0, 0, 0, 0x4000, 0), &TSettingsChecks::ElementBounds},
      {"element framework", rec(0, 0, 0, 0x8000, 0), &TSettingsChecks::ElementFramework},
      {"stay on top", rec(0, 0, 0, 0, 1), &TSettingsChecks::OptStayOnTop},
      {"big font", rec(0, 0, 0, 0, 8), &TSettingsChecks::OptBigFont},
      {"no self capture", rec(0, 0, 0, 0, 16), &TSettingsChecks::OptNoSelfCapture},
      {"smooth", rec(0, 0, 0, 0, 32), &TSettingsChecks::OptSmoothCapture},
  };
  for (const Case& c : cases) {
    TSettingsChecks want;
    want.*c.check = true;
    EXPECT_EQ(PlanApplySettings(c.record, SingleFullHdMonitor()).Checks, want) << c.what;
  }
  // Unassigned bits switch nothing on; instant follow is on unless its bit says off.
  EXPECT_EQ(
      PlanApplySettings(rec(0xFFFE, 0xFFC0, 0xFFC0, 0xFFFF0000u, 0xFBC6), SingleFullHdMonitor())
          .Checks,
      TSettingsChecks{});
  EXPECT_FALSE(
      PlanApplySettings(rec(0, 0, 0, 0, 0x400), SingleFullHdMonitor()).Checks.OptInstantFollow);
}

TEST(PlanApplySettings, CaptureModeChoosesAtMostOneMode) {
  struct Case {
    uint16_t mode;
    bool lupe, fixed;
  };
  const Case cases[] = {
      {0, false, false}, {1, true, false}, {2, false, true}, {3, false, true}, {4, false, false}};
  for (const Case& c : cases) {
    TSettingsRecord r;
    r.CaptureMode = c.mode;
    r.FixedPos = Point{1500, 77};
    const TSettingsApplyPlan plan = PlanApplySettings(r, SingleFullHdMonitor());
    EXPECT_EQ(plan.Checks.CaptureLupe, c.lupe) << c.mode;
    EXPECT_EQ(plan.Checks.CaptureFixed, c.fixed) << c.mode;
    EXPECT_EQ(plan.FixedPos, (Point{1500, 77}));
  }
}

TEST(PlanApplySettings, ColourItemsThatNameNoColourAreIgnoredAlone) {
  for (int item = 0; item <= 255; ++item) {
    TSettingsRecord r = SaneRecord();
    r.GridColorItem = static_cast<uint8_t>(item);
    r.SubGridColorItem = static_cast<uint8_t>(item);
    const TSettingsApplyPlan plan = PlanApplySettings(r, SingleFullHdMonitor());
    const std::optional<int32_t> wantGrid =
        item >= 2 && item <= 5 ? std::optional<int32_t>(item) : std::nullopt;
    const std::optional<int32_t> wantSub =
        item <= 1 ? std::optional<int32_t>(7 + item) : std::nullopt;
    EXPECT_EQ(plan.GridColorItem, wantGrid) << item;
    EXPECT_EQ(plan.SubGridColorItem, wantSub) << item;
    // The rest of the record still applies.
    EXPECT_EQ(plan.GridColorTag, 0x00336699);
    EXPECT_EQ(plan.ZoomIndex, 4);
  }
}

TEST(PlanApplySettings, ColoursFromTwoToTheThirtyFirstUpAreIgnored) {
  TSettingsRecord r = SaneRecord();
  r.GridColor = 0x80000000u;
  r.SubGridColor = 0x7FFFFFFFu;
  TSettingsApplyPlan plan = PlanApplySettings(r, SingleFullHdMonitor());
  EXPECT_FALSE(plan.GridColorTag.has_value());
  EXPECT_EQ(plan.SubGridColorTag, 0x7FFFFFFF);
  EXPECT_EQ(plan.GridColorItem, 5);

  r.GridColor = 0;
  r.SubGridColor = 0xFFFFFFFFu;
  plan = PlanApplySettings(r, SingleFullHdMonitor());
  EXPECT_EQ(plan.GridColorTag, 0);
  EXPECT_FALSE(plan.SubGridColorTag.has_value());
}

TEST(PlanApplySettings, WindowSizeNeedsMoreThanFiftyPixelsEachWay) {
  struct Case {
    Rect rect;
    bool sized;
  };
  const Case cases[] = {
      {{10, 20, 60, 300}, false},   // 50 wide
      {{10, 20, 61, 71}, true},     // 51 x 51
      {{10, 20, 300, 70}, false},   // 50 high
      {{300, 20, 10, 400}, false},  // inverted
      {{-10, -20, 1000, 700}, true},
  };
  for (const Case& c : cases) {
    const TSettingsRecord r = [&c] {
      TSettingsRecord rec;
      rec.FormRect = c.rect;
      return rec;
    }();
    const TSettingsApplyPlan plan = PlanApplySettings(r, SingleFullHdMonitor());
    EXPECT_EQ(plan.WindowSize.has_value(), c.sized) << c.rect.Left << "," << c.rect.Right;
    if (plan.WindowSize) {
      EXPECT_EQ(plan.WindowSize->Width, c.rect.Right - c.rect.Left);
      EXPECT_EQ(plan.WindowSize->Height, c.rect.Bottom - c.rect.Top);
    }
    EXPECT_EQ(plan.WindowPos, (Point{c.rect.Left, c.rect.Top}));
  }
}

// Window messages carry coordinates in 16 bits: a stored place outside that range leaves the
// window where start-up put it, at the size it has. Anything inside comes back as stored,
// except a size larger than the desktop.
TEST(PlanApplySettings, AStoredPlaceOutsideTheWindowCoordinateRangeFallsBack) {
  struct Case {
    const char* what;
    Rect rect;
    std::optional<Point> pos;
    std::optional<Size> size;
  };
  const Case cases[] = {
      {"ordinary", {100, 200, 400, 450}, Point{100, 200}, Size{300, 250}},
      {"at the low end", {-32768, -32768, -32468, -32518}, Point{-32768, -32768}, Size{300, 250}},
      {"at the high end", {32467, 32517, 32767, 32767}, Point{32467, 32517}, Size{300, 250}},
      {"Left near INT32_MAX", {2147483000, 100, 2147483300, 350}, std::nullopt, std::nullopt},
      {"Top near INT32_MAX", {100, 2147483000, 400, 2147483250}, std::nullopt, std::nullopt},
      {"height near INT32_MAX", {100, 100, 400, 2147483000}, std::nullopt, std::nullopt},
      {"wider than any int32", {INT32_MIN, 0, INT32_MAX, 100}, std::nullopt, std::nullopt},
      {"Right one past the range", {32468, 0, 32768, 250}, std::nullopt, std::nullopt},
      {"Left one before the range", {-32769, 0, -32469, 250}, std::nullopt, std::nullopt},
      {"larger than the desktop",
       {-32768, -32768, 32767, 32767},
       Point{-32768, -32768},
       Size{1920, 1080}},
      {"wider than the desktop", {0, 0, 5000, 300}, Point{0, 0}, Size{1920, 300}},
      {"as large as the desktop", {0, 0, 1920, 1080}, Point{0, 0}, Size{1920, 1080}},
      {"small, own size fits", {32546, 32573, 32596, 32700}, Point{32546, 32573}, std::nullopt},
      // The window keeps its 221 x 194, which from there would reach past 32767.
      {"small, own size does not fit", {32700, 0, 32750, 300}, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    TSettingsRecord r;
    r.FormRect = c.rect;
    const TSettingsApplyPlan plan = PlanApplySettings(r, SingleFullHdMonitor());
    EXPECT_EQ(plan.WindowPos, c.pos) << c.what;
    EXPECT_EQ(plan.WindowSize, c.size) << c.what;
    EXPECT_TRUE(plan.KeepOnMonitor) << c.what;
  }
}

TEST(PlanApplySettings, ShiftStartsAtTheOriginAndCtrlSkipsTheMonitorPull) {
  const TSettingsRecord r = SaneRecord();
  TApplyEnvironment env = SingleFullHdMonitor();
  TSettingsApplyPlan plan = PlanApplySettings(r, env);
  EXPECT_EQ(plan.WindowPos, (Point{100, 200}));
  EXPECT_TRUE(plan.KeepOnMonitor);

  env.ShiftDown = true;
  plan = PlanApplySettings(r, env);
  EXPECT_EQ(plan.WindowPos, (Point{0, 0}));
  EXPECT_TRUE(plan.KeepOnMonitor);

  env.ShiftDown = false;
  env.CtrlDown = true;
  plan = PlanApplySettings(r, env);
  EXPECT_EQ(plan.WindowPos, (Point{100, 200}));
  EXPECT_FALSE(plan.KeepOnMonitor);

  // A place that cannot be laid out: Shift still starts at the origin, at the window's own
  // size; Ctrl still leaves the window unpulled, where start-up put it.
  TSettingsRecord far = SaneRecord();
  far.FormRect = Rect{2147483000, 2147483000, 2147483300, 2147483250};
  env.CtrlDown = false;
  env.ShiftDown = true;
  plan = PlanApplySettings(far, env);
  EXPECT_EQ(plan.WindowPos, (Point{0, 0}));
  EXPECT_FALSE(plan.WindowSize.has_value());
  EXPECT_TRUE(plan.KeepOnMonitor);
  env.ShiftDown = false;
  env.CtrlDown = true;
  plan = PlanApplySettings(far, env);
  EXPECT_FALSE(plan.WindowPos.has_value());
  EXPECT_FALSE(plan.KeepOnMonitor);
}

TEST(BuildSettingsRecord, WhatWasAppliedIsStoredBackUnchanged) {
  TSettingsRecord r = SaneRecord();
  r.Reserved = {1, 2, 3, 4};
  // The fixed point (-5, 7) lies on the left monitor.
  const TSettingsApplyPlan plan = PlanApplySettings(r, LeftMonitorDesktop());
  // The window grew its information area (90 pixels) below the stored height.
  const TSettingsStoreInput in = StoreInputOfPlan(plan, Rect{100, 200, 400, 540}, 90);
  EXPECT_EQ(BuildSettingsRecord(r, in), r);
  // The DPI line's bit and instant follow's off bit go round the same way; without them the
  // record is that of the first layout, byte for byte.
  r.PositionInfoFlags |= kPosDpiBit;
  r.OptionFlags |= kOptInstantFollowOffBit;
  const TSettingsApplyPlan withDpi = PlanApplySettings(r, LeftMonitorDesktop());
  EXPECT_TRUE(withDpi.Checks.PosDpi);
  EXPECT_EQ(BuildSettingsRecord(r, StoreInputOfPlan(withDpi, Rect{100, 200, 400, 540}, 90)), r);
  // So do the sample sizes in the colour word's bits 8 and 9, which the first layout leaves 0
  // for its one pixel.
  EXPECT_EQ(PlanApplySettings(r, LeftMonitorDesktop()).SampleSizeIndex, 0);
  for (int32_t index = 1; index <= 3; ++index) {
    r.ColorInfoFlags = static_cast<uint16_t>((r.ColorInfoFlags & 0xFCFF) | index << 8);
    const TSettingsApplyPlan sampled = PlanApplySettings(r, LeftMonitorDesktop());
    EXPECT_EQ(sampled.SampleSizeIndex, index);
    EXPECT_EQ(BuildSettingsRecord(r, StoreInputOfPlan(sampled, Rect{100, 200, 400, 540}, 90)), r);
  }
}

TEST(SettingsLanguage, AChoiceTakesTwoSpareOptionBitsAndNoBitsLeaveItToTheSystem) {
  const struct {
    uint16_t bits;
    std::optional<uint8_t> language;
  } cases[] = {{0, std::nullopt},
               {kOptLanguageChosenBit, 0},
               {kOptLanguageChosenBit | kOptLanguageNumberBit, 1},
               // A number without the mark is no choice; an original-layout program drops both.
               {kOptLanguageNumberBit, std::nullopt}};
  for (const auto& c : cases) {
    TSettingsRecord r = SaneRecord();
    r.OptionFlags |= c.bits;
    const TSettingsApplyPlan plan = PlanApplySettings(r, SingleFullHdMonitor());
    EXPECT_EQ(plan.Language, c.language) << c.bits;
    EXPECT_EQ(plan.Checks, PlanApplySettings(SaneRecord(), SingleFullHdMonitor()).Checks) << c.bits;
    const TSettingsRecord stored =
        BuildSettingsRecord(r, StoreInputOfPlan(plan, Rect{100, 200, 400, 540}, 90));
    EXPECT_EQ(stored.OptionFlags, SaneRecord().OptionFlags | (c.language ? c.bits : 0)) << c.bits;
  }
  TSettingsStoreInput in = StoreInputOfPlan(PlanApplySettings(SaneRecord(), SingleFullHdMonitor()),
                                            Rect{100, 200, 400, 540}, 90);
  in.Language = 2;
  EXPECT_THROW(BuildSettingsRecord(SaneRecord(), in), CheckedError);
}

// The tolerance's index takes the position word's bits 8-10; the two indexes past the six
// tolerances, which the program never writes, read as exact.
TEST(SettingsTolerance, AnIndexInThreeSparePositionBits) {
  const struct {
    uint16_t bits;
    uint8_t index;
  } cases[] = {{0, 0}, {0x0100, 1}, {0x0500, 5}, {0x0600, 0}, {0x0700, 0}};
  for (const auto& c : cases) {
    TSettingsRecord r = SaneRecord();
    r.PositionInfoFlags |= c.bits;
    const TSettingsApplyPlan plan = PlanApplySettings(r, SingleFullHdMonitor());
    EXPECT_EQ(plan.ToleranceIndex, c.index) << c.bits;
    EXPECT_EQ(plan.Checks, PlanApplySettings(SaneRecord(), SingleFullHdMonitor()).Checks) << c.bits;
    const TSettingsRecord stored =
        BuildSettingsRecord(r, StoreInputOfPlan(plan, Rect{100, 200, 400, 540}, 90));
    EXPECT_EQ(stored.PositionInfoFlags, SaneRecord().PositionInfoFlags | (c.index << 8)) << c.bits;
  }
  TSettingsStoreInput in = StoreInputOfPlan(PlanApplySettings(SaneRecord(), SingleFullHdMonitor()),
                                            Rect{100, 200, 400, 540}, 90);
  in.ToleranceIndex = 6;
  EXPECT_THROW(BuildSettingsRecord(SaneRecord(), in), CheckedError);
}

TEST(ReferenceColour, LivesInTheReservedBytesOnlyWithItsMark) {
  // The fixed point (-5, 7) lies on the left monitor.
  const Rect bounds{100, 200, 400, 540};
  struct Case {
    const char* what;
    std::array<uint8_t, 4> loaded;
    uint32_t applied;  // the reference the plan gives
  };
  const Case cases[] = {
      {"the original layout's zeros", {0, 0, 0, 0}, 0xFFFFFF},
      {"bytes of unknown meaning", {1, 2, 3, 4}, 0xFFFFFF},
      {"a stored reference", {0x76, 0x76, 0x76, kReferenceColorMark}, 0x767676},
      {"a stored black", {0, 0, 0, kReferenceColorMark}, 0x000000},
  };
  for (const Case& c : cases) {
    TSettingsRecord r = SaneRecord();
    r.Reserved = c.loaded;
    const TSettingsApplyPlan plan = PlanApplySettings(r, LeftMonitorDesktop());
    EXPECT_EQ(plan.ReferenceColor, c.applied) << c.what;
    // Stored back as loaded, whatever the bytes were.
    EXPECT_EQ(BuildSettingsRecord(r, StoreInputOfPlan(plan, bounds, 90)), r) << c.what;
  }

  // A reference taken in this run is stored with its mark, over whatever the bytes held, and
  // comes back; white after a stored reference is stored too, so the old one does not return.
  TSettingsRecord r = SaneRecord();
  r.Reserved = {1, 2, 3, 4};
  TSettingsStoreInput in = StoreInputOfPlan(PlanApplySettings(r, LeftMonitorDesktop()), bounds, 0);
  in.ReferenceColor = 0xA49A80;
  const TSettingsRecord stored = BuildSettingsRecord(r, in);
  EXPECT_EQ(stored.Reserved, (std::array<uint8_t, 4>{0xA4, 0x9A, 0x80, kReferenceColorMark}));
  EXPECT_EQ(PlanApplySettings(stored, LeftMonitorDesktop()).ReferenceColor, 0xA49A80u);
  in.ReferenceColor = 0xFFFFFF;
  const TSettingsRecord white = BuildSettingsRecord(stored, in);
  EXPECT_EQ(PlanApplySettings(white, LeftMonitorDesktop()).ReferenceColor, 0xFFFFFFu);
  // Everything outside the reserved bytes is what the original layout would store.
  TSettingsRecord withoutReference = stored;
  withoutReference.Reserved = r.Reserved;
  EXPECT_EQ(withoutReference,
            BuildSettingsRecord(
                r, StoreInputOfPlan(PlanApplySettings(r, LeftMonitorDesktop()), bounds, 0)));
}

TEST(BuildSettingsRecord, FlagsAreRebuiltFromZeroAndStayOnTopIsNotInverted) {
  TSettingsRecord previous;
  previous.ColorInfoFlags = 0xFFFF;
  previous.WindowInfoFlags = 0xFFFFFFFFu;
  previous.Reserved = {9, 9, 9, 9};
  TSettingsStoreInput in;
  in.Checks.OptStayOnTop = true;
  in.Checks.PosClient = true;
  in.Checks.WinInfoExeName = true;
  const TSettingsRecord r = BuildSettingsRecord(previous, in);
  EXPECT_EQ(r.OptionFlags, 1);
  EXPECT_EQ(r.PositionInfoFlags, 4);
  EXPECT_EQ(r.WindowInfoFlags, 1024u);
  EXPECT_EQ(r.ColorInfoFlags, 0);
  EXPECT_EQ(r.GridFlags, 0);
  EXPECT_EQ(r.Reserved, (std::array<uint8_t, 4>{9, 9, 9, 9}));
}

TEST(BuildSettingsRecord, NothingCheckedStoresGreyBlueAndFollowMode) {
  TSettingsStoreInput in;
  in.ScreenPoint = Point{12, 34};
  const TSettingsRecord r = BuildSettingsRecord(TSettingsRecord{}, in);
  EXPECT_EQ(r.GridColorItem, 2);
  EXPECT_EQ(r.SubGridColorItem, 0);
  EXPECT_EQ(r.CaptureMode, 0);
  EXPECT_EQ(r.FixedPos, (Point{12, 34})) << "the probe point is kept whatever the mode";

  in.Checks.CaptureLupe = true;
  EXPECT_EQ(BuildSettingsRecord(TSettingsRecord{}, in).CaptureMode, 1);
}

TEST(BuildSettingsRecord, AStateNoWindowCanBeInIsAnError) {
  auto build = [](void (*tweak)(TSettingsStoreInput&)) {
    TSettingsStoreInput in;
    tweak(in);
    return BuildSettingsRecord(TSettingsRecord{}, in);
  };
  EXPECT_THROW(build([](TSettingsStoreInput& in) { in.ZoomIndex = 256; }), CheckedError);
  EXPECT_THROW(build([](TSettingsStoreInput& in) { in.ZoomIndex = -1; }), CheckedError);
  EXPECT_THROW(build([](TSettingsStoreInput& in) { in.CheckedGridColorItem = 6; }), CheckedError);
  EXPECT_THROW(build([](TSettingsStoreInput& in) { in.CheckedSubGridColorItem = 6; }),
               CheckedError);
  EXPECT_THROW(build([](TSettingsStoreInput& in) { in.CheckedSubGridColorItem = 9; }),
               CheckedError);
  EXPECT_THROW(build([](TSettingsStoreInput& in) {
                 in.WindowBounds.Bottom = INT32_MIN + 5;
                 in.InfoAreaHeight = 10;
               }),
               CheckedError);
  EXPECT_EQ(build([](TSettingsStoreInput& in) { in.CheckedSubGridColorItem = 8; }).SubGridColorItem,
            1);
}
