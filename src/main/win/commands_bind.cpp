// Binds the command table to the window: the actions the cycle consults and the handlers.
#include "main/main.h"

namespace {
const Cmd kInfoItemCommands[kInfoItemCount] = {
    Cmd::actColor_RGB,          Cmd::actColor_HTML,         Cmd::actColor_COLORREF,
    Cmd::actPos_Screen,         Cmd::actPos_Client,         Cmd::actPos_User,
    Cmd::actWinInfo_Handle,     Cmd::actWinInfo_ClassName,  Cmd::actWinInfo_Text,
    Cmd::actWinInfo_WindowSize, Cmd::actWinInfo_ClientSize, Cmd::actWinInfo_Rect,
    Cmd::actWinInfo_ExeName,
};
}  // namespace

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
    infoItemActions_[i] = &Command(kInfoItemCommands[i]);
    infoItemActions_[i]->SetHandler([this](Action& sender) { FormResize(&sender); });
  }
  Command(Cmd::actOpt_BigFont).SetHandler([this](Action&) { actOpt_BigFontExecute(); });
  BindInfoPanelCommands();
  BindCommandHandlers();
  BindInputCommands();
  BindCopyCommands();
}
