#include "main/colours/colour_commands.h"

#include "base/checked.h"
#include "general/format.h"
#include "main/colours/colour_history.h"
#include "main/colours/colour_sample.h"
#include "main/probe/info_lines.h"
#include "main/probe/panel_items.h"
#include "main/texts/message_texts.h"

const TFormatCommand kFormatCommands[kColourFormatCount] = {
    {Cmd::actCopy_FormatCssHex, TColourFormat::CssHex},
    {Cmd::actCopy_FormatCssRgb, TColourFormat::CssRgb},
    {Cmd::actCopy_FormatCssHsl, TColourFormat::CssHsl},
    {Cmd::actCopy_FormatFloats, TColourFormat::Floats},
    {Cmd::actCopy_FormatXaml, TColourFormat::XamlArgb},
    {Cmd::actCopy_FormatCRgb, TColourFormat::CRgb},
    {Cmd::actCopy_FormatCSharp, TColourFormat::CSharpFromArgb},
};

namespace {

constexpr TInfoItem kColourItems[] = {kItemRGB, kItemHTML, kItemCOLORREF};

}  // namespace

std::optional<TColourCopy> ColourCopyOf(const std::string& commandName, bool shift) {
  for (TInfoItem item : kColourItems)
    if (commandName == CommandName(PanelItem(item).Copy))
      return TColourCopy{PanelItem(item).Copy, shift};
  for (const TFormatCommand& entry : kFormatCommands)
    if (commandName == CommandName(entry.Command)) return TColourCopy{entry.Command, shift};
  return std::nullopt;
}

std::wstring ColourCopyText(const TColourCopy& copy, uint32_t rgb) {
  rgb &= 0xFFFFFFu;
  for (const TFormatCommand& entry : kFormatCommands)
    if (entry.Command == copy.Command) return ColourFormatText(entry.Format, rgb, copy.Shift);
  TProbeInfo info;
  info.Red = static_cast<int32_t>(rgb >> 16);
  info.Green = static_cast<int32_t>((rgb >> 8) & 0xFF);
  info.Blue = static_cast<int32_t>(rgb & 0xFF);
  info.RGBValue = static_cast<int32_t>(rgb);
  info.Color = static_cast<uint32_t>(info.Red | info.Green << 8 | info.Blue << 16);
  for (TInfoItem item : kColourItems)
    if (PanelItem(item).Copy == copy.Command) return InfoCopyText(item, info, copy.Shift);
  return std::wstring();
}

std::wstring RememberedStatusText(uint32_t rgb) {
  return Format(Message(TMessage::ColorRemembered), {HashColourText(rgb & 0xFFFFFFu)});
}

Cmd HistoryColourCommand(int32_t place) {
  static_assert(IndexOf(Cmd::actColor_HistoryColor16) - IndexOf(Cmd::actColor_HistoryColor1) + 1 ==
                    kHistoryCapacity,
                "one command for each place of the history, in order");
  if (place < 0 || place >= static_cast<int32_t>(kHistoryCapacity))
    ThrowRangeError(static_cast<std::size_t>(static_cast<uint32_t>(place)), kHistoryCapacity);
  return static_cast<Cmd>(IndexOf(Cmd::actColor_HistoryColor1) + static_cast<std::size_t>(place));
}

Cmd SampleCommand(int32_t index) {
  static constexpr Cmd kSampleCommands[kSampleSizeCount] = {
      Cmd::actColor_Sample1, Cmd::actColor_Sample3, Cmd::actColor_Sample5, Cmd::actColor_Sample9};
  if (index < 0 || index >= kSampleSizeCount)
    ThrowRangeError(static_cast<std::size_t>(static_cast<uint32_t>(index)), kSampleSizeCount);
  return kSampleCommands[index];
}
