// The command set: binding the handlers, the dispatcher by command code, and the
// zoom, grid, option, menu, file and help commands with the application's shortcuts.
#include <cstdlib>

#include "general/checked.h"
#include "general/win/codepage.h"
#include "general/win/input_state.h"
#include "general/win/shell_ui.h"
#include "main/capture_mode_rules.h"
#include "main/main.h"
#include "platform/win/application.h"
#include "resources/zoom_ladder.h"

namespace {
constexpr UINT kSmoothInterval = 30;
constexpr UINT kNormalInterval = 60;
constexpr DWORD kKeyAltContext = 1u << 29;  // lParam of a key message: Alt was down

const std::vector<std::string>& ZoomLadder() {
  static const std::vector<std::string> ladder = ZoomLadderCommands();
  return ladder;
}
}  // namespace

void TApp_Loupist::BindCommandHandlers() {
  ActionList& list = ActionList_Main;
  actCapture_Update = &list.Get("actCapture_Update");
  actPos_UserPosSet = &list.Get("actPos_UserPosSet");
  actPos_User = &list.Get("actPos_User");

  for (const std::string& name : ZoomLadder())
    list.Bind(name, [this](Action& sender) { actZoomExecute(sender); });
  list.Bind("actZoom_Up", [this](Action& sender) { StepZoom(sender); });
  list.Bind("actZoom_Down", [this](Action& sender) { StepZoom(sender); });

  list.Bind("actGrid_Disp", [this](Action& sender) { actGrid_DispExecute(&sender); });
  for (const char* name : {"actGrid_Gray", "actGrid_Invert", "actGrid_Transparent"})
    list.Bind(name, [this](Action& sender) { actGrid_ColorExecute(sender); });
  list.Bind("actGrid_SubBlue", [this](Action& sender) { actGrid_SubBlueExecute(sender); });
  for (const char* name : {"actGrid_SelColor", "actGrid_SelSubColor"})
    list.Bind(name, [this](Action& sender) { actGrid_SelColorExecute(sender); });

  list.Bind("actOpt_StayOnTop", [this](Action& sender) { actOpt_StayOnTopExecute(&sender); });
  list.Bind("actOpt_SmoothCapture",
            [this](Action& sender) { actOpt_SmoothCaptureExecute(&sender); });
  list.Bind("actOpt_NoSelfCapture",
            [this](Action& sender) { actOpt_NoSelfCaptureExecute(&sender); });
  list.Bind("actMenu_Main", [this](Action& sender) { actMenu_MainExecute(&sender); });
  list.Bind("actFile_Minimize", [this](Action& sender) { actFile_MinimizeExecute(&sender); });
  list.Bind("actFile_Exit", [this](Action& sender) { actFile_ExitExecute(&sender); });
  list.Bind("actHelp", [this](Action& sender) { actHelpExecute(&sender); });

  list.Bind("actPos_UserPosSet", [this](Action& sender) { actPos_UserPosSetExecute(&sender); });
  list.Bind("actCapture_Pause", [this](Action& sender) { actCapture_PauseExecute(&sender); });
  list.Bind("actCapture_Update", [this](Action& sender) { actCapture_UpdateExecute(&sender); });
  list.Bind("actCapture_Lupe", [this](Action& sender) { actCapture_LupeExecute(&sender); });
  list.Bind("actCapture_Fixed", [this](Action& sender) { actCapture_FixedExecute(&sender); });

  FShortCutHook.Install(Application::Instance().OnShortCut,
                        [this](MSG& msg) { return ApplicationEvents1ShortCut(msg); });
}

void TApp_Loupist::MessageBeepOnce() {
  if (FBeepHook) FBeepHook();
  MessageBeep(0);
}

void TApp_Loupist::ExecuteCommand(uint16_t code) {
  Action* command = ActionList_Main.FindByCode(code);
  if (!command) {
    MessageBeepOnce();
    return;
  }
  command->Execute();
}

// ---- Zoom ----

void TApp_Loupist::actZoomExecute(Action& sender) {
  sender.SetChecked(true);
  FZoom = CheckedNarrow(std::llabs(int64_t{sender.Tag()}));
  const int32_t index = ZoomItemIndexOfCommand(sender.Name());
  if (index >= 0) FZoomIndex = index;
  FormResize(&sender);
}

void TApp_Loupist::StepZoom(const Action& command) {
  const auto& ladder = ZoomLadder();
  const int32_t index = StepZoomIndex(FZoomIndex, ZoomStepOfCommand(command.Name()),
                                      static_cast<int32_t>(ladder.size()), FSavedZoom);
  if (index < 0) return;
  actZoomExecute(ActionList_Main.Get(CheckedAt(ladder, static_cast<std::size_t>(index))));
}

