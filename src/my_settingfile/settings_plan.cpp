#include "my_settingfile/settings_plan.h"

#include <algorithm>

#include "base/checked.h"
#include "general/helpers.h"

bool operator==(const TSettingsChecks& a, const TSettingsChecks& b) {
  return a.GridDisp == b.GridDisp && a.ColorRGB == b.ColorRGB && a.ColorHTML == b.ColorHTML &&
         a.ColorCOLORREF == b.ColorCOLORREF && a.PosScreen == b.PosScreen &&
         a.PosClient == b.PosClient && a.PosUser == b.PosUser && a.PosDpi == b.PosDpi &&
         a.WinInfoHandle == b.WinInfoHandle && a.WinInfoClassName == b.WinInfoClassName &&
         a.WinInfoText == b.WinInfoText && a.WinInfoWindowSize == b.WinInfoWindowSize &&
         a.WinInfoClientSize == b.WinInfoClientSize && a.WinInfoRect == b.WinInfoRect &&
         a.WinInfoExeName == b.WinInfoExeName && a.OptStayOnTop == b.OptStayOnTop &&
         a.OptBigFont == b.OptBigFont && a.OptNoSelfCapture == b.OptNoSelfCapture &&
         a.OptSmoothCapture == b.OptSmoothCapture && a.CaptureLupe == b.CaptureLupe &&
         a.CaptureFixed == b.CaptureFixed;
}

bool IsStorableColor(uint32_t color) { return color < 0x80000000u; }

namespace {

constexpr int32_t kFirstSubGridColorItem = kSubGridSeparatorItem + 1;

TSettingsChecks ChecksOfRecord(const TSettingsRecord& r) {
  TSettingsChecks c;
  c.GridDisp = (r.GridFlags & kGridShownBit) != 0;
  c.ColorRGB = (r.ColorInfoFlags & kColorRGBBit) != 0;
  c.ColorHTML = (r.ColorInfoFlags & kColorHTMLBit) != 0;
  c.ColorCOLORREF = (r.ColorInfoFlags & kColorCOLORREFBit) != 0;
  c.PosScreen = (r.PositionInfoFlags & kPosScreenBit) != 0;
  c.PosClient = (r.PositionInfoFlags & kPosClientBit) != 0;
  c.PosUser = (r.PositionInfoFlags & kPosUserBit) != 0;
  c.PosDpi = (r.PositionInfoFlags & kPosDpiBit) != 0;
  c.WinInfoHandle = (r.WindowInfoFlags & kWinInfoHandleBit) != 0;
  c.WinInfoClassName = (r.WindowInfoFlags & kWinInfoClassNameBit) != 0;
  c.WinInfoText = (r.WindowInfoFlags & kWinInfoTextBit) != 0;
  c.WinInfoWindowSize = (r.WindowInfoFlags & kWinInfoWindowSizeBit) != 0;
  c.WinInfoClientSize = (r.WindowInfoFlags & kWinInfoClientSizeBit) != 0;
  c.WinInfoRect = (r.WindowInfoFlags & kWinInfoRectBit) != 0;
  c.WinInfoExeName = (r.WindowInfoFlags & kWinInfoExeNameBit) != 0;
  c.OptStayOnTop = (r.OptionFlags & kOptStayOnTopBit) != 0;
  c.OptBigFont = (r.OptionFlags & kOptBigFontBit) != 0;
  c.OptNoSelfCapture = (r.OptionFlags & kOptNoSelfCaptureBit) != 0;
  c.OptSmoothCapture = (r.OptionFlags & kOptSmoothCaptureBit) != 0;
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

template <typename Bits>
void SetBit(Bits& flags, Bits bit, bool on) {
  if (on) flags = static_cast<Bits>(flags | bit);
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

  r.FormRect = input.WindowBounds;
  r.FormRect.Bottom = CheckedSub(input.WindowBounds.Bottom, input.InfoAreaHeight);

  if (input.ZoomIndex < 0 || input.ZoomIndex > UINT8_MAX)
    ThrowRangeError(static_cast<std::size_t>(static_cast<uint32_t>(input.ZoomIndex)),
                    UINT8_MAX + 1);
  r.ZoomIndex = static_cast<uint8_t>(input.ZoomIndex);

  const TSettingsChecks& c = input.Checks;
  r.GridFlags = c.GridDisp ? kGridShownBit : 0;

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

  SetBit(r.ColorInfoFlags, kColorRGBBit, c.ColorRGB);
  SetBit(r.ColorInfoFlags, kColorHTMLBit, c.ColorHTML);
  SetBit(r.ColorInfoFlags, kColorCOLORREFBit, c.ColorCOLORREF);
  SetBit(r.PositionInfoFlags, kPosScreenBit, c.PosScreen);
  SetBit(r.PositionInfoFlags, kPosClientBit, c.PosClient);
  SetBit(r.PositionInfoFlags, kPosUserBit, c.PosUser);
  SetBit(r.PositionInfoFlags, kPosDpiBit, c.PosDpi);
  SetBit(r.WindowInfoFlags, kWinInfoHandleBit, c.WinInfoHandle);
  SetBit(r.WindowInfoFlags, kWinInfoClassNameBit, c.WinInfoClassName);
  SetBit(r.WindowInfoFlags, kWinInfoTextBit, c.WinInfoText);
  SetBit(r.WindowInfoFlags, kWinInfoWindowSizeBit, c.WinInfoWindowSize);
  SetBit(r.WindowInfoFlags, kWinInfoClientSizeBit, c.WinInfoClientSize);
  SetBit(r.WindowInfoFlags, kWinInfoRectBit, c.WinInfoRect);
  SetBit(r.WindowInfoFlags, kWinInfoExeNameBit, c.WinInfoExeName);
  SetBit(r.OptionFlags, kOptStayOnTopBit, c.OptStayOnTop);
  SetBit(r.OptionFlags, kOptBigFontBit, c.OptBigFont);
  SetBit(r.OptionFlags, kOptNoSelfCaptureBit, c.OptNoSelfCapture);
  SetBit(r.OptionFlags, kOptSmoothCaptureBit, c.OptSmoothCapture);
  r.UserPos = input.UserOrigin;

  r.CaptureMode = c.CaptureLupe    ? kCaptureModeLupe
                  : c.CaptureFixed ? kCaptureModeFixed
                                   : kCaptureModeFollow;
  r.FixedPos = input.ScreenPoint;
  return r;
}
