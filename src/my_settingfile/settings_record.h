// The three blocks that the settings file carries: the settings record, the key table and the
// gesture table, as plain values. Their byte layout lives in settings_image.h.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "base/geometry.h"

// The window's place and the user's choices. Field widths are those of the file.
struct TSettingsRecord {
  // Outer bounds of the window without its information area.
  Rect FormRect;
  uint8_t ZoomIndex = 0;
  uint16_t GridFlags = 0;
  // Position of the checked grid-colour item in the grid submenu (2..5).
  uint8_t GridColorItem = 0;
  // Checked sub-grid item, counted from the first item after the sub-grid separator (0..1).
  uint8_t SubGridColorItem = 0;
  uint32_t GridColor = 0;
  uint32_t SubGridColor = 0;
  // Left unused by the original layout, which writes zeros and never reads them; this program
  // keeps the reference colour there (see settings_plan.h), and passes anything else through.
  std::array<uint8_t, 4> Reserved{};
  uint16_t ColorInfoFlags = 0;
  uint16_t PositionInfoFlags = 0;
  Point UserPos;
  uint32_t WindowInfoFlags = 0;
  uint16_t OptionFlags = 0;
  uint16_t CaptureMode = 0;
  Point FixedPos;

  friend bool operator==(const TSettingsRecord& a, const TSettingsRecord& b) {
    return a.FormRect == b.FormRect && a.ZoomIndex == b.ZoomIndex && a.GridFlags == b.GridFlags &&
           a.GridColorItem == b.GridColorItem && a.SubGridColorItem == b.SubGridColorItem &&
           a.GridColor == b.GridColor && a.SubGridColor == b.SubGridColor &&
           a.Reserved == b.Reserved && a.ColorInfoFlags == b.ColorInfoFlags &&
           a.PositionInfoFlags == b.PositionInfoFlags && a.UserPos == b.UserPos &&
           a.WindowInfoFlags == b.WindowInfoFlags && a.OptionFlags == b.OptionFlags &&
           a.CaptureMode == b.CaptureMode && a.FixedPos == b.FixedPos;
  }
  friend bool operator!=(const TSettingsRecord& a, const TSettingsRecord& b) { return !(a == b); }
};

// Bit positions of the flag fields. They are the file's own and do not follow the Tags of the
// corresponding commands.
constexpr uint16_t kGridShownBit = 1 << 0;
constexpr uint16_t kColorRGBBit = 1 << 0;
constexpr uint16_t kColorHTMLBit = 1 << 1;
constexpr uint16_t kColorCOLORREFBit = 1 << 2;
constexpr uint16_t kPosScreenBit = 1 << 0;
constexpr uint16_t kPosClientBit = 1 << 2;
constexpr uint16_t kPosUserBit = 1 << 3;
// Not in the original layout, where the bit is always 0: a file that sets it still loads in a
// program that ignores it, and a file without it shows no DPI line.
constexpr uint16_t kPosDpiBit = 1 << 1;
// Added the same way, in bits that the original layout leaves 0.
constexpr uint16_t kColorContrastBit = 1 << 3;
constexpr uint16_t kColorHslBit = 1 << 4;
constexpr uint16_t kColorHistoryBit = 1 << 5;
// The sample size of the colour lines as a number 0..3 (1, 3, 5 or 9 pixels square) in bits 8
// and 9 of the colour word; the original layout's 0 is the one pixel it always took.
constexpr uint16_t kColorSampleShift = 8;
constexpr uint16_t kColorSampleMask = 3 << kColorSampleShift;
constexpr uint16_t kPosDistanceBit = 1 << 4;
constexpr uint16_t kPosSpacingBit = 1 << 5;
// The spacing's tolerance as an index 0..5 (exact, 2, 8, 16, 32, 64) in bits 8-10, which the
// original layout leaves 0: a file without them measures exactly.
constexpr int kPosToleranceShift = 8;
constexpr uint16_t kPosToleranceMask = 0x0700;
constexpr uint8_t kToleranceIndexCount = 6;
constexpr uint32_t kWinInfoHandleBit = 1u << 0;
constexpr uint32_t kWinInfoClassNameBit = 1u << 1;
constexpr uint32_t kWinInfoTextBit = 1u << 2;
constexpr uint32_t kWinInfoWindowSizeBit = 1u << 3;
constexpr uint32_t kWinInfoClientSizeBit = 1u << 4;
constexpr uint32_t kWinInfoRectBit = 1u << 5;
constexpr uint32_t kWinInfoExeNameBit = 1u << 10;
// Added, in bits that the original layout leaves 0.
constexpr uint32_t kWinInfoStyleBit = 1u << 6;
constexpr uint32_t kWinInfoParentBit = 1u << 7;
constexpr uint32_t kWinInfoProcessBit = 1u << 8;
constexpr uint32_t kWinInfoDpiAwarenessBit = 1u << 9;
constexpr uint32_t kWinInfoVisibleBoundsBit = 1u << 11;
// The element lines, a group of their own, in the window word's bits that are left 0 too.
constexpr uint32_t kElementBit = 1u << 12;
constexpr uint32_t kElementIdBit = 1u << 13;
constexpr uint32_t kElementBoundsBit = 1u << 14;
constexpr uint32_t kElementFrameworkBit = 1u << 15;
constexpr uint16_t kOptStayOnTopBit = 1 << 0;
constexpr uint16_t kOptBigFontBit = 1 << 3;
constexpr uint16_t kOptNoSelfCaptureBit = 1 << 4;
constexpr uint16_t kOptSmoothCaptureBit = 1 << 5;
// Added, in bits that the original layout leaves 0: the language the user chose, when bit 8
// says that one was chosen; bit 9 is its number (0 Japanese, 1 English). A file without bit 8
// leaves the language to the system.
constexpr uint16_t kOptLanguageChosenBit = 1 << 8;
constexpr uint16_t kOptLanguageNumberBit = 1 << 9;
// Added the same way, the other way round: instant follow is on while the bit is clear, so a
// file of the original layout starts with it on.
constexpr uint16_t kOptInstantFollowOffBit = 1 << 10;
constexpr uint16_t kCaptureModeFollow = 0;
constexpr uint16_t kCaptureModeLupe = 1;
constexpr uint16_t kCaptureModeFixed = 2;

