#include "main/capture/capture_mode_rules.h"

UserOriginAction UserOriginActionOf(bool shift, bool ctrl, bool paused) {
  if (shift && ctrl) return UserOriginAction::kZero;
  if (ctrl) return UserOriginAction::kReturnCursor;
  if (!paused || shift) return UserOriginAction::kCursor;
  return UserOriginAction::kProbePoint;
}

PauseAction PauseActionOf(bool shift, bool ctrl, bool fromUpdate) {
  if (fromUpdate) return PauseAction::kPauseAgain;
  if (shift) return PauseAction::kPauseAtCursor;
  if (ctrl) return PauseAction::kReturnCursor;
  return PauseAction::kToggle;
}

FixedAction FixedActionOf(bool shift, bool ctrl) {
  if (ctrl) return FixedAction::kReturnCursor;
  if (shift) return FixedAction::kGlideToCursor;
  return FixedAction::kToggle;
}

ChosenColorSource ChosenColorSourceOf(bool shift, bool ctrl) {
  if (ctrl) return ChosenColorSource::kProbeColor;
  if (shift) return ChosenColorSource::kInverseProbeColor;
  return ChosenColorSource::kChooser;
}
