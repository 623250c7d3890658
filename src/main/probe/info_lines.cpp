#include "main/probe/info_lines.h"

#include <cmath>
#include <vector>

#include "base/checked.h"
#include "general/dpi_scale.h"
#include "general/format.h"
#include "general/paths.h"
#include "general/visible_text.h"
#include "main/probe/colour_math.h"
#include "main/probe/panel_items.h"
#include "main/probe/window_styles.h"
#include "main/texts/message_texts.h"
#include "main/texts/panel_texts.h"

namespace {

// Index 0 of the format tables is the zoom caption and the picture's copy flags; the items'
// own formats are in the panel item table, their labels and the zoom caption in the texts.
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

// "32" or "64"; "?" where the system did not tell.
std::wstring BitnessText(int32_t bitness) {
  return bitness == 0 ? std::wstring(L"?") : std::to_wstring(bitness);
}

// The box that the user origin and the probe point span, both pixels included, and the straight
// distance between them.
struct TDistance {
  int32_t Width;
  int32_t Height;
  double Straight;
};

TDistance MeasureFromOrigin(const TProbeInfo& info) {
  const int64_t dx = static_cast<int64_t>(info.ScreenPoint.X) - info.UserOrigin.X;
  const int64_t dy = static_cast<int64_t>(info.ScreenPoint.Y) - info.UserOrigin.Y;
  const int64_t width = (dx < 0 ? -dx : dx) + 1;
  const int64_t height = (dy < 0 ? -dy : dy) + 1;
  return TDistance{CheckedNarrow(width), CheckedNarrow(height),
                   std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy)};
}

// On a monitor that is not at 100 % the box also in that monitor's logical pixels.
std::wstring LogicalBoxSuffix(const TDistance& d, int32_t dpi) {
  if (dpi == kDefaultDpi || dpi <= 0) return std::wstring();
  return Format(L" (%d×%d dip)",
                {RescaleDpi(d.Width, dpi, kDefaultDpi), RescaleDpi(d.Height, dpi, kDefaultDpi)});
}

// Text of other programs: with its control characters marked where it is shown (the panel, the
// report), as it is where it is copied on its own.
enum class TForeignText { Marked, AsItIs };

std::wstring Foreign(const std::wstring& text, TForeignText how) {
  return how == TForeignText::Marked ? ShowControlCharacters(text) : text;
}

// The element line of an element item; false for the other items.
bool ElementLineOf(int32_t index, ElementLine& line) {
  switch (index) {
    case kItemElement:
      line = ElementLine::kElement;
      return true;
    case kItemElementId:
      line = ElementLine::kAutomationId;
      return true;
    case kItemElementBounds:
      line = ElementLine::kBounds;
      return true;
    case kItemElementFramework:
      line = ElementLine::kFramework;
      return true;
    default:
      return false;
  }
}

// A colour that is the mean of a square says so after its values.
std::wstring SampleSuffix(int32_t size) {
  return size == 1 ? std::wstring() : Format(L" (%d×%d)", {size, size});
}

// "#rrggbb #rrggbb", newest first.
std::wstring HistoryText(const std::vector<uint32_t>& colours) {
  std::wstring text;
  for (uint32_t rgb : colours) text += (text.empty() ? L"#" : L" #") + LowerHex(rgb & 0xFFFFFFu, 6);
  return text;
}

std::vector<FormatArg> DisplayArgs(int32_t index, const TProbeInfo& info, TForeignText how) {
  const Point& sp = info.ScreenPoint;
  switch (index) {
    case kItemRGB:
      return {info.Red, info.Green, info.Blue, SampleSuffix(info.SampleSize)};
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
      return {Foreign(info.ClassName, how)};
    case kItemText:
      return {Foreign(info.Text, how)};
    case kItemWindowSize:
      return {info.WindowSize.Width, info.WindowSize.Height, info.WindowPos.X, info.WindowPos.Y};
    case kItemClientSize:
      return {info.ClientSize.Width, info.ClientSize.Height};
    case kItemRect:
      return {info.WindowRect.Left, info.WindowRect.Top, info.WindowRect.Right,
              info.WindowRect.Bottom};
    case kItemExeName:
      return {Foreign(info.ExeName, how)};
    case kItemPosDpi:
      return {DpiPercent(info.Dpi), info.Dpi};
    case kItemContrast: {
      const int32_t ratio =
          ContrastHundredths(static_cast<uint32_t>(info.RGBValue), info.ReferenceColor);
      return {ContrastRatioText(ratio), ContrastGrade(ratio), LowerHex(info.ReferenceColor, 6)};
    }
    case kItemHsl: {
      const THsl hsl = RgbToHsl(static_cast<uint32_t>(info.RGBValue));
      return {hsl.Hue, hsl.Saturation, hsl.Lightness};
    }
    case kItemDistance: {
      const TDistance d = MeasureFromOrigin(info);
      return {d.Width, d.Height, d.Straight, LogicalBoxSuffix(d, info.Dpi)};
    }
    case kItemStyle:
      return {LowerHex(info.Style, 8), LowerHex(info.ExStyle, 8), DecodeWindowStyle(info.Style),
              DecodeExtendedStyle(info.ExStyle)};
    case kItemParent:
      return {LowerHex(info.Parent, 8), Foreign(info.ParentClassName, how), info.Parent};
    case kItemProcess:
      return {info.ProcessId, info.ThreadId, BitnessText(info.Bitness), info.Integrity};
    case kItemDpiAwareness:
      return {info.DpiAwareness, info.WindowDpi};
    case kItemVisibleBounds:
    case kItemSpacing: {
      const Rect& r = index == kItemSpacing ? info.Spacing : info.VisibleBounds;
      return {r.Left, r.Top, CheckedSub(r.Right, r.Left), CheckedSub(r.Bottom, r.Top)};
    }
    case kItemHistory:
      return {HistoryText(info.History)};
    case kItemElement:
    case kItemElementId:
    case kItemElementBounds:
    case kItemElementFramework: {
      // Marked by the element component already, for the panel and the report alike.
      ElementLine line = ElementLine::kElement;
      ElementLineOf(index, line);
      return {ElementLineValue(line, info.Element, Message(TMessage::NoAnswer))};
    }
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
    case kItemContrast: {
      const int32_t ratio =
          ContrastHundredths(static_cast<uint32_t>(info.RGBValue), info.ReferenceColor);
      return {ContrastRatioText(ratio), ContrastGrade(ratio), LowerHex(info.RGBValue, 6),
              LowerHex(info.ReferenceColor, 6)};
    }
    case kItemHsl:
      return {ColourFormatText(TColourFormat::CssHsl, static_cast<uint32_t>(info.RGBValue), false)};
    default:
      // The others copy the values that their panel line shows, in the same order.
      return DisplayArgs(index, info, TForeignText::AsItIs);
  }
}

}  // namespace

