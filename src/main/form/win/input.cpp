// Mouse and keyboard: the key table, the wheel, the sizing frame, panning the held
// point, right-button gestures, the actual-size view and the movement commands.
#include <windowsx.h>

#include "base/checked.h"
#include "general/helpers.h"
#include "general/win/dpi.h"
#include "general/win/input_state.h"
#include "general/win/window_placement.h"
#include "main/form/win/main.h"
#include "my_monitor/win/my_monitor.h"
#include "my_settingfile/settings_unit.h"
#include "platform/win/application.h"
#include "platform/win/reentry.h"

namespace {
bool AltHeld() { return GetKeyState(VK_MENU) < 0; }

const wchar_t* CursorResource(FrameCursor shape) {
  switch (shape) {
    case FrameCursor::kSizeNWSE:
      return IDC_SIZENWSE;
    case FrameCursor::kSizeNESW:
      return IDC_SIZENESW;
    case FrameCursor::kSizeWE:
      return IDC_SIZEWE;
    case FrameCursor::kSizeNS:
      return IDC_SIZENS;
    case FrameCursor::kArrow:
      break;
  }
  return IDC_ARROW;
}

}  // namespace

void TApp_Loupist::BindInputCommands() {
  for (Cmd id : {Cmd::actMove_Left, Cmd::actMove_Right, Cmd::actMove_Up, Cmd::actMove_Down})
    Command(id).SetHandler([this](Action& sender) { actMove_LeftExecute(&sender); });
  Command(Cmd::actMove_Monitor).SetHandler([this](Action& sender) {
    actMove_MonitorExecute(&sender);
  });
}

bool TApp_Loupist::HandleInputMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  result = 0;
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      FInput.KeyPressed(static_cast<uint16_t>(wParam));
      return FormKeyDown(static_cast<uint16_t>(wParam), AltHeld());
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (!FInput.TakeKeyRelease(static_cast<uint16_t>(wParam))) return false;
      return FormKeyUp(static_cast<uint16_t>(wParam), AltHeld());
    case WM_MOUSEWHEEL: {
      if (FInput.FInputBusy) return true;  // dropped whole, remainder and all
      const bool ctrl = (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0;
      const bool alt = AltHeld();
      const int32_t notches = FInput.TakeWheel(GET_WHEEL_DELTA_WPARAM(wParam), alt, ctrl);
      if (notches > 0)
        FormMouseWheelUp(alt, ctrl, notches);
      else if (notches < 0)
        FormMouseWheelDown(alt, ctrl, -notches);
      return true;
    }
    case WM_LBUTTONDOWN:
      FormMouseDown(VK_LBUTTON, x, y, (wParam & MK_LBUTTON) != 0);
      return true;
    case WM_LBUTTONDBLCLK:
      FormDblClick();
      FormMouseDown(VK_LBUTTON, x, y, (wParam & MK_LBUTTON) != 0);
      return true;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      FormMouseDown(VK_RBUTTON, x, y, (wParam & MK_LBUTTON) != 0);
      return true;
    case WM_MOUSEMOVE:
      FormMouseMove(x, y, (wParam & MK_LBUTTON) != 0);
      return true;
    case WM_LBUTTONUP:
      FormMouseUp(VK_LBUTTON, x, y, (wParam & MK_CONTROL) != 0, (wParam & MK_SHIFT) != 0);
      return true;
    case WM_RBUTTONUP:
      FormMouseUp(VK_RBUTTON, x, y, (wParam & MK_CONTROL) != 0, (wParam & MK_SHIFT) != 0);
      return true;
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) return false;
      ApplyCursorShape();
      result = TRUE;
      return true;
    default:
      return false;
  }
}

// ---- Keys ----

bool TApp_Loupist::FormKeyDown(uint16_t key, bool altDown) {
  const KeyDownAction action = DecideKeyDown(KeyCommandTable, key, altDown);
  if (action.BeginActualSize) BeginActualSize();
  for (int i = 0; i < action.CodeCount; ++i) ExecuteCommand(action.Codes[i]);
  return action.Consumed;
}

bool TApp_Loupist::FormKeyUp(uint16_t key, bool altDown) {
  const KeyUpAction action = DecideKeyUp(KeyCommandTable, key, altDown);
  switch (action.Kind) {
    case KeyUpKind::kOpenMenu:
      actMenu_MainExecute(nullptr);
      break;
    case KeyUpKind::kEndActualSize:
      EndActualSize();
      break;
    case KeyUpKind::kExecute:
      ExecuteCommand(action.Code);  // beeps for a key without a command
      break;
    case KeyUpKind::kAlreadyDone:
    case KeyUpKind::kIgnore:
      break;
  }
  return action.Consumed;
}

