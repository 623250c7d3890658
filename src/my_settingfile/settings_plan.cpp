#include "my_settingfile/settings_plan.h"

#include <algorithm>

#include "base/checked.h"
#include "general/helpers.h"

namespace {

// Where each check of the record lives in the file. The bits are the file's own.
enum class TFlagWord { Grid, Color, Position, Window, Option };
struct TCheckBit {
  bool TSettingsChecks::*Check;
  TFlagWord Word;
  uint32_t Bit;
};
constexpr TCheckBit kCheckBits[] = {
    {&TSettingsChecks::GridDisp, TFlagWord::Grid, kGridShownBit},
    {&TSettingsChecks::ColorRGB, TFlagWord::Color, kColorRGBBit},
    {&TSettingsChecks::ColorHTML, TFlagWord::Color, kColorHTMLBit},
    {&TSettingsChecks::ColorCOLORREF, TFlagWord::Color, kColorCOLORREFBit},
    {&TSettingsChecks::ColorContrast, TFlagWord::Color, kColorContrastBit},
    {&TSettingsChecks::ColorHsl, TFlagWord::Color, kColorHslBit},
    {&TSettingsChecks::ColorHistory, TFlagWord::Color, kColorHistoryBit},
    {&TSettingsChecks::PosScreen, TFlagWord::Position, kPosScreenBit},
    {&TSettingsChecks::PosClient, TFlagWord::Position, kPosClientBit},
    {&TSettingsChecks::PosUser, TFlagWord::Position, kPosUserBit},
    {&TSettingsChecks::PosDpi, TFlagWord::Position, kPosDpiBit},
    {&TSettingsChecks::PosDistance, TFlagWord::Position, kPosDistanceBit},
    {&TSettingsChecks::PosSpacing, TFlagWord::Position, kPosSpacingBit},
    {&TSettingsChecks::WinInfoHandle, TFlagWord::Window, kWinInfoHandleBit},
    {&TSettingsChecks::WinInfoClassName, TFlagWord::Window, kWinInfoClassNameBit},
    {&TSettingsChecks::WinInfoText, TFlagWord::Window, kWinInfoTextBit},
    {&TSettingsChecks::WinInfoWindowSize, TFlagWord::Window, kWinInfoWindowSizeBit},
    {&TSettingsChecks::WinInfoClientSize, TFlagWord::Window, kWinInfoClientSizeBit},
    {&TSettingsChecks::WinInfoRect, TFlagWord::Window, kWinInfoRectBit},
    {&TSettingsChecks::WinInfoExeName, TFlagWord::Window, kWinInfoExeNameBit},
    {&TSettingsChecks::WinInfoStyle, TFlagWord::Window, kWinInfoStyleBit},
    {&TSettingsChecks::WinInfoParent, TFlagWord::Window, kWinInfoParentBit},
    {&TSettingsChecks::WinInfoProcess, TFlagWord::Window, kWinInfoProcessBit},
    {&TSettingsChecks::WinInfoDpiAwareness, TFlagWord::Window, kWinInfoDpiAwarenessBit},
    {&TSettingsChecks::WinInfoVisibleBounds, TFlagWord::Window, kWinInfoVisibleBoundsBit},
    {&TSettingsChecks::Element, TFlagWord::Window, kElementBit},
    {&TSettingsChecks::ElementId, TFlagWord::Window, kElementIdBit},
    {&TSettingsChecks::ElementBounds, TFlagWord::Window, kElementBoundsBit},
    {&TSettingsChecks::ElementFramework, TFlagWord::Window, kElementFrameworkBit},
    {&TSettingsChecks::OptStayOnTop, TFlagWord::Option, kOptStayOnTopBit},
    {&TSettingsChecks::OptBigFont, TFlagWord::Option, kOptBigFontBit},
    {&TSettingsChecks::OptNoSelfCapture, TFlagWord::Option, kOptNoSelfCaptureBit},
    {&TSettingsChecks::OptSmoothCapture, TFlagWord::Option, kOptSmoothCaptureBit},
};

uint32_t FlagWord(const TSettingsRecord& r, TFlagWord word) {
  switch (word) {
    case TFlagWord::Grid:
      return r.GridFlags;
    case TFlagWord::Color:
      return r.ColorInfoFlags;
    case TFlagWord::Position:
      return r.PositionInfoFlags;
    case TFlagWord::Window:
      return r.WindowInfoFlags;
    case TFlagWord::Option:
      return r.OptionFlags;
  }
  return 0;
}

void SetFlag(TSettingsRecord& r, TFlagWord word, uint32_t bit) {
  switch (word) {
    case TFlagWord::Grid:
      r.GridFlags = static_cast<uint16_t>(r.GridFlags | bit);
      break;
    case TFlagWord::Color:
      r.ColorInfoFlags = static_cast<uint16_t>(r.ColorInfoFlags | bit);
      break;
    case TFlagWord::Position:
      r.PositionInfoFlags = static_cast<uint16_t>(r.PositionInfoFlags | bit);
      break;
    case TFlagWord::Window:
      r.WindowInfoFlags |= bit;
      break;
    case TFlagWord::Option:
      r.OptionFlags = static_cast<uint16_t>(r.OptionFlags | bit);
      break;
  }
}

}  // namespace