std::wstring GetDisplayFormat(int32_t index) {
  if (!InTables(index)) return std::wstring();
  return index == 0 ? Message(TMessage::ZoomCaption)
                    : PaddedPanelLabel(index) + PanelItem(index).ValueFormat;
}

std::wstring GetCopyFormat(int32_t index, bool shiftDown) {
  if (!InTables(index)) return std::wstring();
  if (index == 0) return shiftDown ? kPictureWithoutGrid : kPictureAsShown;
  const TPanelItemDef& item = PanelItem(index);
  return shiftDown ? item.ShiftCopyFormat : item.CopyFormat;
}

namespace {
// The values of an item as its panel line shows them after the label.
std::wstring InfoValueText(int32_t index, const TProbeInfo& info) {
  return Format(PanelItem(index).ValueFormat, DisplayArgs(index, info, TForeignText::Marked));
}
}  // namespace

std::wstring InfoDisplayText(int32_t index, const TProbeInfo& info) {
  RequireItem(index);
  return PaddedPanelLabel(index) + InfoValueText(index, info);
}

std::wstring InfoCopyText(int32_t index, const TProbeInfo& info, bool shiftDown) {
  RequireItem(index);
  ElementLine line = ElementLine::kElement;
  if (ElementLineOf(index, line)) {
    return info.Element.State == ElementState::kAnswered
               ? ElementCopyText(line, info.Element.Facts, shiftDown)
               : std::wstring();
  }
  return Format(GetCopyFormat(index, shiftDown), CopyArgs(index, info));
}

std::wstring ZoomCaption(int32_t zoom) { return Format(GetDisplayFormat(0), {zoom}); }

std::wstring FixedPointCaption(const Point& point) {
  return Format(L"(%d,%d) ", {point.X, point.Y});
}

bool CopyPictureAsShown(bool shiftDown) { return GetCopyFormat(0, shiftDown)[0] != L'0'; }

std::wstring CopyStatusText(const std::wstring& caption, const std::wstring& text) {
  // The title line shows a copied caption as the panel does.
  return Format(Message(TMessage::Copied), {caption, ShowControlCharacters(text)});
}

std::wstring PictureCopyStatusText() { return Message(TMessage::PictureCopied); }

std::wstring ReferenceStatusText(uint32_t rgb) {
  return Format(Message(TMessage::ReferenceSet), {LowerHex(rgb & 0xFFFFFFu, 6)});
}

std::wstring InfoReportText(const TProbeInfo& info) {
  std::wstring report;
  auto add = [&report](const std::wstring& label, std::wstring value) {
    // The panel pads some values to line up its columns; in a report the padding is noise
    // that a pasted table carries into its cells.
    value.erase(value.find_last_not_of(L' ') + 1);
    report += label + L"\t" + value + L"\r\n";
  };
  for (int32_t line = 1; line <= kInfoItemCount; ++line) {
    const int32_t item = PanelLineItem(line);
    // The swatches' line names what it holds in full where it stands among all the facts.
    add(item == kItemHistory ? Message(TMessage::ColorHistory) : PanelLabel(item),
        InfoValueText(item, info));
  }
  add(Message(TMessage::ParentChain), ShowControlCharacters(info.ParentChain));
  add(Message(TMessage::Styles), DecodeWindowStyle(info.Style));
  add(Message(TMessage::ExtendedStyles), DecodeExtendedStyle(info.ExStyle));
  add(Message(TMessage::ElementChain),
      ElementLineValue(ElementLine::kChain, info.Element, Message(TMessage::NoAnswer)));
  return report;
}

std::wstring ReportStatusText(const std::wstring& report) {
  int32_t lines = 0;
  for (wchar_t c : report) lines += c == L'\n' ? 1 : 0;
  return CopyStatusText(Message(TMessage::ReportName),
                        Format(Message(TMessage::ReportLines), {lines}));
}

std::wstring CopyTextErrorMessage(const std::wstring& error) {
  return Format(Message(TMessage::CopyTextNotWritten), {error});
}

std::wstring CopyPictureErrorMessage(const std::wstring& error) {
  return Format(Message(TMessage::CopyPictureNotWritten), {error});
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
