// Creation, destruction and the few window messages the main window answers itself.
#include "general/win/input_state.h"
#include "main/main.h"
#include "platform/win/application.h"

namespace {
constexpr int kDesignClientWidth = 221;
constexpr int kDesignClientHeight = 194;
constexpr int kPlacementOffset = 75;
constexpr UINT kMonitorMoveCommand = 201;
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

  // 1. Placement near the top-left corner of the primary monitor.
  SetWindowPos(Handle(), nullptr, kPlacementOffset, kPlacementOffset, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  // 2. Caption.
  SetWindowTextW(Handle(), Application::Instance().Title().c_str());

  // 3. Initial field values.
  FInputBusy = false;
  FFixedDragging = false;
  FRightDownPos = Point{-1, -1};
  FDragMonitor = 0;
  FZoomIndex = 4;
  FZoom = 6;
  FSavedZoom = -1;
  FGridPenMode = kPenModeCopy;
  FGridColor = 0x999999;
  FSubGridColor = 0xFF0000;

  // 4. System menus: no maximise; the monitor move on top of the taskbar button's menu.
  HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
  if (systemMenu) {
    DeleteMenu(systemMenu, SC_MAXIMIZE, MF_BYCOMMAND);
    InsertMenuW(systemMenu, 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    InsertMenuW(systemMenu, 0, MF_BYPOSITION | MF_STRING, kMonitorMoveCommand, L"モニター間移動");
    DrawMenuBar(Handle());
  }

  // 5. The capture buffer spans the virtual desktop.
  FCaptureBitmap.SetBrushColor(RGB(0, 0, 0));
  FCaptureBitmap.SetSize(GetSystemMetrics(SM_CXVIRTUALSCREEN),
                         GetSystemMetrics(SM_CYVIRTUALSCREEN));

  // 6. The view's canvas: the window font in the window-text colour.
  FViewBitmap.SetFontColor(GetSysColor(COLOR_WINDOWTEXT));

  // 7. No settings yet: the text metrics for the default font size.
  actOpt_BigFontExecute();

  // 10. Ready; first layout (which captures), then run.
  Tag = 1;
  FormResize(nullptr);
  Timer_Main.SetEnabled(true);
  ShowWindow(Handle(), SW_SHOWNORMAL);
  UpdateWindow(Handle());

  // 11. To the front once, without staying topmost.
  if (!actOpt_StayOnTop->Checked()) {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
}

// Shared by window destruction and the end-of-session query.
void TApp_Loupist::SaveOnClose() {
  Tag = 0;
  if (IsZoomed(Handle()) || IsIconic(Handle())) ShowWindow(Handle(), SW_SHOWNORMAL);
}

void TApp_Loupist::FormDestroy() {
  SaveOnClose();
  Timer_Main.SetEnabled(false);
  Timer_Infomation.SetEnabled(false);
}

LRESULT TApp_Loupist::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 0;
    case WM_PAINT: {
      PaintSession paint(Handle());
      FormPaint(paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      FormPaint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) FormResize(this);
      return 0;
    case WM_TIMER:
      if (wParam == Timer_Main.Id() && Timer_Main.OnTimer) Timer_Main.OnTimer();
      if (wParam == Timer_Infomation.Id() && Timer_Infomation.OnTimer) Timer_Infomation.OnTimer();
      return 0;
    case WM_SYSCOMMAND:
      // SC_MAXIMIZE and the caption double-click's 0xF032 share the masked value.
      if ((wParam & 0xFFF0) == SC_MAXIMIZE) return 0;
      break;
    case WM_ACTIVATEAPP:
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
