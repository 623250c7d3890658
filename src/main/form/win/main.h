// TApp_Loupist: the one main window of the program. A form that owns its components and wires
// the commands, the timers and the window's messages to them; the state lives in the
// components.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "base/geometry.h"
#include "main/capture/cycle_timing.h"
#include "main/capture/win/screen_capture.h"
#include "main/colours/win/colours.h"
#include "main/copies/win/copies.h"
#include "main/element/win/element_lines.h"
#include "main/form/win/cycle_commands.h"
#include "main/input/input_tracker.h"
#include "main/pointer/win/pointer_tracker.h"
#include "main/measure/win/spacing_probe.h"
#include "main/probe/colour_math.h"
#include "main/probe/info_lines.h"
#include "main/probe/win/window_probe.h"
#include "main/texts/language.h"
#include "main/view/win/view.h"
#include "my_monitor/win/my_monitor.h"
#include "my_settingfile/settings_plan.h"
#include "platform/command_model.h"
#include "platform/win/app_hook.h"
#include "platform/win/color_dialog.h"
#include "platform/win/form.h"
#include "platform/win/popup_menu.h"
#include "platform/win/timer.h"
#include "resources/commands.h"

// The monitor move's item in the system menu of the window and of its taskbar button.
constexpr UINT kMonitorMoveCommand = 201;

class TApp_Loupist : public Form {
 public:
  TApp_Loupist();
  ~TApp_Loupist() override;

  // One capture cycle; sender is Timer_Main (the timer or RefreshView on its behalf).
  void Timer_MainTimer(const void* sender);
  void RefreshView();
  void ShowStatusText(const std::wstring& text);
  void Timer_InfomationTimer(const void* sender);
  void FormResize(const void* sender);
  void FormPaint(HDC dc);
  void actOpt_BigFontExecute();
  // The panel font of the chosen size for the view's DPI, and its metrics; no layout.
  void ApplyPanelFont();

  Timer Timer_Main{1, 60, 1000};
  Timer Timer_Infomation{2, 2000, 0};
  ActionList ActionList_Main{MainCommandDefs()};
  // The command table is built in the order of the ids.
  Action& Command(Cmd id) { return ActionList_Main[IndexOf(id)]; }

 private:
  friend class LoupistInternals;

  // ---- Life cycle (lifecycle.cpp) ----
  void FormCreate();
  // What the system cannot do is hidden: loupe mode and self-exclusion before Windows 2000,
  // the executable outside the NT family, the element lines without Active Accessibility.
  void HideWhatTheSystemCannotDo();
  void FormDestroy();
  void SaveOnClose();
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  bool IsActiveWindow() const { return GetActiveWindow() == Handle(); }

  // ---- The capture cycle (capture_cycle.cpp) ----
  void RunCaptureCycle(TCycleCause cause);
  // A pointer move told of by the system; drawn by the frame it schedules.
  void PointerMoved();
  void PointerFrame();
  // After a timer cycle: the timer keeps the frame period a while where the pointer moved and
  // nothing told of it, and has its own period otherwise.
  void FollowEventlessMoves(bool pointerMoved);
  Point ProbePoint();
  void TakePicture(const Point& probe);
  void ReadProbeColor();
  void DrawOverlay();
  void ReadWindowFacts();
  // The window that the facts describe; nullptr when none qualifies.
  HWND FindWindowUnderCursor(const Point& probe);
  // What the search passes over in the capture mode of the moment.
  TWindowSearch WindowSearch() const;

