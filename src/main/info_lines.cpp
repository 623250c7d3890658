#include "main/info_lines.h"

#include <vector>

#include "base/checked.h"
#include "general/format.h"
#include "general/paths.h"
#include "main/dpi_scale.h"
#include "main/panel_items.h"

namespace {

// Index 0 of the format tables is the zoom caption and the picture's copy flags; the items'
// own formats are in the panel item table.
constexpr wchar_t kZoomCaptionFormat[] = L"%2d倍";
constexpr wchar_t kPictureAsShown[] = L"11";
constexpr wchar_t kPictureWithoutGrid[] = L"01";

bool InTables(int32_t index) { return index >= 0 && index <= kInfoItemCount; }

void RequireItem(int32_t index) { PanelItem(index); }

// The panel shows hexadecimal in lower case, zero-padded to at least `digits`.
std::wstring LowerHex(FormatArg value, int32_t digits) {
  std::wstring text = Format(L"%." + std::to_wstring(digits) + L"x", {std::move(value)});
  for (wchar_t& c : text) {
    if (c >= L'A' && c <= L'F') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return text;
}

// The probe point relative to an origin, as the position lines show it.
Point Relative(const Point& p, const Point& origin) {
  return Point{CheckedSub(p.X, origin.X), CheckedSub(p.Y, origin.Y)};
}

std::vector<FormatArg> DisplayArgs(int32_t index, const TProbeInfo& info) {
  const Point& sp = info.ScreenPoint;
  switch (index) {
    case kItemRGB:
      return {info.Red, info.Green, info.Blue};
    case kItemHTML:
      return {LowerHex(info.RGBValue, 6)};
    case kItemCOLORREF:
      return {info.Color, LowerHex(info.Color, 6)};
    case kItemPosScreen:
      return {sp.X, sp.Y};
    case kItemPosClient: {
      const Point r = Relative(sp, info.ClientOrigin);
      return {r.X, r.Y, info.ClientOrigin.X, info.ClientOrigin.Y};
    }
    case kItemPosUser: {
      const Point r = Relative(sp, info.UserOrigin);
      return {r.X, r.Y, info.UserOrigin.X, info.UserOrigin.Y};
    }
    case kItemHandle:
      return {LowerHex(info.Window, 8), info.Window};
    case kItemClassName:
      return {info.ClassName};
    case kItemText:
      return {info.Text};
    case kItemWindowSize:
      return {info.WindowSize.Width, info.WindowSize.Height, info.WindowPos.X, info.WindowPos.Y};
    case kItemClientSize:
      return {info.ClientSize.Width, info.ClientSize.Height};
    case kItemRect:
      return {info.WindowRect.Left, info.WindowRect.Top, info.WindowRect.Right,
              info.WindowRect.Bottom};
    case kItemExeName:
      return {info.ExeName};
    case kItemPosDpi:
      return {DpiPercent(info.Dpi), info.Dpi};
  }
  RequireItem(index);
  return {};
}

std::vector<FormatArg> CopyArgs(int32_t index, const TProbeInfo& info) {
  switch (index) {
    case kItemHTML:
      return {info.RGBValue};
    case kItemCOLORREF:
      return {info.Color};
    case kItemHandle:
      return {info.Window};
    case kItemWindowSize:
      return {info.WindowPos.X, info.WindowPos.Y, info.WindowSize.Width, info.WindowSize.Height};
    case kItemExeName:
      return {info.ExeName, ExtractFileNamePart(info.ExeName)};
    default:
      // The others copy the values that their panel line shows, in the same order.
      return DisplayArgs(index, info);
  }
}

}  // namespace

std::wstring GetDisplayFormat(int32_t index) {
  if (!InTables(index)) return std::wstring();
  return index == 0 ? kZoomCaptionFormat : PanelItem(index).DisplayFormat;
}

std::wstring GetCopyFormat(int32_t index, bool shiftDown) {
  if (!InTables(index)) return std::wstring();
  if (index == 0) return shiftDown ? kPictureWithoutGrid : kPictureAsShown;
  const TPanelItemDef& item = PanelItem(index);
  return shiftDown ? item.ShiftCopyFormat : item.CopyFormat;
}

std::wstring InfoDisplayText(int32_t index, const TProbeInfo& info) {
  RequireItem(index);
  return Format(GetDisplayFormat(index), DisplayArgs(index, info));
}

std::wstring InfoCopyText(int32_t index, const TProbeInfo& info, bool shiftDown) {
  RequireItem(index);
  return Format(GetCopyFormat(index, shiftDown), CopyArgs(index, info));
}

std::wstring ZoomCaption(int32_t zoom) { return Format(GetDisplayFormat(0), {zoom}); }

std::wstring FixedPointCaption(const Point& point) {
  return Format(L"(%d,%d) ", {point.X, point.Y});
}

bool CopyPictureAsShown(bool shiftDown) { return GetCopyFormat(0, shiftDown)[0] != L'0'; }

std::wstring CopyStatusText(const std::wstring& caption, const std::wstring& text) {
  return Format(L"%sをｺﾋﾟｰ %s", {caption, text});
}

std::wstring PictureCopyStatusText() { return CopyStatusText(L"ｽﾞｰﾑ画像", L""); }

std::wstring CopyTextErrorMessage(const std::wstring& error) {
  return Format(L"%s\r\rコピー情報を書き込めませんでした", {error});
}

std::wstring CopyPictureErrorMessage(const std::wstring& error) {
  return Format(L"%s\r\rコピー画像を書き込めませんでした", {error});
}

TInfoGroup InfoItemGroup(int32_t index) { return PanelItem(index).Group; }

uint32_t InfoItemSettingsBit(int32_t index) { return PanelItem(index).SettingsBit; }

InfoItemChecks ToggleInfoGroup(const InfoItemChecks& checks, TInfoGroup group) {
  bool all_checked = true;
  for (int32_t item = 1; item <= kInfoItemCount; ++item) {
    if (InfoItemGroup(item) == group && !checks[item - 1]) all_checked = false;
  }
  InfoItemChecks result = checks;
  for (int32_t item = 1; item <= kInfoItemCount; ++item) {
    if (InfoItemGroup(item) == group) result[item - 1] = !all_checked;
  }
  return result;
}