bool operator==(const TSettingsChecks& a, const TSettingsChecks& b) {
  for (const TCheckBit& c : kCheckBits)
    if (a.*c.Check != b.*c.Check) return false;
  return a.OptInstantFollow == b.OptInstantFollow && a.CaptureLupe == b.CaptureLupe &&
         a.CaptureFixed == b.CaptureFixed;
}

uint32_t ReferenceColorOfRecord(const TSettingsRecord& record) {
  const std::array<uint8_t, 4>& b = record.Reserved;
  if (b[3] != kReferenceColorMark) return kDefaultReferenceColor;
  return (uint32_t{b[0]} << 16) | (uint32_t{b[1]} << 8) | b[2];
}

bool IsStorableColor(uint32_t color) { return color < 0x80000000u; }

namespace {

constexpr int32_t kFirstSubGridColorItem = kSubGridSeparatorItem + 1;

TSettingsChecks ChecksOfRecord(const TSettingsRecord& r) {
  TSettingsChecks c;
  for (const TCheckBit& bit : kCheckBits) c.*bit.Check = (FlagWord(r, bit.Word) & bit.Bit) != 0;
  c.OptInstantFollow = (r.OptionFlags & kOptInstantFollowOffBit) == 0;
  // Both modes share a radio group in which the later check wins, so a record with both bits
  // (which the program never writes) ends in fixed-point mode.
  c.CaptureFixed = (r.CaptureMode & kCaptureModeFixed) != 0;
  c.CaptureLupe = !c.CaptureFixed && (r.CaptureMode & kCaptureModeLupe) != 0;
  return c;
}

// Width or height of a stored rectangle when it is a usable window side; 64-bit so that an
// absurd rectangle is rejected instead of overflowing. A side larger than the desktop is
// limited to it: the system's own sizing never makes the window larger than that.
std::optional<int32_t> StoredSide(int32_t low, int32_t high, int32_t desktopSide) {
  const int64_t side = std::min<int64_t>(static_cast<int64_t>(high) - low, desktopSide);
  if (side < kMinStoredWindowSide) return std::nullopt;
  return static_cast<int32_t>(side);
}

bool IsWindowCoordinate(int64_t v) {
  return v >= kMinWindowCoordinate && v <= kMaxWindowCoordinate;
}

// The range a point must lie in to be on the desktop: low .. low + extent - 1, or up to
// low + extent itself when the far edge counts. A desktop of no extent still has its corner.
int32_t ClampToDesktop(int32_t value, int32_t low, int32_t extent, bool farEdgeIncluded) {
  const int32_t high = CheckedSub(CheckedAdd(low, extent), farEdgeIncluded ? 0 : 1);
  return Clamp(value, low, std::max(low, high));
}

}  // namespace

