// The texts of the information panel and of the text copies: the item set, its display and copy
// formats, the values each item shows, and the on/off groups of the items.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "main/element/element_schedule.h"
#include "resources/info_items.h"

// What the panel shows about the probe point. Every text here is UTF-16 (class names of the
// Windows 95 path already widened from the system code page), so that all format alike.
struct TProbeInfo {
  int32_t Red = 0;
  int32_t Green = 0;
  int32_t Blue = 0;
  int32_t RGBValue = 0;  // 0xRRGGBB
  uint32_t Color = 0;    // COLORREF, 0x00BBGGRR
  Point ScreenPoint;
  Point ClientOrigin;
  Point UserOrigin;
  uint64_t Window = 0;  // the window handle as a number; 0 when no window is under the point
  std::wstring ClassName;
  std::wstring Text;
  Point WindowPos;
  Size WindowSize;
  Size ClientSize;
  Rect WindowRect;
  std::wstring ExeName;
  int32_t Dpi = 96;                    // of the monitor under the probe point
  uint32_t ReferenceColor = 0xFFFFFF;  // 0xRRGGBB, what the contrast is measured against
  // The side of the square whose mean the colour is (1 for the probe pixel alone), and the
  // colours taken lately, 0xRRGGBB, newest first.
  int32_t SampleSize = 1;
  std::vector<uint32_t> History;
  // The inspector's facts. Each is zero or empty when no window is under the point.
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
  uint64_t Parent = 0;  // the parent of a child window, the owner of a top-level one; 0 for none
  std::wstring ParentClassName;
  uint32_t ProcessId = 0;
  uint32_t ThreadId = 0;
  int32_t Bitness = 0;        // 32 or 64; 0 where it cannot be told
  std::wstring Integrity;     // "Low", "Medium", "High", "System"; "?" where it cannot be read
  std::wstring DpiAwareness;  // "Unaware", "System", "PerMonitor", "PerMonitorV2" or "?"
  int32_t WindowDpi = 0;      // the DPI the window is drawn for, as it sees it
  Rect VisibleBounds;         // as the compositor draws the window, in screen coordinates
  // The runs of pixels like the probe pixel through the probe point, across (Left to Right)
  // and down (Top to Bottom), in screen coordinates; empty where they were not measured.
  Rect Spacing;
  // The class names of the window and its parents up to the top-level window, joined by " < "
  // ("Button < #32770 < #32770").
  std::wstring ParentChain;
  // The element probe's view of the point (kNotAsked while nobody asked).
  ElementView Element;
};

// Index 0 is the zoom caption; outside 0..kInfoItemCount the empty string.
std::wstring GetDisplayFormat(int32_t index);
// Index 0 is the picture flags ("11" / "01"); outside 0..kInfoItemCount the empty string.
std::wstring GetCopyFormat(int32_t index, bool shiftDown);

// The panel line of item 1..kInfoItemCount; other indexes throw CheckedError.
std::wstring InfoDisplayText(int32_t index, const TProbeInfo& info);
// The clipboard text of item 1..kInfoItemCount with Shift up or down; other indexes throw
// CheckedError.
std::wstring InfoCopyText(int32_t index, const TProbeInfo& info, bool shiftDown);

std::wstring ZoomCaption(int32_t zoom);              // "%2d倍"
std::wstring FixedPointCaption(const Point& point);  // "(%d,%d) " of the held point
bool CopyPictureAsShown(bool shiftDown);             // false: the picture without grid

// "<caption>をｺﾋﾟｰ <text>" for the title line after a copy.
std::wstring CopyStatusText(const std::wstring& caption, const std::wstring& text);
// The same for the picture copy, which names no value: "ｽﾞｰﾑ画像をｺﾋﾟｰ ".
std::wstring PictureCopyStatusText();
// "基準色 <lower-case hex>" for the title line after the reference colour is set.
std::wstring ReferenceStatusText(uint32_t rgb);
// Every item, shown or not, as "label<TAB>value" lines in panel order, the value as the panel
// draws it (control characters of other programs' texts as marks) without trailing blanks;
// then the parent chain and the decoded styles. One line per fact, each with one TAB and
// ending in CR LF.
std::wstring InfoReportText(const TProbeInfo& info);
// The title line after the report is copied, which names its size rather than its text.
std::wstring ReportStatusText(const std::wstring& report);
// Message box texts when the copy file cannot be written, around the error's own message.
std::wstring CopyTextErrorMessage(const std::wstring& error);
std::wstring CopyPictureErrorMessage(const std::wstring& error);

// Item 1..13 to its group; other indexes throw CheckedError.
TInfoGroup InfoItemGroup(int32_t index);
// The bit of item 1..kInfoItemCount in its group's flag word of the settings file; other indexes
// throw.
uint32_t InfoItemSettingsBit(int32_t index);
// All items of the group checked: all unchecked; otherwise all checked. Other groups stay.
InfoItemChecks ToggleInfoGroup(const InfoItemChecks& checks, TInfoGroup group);
