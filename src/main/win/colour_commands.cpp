// The colour instrument's commands: taking the probe colour as the reference for the contrast
// line, and the probe colour copied in the formats of other languages.
#include "general/win/input_state.h"
#include "main/colour_math.h"
#include "main/main.h"
#include "main/texts/language.h"

namespace {

struct TFormatCommand {
  Cmd Command;
  TColourFormat Format;
};
constexpr TFormatCommand kFormatCommands[] = {
    {Cmd::actCopy_FormatCssHex, TColourFormat::CssHex},
    {Cmd::actCopy_FormatCssRgb, TColourFormat::CssRgb},
    {Cmd::actCopy_FormatCssHsl, TColourFormat::CssHsl},
    {Cmd::actCopy_FormatFloats, TColourFormat::Floats},
    {Cmd::actCopy_FormatXaml, TColourFormat::XamlArgb},
    {Cmd::actCopy_FormatCRgb, TColourFormat::CRgb},
    {Cmd::actCopy_FormatCSharp, TColourFormat::CSharpFromArgb},
};

}  // namespace

void TApp_Loupist::BindColourCommands() {
  Command(Cmd::actColor_SetReference).SetHandler([this](Action&) {
    actColor_SetReferenceExecute();
  });
  for (const TFormatCommand& entry : kFormatCommands) {
    const TColourFormat format = entry.Format;
    Command(entry.Command).SetHandler([this, format](Action& sender) {
      CopyColourFormat(sender, format);
    });
  }
}

void TApp_Loupist::actColor_SetReferenceExecute() {
  ProbeInfo.ReferenceColor = static_cast<uint32_t>(ProbeInfo.RGBValue) & 0xFFFFFFu;
  ShowStatusText(ReferenceStatusText(ProbeInfo.ReferenceColor));
}

void TApp_Loupist::CopyColourFormat(const Action& command, TColourFormat format) {
  const std::wstring text =
      ColourFormatText(format, static_cast<uint32_t>(ProbeInfo.RGBValue), IsKeyDown(VK_SHIFT));
  CopyTextWithStatus(text, CopyStatusText(WithoutMnemonic(command.Caption()), text));
}
