// Binds the command table to the window: the actions the cycle consults and the handlers.
#include "main/main.h"

namespace {
const char* const kInfoItemCommands[kInfoItemCount] = {
    "actColor_RGB",       "actColor_HTML",         "actColor_COLORREF",     "actPos_Screen",
    "actPos_Client",      "actPos_User",           "actWinInfo_Handle",     "actWinInfo_ClassName",
    "actWinInfo_Text",    "actWinInfo_WindowSize", "actWinInfo_ClientSize", "actWinInfo_Rect",
    "actWinInfo_ExeName",
};
}  // namespace

void TApp_Loupist::BindActions() {
  ActionList& list = ActionList_Main;
  actCapture_Lupe = &list.Get("actCapture_Lupe");
  actCapture_Fixed = &list.Get("actCapture_Fixed");
  actCapture_Pause = &list.Get("actCapture_Pause");
  actOpt_NoSelfCapture = &list.Get("actOpt_NoSelfCapture");
  actOpt_SmoothCapture = &list.Get("actOpt_SmoothCapture");
  actOpt_StayOnTop = &list.Get("actOpt_StayOnTop");
  actOpt_BigFont = &list.Get("actOpt_BigFont");
  actGrid_Disp = &list.Get("actGrid_Disp");
  for (int i = 0; i < kInfoItemCount; ++i) {
    infoItemActions_[i] = &list.Get(kInfoItemCommands[i]);
    infoItemActions_[i]->SetHandler([this](Action& sender) { FormResize(&sender); });
  }
  list.Bind("actOpt_BigFont", [this](Action&) { actOpt_BigFontExecute(); });
  BindInfoPanelCommands();
  BindCommandHandlers();
  BindInputCommands();
  BindCopyCommands();
}
