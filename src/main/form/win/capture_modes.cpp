// The capture-mode commands: the user origin, pause and update with the desktop
// snapshot, loupe and fixed-point modes, no-self-capture, and the movers that
// carry the cursor or the held probe point in eased steps.
#include "base/checked.h"
#include "general/win/input_state.h"
#include "general/win/platform_info.h"
#include "main/capture/capture_mode_rules.h"
#include "main/capture/mover_steps.h"
#include "main/form/win/main.h"

namespace {
// Lets the window manager take the new window style before the next screen copy.
constexpr DWORD kLayeredSettleMs = 100;
constexpr BYTE kOpaque = 255;

void SleepUntilDue(uint32_t start, uint32_t dueMs) {
  const uint32_t wait = MillisecondsUntil(start, dueMs, GetTickCount());
  if (wait > 0) Sleep(wait);
}

void PutCursor(const Point& p) { SetCursorPos(p.X, p.Y); }
}  // namespace

// ---- The alpha-blend flag ----

bool TApp_Loupist::AlphaBlend() const {
  return (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

void TApp_Loupist::SetAlphaBlend(bool on) {
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  if (on == ((style & WS_EX_LAYERED) != 0)) return;
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, on ? (style | WS_EX_LAYERED) : (style & ~WS_EX_LAYERED));
  // A layered window stays invisible until it has its attributes.
  if (on) SetLayeredWindowAttributes(Handle(), 0, kOpaque, LWA_ALPHA);
  InvalidateRect(Handle(), nullptr, FALSE);
}

DWORD TApp_Loupist::LiveCaptureRop() const {
  return CaptureRop(FCommands.NoSelfCapture() || FCommands.LupeMode());
}

// The snapshot asks only for the check marks, enabled or not.
DWORD TApp_Loupist::SnapshotRop() const {
  return CaptureRop(FCommands.actOpt_NoSelfCapture.Checked() ||
                    FCommands.actCapture_Lupe.Checked());
}

// ---- User origin ----

void TApp_Loupist::actPos_UserPosSetExecute(Action* sender) {
  switch (UserOriginActionOf(IsKeyDown(VK_SHIFT), IsKeyDown(VK_CONTROL),
                             FCommands.actCapture_Pause.Checked())) {
    case UserOriginAction::kZero:
      ProbeInfo.UserOrigin = Point{0, 0};
      break;
    case UserOriginAction::kReturnCursor:
      ReturnCursor(&FCommands.actPos_UserPosSet);
      break;
    case UserOriginAction::kCursor:
      ProbeInfo.UserOrigin = GetCursorPoint();
      // A new origin is shown at once.
      if (!FCommands.actPos_User.Checked()) {
        FCommands.actPos_User.SetChecked(true);
        FormResize(sender);
      }
      break;
    case UserOriginAction::kProbePoint:
      ProbeInfo.UserOrigin = ProbeInfo.ScreenPoint;
      break;
  }
  RefreshView();
}

// ---- Pause and update ----

void TApp_Loupist::actCapture_PauseExecute(Action* sender) {
  const bool fromUpdate = sender != nullptr && sender == &FCommands.actCapture_Update;
  switch (PauseActionOf(IsKeyDown(VK_SHIFT), IsKeyDown(VK_CONTROL), fromUpdate)) {
    case PauseAction::kPauseAtCursor:
      ProbeInfo.ScreenPoint = GetCursorPoint();
      FCommands.actCapture_Pause.SetChecked(true);
      break;
    case PauseAction::kPauseAgain:
      FCommands.actCapture_Pause.SetChecked(true);
      break;
    case PauseAction::kReturnCursor:
      ReturnCursor(sender);
      return;
    case PauseAction::kToggle:
      FCommands.actCapture_Pause.SetChecked(!FCommands.actCapture_Pause.Checked());
      break;
  }
  const bool paused = FCommands.actCapture_Pause.Checked();
  Timer_Main.SetEnabled(!paused);
  if (paused) {
    TakeDesktopSnapshot();
  } else if (FView.FSavedZoom > 0) {
    // An actual-size view held across the pause ends with it.
    FView.FZoom = FView.FSavedZoom;
    FView.FSavedZoom = -1;
  }
  Timer_InfomationTimer(sender);
  FormResize(sender);
}

void TApp_Loupist::TakeDesktopSnapshot() {
  // With the snapshot flag up, one more cycle copies from the live screen and reads
  // the window facts that the pause then keeps.
  struct SnapshotFlag {
    bool& taking;
    ~SnapshotFlag() { taking = false; }
  } flag{FCycle.FTakingSnapshot};
  FCycle.FTakingSnapshot = true;
  RefreshView();
  FScreenCapture.TakeSnapshot(SnapshotRop());
}

void TApp_Loupist::actCapture_UpdateExecute(Action* sender) {
  if (FCommands.actCapture_Pause.Checked()) actCapture_PauseExecute(sender);
}

// ---- Loupe, fixed point, no-self-capture ----

void TApp_Loupist::actCapture_LupeExecute(Action*) {
  if (!IsWin2000OrLater()) {
    FCommands.actCapture_Lupe.SetChecked(false);
    return;
  }
  if (FCommands.actCapture_Lupe.Checked()) {
    // The loupe never sees its own window, whatever the option says.
    FCommands.actOpt_NoSelfCapture.SetEnabled(false);
    SetAlphaBlend(true);
  } else {
    LeaveLupeMode();
  }
  RefreshView();
}

void TApp_Loupist::LeaveLupeMode() {
  FCommands.actOpt_NoSelfCapture.SetEnabled(true);
  if (!FCommands.actOpt_NoSelfCapture.Checked()) SetAlphaBlend(false);
}

void TApp_Loupist::actCapture_FixedExecute(Action* sender) {
  switch (FixedActionOf(IsKeyDown(VK_SHIFT), IsKeyDown(VK_CONTROL))) {
    case FixedAction::kReturnCursor:
      ReturnCursor(sender);
      return;
    case FixedAction::kGlideToCursor:
      ProbePointToCursor();
      return;
    case FixedAction::kToggle:
      break;
  }
  const bool wasLupe = FCommands.actCapture_Lupe.Checked();
  FCommands.actCapture_Fixed.SetChecked(!FCommands.actCapture_Fixed.Checked());
  // Checking fixed-point mode unchecks loupe mode through the group, without its
  // handler; leave it here as the handler would, or no-self-capture would stay
  // disabled and the window layered with nothing asking for it.
  if (wasLupe && !FCommands.actCapture_Lupe.Checked()) LeaveLupeMode();
  ProbeInfo.ScreenPoint = GetCursorPoint();
  Timer_InfomationTimer(sender);
  RefreshView();
}

void TApp_Loupist::actOpt_NoSelfCaptureExecute(Action*) {
  // Layered windows exist from Windows 2000 on.
  if (IsNTPlatform() && GetWindowsName() != L"NT") {
    SetAlphaBlend(FCommands.actOpt_NoSelfCapture.Visible() &&
                  FCommands.actOpt_NoSelfCapture.Checked());
    Sleep(kLayeredSettleMs);
    RefreshView();
  } else {
    FCommands.actOpt_NoSelfCapture.SetChecked(false);
    SetAlphaBlend(false);
  }
}

// ---- Movers ----

void TApp_Loupist::ReturnCursor(const Action* sender) {
  Point target;
  if (sender != nullptr && sender == &FCommands.actPos_UserPosSet) {
    target = ProbeInfo.UserOrigin;
  } else if (FCommands.PointHeld()) {
    target = ProbeInfo.ScreenPoint;
  } else {
    return;  // following the cursor, there is nothing to return to
  }
  const uint32_t start = GetTickCount();
  for (const TimedStep& step : ReturnCursorSteps(GetCursorPoint(), target)) {
    PutCursor(step.At);
    SleepUntilDue(start, step.DueMs);
  }
  PutCursor(target);
}

void TApp_Loupist::GlideProbePoint(const Point& target) {
  const uint32_t start = GetTickCount();
  for (const TimedStep& step : GlideSteps(ProbeInfo.ScreenPoint, target)) {
    ProbeInfo.ScreenPoint = step.At;
    RefreshView();
    SleepUntilDue(start, step.DueMs);
  }
  ProbeInfo.ScreenPoint = target;
  Timer_InfomationTimer(nullptr);
  RefreshView();
}

void TApp_Loupist::ProbePointToCursor() {
  if (FCommands.PointHeld()) GlideProbePoint(GetCursorPoint());
}