void TApp_Loupist::BeginActualSize() {
  if (FView.FSavedZoom >= 0) return;  // auto-repeat of the key changes nothing
  FView.FSavedZoom = FView.FZoom;
  FView.FZoom = 1;
  FCycle.FLastCaptureTick = 0;
  FormResize(nullptr);
}

void TApp_Loupist::EndActualSize() {
  if (FView.FSavedZoom <= 0) return;
  FView.FZoom = FView.FSavedZoom;
  FView.FSavedZoom = -1;
  FCycle.FLastCaptureTick = 0;
  FormResize(nullptr);
}

// ---- Wheel ----

void TApp_Loupist::FormMouseWheelUp(bool altDown, bool ctrlDown, int32_t notches) {
  RunWheel(true, altDown, ctrlDown, notches);
}

void TApp_Loupist::FormMouseWheelDown(bool altDown, bool ctrlDown, int32_t notches) {
  RunWheel(false, altDown, ctrlDown, notches);
}

void TApp_Loupist::RunWheel(bool up, bool altDown, bool ctrlDown, int32_t notches) {
  const BusyClaim claim(FInput.FInputBusy);
  if (!claim.Entered()) return;
  const WheelAction action = DecideWheel(up, altDown, ctrlDown);
  if (action == WheelAction::kZoomUp || action == WheelAction::kZoomDown) {
    Action& zoom = Command(up ? Cmd::actZoom_Up : Cmd::actZoom_Down);
    for (int32_t i = 0; i < notches; ++i) StepZoom(zoom);
  } else {
    // One nudge of all the notches: in follow mode a nudge counts from the last captured
    // position, so separate nudges within one message would move the cursor only once.
    const Cmd command = action == WheelAction::kMoveLeft    ? Cmd::actMove_Left
                        : action == WheelAction::kMoveRight ? Cmd::actMove_Right
                        : action == WheelAction::kMoveUp    ? Cmd::actMove_Up
                                                            : Cmd::actMove_Down;
    const Point step = MoveStep(Command(command).Code(), IsKeyDown(VK_SHIFT));
    NudgeBy(CheckedMul(step.X, notches), CheckedMul(step.Y, notches));
  }
  PumpPendingMessages();
}

// ---- Frame, mouse buttons, panning, gestures ----

void TApp_Loupist::ApplyCursorShape() {
  SetCursor(LoadCursorW(nullptr, CursorResource(FInput.CursorShape())));
}

void TApp_Loupist::TrackFrame(int x, int y, bool perform) {
  const FrameZone zone =
      FrameZoneAt(x, y, ClientWidth(), ClientHeight(), FrameMetricForDpi(SM_CXFRAME, FView.FDpi),
                  FrameMetricForDpi(SM_CYFRAME, FView.FDpi));
  if (perform) ReleaseCapture();
  FInput.SetCursorShape(CursorOfZone(zone));
  ApplyCursorShape();
  if (perform) SendMessageW(Handle(), WM_SYSCOMMAND, SystemCommandOfZone(zone), 0);
}

void TApp_Loupist::FormMouseDown(int button, int x, int y, bool leftHeld) {
  if (button == VK_RBUTTON) {
    FInput.RightPressed(Point{x, y});
    return;
  }
  if (button != VK_LBUTTON) return;
  const Point press = GetCursorClientPoint(Handle());
  FInput.LeftPressed(press);
  const Rect info = OffsetRectByPoint(FView.FInfoRect, Point{0, 0});
  const bool onPicture = !(press.X >= info.Left && press.X < info.Right && press.Y >= info.Top &&
                           press.Y < info.Bottom);
  if (FCommands.actCapture_Fixed.Checked() && !FCommands.actCapture_Pause.Checked() && onPicture &&
      FInput.CursorShape() == FrameCursor::kArrow) {
    SetCapture(Handle());
    FInput.BeginPan(ProbeInfo.ScreenPoint);
    return;
  }
  if (IsKeyDown(VK_CONTROL)) return;  // a Ctrl click acts on release
  if (!IsZoomed(Handle())) TrackFrame(x, y, leftHeld);
}

void TApp_Loupist::FormMouseMove(int x, int y, bool leftHeld) {
  if (!FInput.Panning()) {
    TrackFrame(x, y, leftHeld);
    return;
  }
  if (!leftHeld) return;
  const BusyClaim claim(FInput.FInputBusy);
  if (!claim.Entered()) return;
  TMyMonitors& monitors = MyMonitors();
  monitors.Refresh();
  ProbeInfo.ScreenPoint = FInput.PanTo(Point{x, y}, FView.FZoom, monitors.Layout());
  RefreshView();
  PumpPendingMessages();
}

