// The panel's own commands: the three group toggles, and the copy command of each item,
// whose copy pass of RenderInfoLines hands it the item's text.
#include "main/main.h"
#include "main/panel_items.h"

void TApp_Loupist::BindInfoPanelCommands() {
  for (int i = 0; i < kInfoItemCount; ++i) infoCopyActions_[i] = &Command(PanelItem(i + 1).Copy);
  Command(Cmd::actColor_InfoOnOff).SetHandler([this](Action& sender) {
    actColor_InfoOnOffExecute(sender);
  });
  Command(Cmd::actPos_InfoOnOff).SetHandler([this](Action& sender) {
    actPos_InfoOnOffExecute(sender);
  });
  Command(Cmd::actWinInfo_InfoOnOff).SetHandler([this](Action& sender) {
    actWinInfo_InfoOnOffExecute(sender);
  });
  Command(Cmd::actElement_InfoOnOff).SetHandler([this](Action& sender) {
    ToggleInfoItems(TInfoGroup::Element, sender);
  });
}

bool TApp_Loupist::AnyElementLineOn() const {
  for (int32_t item = kItemElement; item <= kItemElementFramework; ++item)
    if (infoItemActions_[item - 1]->Checked()) return true;
  return false;
}

void TApp_Loupist::AskElementOnDemand() {
  // Where the system cannot tell elements the commands are disabled; nothing to wait for.
  if (AnyElementLineOn() || !Command(Cmd::actElement_Element).Enabled()) return;
  ProbeInfo.Element = FElementLines.AskAndWait(ProbeInfo.ScreenPoint);
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
