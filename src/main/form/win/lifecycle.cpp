// Creation, destruction and the few window messages the main window answers itself.
#include "general/dpi_scale.h"
#include "general/format.h"
#include "general/win/dpi.h"
#include "general/win/input_state.h"
#include "general/win/platform_info.h"
#include "general/win/version_info.h"
#include "main/element/win/system_element_source.h"
#include "main/form/win/main.h"
#include "main/probe/panel_items.h"
#include "main/texts/win/user_language.h"
#include "my_settingfile/win/settings_file.h"
#include "platform/win/application.h"

namespace {
constexpr int kDesignClientWidth = 221;
constexpr int kDesignClientHeight = 194;
constexpr UINT kWmDpiChanged = 0x02E0;  // WM_DPICHANGED, which older headers lack
}  // namespace

TApp_Loupist::TApp_Loupist() {
  const DWORD style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  // The window is its own taskbar button, so the system menu of that button is ours too.
  const DWORD exStyle = WS_EX_APPWINDOW;
  CreateHandle(L"TApp_Loupist", style, exStyle, 23, 318, kDesignClientWidth, kDesignClientHeight,
               LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
  Timer_Main.Attach(Handle());
  Timer_Infomation.Attach(Handle());
  Timer_Main.OnTimer = [this] { Timer_MainTimer(&Timer_Main); };
  Timer_Infomation.OnTimer = [this] { Timer_InfomationTimer(&Timer_Infomation); };
  FormCreate();
}

TApp_Loupist::~TApp_Loupist() {
  Timer_Main.SetEnabled(false);
  Timer_Infomation.SetEnabled(false);
  DestroyHandle();
}

void TApp_Loupist::FormCreate() {
  Tag = 0;
  BindActions();
  // The system's language until the settings file names one.
  StartLanguage(std::nullopt, UserInterfaceLanguage());
  ApplyLanguageTexts();

  // 1. Placement near the top-left corner of the monitor under the cursor, at the size the
  // design gives for that monitor's DPI.
  PlaceOnMonitorUnderCursor();
  // Sizes follow the DPI only where each monitor has its own; older systems keep theirs. The
  // DPI that the move announced is the monitor's, whatever the window was created for.
  FView.FFontDpi = FView.FAnnouncedDpi > 0 ? FView.FAnnouncedDpi : WindowDpi(Handle());
  FView.FAnnouncedDpi = 0;
  FView.FDpi = PerMonitorDpiInEffect() ? FView.FFontDpi : kDefaultDpi;
  if (FView.FDpi != kDefaultDpi)
    SetClientSize(ScaleToDpi(kDesignClientWidth, FView.FDpi),
                  ScaleToDpi(kDesignClientHeight, FView.FDpi));

  // 2. Caption: product name and file version from the version resource.
  SetWindowTextW(Handle(),
                 Format(L"%s:Ver %s", {GetOwnProductName(), GetOwnFileVersion()}).c_str());

  // 3. Initial field values.
  FInput = TInputTracker();
  FView.FZoomIndex = 4;
  FView.FZoom = 6;
  FView.FSavedZoom = -1;
  FView.FGridPenMode = kPenModeCopy;
  FView.FGridColor = 0x999999;
  FView.FSubGridColor = 0xFF0000;

  // 4. System menus: no maximise; the monitor move on top of the taskbar button's menu.
  HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
  if (systemMenu) {
    DeleteMenu(systemMenu, SC_MAXIMIZE, MF_BYCOMMAND);
    InsertMenuW(systemMenu, 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    InsertMenuW(systemMenu, 0, MF_BYPOSITION | MF_STRING, kMonitorMoveCommand,
                Command(Cmd::actMove_Monitor).Caption().c_str());
    DrawMenuBar(Handle());
  }

  // 5. The capture buffer spans the virtual desktop.
  FScreenCapture.FitToDesktop();

  // 6. The view's canvas: the window font in the window-text colour.
  FView.FViewBitmap.SetFontColor(GetSysColor(COLOR_WINDOWTEXT));

  // The colour history from its file.
  FColours.Load();
  ColoursChanged();

  // 7. The settings file, replayed through the commands; without one, the text metrics for
  // the default font size (the replay computes them otherwise).
  if (!ApplySettings()) {
    actOpt_BigFontExecute();
    RECT bounds{};
    GetWindowRect(Handle(), &bounds);
    PlaceWithPanelOnWorkArea(Rect{bounds.left, bounds.top, bounds.right, bounds.bottom});
  }

  // 8. What the system cannot do is hidden.
  HideWhatTheSystemCannotDo();

  // 9. Ready, for the monitor the window ended on; first layout (which captures), then run.
  AdoptAnnouncedDpi();
  Tag = 1;
  FormResize(nullptr);
  Timer_Main.SetEnabled(true);
  actOpt_InstantFollowExecute(nullptr);
  ShowWindow(Handle(), SW_SHOWNORMAL);
  UpdateWindow(Handle());

  // 10. To the front once, without staying topmost.
  if (!FCommands.actOpt_StayOnTop.Checked()) {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
}

void TApp_Loupist::HideWhatTheSystemCannotDo() {
  // Before Windows 2000 there are no layered windows: no loupe mode, no self-exclusion.
  if (!IsWin2000OrLater()) {
    FCommands.actCapture_Lupe.SetChecked(false);
    FCommands.actCapture_Lupe.SetEnabled(false);
    FCommands.actCapture_Lupe.SetVisible(false);
    mnuMain.SetRadioItem("mniCapture_Fixed", false);
    FCommands.actOpt_NoSelfCapture.SetEnabled(false);
    FCommands.actOpt_NoSelfCapture.SetVisible(false);
    SetWindowLongW(Handle(), GWL_EXSTYLE, GetWindowLongW(Handle(), GWL_EXSTYLE) & ~WS_EX_LAYERED);
  }
  // Outside the NT family no process can tell its executable file.
  if (!IsNTPlatform()) {
    Action& exeName = Command(Cmd::actWinInfo_ExeName);
    exeName.SetChecked(false);
    exeName.SetEnabled(false);
    exeName.SetVisible(false);
    Action& copyExeName = Command(Cmd::actCopy_WInfoExeName);
    copyExeName.SetEnabled(false);
    copyExeName.SetVisible(false);
  }
  // Windows 95 tells of no pointer move: the timer alone follows the pointer there. The check
  // stays as stored, for the next system the settings file meets.
  if (!TPointerTracker::SystemTellsOfMoves()) {
    FCommands.actOpt_InstantFollow.SetEnabled(false);
    FCommands.actOpt_InstantFollow.SetVisible(false);
  }
  // Without Active Accessibility (95 family, NT 4) no program can tell the element at a point.
  if (!SystemHasElementSource()) {
    for (int32_t item = kItemElement; item <= kItemElementFramework; ++item) {
      for (Cmd id : {PanelItem(item).Line, PanelItem(item).Copy}) {
        Command(id).SetChecked(false);
        Command(id).SetEnabled(false);
        Command(id).SetVisible(false);
      }
    }
    Command(Cmd::actElement_InfoOnOff).SetEnabled(false);
    Command(Cmd::actElement_InfoOnOff).SetVisible(false);
  }
}

// Shared by window destruction and the end-of-session query. The stored place is the
// window's normal one, read from its placement, so a minimised window is never restored for
// it: a session that goes on keeps the window as the user left it.
void TApp_Loupist::SaveOnClose() {
  Tag = 0;
  StoreSettings();
  SaveSettings();
  FColours.Save();
}

void TApp_Loupist::FormDestroy() {
  FPointer.Stop();
  SaveOnClose();
  Timer_Main.SetEnabled(false);
  Timer_Infomation.SetEnabled(false);
}

LRESULT TApp_Loupist::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT inputResult = 0;
  if (HandleInputMessage(msg, wParam, lParam, inputResult)) return inputResult;
  switch (msg) {
    case WM_ERASEBKGND:
      return 0;
    case WM_DISPLAYCHANGE:
      WMDisplayChange();
      return 0;
    case kWmDpiChanged:
      if (lParam != 0) WMDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_PAINT: {
      PaintSession paint(Handle());
      FormPaint(paint.get());
      return 0;
    }
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      // The colour history's swatches in the menu.
      if (FColours.MenuItemMessage(msg, lParam, mnuMain)) return TRUE;
      break;
    case WM_PRINTCLIENT:
      FormPaint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) FormResize(this);
      return 0;
    case WM_TIMER:
      if (wParam == Timer_Main.Id() && Timer_Main.OnTimer) Timer_Main.OnTimer();
      if (wParam == Timer_Infomation.Id() && Timer_Infomation.OnTimer) Timer_Infomation.OnTimer();
      if (FPointer.TakeFrame(msg, wParam)) PointerFrame();
      return 0;
    case TPointerTracker::kFrameMessage:
      if (FPointer.TakeFrame(msg, wParam)) PointerFrame();
      return 0;
    case WM_INPUT:
      PointerMoved();
      break;  // the system's handler frees the input's data
    case WM_MOVE:
      FPointer.FollowMonitor();
      break;
    case WM_SYSCOMMAND:
      // SC_MAXIMIZE and the caption double-click's 0xF032 share the masked value.
      if ((wParam & 0xFFF0) == SC_MAXIMIZE) return 0;
      if (wParam == kMonitorMoveCommand) {
        actMove_MonitorExecute(nullptr);
        return 0;
      }
      break;
    case WM_ACTIVATEAPP:
      // Losing the focus ends a held actual-size view: its key-up would go elsewhere.
      if (!wParam) EndActualSize();
      RefreshView();
      return 0;
    case WM_QUERYENDSESSION:
      SaveOnClose();
      Tag = 1;  // the session may go on; the window keeps working if it does
      return 1;
    case WM_CLOSE:
      DestroyWindow(Handle());
      return 0;
    case WM_DESTROY:
      FormDestroy();
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefaultHandler(msg, wParam, lParam);
}
