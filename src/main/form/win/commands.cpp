// The command set: binding the handlers, the dispatcher by command code, and the zoom, grid,
// option, menu, file and help commands with the application's shortcuts; the colour
// instrument's commands, the sample size and the colour history, and the language.
#include <cstdlib>

#include "base/checked.h"
#include "general/win/input_state.h"
#include "main/capture/capture_mode_rules.h"
#include "main/colours/colour_commands.h"
#include "main/colours/colour_sample.h"
#include "main/form/win/main.h"
#include "main/probe/colour_math.h"
#include "main/probe/panel_items.h"
#include "main/texts/command_texts.h"
#include "main/texts/language.h"
#include "platform/win/application.h"
#include "platform/win/shell_ui.h"
#include "resources/zoom_ladder.h"

namespace {
constexpr DWORD kKeyAltContext = 1u << 29;  // lParam of a key message: Alt was down

const std::vector<std::string>& ZoomLadder() {
  static const std::vector<std::string> ladder = ZoomLadderCommands();
  return ladder;
}
}  // namespace

void TApp_Loupist::BindActions() {
  Command(Cmd::actOpt_BigFont).SetHandler([this](Action&) { actOpt_BigFontExecute(); });
  BindInfoPanelCommands();
  BindCommandHandlers();
  BindInputCommands();
  BindCopyCommands();
  BindColourCommands();
  BindLanguageCommands();
}

void TApp_Loupist::BindCommandHandlers() {
  for (const std::string& name : ZoomLadder())
    ActionList_Main.Get(name).SetHandler([this](Action& sender) { actZoomExecute(sender); });
  Command(Cmd::actZoom_Up).SetHandler([this](Action& sender) { StepZoom(sender); });
  Command(Cmd::actZoom_Down).SetHandler([this](Action& sender) { StepZoom(sender); });

  Command(Cmd::actGrid_Disp).SetHandler([this](Action& sender) { actGrid_DispExecute(&sender); });
  for (Cmd id : {Cmd::actGrid_Gray, Cmd::actGrid_Invert, Cmd::actGrid_Transparent})
    Command(id).SetHandler([this](Action& sender) { actGrid_ColorExecute(sender); });
  Command(Cmd::actGrid_SubBlue).SetHandler([this](Action& sender) {
    actGrid_SubBlueExecute(sender);
  });
  for (Cmd id : {Cmd::actGrid_SelColor, Cmd::actGrid_SelSubColor})
    Command(id).SetHandler([this](Action& sender) { actGrid_SelColorExecute(sender); });

  Command(Cmd::actOpt_StayOnTop).SetHandler([this](Action& sender) {
    actOpt_StayOnTopExecute(&sender);
  });
  Command(Cmd::actOpt_SmoothCapture).SetHandler([this](Action& sender) {
    actOpt_SmoothCaptureExecute(&sender);
  });
  Command(Cmd::actOpt_InstantFollow).SetHandler([this](Action& sender) {
    actOpt_InstantFollowExecute(&sender);
  });
  FPointer.OnCursorEvent = [this] { PointerMoved(); };
  Command(Cmd::actOpt_NoSelfCapture).SetHandler([this](Action& sender) {
    actOpt_NoSelfCaptureExecute(&sender);
  });
  Command(Cmd::actMenu_Main).SetHandler([this](Action& sender) { actMenu_MainExecute(&sender); });
  Command(Cmd::actFile_Minimize).SetHandler([this](Action& sender) {
    actFile_MinimizeExecute(&sender);
  });
  Command(Cmd::actFile_Exit).SetHandler([this](Action& sender) { actFile_ExitExecute(&sender); });
  Command(Cmd::actHelp).SetHandler([this](Action& sender) { actHelpExecute(&sender); });

  Command(Cmd::actPos_UserPosSet).SetHandler([this](Action& sender) {
    actPos_UserPosSetExecute(&sender);
  });
  Command(Cmd::actCapture_Pause).SetHandler([this](Action& sender) {
    actCapture_PauseExecute(&sender);
  });
  Command(Cmd::actCapture_Update).SetHandler([this](Action& sender) {
    actCapture_UpdateExecute(&sender);
  });
  Command(Cmd::actCapture_Lupe).SetHandler([this](Action& sender) {
    actCapture_LupeExecute(&sender);
  });
  Command(Cmd::actCapture_Fixed).SetHandler([this](Action& sender) {
    actCapture_FixedExecute(&sender);
  });

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
  FView.FZoom = CheckedNarrow(std::llabs(int64_t{sender.Tag()}));
  const int32_t index = ZoomItemIndexOfCommand(sender.Name());
  if (index >= 0) FView.FZoomIndex = index;
  FormResize(&sender);
}