bool IsLayoutableRect(const Rect& r) {
  return IsWindowCoordinate(r.Left) && IsWindowCoordinate(r.Top) && IsWindowCoordinate(r.Right) &&
         IsWindowCoordinate(r.Bottom);
}

TSettingsApplyPlan PlanApplySettings(const TSettingsRecord& record, const TApplyEnvironment& env) {
  TSettingsApplyPlan plan;
  plan.ZoomIndex = Clamp(record.ZoomIndex, 0, CheckedSub(env.ZoomItemCount, 1));
  plan.Checks = ChecksOfRecord(record);
  plan.ReferenceColor = ReferenceColorOfRecord(record);
  plan.SampleSizeIndex = (record.ColorInfoFlags & kColorSampleMask) >> kColorSampleShift;
  if (record.OptionFlags & kOptLanguageChosenBit)
    plan.Language = (record.OptionFlags & kOptLanguageNumberBit) ? 1 : 0;
  const int tolerance = (record.PositionInfoFlags & kPosToleranceMask) >> kPosToleranceShift;
  if (tolerance < kToleranceIndexCount) plan.ToleranceIndex = static_cast<uint8_t>(tolerance);

  if (IsStorableColor(record.GridColor)) plan.GridColorTag = static_cast<int32_t>(record.GridColor);
  if (IsStorableColor(record.SubGridColor))
    plan.SubGridColorTag = static_cast<int32_t>(record.SubGridColor);
  if (record.GridColorItem >= kFirstGridColorItem && record.GridColorItem <= kLastGridColorItem)
    plan.GridColorItem = record.GridColorItem;
  if (record.SubGridColorItem < kSubGridColorItemCount)
    plan.SubGridColorItem = kFirstSubGridColorItem + record.SubGridColorItem;

  // The origin may sit on the desktop's far edge, as a point one past the last pixel.
  plan.UserOrigin =
      Point{ClampToDesktop(record.UserPos.X, env.DesktopLeft, env.DesktopWidth, true),
            ClampToDesktop(record.UserPos.Y, env.DesktopTop, env.DesktopHeight, true)};
  // The capture point must be a pixel of the desktop, or the first capture's arithmetic on it
  // would run off the ends of the coordinate range.
  plan.FixedPos =
      Point{ClampToDesktop(record.FixedPos.X, env.DesktopLeft, env.DesktopWidth, false),
            ClampToDesktop(record.FixedPos.Y, env.DesktopTop, env.DesktopHeight, false)};

  const Rect& stored = record.FormRect;
  if (IsLayoutableRect(stored)) {
    const std::optional<int32_t> width = StoredSide(stored.Left, stored.Right, env.DesktopWidth);
    const std::optional<int32_t> height = StoredSide(stored.Top, stored.Bottom, env.DesktopHeight);
    if (width && height) plan.WindowSize = Size{*width, *height};
    // A stored size never reaches past the stored rectangle; the window's own size, kept
    // when the stored one is refused, may still cross the range from the stored corner.
    const Size size = plan.WindowSize.value_or(env.WindowSize);
    if (IsWindowCoordinate(static_cast<int64_t>(stored.Left) + size.Width) &&
        IsWindowCoordinate(static_cast<int64_t>(stored.Top) + size.Height))
      plan.WindowPos = Point{stored.Left, stored.Top};
  }
  if (env.ShiftDown) plan.WindowPos = Point{0, 0};
  plan.KeepOnMonitor = !env.CtrlDown;
  return plan;
}

