// The capture-mode commands: the user origin, pause and update with the desktop
// snapshot, loupe and fixed-point modes, no-self-capture, and the movers that
// carry the cursor or the held probe point in eased steps.
#include "base/checked.h"
#include "general/win/input_state.h"
#include "general/win/platform_info.h"
#include "main/capture_mode_rules.h"
#include "main/main.h"
#include "main/mover_steps.h"

namespace {
constexpr DWORD kCaptureBlt = 0x40000000;
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
  return (NoSelfCapture() || LupeMode()) ? SRCCOPY : (SRCCOPY | kCaptureBlt);
}

// The snapshot asks only for the check marks, enabled or not.
DWORD TApp_Loupist::SnapshotRop() const {
  return (actOpt_NoSelfCapture->Checked() || actCapture_Lupe->Checked()) ? SRCCOPY
                                                                         : (SRCCOPY | kCaptureBlt);
}

// ---- User origin ----

void TApp_Loupist::actPos_UserPosSetExecute(Action* sender) {
  switch (
      UserOriginActionOf(IsKeyDown(VK_SHIFT), IsKeyDown(VK_CONTROL), actCapture_Pause->Checked())) {
    case UserOriginAction::kZero:
      ProbeInfo.UserOrigin = Point{0, 0};
      break;
    case UserOriginAction::kReturnCursor:
      ReturnCursor(actPos_UserPosSet);
      break;
    case UserOriginAction::kCursor:
      ProbeInfo.UserOrigin = GetCursorPoint();
      // A new origin is shown at once.
      if (!actPos_User->Checked()) {
        actPos_User->SetChecked(true);
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
  const bool fromUpdate = sender != nullptr && sender == actCapture_Update;
  switch (PauseActionOf(IsKeyDown(VK_SHIFT), IsKeyDown(VK_CONTROL), fromUpdate)) {
    case PauseAction::kPauseAtCursor:
      ProbeInfo.ScreenPoint = GetCursorPoint();
      actCapture_Pause->SetChecked(true);
      break;
    case PauseAction::kPauseAgain:
      actCapture_Pause->SetChecked(true);
      break;
    case PauseAction::kReturnCursor:
      ReturnCursor(sender);
      return;
    case PauseAction::kToggle:
      actCapture_Pause->SetChecked(!actCapture_Pause->Checked());
      break;
  }
  const bool paused = actCapture_Pause->Checked();
  Timer_Main.SetEnabled(!paused);
  if (paused) {
    TakeDesktopSnapshot();
  } else if (FSavedZoom > 0) {
    // An actual-size view held across the pause ends with it.
    FZoom = FSavedZoom;
    FSavedZoom = -1;
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
  } flag{FTakingSnapshot};
  FTakingSnapshot = true;
  RefreshView();
  FScreenCapture.TakeSnapshot(SnapshotRop());
}

void TApp_Loupist::actCapture_UpdateExecute(Action* sender) {
  if (actCapture_Pause->Checked()) actCapture_PauseExecute(sender);
}

// ---- Loupe, fixed point, no-self-capture ----

void TApp_Loupist::actCapture_LupeExecute(Action*) {
  if (!IsWin2000OrLater()) {
    actCapture_Lupe->SetChecked(false);
    return;
  }
  if (actCapture_Lupe->Checked()) {
    // The loupe never sees its own window, whatever the option says.
    actOpt_NoSelfCapture->SetEnabled(false);
    SetAlphaBlend(true);
  } else {
    LeaveLupeMode();
  }
  RefreshView();
}

void TApp_Loupist::LeaveLupeMode() {
  actOpt_NoSelfCapture->SetEnabled(true);
  if (!actOpt_NoSelfCapture->Checked()) SetAlphaBlend(false);
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
  const bool wasLupe = actCapture_Lupe->Checked();
  actCapture_Fixed->SetChecked(!actCapture_Fixed->Checked());
  // Checking fixed-point mode unchecks loupe mode through the group, without its
  // handler; leave it here as the handler would, or no-self-capture would stay
  // disabled and the window layered with nothing asking for it.
  if (wasLupe && !actCapture_Lupe->Checked()) LeaveLupeMode();
  ProbeInfo.ScreenPoint = GetCursorPoint();
  Timer_InfomationTimer(sender);
  RefreshView();
}

void TApp_Loupist::actOpt_NoSelfCaptureExecute(Action*) {
  // Layered windows exist from Windows 2000 on.
  if (IsNTPlatform() && GetWindowsName() != L"NT") {
    SetAlphaBlend(actOpt_NoSelfCapture->Visible() && actOpt_NoSelfCapture->Checked());
    Sleep(kLayeredSettleMs);
    RefreshView();
  } else {
    actOpt_NoSelfCapture->SetChecked(false);
    SetAlphaBlend(false);
  }
}

// ---- Movers ----

void TApp_Loupist::ReturnCursor(const Action* sender) {
  Point target;
  if (sender != nullptr && sender == actPos_UserPosSet) {
    target = ProbeInfo.UserOrigin;
  } else if (actCapture_Fixed->Checked() || actCapture_Pause->Checked()) {
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
  if (actCapture_Fixed->Checked() || actCapture_Pause->Checked()) GlideProbePoint(GetCursorPoint());
}