void TApp_Loupist::FormMouseUp(int button, int x, int y, bool ctrlDown, bool shiftDown) {
  if (button == VK_LBUTTON) {
    ReleaseCapture();
    FInput.EndPan();
    if (FCommands.PointHeld() && ctrlDown && !shiftDown) FormDblClick();
    return;
  }
  DragWay way = DragWay::kNone;
  if (button != VK_RBUTTON || !FInput.RightReleased(Point{x, y}, GetSystemMetrics(SM_CXDOUBLECLK),
                                                    GetSystemMetrics(SM_CYDOUBLECLK), way))
    return;
  if (way == DragWay::kNone) {
    POINT screen{x, y};
    ClientToScreen(Handle(), &screen);
    mnuMain.Popup(Handle(), Point{screen.x, screen.y});
    return;
  }
  ExecuteCommand(GestureCommandTable[GestureSlotOf(way)]);
}

void TApp_Loupist::FormDblClick() {
  if (!FCommands.actCapture_Fixed.Checked()) return;
  TMyMonitors& monitors = MyMonitors();
  monitors.Refresh();
  const Point target = DoubleClickTarget(FInput.LeftPressPos(), ProbeInfo.ScreenPoint,
                                         FView.FSrcHalf, FView.FZoom, monitors.Layout());
  if (target != ProbeInfo.ScreenPoint) GlideProbePoint(target);
}

// ---- Movement commands ----

void TApp_Loupist::actMove_LeftExecute(const Action* sender) {
  if (sender == nullptr) return;
  const Point step = MoveStep(sender->Code(), IsKeyDown(VK_SHIFT));
  if (step == Point{0, 0}) return;
  if (IsKeyDown(VK_CONTROL)) {
    JumpToEdge(MoveStep(sender->Code(), false));
    return;
  }
  NudgeBy(step.X, step.Y);
}

void TApp_Loupist::JumpToEdge(const Point& step) {
  const Point from = ProbeInfo.ScreenPoint;
  const Point to = FSpacing.Jump(from, step, FCommands.SpacingTolerance(), PixelSource());
  if (to == from) return;
  if (FCommands.actCapture_Fixed.Checked() && !FCommands.LupeMode()) {
    // Paused too: the held point then moves over the snapshot, which the jump read.
    ProbeInfo.ScreenPoint = to;
    Timer_InfomationTimer(&Timer_Infomation);  // drops a transient message and refreshes
    return;
  }
  NudgeBy(CheckedSub(to.X, from.X), CheckedSub(to.Y, from.Y));
  // A held key's next jump starts from where this one landed, not from the last tick's point.
  RefreshView();
}

void TApp_Loupist::NudgeBy(int32_t dx, int32_t dy) {
  if (FCommands.actCapture_Fixed.Checked() && !FCommands.LupeMode()) {
    if (FCommands.actCapture_Pause.Checked()) return;
    TMyMonitors& monitors = MyMonitors();
    monitors.Refresh();
    ProbeInfo.ScreenPoint = NudgeHeldPoint(ProbeInfo.ScreenPoint, Point{dx, dy}, monitors.Layout());
    Timer_InfomationTimer(&Timer_Infomation);
    RefreshView();
  } else if (FCommands.LupeMode()) {
    RECT r{};
    GetWindowRect(Handle(), &r);
    SetWindowPos(Handle(), nullptr, CheckedAdd(r.left, dx), CheckedAdd(r.top, dy), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    // Relative to where the last capture saw the cursor.
    SetCursorPos(CheckedAdd(ProbeInfo.ScreenPoint.X, dx), CheckedAdd(ProbeInfo.ScreenPoint.Y, dy));
  }
}

void TApp_Loupist::actMove_MonitorExecute(const Action*) {
  // Run from the taskbar button's system menu the window may be minimised: it is its
  // restored place that moves, so a restore brings it back where the user sent it.
  const Rect bounds = NormalWindowRect(Handle());
  const auto moveTo = [&](const Point& corner) {
    SetNormalWindowRect(Handle(), Rect{corner.X, corner.Y, CheckedAdd(corner.X, RectWidth(bounds)),
                                       CheckedAdd(corner.Y, RectHeight(bounds))});
  };
  if (IsKeyDown(VK_SHIFT)) {
    moveTo(Point{0, 0});
    return;
  }
  TMyMonitors& monitors = MyMonitors();
  monitors.Refresh();
  const int32_t n = monitors.NumberOfWindow(Handle());
  const int32_t m = WrapAround(CheckedAdd(n, 1), 1, monitors.Count());
  const Rect work = monitors.Items(m - 1).WorkAreaRect();
  moveTo(Point{work.Left, work.Top});
}