TSettingsRecord BuildSettingsRecord(const TSettingsRecord& previous,
                                    const TSettingsStoreInput& input) {
  TSettingsRecord r;
  r.Reserved = previous.Reserved;
  // A file of the original layout keeps its reserved bytes as they were while the reference
  // stays white; a program that knows only that layout never reads them.
  const uint32_t reference = input.ReferenceColor & 0xFFFFFFu;
  if (reference != kDefaultReferenceColor || previous.Reserved[3] == kReferenceColorMark) {
    r.Reserved = {static_cast<uint8_t>(reference >> 16), static_cast<uint8_t>(reference >> 8),
                  static_cast<uint8_t>(reference), kReferenceColorMark};
  }

  r.FormRect = input.WindowBounds;
  r.FormRect.Bottom = CheckedSub(input.WindowBounds.Bottom, input.InfoAreaHeight);

  if (input.ZoomIndex < 0 || input.ZoomIndex > UINT8_MAX)
    ThrowRangeError(static_cast<std::size_t>(static_cast<uint32_t>(input.ZoomIndex)),
                    UINT8_MAX + 1);
  r.ZoomIndex = static_cast<uint8_t>(input.ZoomIndex);

  const TSettingsChecks& c = input.Checks;
  for (const TCheckBit& bit : kCheckBits)
    if (c.*bit.Check) SetFlag(r, bit.Word, bit.Bit);
  if (!c.OptInstantFollow) SetFlag(r, TFlagWord::Option, kOptInstantFollowOffBit);

  if (input.CheckedGridColorItem < 0) {
    r.GridColorItem = kDefaultGridColorItem;
  } else {
    if (input.CheckedGridColorItem < kFirstGridColorItem ||
        input.CheckedGridColorItem > kLastGridColorItem)
      ThrowRangeError(static_cast<std::size_t>(input.CheckedGridColorItem), kLastGridColorItem + 1);
    r.GridColorItem = static_cast<uint8_t>(input.CheckedGridColorItem);
  }
  if (input.CheckedSubGridColorItem < 0) {
    r.SubGridColorItem = kDefaultSubGridColorItem;
  } else {
    const int32_t offset = CheckedSub(input.CheckedSubGridColorItem, kFirstSubGridColorItem);
    if (offset < 0 || offset >= kSubGridColorItemCount)
      ThrowRangeError(static_cast<std::size_t>(input.CheckedSubGridColorItem),
                      kFirstSubGridColorItem + kSubGridColorItemCount);
    r.SubGridColorItem = static_cast<uint8_t>(offset);
  }
  r.GridColor = static_cast<uint32_t>(input.GridColorTag);
  r.SubGridColor = static_cast<uint32_t>(input.SubGridColorTag);

  if (input.ToleranceIndex >= kToleranceIndexCount)
    ThrowRangeError(input.ToleranceIndex, kToleranceIndexCount);
  r.PositionInfoFlags =
      static_cast<uint16_t>(r.PositionInfoFlags | (input.ToleranceIndex << kPosToleranceShift));
  if (input.SampleSizeIndex < 0 || input.SampleSizeIndex > 3)
    ThrowRangeError(static_cast<std::size_t>(static_cast<uint32_t>(input.SampleSizeIndex)), 4);
  r.ColorInfoFlags =
      static_cast<uint16_t>(r.ColorInfoFlags | (input.SampleSizeIndex << kColorSampleShift));

  r.UserPos = input.UserOrigin;
  if (input.Language) {
    if (*input.Language > 1) ThrowRangeError(*input.Language, 2);
    r.OptionFlags = static_cast<uint16_t>(r.OptionFlags | kOptLanguageChosenBit |
                                          (*input.Language ? kOptLanguageNumberBit : 0));
  }

  r.CaptureMode = c.CaptureLupe    ? kCaptureModeLupe
                  : c.CaptureFixed ? kCaptureModeFixed
                                   : kCaptureModeFollow;
  r.FixedPos = input.ScreenPoint;
  return r;
}
