// What the capture-mode and grid-colour commands do with the modifier keys held
// when they run. The modifiers are read at that moment, so a command behaves the
// same from the menu, a key or a gesture.
#pragma once

// The user-origin command (Space).
enum class UserOriginAction {
  kZero,          // Shift+Ctrl: the origin becomes (0, 0)
  kReturnCursor,  // Ctrl: the cursor travels to the origin, which stays
  kCursor,        // running, or Shift: the origin becomes the cursor position
  kProbePoint,    // paused, no modifier: the origin becomes the frozen point
};
UserOriginAction UserOriginActionOf(bool shift, bool ctrl, bool paused);

// The pause command; the update command runs it too.
enum class PauseAction {
  kPauseAtCursor,  // Shift: the held point jumps to the cursor, then pause (again)
  kPauseAgain,     // from the update command: a new snapshot around the same point
  kReturnCursor,   // Ctrl: the cursor travels to the held point; pause unchanged
  kToggle,
};
PauseAction PauseActionOf(bool shift, bool ctrl, bool fromUpdate);

// The fixed-point command.
enum class FixedAction {
  kReturnCursor,   // Ctrl
  kGlideToCursor,  // Shift: the held point glides to the cursor
  kToggle,
};
FixedAction FixedActionOf(bool shift, bool ctrl);

// Where the two colour-chooser commands take their colour from.
enum class ChosenColorSource {
  kProbeColor,         // Ctrl: the colour under the probe point
  kInverseProbeColor,  // Shift: its inverse
  kChooser,            // neither: the colour chooser
};
ChosenColorSource ChosenColorSourceOf(bool shift, bool ctrl);
