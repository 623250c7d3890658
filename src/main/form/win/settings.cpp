// The settings file put into effect at start, and the window's state gathered before saving.
// Every stored choice is replayed through the commands the menu runs, so a restored window is
// in exactly the state the same menu choices would have left.
#include "base/checked.h"
#include "general/win/input_state.h"
#include "general/win/window_placement.h"
#include "main/colours/colour_commands.h"
#include "main/form/win/main.h"
#include "main/probe/panel_items.h"
#include "my_settingfile/settings_unit.h"
#include "my_settingfile/win/settings_file.h"

namespace {

const MenuItemDef& Submenu(const char* name) {
  const MenuItemDef* menu = FindMenuItem(MainMenuDef(), name);
  if (menu == nullptr) throw CheckedError(std::string("no submenu ") + name);
  return *menu;
}

// Runs a command's handler on the state it holds now: AutoCheck inverts before the handler
// runs, so the check is inverted first. Commands without AutoCheck that invert themselves
// when run with a sender (stay on top) end in the given state the same way.
void RunInState(Action& command, bool checked) {
  command.SetChecked(!checked);
  command.Execute();
}

}  // namespace

Action& TApp_Loupist::ZoomItemCommand(int32_t index) {
  const MenuItemDef& zoom = Submenu("mniZoom");
  return ActionList_Main.Get(CheckedAt(zoom.Items, static_cast<std::size_t>(index)).Command);
}

Action& TApp_Loupist::GridItemCommand(int32_t index) {
  const MenuItemDef& grid = Submenu("mniGrid");
  const MenuItemDef& item = CheckedAt(grid.Items, static_cast<std::size_t>(index));
  if (item.Kind != MenuItemKind::kCommand) ThrowRangeError(index, grid.Items.size());
  return ActionList_Main.Get(item.Command);
}

bool TApp_Loupist::ApplySettings() {
  if (!LoadSettings()) return false;
  TApplyEnvironment env;
  env.ZoomItemCount = static_cast<int32_t>(Submenu("mniZoom").Items.size());
  const Rect desktop = MyMonitors().GetDesktopRect();
  env.DesktopLeft = desktop.Left;
  env.DesktopTop = desktop.Top;
  env.DesktopWidth = RectWidth(desktop);
  env.DesktopHeight = RectHeight(desktop);
  RECT bounds{};
  GetWindowRect(Handle(), &bounds);
  env.WindowSize =
      Size{CheckedSub(bounds.right, bounds.left), CheckedSub(bounds.bottom, bounds.top)};
  env.ShiftDown = IsKeyDown(VK_SHIFT);
  env.CtrlDown = IsKeyDown(VK_CONTROL);
  ApplySettingsPlan(PlanApplySettings(SettingsRecord, env));
  return true;
}

