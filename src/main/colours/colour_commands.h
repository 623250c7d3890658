// The colour commands of the sample and the history: the copies that take the probe colour,
// which the history takes the colour of; how a colour of the history is copied again in the
// format of one of them; the commands of the history's places and of the sample sizes; the
// title line after the remember command.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "main/probe/colour_math.h"
#include "resources/command_ids.h"

// A copy of a colour: the copy command and whether Shift chose its other form.
struct TColourCopy {
  Cmd Command = Cmd::actCopy_ColorHTML;
  bool Shift = false;
};

// The colour-format copies, each with its format.
struct TFormatCommand {
  Cmd Command;
  TColourFormat Format;
};
extern const TFormatCommand kFormatCommands[kColourFormatCount];

// The copy of that name when it is a colour copy: of a colour line (RGB, HTML, COLORREF) or in
// one of the colour formats; none for any other command.
std::optional<TColourCopy> ColourCopyOf(const std::string& commandName, bool shift);
// What that copy puts on the clipboard for the colour (0xRRGGBB); empty for a command that
// copies no colour.
std::wstring ColourCopyText(const TColourCopy& copy, uint32_t rgb);

// The title line after the remember command: "カラーを記録 #rrggbb".
std::wstring RememberedStatusText(uint32_t rgb);

// The history submenu's command for place 0..kHistoryCapacity - 1 of the history; the place is
// also its Tag.
Cmd HistoryColourCommand(int32_t place);
// The radio command of sample size 0..3.
Cmd SampleCommand(int32_t index);
