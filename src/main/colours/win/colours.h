// The colour lines' sample size and the colour history with its file, as the main window keeps
// them: the mean taken from the capture, the history saved whole on each change, and the
// history's commands and their swatches in the menu.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "general/win/own_paths.h"
#include "main/capture/win/screen_capture.h"
#include "main/colours/colour_commands.h"
#include "main/colours/colour_history.h"
#include "platform/command_model.h"
#include "platform/win/popup_menu.h"

// The history file: beside the settings file, wherever that is read from or written to (beside
// the program, or in the user's own Loupist folder where the program's folder takes no files);
// none where the settings file is off.
std::wstring ColoursFilePath(TDataFileUse use);

class TColours {
 public:
  // The history from its file, at start. A file that cannot be read gives an empty history; a
  // damaged one gives its good lines and is written again as they are.
  void Load();
  // The whole history into its file: at exit, and by every change below.
  void Save();

  // A colour copy took this colour (0xRRGGBB): first in the history, and its format is the one a
  // colour chosen from the history is copied in.
  void Copied(uint32_t rgb, const TColourCopy& copy);
  void Remember(uint32_t rgb);
  void Clear();
  const std::vector<uint32_t>& History() const { return history_.Colours(); }
  // The colour at that place of the history; none past its end.
  std::optional<uint32_t> HistoryColour(int32_t place) const;
  // The last colour copy; an HTML copy before any.
  const TColourCopy& LastCopy() const { return lastCopy_; }
  // Each place's command shown and enabled while the history has a colour there; Clear enabled
  // while there is something to clear.
  void ShowInCommands(ActionList& commands) const;
  // WM_MEASUREITEM and WM_DRAWITEM of the menu's swatches; false for any other item.
  bool MenuItemMessage(UINT msg, LPARAM lParam, PopupMenu& menu) const;

  // The sample size by its number 0..3 (1, 3, 5 or 9 pixels square).
  int32_t SampleIndex() const { return sampleIndex_; }
  int32_t SampleSide() const;
  void SetSampleIndex(int32_t index);
  // The probe colour (a COLORREF): the probe cell's own for one pixel; else the mean of the
  // square around the probe point, from the capture that the picture was enlarged from, of the
  // pixels on the monitor under the probe point.
  COLORREF ProbeColour(COLORREF cellColour, TScreenCapture& capture, const Point& probe) const;

 private:
  TColourHistory history_;
  TColourCopy lastCopy_;
  int32_t sampleIndex_ = 0;
};