void TApp_Loupist::StepZoom(const Action& command) {
  const auto& ladder = ZoomLadder();
  const int32_t index = StepZoomIndex(FView.FZoomIndex, ZoomStepOfCommand(command.Name()),
                                      static_cast<int32_t>(ladder.size()), FView.FSavedZoom);
  if (index < 0) return;
  actZoomExecute(ActionList_Main.Get(CheckedAt(ladder, static_cast<std::size_t>(index))));
}

// ---- Grid ----

void TApp_Loupist::actGrid_DispExecute(Action*) {
  FCommands.actGrid_Disp.SetChecked(!FCommands.actGrid_Disp.Checked());
  FormResize(&FCommands.actGrid_Disp);
  RefreshView();
}

void TApp_Loupist::actGrid_ColorExecute(Action& sender) {
  sender.SetChecked(true);
  FView.FGridColor = static_cast<COLORREF>(sender.Tag());
  if (&sender == &Command(Cmd::actGrid_Invert))
    FView.FGridPenMode = kPenModeInvert;
  else if (&sender == &Command(Cmd::actGrid_Transparent))
    FView.FGridPenMode = kPenModeMask;
  else
    FView.FGridPenMode = kPenModeCopy;
  RefreshView();
}

void TApp_Loupist::actGrid_SubBlueExecute(Action& sender) {
  sender.SetChecked(true);
  FView.FSubGridColor = static_cast<COLORREF>(sender.Tag());
  RefreshView();
}

void TApp_Loupist::actGrid_SelColorExecute(Action& sender) {
  const bool grid = &sender == &Command(Cmd::actGrid_SelColor);
  if (!grid && &sender != &Command(Cmd::actGrid_SelSubColor)) return;
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
    FView.FGridColor = static_cast<COLORREF>(sender.Tag());
    FView.FGridPenMode = kPenModeCopy;
  } else {
    FView.FSubGridColor = static_cast<COLORREF>(sender.Tag());
  }
  if (chosen) FCommands.actGrid_Disp.SetChecked(true);
  FormResize(&sender);
}

// ---- Options ----

