// What the main window does with a loaded settings record, and how it fills the record before
// saving, reduced to arithmetic on plain values. The window replays the plan through its own
// commands; it never interprets the record's bits itself.
#pragma once
#include <cstdint>
#include <optional>

#include "base/geometry.h"
#include "my_settingfile/settings_record.h"

// Check states of the commands that the record keeps.
struct TSettingsChecks {
  bool GridDisp = false;
  bool ColorRGB = false;
  bool ColorHTML = false;
  bool ColorCOLORREF = false;
  bool PosScreen = false;
  bool PosClient = false;
  bool PosUser = false;
  bool PosDpi = false;
  bool PosDistance = false;
  bool PosSpacing = false;
  bool ColorContrast = false;
  bool ColorHsl = false;
  bool ColorHistory = false;
  bool WinInfoHandle = false;
  bool WinInfoClassName = false;
  bool WinInfoText = false;
  bool WinInfoWindowSize = false;
  bool WinInfoClientSize = false;
  bool WinInfoRect = false;
  bool WinInfoExeName = false;
  bool WinInfoStyle = false;
  bool WinInfoParent = false;
  bool WinInfoProcess = false;
  bool WinInfoDpiAwareness = false;
  bool WinInfoVisibleBounds = false;
  bool Element = false;
  bool ElementId = false;
  bool ElementBounds = false;
  bool ElementFramework = false;
  // The state the window is in (or must end in); the loader's trick of pre-inverting the
  // command before running it is the window's business.
  bool OptStayOnTop = false;
  bool OptBigFont = false;
  bool OptNoSelfCapture = false;
  bool OptSmoothCapture = false;
  bool OptInstantFollow = true;
  // In a plan at most one of the two is set.
  bool CaptureLupe = false;
  bool CaptureFixed = false;

  friend bool operator==(const TSettingsChecks& a, const TSettingsChecks& b);
  friend bool operator!=(const TSettingsChecks& a, const TSettingsChecks& b) { return !(a == b); }
};

// What the window knows at the moment it applies the settings.
struct TApplyEnvironment {
  int32_t ZoomItemCount = 10;  // items in the zoom submenu
  // The virtual desktop, which may start left of or above the primary monitor.
  int32_t DesktopLeft = 0;
  int32_t DesktopTop = 0;
  int32_t DesktopWidth = 0;
  int32_t DesktopHeight = 0;
  // The window's outer size before the settings apply; it keeps this size when the stored one
  // is refused.
  Size WindowSize;
  bool ShiftDown = false;  // start at (0, 0)
  bool CtrlDown = false;   // leave the window where the stored position puts it
};

// The reference colour (0xRRGGBB) lives in the record's reserved bytes, which the original
// layout writes as zeros: red, green, blue, then a mark byte that tells a colour from whatever
// else a file may hold there. Without the mark the reference is white.
constexpr uint32_t kDefaultReferenceColor = 0xFFFFFF;
constexpr uint8_t kReferenceColorMark = 0x52;
uint32_t ReferenceColorOfRecord(const TSettingsRecord& record);

// An absent optional means "keep what the window already has" for that one setting.
struct TSettingsApplyPlan {
  int32_t ZoomIndex = 0;  // position in the zoom submenu whose command is run
  TSettingsChecks Checks;
  std::optional<int32_t> GridColorTag;     // new Tag of actGrid_SelColor
  std::optional<int32_t> SubGridColorTag;  // new Tag of actGrid_SelSubColor
  // Grid-submenu positions of the colour items to check and run.
  std::optional<int32_t> GridColorItem;     // kFirstGridColorItem..kLastGridColorItem
  std::optional<int32_t> SubGridColorItem;  // after kSubGridSeparatorItem
  Point UserOrigin;
  Point FixedPos;  // the probe point, used only when CaptureFixed
  uint32_t ReferenceColor = kDefaultReferenceColor;
  int32_t SampleSizeIndex = 0;      // 0..3: a square of 1, 3, 5 or 9 pixels
  std::optional<uint8_t> Language;  // the number of the language chosen; absent: none was
  uint8_t ToleranceIndex = 0;       // the item of the tolerance submenu to check
  std::optional<Size> WindowSize;
  std::optional<Point> WindowPos;  // absent: the window stays where start-up put it
  bool KeepOnMonitor = true;
};

// Sizes of 50 pixels or less are taken for a damaged record, not for a wish.
constexpr int32_t kMinStoredWindowSide = 51;

// Window messages carry a window's coordinates in 16 signed bits, so a window whose edges lie
// outside this range would report a position that is not its own.
constexpr int32_t kMinWindowCoordinate = -32768;
constexpr int32_t kMaxWindowCoordinate = 32767;
bool IsLayoutableRect(const Rect& r);

// A stored colour of 0x80000000 or more cannot be a command's Tag.
bool IsStorableColor(uint32_t color);

TSettingsApplyPlan PlanApplySettings(const TSettingsRecord& record, const TApplyEnvironment& env);

// The window's state as StoreSettings reads it.
struct TSettingsStoreInput {
  Rect WindowBounds;           // outer bounds of the window in its normal placement
  int32_t InfoAreaHeight = 0;  // height of FInfoRect
  int32_t ZoomIndex = 0;
  TSettingsChecks Checks;
  // Grid-submenu positions of the first checked grid and sub-grid colour items; -1 for none.
  int32_t CheckedGridColorItem = -1;
  int32_t CheckedSubGridColorItem = -1;
  int32_t GridColorTag = 0;
  int32_t SubGridColorTag = 0;
  Point UserOrigin;
  Point ScreenPoint;  // stored whatever the capture mode
  uint32_t ReferenceColor = kDefaultReferenceColor;
  int32_t SampleSizeIndex = 0;      // 0..3
  std::optional<uint8_t> Language;  // the number of the language chosen; absent: none was
  uint8_t ToleranceIndex = 0;       // the item checked in the tolerance submenu
};

// previous supplies the reserved bytes, which pass through unchanged unless a reference colour
// other than the default is to be kept, or was kept there before; every other field is rebuilt
// from input. Throws CheckedError for a state no window can be in (a zoom index that
// does not fit the file, a checked item outside its group, an overflowing rectangle).
TSettingsRecord BuildSettingsRecord(const TSettingsRecord& previous,
                                    const TSettingsStoreInput& input);