  // ---- Layout, placement, monitors and DPI (layout.cpp) ----
  // The monitor under a point, or the nearest one; the first when the system names none.
  TMyMonitorItem& MonitorItemAt(const Point& p);
  void PlaceOnMonitorUnderCursor();
  // The window's outer bounds fitted into the work area of its monitor: panelHeight of them
  // cannot give way, the zoom area can, down to its least size.
  Rect FittedToWorkArea(const Rect& bounds, int32_t panelHeight);
  // Before the first layout, which adds the panel below: places the window so that the whole of
  // it will fit the work area of its monitor.
  void PlaceWithPanelOnWorkArea(Rect zoomBounds);
  void WMDisplayChange();
  // The window moved to a monitor of another DPI, or that monitor's DPI changed: followed at
  // once when the window is ready, else noted for when it is.
  void WMDpiChanged(int32_t dpi, const RECT& suggested);
  // The window follows a new DPI from that place: the last laid-out size scaled, the panel for
  // the new font below it, kept inside the work area; then any DPI announced meanwhile.
  void FollowDpi(int32_t dpi, Point place);
  // A DPI announced while the program placed the window itself becomes the window's, with its
  // font: the place and size the program chose were meant for the monitor it ends on.
  void AdoptAnnouncedDpi();

  // ---- The information panel, its commands and the copies (panel.cpp) ----
  // The height the title line and the shown lines need.
  int32_t InfoAreaHeight() const;
  void DrawInfoArea();
  void BindInfoPanelCommands();
  void actColor_InfoOnOffExecute(Action& sender);
  void actPos_InfoOnOffExecute(Action& sender);
  void actWinInfo_InfoOnOffExecute(Action& sender);
  void ToggleInfoItems(TInfoGroup group, Action& sender);
  // Before the report or an element copy while every element line is off: asks once.
  void AskElementOnDemand();
  // The spacing: measured by the cycles that draw while its line is shown, and on demand for a
  // copy or the report while it is not; drawn in the picture while shown; its tolerances.
  void MeasureSpacing(const Point& probe);
  void MeasureSpacingOnDemand();
  SpacingReach SpacingOverlay() const;
  TPixelSource PixelSource();
  void BindSpacingCommands();
  void BindCopyCommands();
  void actCopy_TextExecute(Action& sender);
  void CopyItemText(const Action& command, const std::wstring& text);
  // The clipboard, the title line, and with Ctrl the text file.
  void CopyTextWithStatus(const std::wstring& text, std::wstring status);
  void actCopy_PictureExecute(Action& sender);
  void CopyPictureWithoutGrid(Bitmap& picture);

  // ---- Commands (commands.cpp) ----
  void BindActions();
  void BindCommandHandlers();
  // Runs the command with that code; a code that names no command only beeps.
  void ExecuteCommand(uint16_t code);
  // One item up the zoom ladder for actZoom_Up, down for actZoom_Down.
  void StepZoom(const Action& command);
  void MessageBeepOnce();
  // Handlers. A null sender means an internal caller, where that makes a difference.
  void actZoomExecute(Action& sender);
  void actGrid_DispExecute(Action* sender);
  void actGrid_ColorExecute(Action& sender);
  void actGrid_SubBlueExecute(Action& sender);
  void actGrid_SelColorExecute(Action& sender);
  void actOpt_StayOnTopExecute(Action* sender);
  void actOpt_SmoothCaptureExecute(Action* sender);
  void actOpt_InstantFollowExecute(Action* sender);
  void actMenu_MainExecute(Action* sender);
  void actFile_MinimizeExecute(Action* sender);
  void actFile_ExitExecute(Action* sender);
  void actHelpExecute(Action* sender);
  bool ApplicationEvents1ShortCut(MSG& msg);
  // The language: the commands that choose it, and its texts put into the commands, the menu
  // and the system menu.
  void BindLanguageCommands();
  void actOpt_LanguageExecute(TLanguage language);
  void ApplyLanguageTexts();
  // The reference colour of the contrast line, and the colour-format copies.
  void BindColourCommands();
  void actColor_SetReferenceExecute();
  void CopyColourFormat(const Action& command, TColourFormat format);
  // The sample sizes, and the colour history: what a colour copy adds, the remembering and the
  // clearing, a colour chosen from the menu.
  void BindColourHistoryCommands();
  void ColourCopied(const Action& copy, bool shift);
  void actColor_HistoryColorExecute(const Action& sender);
  // The history as the panel, the report and the menu show it.
  void ColoursChanged();