void TApp_Loupist::actOpt_StayOnTopExecute(Action* sender) {
  // Without a sender the current state is only applied (the settings loader).
  if (sender) FCommands.actOpt_StayOnTop.SetChecked(!FCommands.actOpt_StayOnTop.Checked());
  SetWindowPos(Handle(), FCommands.actOpt_StayOnTop.Checked() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
               0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RefreshView();
}

void TApp_Loupist::actOpt_SmoothCaptureExecute(Action* sender) {
  Timer_Main.SetInterval(TCycleTiming::IntervalOf(FCommands.actOpt_SmoothCapture.Checked()));
  if (sender) Timer_InfomationTimer(sender);
  RefreshView();
}

void TApp_Loupist::actOpt_InstantFollowExecute(Action*) {
  if (FCommands.actOpt_InstantFollow.Checked()) {
    FPointer.Start(Handle());
  } else if (FPointer.Stop()) {
    // The timer followed eventless moves at the frame period: its own period again.
    Timer_Main.SetInterval(TCycleTiming::IntervalOf(FCommands.actOpt_SmoothCapture.Checked()));
  }
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
  ShowMessageBox(caption, Application::Instance().Title(), Handle());
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

// ---- The colour instrument: the probe colour as the contrast's reference, and copied in the
// formats of other languages ----

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
  BindColourHistoryCommands();
}

void TApp_Loupist::actColor_SetReferenceExecute() {
  ProbeInfo.ReferenceColor = static_cast<uint32_t>(ProbeInfo.RGBValue) & 0xFFFFFFu;
  ShowStatusText(ReferenceStatusText(ProbeInfo.ReferenceColor));
}

void TApp_Loupist::CopyColourFormat(const Action& command, TColourFormat format) {
  const bool shift = IsKeyDown(VK_SHIFT);
  const std::wstring text =
      ColourFormatText(format, static_cast<uint32_t>(ProbeInfo.RGBValue), shift);
  ColourCopied(command, shift);
  CopyTextWithStatus(text, CopyStatusText(WithoutMnemonic(command.Caption()), text));
}

// ---- The sample size and the colour history ----

void TApp_Loupist::BindColourHistoryCommands() {
  for (int32_t index = 0; index < kSampleSizeCount; ++index)
    Command(SampleCommand(index)).SetHandler([this, index](Action& sender) {
      sender.SetChecked(true);
      FColours.SetSampleIndex(index);
      RefreshView();
    });
  for (int32_t place = 0; place < static_cast<int32_t>(kHistoryCapacity); ++place)
    Command(HistoryColourCommand(place)).SetHandler([this](Action& sender) {
      actColor_HistoryColorExecute(sender);
    });
  Command(Cmd::actColor_Remember).SetHandler([this](Action&) {
    const uint32_t rgb = static_cast<uint32_t>(ProbeInfo.RGBValue) & 0xFFFFFFu;
    FColours.Remember(rgb);
    ColoursChanged();
    ShowStatusText(RememberedStatusText(rgb));
  });
  Command(Cmd::actColor_HistoryClear).SetHandler([this](Action&) {
    FColours.Clear();
    ColoursChanged();
    RefreshView();
  });
}

void TApp_Loupist::ColourCopied(const Action& copy, bool shift) {
  if (const std::optional<TColourCopy> taken = ColourCopyOf(copy.Name(), shift)) {
    FColours.Copied(static_cast<uint32_t>(ProbeInfo.RGBValue), *taken);
    ColoursChanged();
  }
}

// Copied in the format of the last colour copy, which it counts as; with Shift the reference.
void TApp_Loupist::actColor_HistoryColorExecute(const Action& sender) {
  const std::optional<uint32_t> rgb = FColours.HistoryColour(sender.Tag());
  if (!rgb) return;
  if (IsKeyDown(VK_SHIFT)) {
    ProbeInfo.ReferenceColor = *rgb;
    ShowStatusText(ReferenceStatusText(*rgb));
    return;
  }
  const TColourCopy copy = FColours.LastCopy();
  const std::wstring text = ColourCopyText(copy, *rgb);
  FColours.Copied(*rgb, copy);
  ColoursChanged();
  CopyTextWithStatus(text, CopyStatusText(WithoutMnemonic(Command(copy.Command).Caption()), text));
}

void TApp_Loupist::ColoursChanged() {
  ProbeInfo.History = FColours.History();
  FColours.ShowInCommands(ActionList_Main);
}

// ---- The language of the window's texts: chosen in the menu, it changes every caption and
// the panel at once, without a restart ----

void TApp_Loupist::BindLanguageCommands() {
  for (TLanguage language : kLanguages)
    Command(LanguageCommand(language)).SetHandler([this, language](Action&) {
      actOpt_LanguageExecute(language);
    });
}

void TApp_Loupist::actOpt_LanguageExecute(TLanguage language) {
  ChooseLanguage(language);
  ApplyLanguageTexts();
  // The panel's face, its label column and the zoom caption's width belong to the language.
  ApplyPanelFont();
  FormResize(&Command(LanguageCommand(language)));
}

void TApp_Loupist::ApplyLanguageTexts() {
  ApplyCommandTexts(ActionList_Main);
  for (const TMenuText& row : MenuTexts()) mnuMain.SetItemCaption(row.Item, Pick(row.Caption));
  Command(LanguageCommand(ActiveLanguage())).SetChecked(true);
  // The monitor move of the taskbar button's menu, which the system keeps.
  if (HMENU systemMenu = GetSystemMenu(Handle(), FALSE))
    ModifyMenuW(systemMenu, kMonitorMoveCommand, MF_BYCOMMAND | MF_STRING, kMonitorMoveCommand,
                Command(Cmd::actMove_Monitor).Caption().c_str());
}
