// The commands whose state the capture cycle, the panel and the input consult on every tick,
// found once in the action list: the capture modes, the options, the grid, the panel's
// lines with their copies and the spacing's tolerances.
#pragma once
#include <array>

#include "main/probe/panel_items.h"
#include "my_settingfile/settings_record.h"
#include "platform/command_model.h"
#include "resources/commands.h"

struct TCycleCommands {
  explicit TCycleCommands(ActionList& list)
      : actCapture_Lupe(Of(list, Cmd::actCapture_Lupe)),
        actCapture_Fixed(Of(list, Cmd::actCapture_Fixed)),
        actCapture_Pause(Of(list, Cmd::actCapture_Pause)),
        actCapture_Update(Of(list, Cmd::actCapture_Update)),
        actOpt_NoSelfCapture(Of(list, Cmd::actOpt_NoSelfCapture)),
        actOpt_SmoothCapture(Of(list, Cmd::actOpt_SmoothCapture)),
        actOpt_InstantFollow(Of(list, Cmd::actOpt_InstantFollow)),
        actOpt_StayOnTop(Of(list, Cmd::actOpt_StayOnTop)),
        actOpt_BigFont(Of(list, Cmd::actOpt_BigFont)),
        actGrid_Disp(Of(list, Cmd::actGrid_Disp)),
        actPos_UserPosSet(Of(list, Cmd::actPos_UserPosSet)),
        actPos_User(Of(list, Cmd::actPos_User)),
        Tolerance{&Of(list, Cmd::actPos_Tolerance0),  &Of(list, Cmd::actPos_Tolerance2),
                  &Of(list, Cmd::actPos_Tolerance8),  &Of(list, Cmd::actPos_Tolerance16),
                  &Of(list, Cmd::actPos_Tolerance32), &Of(list, Cmd::actPos_Tolerance64)} {
    for (int32_t item = 1; item <= kInfoItemCount; ++item) {
      InfoLine[item - 1] = &Of(list, PanelItem(item).Line);
      InfoCopy[item - 1] = &Of(list, PanelItem(item).Copy);
    }
  }
  TCycleCommands(const TCycleCommands&) = delete;
  TCycleCommands& operator=(const TCycleCommands&) = delete;

  // Loupe mode where the system has it.
  bool LupeMode() const { return actCapture_Lupe.Checked() && actCapture_Lupe.Enabled(); }
  bool NoSelfCapture() const {
    return actOpt_NoSelfCapture.Checked() && actOpt_NoSelfCapture.Enabled();
  }
  // The probe point is held (fixed point or pause) rather than the cursor's.
  bool PointHeld() const { return actCapture_Fixed.Checked() || actCapture_Pause.Checked(); }
  // The probe point is the pointer's: neither held nor the loupe's centre.
  bool PointerProbes() const { return !PointHeld() && !LupeMode(); }
  bool LineShown(int32_t item) const { return InfoLine[item - 1]->Checked(); }
  bool AnyElementLineOn() const {
    for (int32_t item = kItemElement; item <= kItemElementFramework; ++item)
      if (LineShown(item)) return true;
    return false;
  }
  // The checked tolerance's place in its submenu, which the settings file stores (0, exact, when
  // none is checked), and the tolerance itself, its command's Tag.
  int32_t ToleranceIndex() const {
    for (int32_t i = 0; i < kToleranceIndexCount; ++i)
      if (Tolerance[i]->Checked()) return i;
    return 0;
  }
  int32_t SpacingTolerance() const { return Tolerance[ToleranceIndex()]->Tag(); }
  // The item whose copy command that is; 0 for none.
  int32_t ItemOfCopy(const Action& command) const {
    for (int32_t item = 1; item <= kInfoItemCount; ++item)
      if (InfoCopy[item - 1] == &command) return item;
    return 0;
  }

  Action& actCapture_Lupe;
  Action& actCapture_Fixed;
  Action& actCapture_Pause;
  Action& actCapture_Update;
  Action& actOpt_NoSelfCapture;
  Action& actOpt_SmoothCapture;
  Action& actOpt_InstantFollow;
  Action& actOpt_StayOnTop;
  Action& actOpt_BigFont;
  Action& actGrid_Disp;
  Action& actPos_UserPosSet;
  Action& actPos_User;
  // Item i's line and copy command at index i - 1.
  std::array<Action*, kInfoItemCount> InfoLine{};
  std::array<Action*, kInfoItemCount> InfoCopy{};
  std::array<Action*, kToleranceIndexCount> Tolerance;

 private:
  // The command table is built in the order of the ids.
  static Action& Of(ActionList& list, Cmd id) { return list[IndexOf(id)]; }
};