  // ---- Capture modes and their movers (capture_modes.cpp) ----
  void actPos_UserPosSetExecute(Action* sender);
  void actCapture_PauseExecute(Action* sender);
  void actCapture_UpdateExecute(Action* sender);
  void actCapture_LupeExecute(Action* sender);
  void actCapture_FixedExecute(Action* sender);
  void actOpt_NoSelfCaptureExecute(Action* sender);
  void LeaveLupeMode();
  void ReturnCursor(const Action* sender);
  void GlideProbePoint(const Point& target);
  void ProbePointToCursor();
  void TakeDesktopSnapshot();
  // The raster operations of the live copy and of the snapshot in the mode of the moment.
  DWORD LiveCaptureRop() const;
  DWORD SnapshotRop() const;
  // The alpha-blend flag: a layered window at full opacity, which a screen copy
  // without CAPTUREBLT leaves out.
  bool AlphaBlend() const;
  void SetAlphaBlend(bool on);

  // ---- Mouse and keyboard (input.cpp) ----
  void BindInputCommands();
  // Routes the input messages; true when the message was handled here.
  bool HandleInputMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Both answer whether the key was consumed.
  bool FormKeyDown(uint16_t key, bool altDown);
  bool FormKeyUp(uint16_t key, bool altDown);
  void FormMouseWheelUp(bool altDown, bool ctrlDown, int32_t notches = 1);
  void FormMouseWheelDown(bool altDown, bool ctrlDown, int32_t notches = 1);
  void RunWheel(bool up, bool altDown, bool ctrlDown, int32_t notches);
  void FormMouseDown(int button, int x, int y, bool leftHeld);
  void FormMouseMove(int x, int y, bool leftHeld);
  void FormMouseUp(int button, int x, int y, bool ctrlDown, bool shiftDown);
  void FormDblClick();
  void BeginActualSize();
  void EndActualSize();
  void TrackFrame(int x, int y, bool perform);
  void ApplyCursorShape();
  void NudgeBy(int32_t dx, int32_t dy);
  // Ctrl with an arrow: the probe point to the next edge that way (one of the unit steps).
  void JumpToEdge(const Point& step);
  void actMove_LeftExecute(const Action* sender);
  void actMove_MonitorExecute(const Action* sender);

  // ---- Settings (settings.cpp) ----
  // Loads the settings file and replays it through the commands; false when nothing was read.
  bool ApplySettings();
  void ApplySettingsPlan(const TSettingsApplyPlan& plan);
  // Fills SettingsRecord from the window's state (saving is SaveSettings' part).
  void StoreSettings();
  Action& ZoomItemCommand(int32_t index);
  Action& GridItemCommand(int32_t index);

  // ---- What the window owns ----
  // The commands the cycle consults on every tick.
  TCycleCommands FCommands{ActionList_Main};
  ::PopupMenu mnuMain{MainMenuDef(), ActionList_Main};
  ::ColorDialog ColorDialog;
  AppHookBinding FShortCutHook;
  // Tests observe the beep here; the beep sounds all the same.
  std::function<void()> FBeepHook;
  TProbeInfo ProbeInfo;
  // When the cycle captures anew, and whether one runs.
  TCycleTiming FCycle;
  // FCaptureBitmap and the monitor bounds it is copied from, and the pause's snapshot.
  TScreenCapture FScreenCapture;
  // FViewBitmap, the layout's results, the zoom and grid style, the panel font's metrics.
  TView FView;
  // The window under the probe point and the facts kept while it stays there.
  TWindowProbe FWindowProbe;
  // The UI element under the probe point, asked off the cycle's thread.
  TElementLines FElementLines;
  // The keys, wheel, buttons, drag and cursor shape between messages.
  TInputTracker FInput;
  // Pointer moves that start a cycle at once, at most one a display frame.
  TPointerTracker FPointer;
  // Where a copy goes.
  TCopies FCopies;
  // The runs through the probe point and the jumps from edge to edge.
  TSpacingProbe FSpacing;
  // The colour lines' sample size, and the colour history with its file.
  TColours FColours;
};