void TApp_Loupist::ApplySettingsPlan(const TSettingsApplyPlan& plan) {
  const TSettingsChecks& c = plan.Checks;

  // The language first: the font that the options below apply is the language's.
  if (const std::optional<TLanguage> stored =
          plan.Language ? LanguageOfNumber(*plan.Language) : std::nullopt) {
    StartLanguage(stored, ActiveLanguage());
    ApplyLanguageTexts();
  }

  // Zoom, through the zoom command of that submenu item.
  FView.FZoomIndex = plan.ZoomIndex;
  ZoomItemCommand(plan.ZoomIndex).Execute();

  // Grid: shown or not, the two remembered colours, then the chosen colour items.
  FCommands.actGrid_Disp.SetChecked(c.GridDisp);
  if (plan.GridColorTag) Command(Cmd::actGrid_SelColor).SetTag(*plan.GridColorTag);
  if (plan.SubGridColorTag) Command(Cmd::actGrid_SelSubColor).SetTag(*plan.SubGridColorTag);
  if (plan.GridColorItem) {
    Action& item = GridItemCommand(*plan.GridColorItem);
    item.SetChecked(true);
    actGrid_ColorExecute(item);
  }
  if (plan.SubGridColorItem) {
    Action& item = GridItemCommand(*plan.SubGridColorItem);
    item.SetChecked(true);
    actGrid_SubBlueExecute(item);
  }

  // Information lines and the user origin.
  for (int32_t item = 1; item <= kInfoItemCount; ++item)
    Command(PanelItem(item).Line).SetChecked(c.*PanelItem(item).SettingsCheck);
  ProbeInfo.UserOrigin = plan.UserOrigin;
  ProbeInfo.ReferenceColor = plan.ReferenceColor;
  FCommands.Tolerance[plan.ToleranceIndex]->SetChecked(true);
  Command(SampleCommand(plan.SampleSizeIndex)).Execute();

  // Options, each applied by its own command, in this order.
  RunInState(FCommands.actOpt_StayOnTop, c.OptStayOnTop);
  RunInState(FCommands.actOpt_BigFont, c.OptBigFont);
  RunInState(FCommands.actOpt_NoSelfCapture, c.OptNoSelfCapture);
  RunInState(FCommands.actOpt_SmoothCapture, c.OptSmoothCapture);
  // Put into effect once the window is ready, with or without a settings file.
  FCommands.actOpt_InstantFollow.SetChecked(c.OptInstantFollow);

  // Capture mode; the held point of fixed-point mode is already on today's desktop, and is kept
  // out of any gap between its monitors, where the picture would be black.
  FCommands.actCapture_Lupe.SetChecked(c.CaptureLupe);
  FCommands.actCapture_Fixed.SetChecked(c.CaptureFixed);
  if (c.CaptureLupe) {
    RunInState(FCommands.actCapture_Lupe, true);
  } else if (c.CaptureFixed) {
    ProbeInfo.ScreenPoint = MyMonitors().Layout().NearestMonitorPixel(plan.FixedPos);
  }

  // The window's place in one call; the layout adds the information area below. Without a
  // stored place the window stays where start-up put it.
  RECT bounds{};
  GetWindowRect(Handle(), &bounds);
  const Point place = plan.WindowPos.value_or(Point{bounds.left, bounds.top});
  const Size size = plan.WindowSize.value_or(
      Size{CheckedSub(bounds.right, bounds.left), CheckedSub(bounds.bottom, bounds.top)});
  SetWindowPos(Handle(), nullptr, place.X, place.Y, size.Width, size.Height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  AdoptAnnouncedDpi();
  // The layout adds the panel below the stored height; the window is kept on its monitor as
  // the layout will leave it, or the panel of a window restored near the bottom of the work
  // area, or one stored on a larger monitor, would end below the screen.
  if (plan.KeepOnMonitor)
    PlaceWithPanelOnWorkArea(
        Rect{place.X, place.Y, CheckedAdd(place.X, size.Width), CheckedAdd(place.Y, size.Height)});
}

void TApp_Loupist::StoreSettings() {
  TSettingsStoreInput in;
  in.WindowBounds = NormalWindowRect(Handle());
  in.InfoAreaHeight = RectHeight(FView.FInfoRect);
  in.ZoomIndex = FView.FZoomIndex;

  TSettingsChecks& c = in.Checks;
  c.GridDisp = FCommands.actGrid_Disp.Checked();
  for (int32_t item = 1; item <= kInfoItemCount; ++item)
    c.*PanelItem(item).SettingsCheck = Command(PanelItem(item).Line).Checked();
  c.OptStayOnTop = FCommands.actOpt_StayOnTop.Checked();
  c.OptBigFont = FCommands.actOpt_BigFont.Checked();
  c.OptNoSelfCapture = FCommands.actOpt_NoSelfCapture.Checked();
  c.OptSmoothCapture = FCommands.actOpt_SmoothCapture.Checked();
  c.OptInstantFollow = FCommands.actOpt_InstantFollow.Checked();
  c.CaptureLupe = FCommands.actCapture_Lupe.Checked();
  c.CaptureFixed = FCommands.actCapture_Fixed.Checked();

  for (int32_t i = kGridItemGray; i <= kGridItemSelColor && in.CheckedGridColorItem < 0; ++i)
    if (GridItemCommand(i).Checked()) in.CheckedGridColorItem = i;
  for (int32_t i = kGridItemSubBlue; i <= kGridItemSelSubColor && in.CheckedSubGridColorItem < 0;
       ++i)
    if (GridItemCommand(i).Checked()) in.CheckedSubGridColorItem = i;
  in.GridColorTag = Command(Cmd::actGrid_SelColor).Tag();
  in.SubGridColorTag = Command(Cmd::actGrid_SelSubColor).Tag();
  in.UserOrigin = ProbeInfo.UserOrigin;
  in.ReferenceColor = ProbeInfo.ReferenceColor;
  in.ToleranceIndex = static_cast<uint8_t>(FCommands.ToleranceIndex());
  in.SampleSizeIndex = FColours.SampleIndex();
  if (const std::optional<TLanguage> chosen = ChosenLanguage())
    in.Language = static_cast<uint8_t>(*chosen);
  in.ScreenPoint = ProbeInfo.ScreenPoint;
  SettingsRecord = BuildSettingsRecord(SettingsRecord, in);
}
