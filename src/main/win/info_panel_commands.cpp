// The panel's own commands: the three group toggles, and the copy command of each item,
// through which RenderInfoLines tells a copy from a drawing or a measuring walk.
#include "main/main.h"

namespace {
const char* const kInfoCopyCommands[kInfoItemCount] = {
    "actCopy_ColorRGB",        "actCopy_ColorHTML",       "actCopy_ColorCOLORREF",
    "actCopy_PosScreen",       "actCopy_PosClient",       "actCopy_PosUser",
    "actCopy_WInfoHandle",     "actCopy_WInfoClassName",  "actCopy_WInfoText",
    "actCopy_WInfoWindowSize", "actCopy_WInfoClientSize", "actCopy_WInfoRect",
    "actCopy_WInfoExeName",
};
}  // namespace

void TApp_Loupist::BindInfoPanelCommands() {
  ActionList& list = ActionList_Main;
  for (int i = 0; i < kInfoItemCount; ++i) infoCopyActions_[i] = &list.Get(kInfoCopyCommands[i]);
  list.Bind("actColor_InfoOnOff", [this](Action& sender) { actColor_InfoOnOffExecute(sender); });
  list.Bind("actPos_InfoOnOff", [this](Action& sender) { actPos_InfoOnOffExecute(sender); });
  list.Bind("actWinInfo_InfoOnOff",
            [this](Action& sender) { actWinInfo_InfoOnOffExecute(sender); });
}

void TApp_Loupist::actColor_InfoOnOffExecute(Action& sender) {
  ToggleInfoItems(TInfoGroup::Color, sender);
}

void TApp_Loupist::actPos_InfoOnOffExecute(Action& sender) {
  ToggleInfoItems(TInfoGroup::Position, sender);
}

void TApp_Loupist::actWinInfo_InfoOnOffExecute(Action& sender) {
  ToggleInfoItems(TInfoGroup::Window, sender);
}

void TApp_Loupist::ToggleInfoItems(TInfoGroup group, Action& sender) {
  // An item that the system cannot serve (the executable outside the NT family) is disabled
  // and hidden: it neither blocks "all on" nor is switched on by it.
  InfoItemChecks checks{};
  for (int i = 0; i < kInfoItemCount; ++i)
    checks[i] = infoItemActions_[i]->Checked() || !infoItemActions_[i]->Enabled();
  const InfoItemChecks toggled = ToggleInfoGroup(checks, group);
  for (int i = 0; i < kInfoItemCount; ++i) {
    if (infoItemActions_[i]->Enabled()) infoItemActions_[i]->SetChecked(toggled[i]);
  }
  FormResize(&sender);
}