// The file names grid colours by their position in the grid submenu, so these positions are part
// of the format: Disp, separator, Gray, Invert, Transparent, SelColor, separator, SubBlue,
// SelSubColor.
constexpr int32_t kFirstGridColorItem = 2;  // Gray
constexpr int32_t kLastGridColorItem = 5;   // SelColor
constexpr int32_t kSubGridSeparatorItem = 6;
constexpr int32_t kSubGridColorItemCount = 2;    // SubBlue, SelSubColor
constexpr int32_t kDefaultGridColorItem = 2;     // stored when no grid colour is checked
constexpr int32_t kDefaultSubGridColorItem = 0;  // stored when no sub-grid colour is checked

// One key binding; a CommandCode of 0 names a known key that runs nothing.
struct TKeyCommandEntry {
  uint16_t VirtualKey = 0;
  uint16_t CommandCode = 0;
  friend bool operator==(const TKeyCommandEntry& a, const TKeyCommandEntry& b) {
    return a.VirtualKey == b.VirtualKey && a.CommandCode == b.CommandCode;
  }
  friend bool operator!=(const TKeyCommandEntry& a, const TKeyCommandEntry& b) { return !(a == b); }
};

constexpr std::size_t kKeyCommandCount = 62;
using TKeyCommandTable = std::array<TKeyCommandEntry, kKeyCommandCount>;

// Command codes of the right-button drags, indexed by direction.
constexpr std::size_t kGestureUp = 0;
constexpr std::size_t kGestureDown = 1;
constexpr std::size_t kGestureLeft = 2;
constexpr std::size_t kGestureRight = 3;
constexpr std::size_t kGestureCount = 4;
using TGestureCommandTable = std::array<uint16_t, kGestureCount>;

// Everything the file holds besides its header.
struct TSettingsBlocks {
  TSettingsRecord Record;
  TKeyCommandTable Keys{};
  TGestureCommandTable Gestures{};
  friend bool operator==(const TSettingsBlocks& a, const TSettingsBlocks& b) {
    return a.Record == b.Record && a.Keys == b.Keys && a.Gestures == b.Gestures;
  }
  friend bool operator!=(const TSettingsBlocks& a, const TSettingsBlocks& b) { return !(a == b); }
};
