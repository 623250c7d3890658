// Binds the command table to the window: the actions the cycle consults and the handlers.
#include "main/main.h"
#include "main/panel_items.h"

void TApp_Loupist::BindActions() {
  actCapture_Lupe = &Command(Cmd::actCapture_Lupe);
  actCapture_Fixed = &Command(Cmd::actCapture_Fixed);
  actCapture_Pause = &Command(Cmd::actCapture_Pause);
  actOpt_NoSelfCapture = &Command(Cmd::actOpt_NoSelfCapture);
  actOpt_SmoothCapture = &Command(Cmd::actOpt_SmoothCapture);
  actOpt_StayOnTop = &Command(Cmd::actOpt_StayOnTop);
  actOpt_BigFont = &Command(Cmd::actOpt_BigFont);
  actGrid_Disp = &Command(Cmd::actGrid_Disp);
  for (int i = 0; i < kInfoItemCount; ++i) {
    infoItemActions_[i] = &Command(PanelItem(i + 1).Line);
    infoItemActions_[i]->SetHandler([this](Action& sender) { FormResize(&sender); });
  }
  Command(Cmd::actOpt_BigFont).SetHandler([this](Action&) { actOpt_BigFontExecute(); });
  BindInfoPanelCommands();
  BindCommandHandlers();
  BindInputCommands();
  BindCopyCommands();
  BindColourCommands();
  BindLanguageCommands();
}