// ---- Grid ----

void TApp_Loupist::actGrid_DispExecute(Action*) {
  actGrid_Disp->SetChecked(!actGrid_Disp->Checked());
  FormResize(actGrid_Disp);
  RefreshView();
}

void TApp_Loupist::actGrid_ColorExecute(Action& sender) {
  sender.SetChecked(true);
  FGridColor = static_cast<COLORREF>(sender.Tag());
  if (sender.Name() == "actGrid_Invert")
    FGridPenMode = kPenModeInvert;
  else if (sender.Name() == "actGrid_Transparent")
    FGridPenMode = kPenModeMask;
  else
    FGridPenMode = kPenModeCopy;
  RefreshView();
}

void TApp_Loupist::actGrid_SubBlueExecute(Action& sender) {
  sender.SetChecked(true);
  FSubGridColor = static_cast<COLORREF>(sender.Tag());
  RefreshView();
}

void TApp_Loupist::actGrid_SelColorExecute(Action& sender) {
  const bool grid = sender.Name() == "actGrid_SelColor";
  if (!grid && sender.Name() != "actGrid_SelSubColor") return;
  sender.SetChecked(true);

  // The Tags remember the chosen colours; a cancelled chooser applies the last one.
  bool chosen = true;
  switch (ChosenColorSourceOf(IsKeyDown(VK_SHIFT), IsKeyDown(VK_CONTROL))) {
    case ChosenColorSource::kProbeColor:
      sender.SetTag(static_cast<int32_t>(ProbeInfo.Color));
      break;
    case ChosenColorSource::kInverseProbeColor:
      sender.SetTag(static_cast<int32_t>(InvertColor(ProbeInfo.Color)));
      break;
    case ChosenColorSource::kChooser:
      ColorDialog.Color = static_cast<COLORREF>(sender.Tag());
      chosen = ColorDialog.Execute(Handle());
      if (chosen) sender.SetTag(static_cast<int32_t>(ColorDialog.Color));
      break;
  }
  if (grid) {
    FGridColor = static_cast<COLORREF>(sender.Tag());
    FGridPenMode = kPenModeCopy;
  } else {
    FSubGridColor = static_cast<COLORREF>(sender.Tag());
  }
  if (chosen) actGrid_Disp->SetChecked(true);
  FormResize(&sender);
}

// ---- Options ----

void TApp_Loupist::actOpt_StayOnTopExecute(Action* sender) {
  // Without a sender the current state is only applied (the settings loader).
  if (sender) actOpt_StayOnTop->SetChecked(!actOpt_StayOnTop->Checked());
  SetWindowPos(Handle(), actOpt_StayOnTop->Checked() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RefreshView();
}

void TApp_Loupist::actOpt_SmoothCaptureExecute(Action* sender) {
  Timer_Main.SetInterval(actOpt_SmoothCapture->Checked() ? kSmoothInterval : kNormalInterval);
  if (sender) Timer_InfomationTimer(sender);
  RefreshView();
}

// ---- Menu, file, help ----

void TApp_Loupist::actMenu_MainExecute(Action*) {
  // At the client area's top-left corner, wherever the mouse is.
  POINT origin{0, 0};
  ClientToScreen(Handle(), &origin);
  mnuMain.Popup(Handle(), Point{origin.x, origin.y});
}

void TApp_Loupist::actFile_MinimizeExecute(Action*) { ShowWindow(Handle(), SW_MINIMIZE); }

void TApp_Loupist::actFile_ExitExecute(Action*) { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

void TApp_Loupist::actHelpExecute(Action*) {
  // The caption carries the product name and the file version.
  std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(Handle())) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(
      GetWindowTextW(Handle(), &caption[0], static_cast<int>(caption.size()))));
  ShowMessageBox(WideToAnsi(caption), WideToAnsi(Application::Instance().Title()), Handle());
}

bool TApp_Loupist::ApplicationEvents1ShortCut(MSG& msg) {
  // The Alt key itself never reaches the window.
  if (msg.wParam == VK_MENU) return true;
  uint8_t modifiers = 0;
  if (GetKeyState(VK_SHIFT) < 0) modifiers |= kModShift;
  if (GetKeyState(VK_CONTROL) < 0) modifiers |= kModCtrl;
  if (static_cast<DWORD>(msg.lParam) & kKeyAltContext) modifiers |= kModAlt;
  Action* command =
      ActionList_Main.FindByShortCut(KeyCombo{static_cast<uint16_t>(msg.wParam), modifiers});
  return command && command->Execute();
}
