// TApp_Loupist: the one main window of the program.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "general/geometry.h"
#include "main/grid_plan.h"
#include "main/info_lines.h"
#include "platform/command_model.h"
#include "resources/commands.h"
#include "platform/win/bitmap.h"
#include "platform/win/form.h"
#include "platform/win/timer.h"

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

  Timer Timer_Main{1, 60, 1000};
  Timer Timer_Infomation{2, 2000, 0};
  ActionList ActionList_Main{MainCommandDefs()};

 private:
  friend class LoupistTestAccess;

  void FormCreate();
  void FormDestroy();
  void SaveOnClose();
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void BindActions();

  // Capture cycle pieces.
  Point ProbePoint();
  void TakePicture(const Point& probe);
  void ReadProbeColor();
  void DrawOverlay();
  // Information area.
  void DrawInfoArea();
  void RenderInfoLines(const void* sender, int32_t& y);
  void DrawInfoLine(const void* sender, const std::wstring& text, int32_t& y);
  bool IsActiveWindow() const { return GetActiveWindow() == Handle(); }
  bool LupeMode() const;
  bool NoSelfCapture() const;
  void ApplyFontSize(int points);
  void DrawStatusIcons(int32_t y);

  // ---- Monitors (placement, desktop-sized buffer, display changes) ----

  // ---- Window facts and the window under the probe point ----
  void ReadWindowFacts();

  // ---- Commands, popup menu, capture modes ----
  void BindCommandHandlers();

  // ---- Mouse and keyboard ----

  // ---- Settings, files, version caption, copies ----
  void BindCopyCommands();

  // Private state, in declaration order.
  bool FInputBusy = false;
  bool FCaptureBusy = false;
  int32_t FZoom = 0;
  int32_t FZoomIndex = 0;
  int32_t FSavedZoom = 0;
  COLORREF FGridColor = 0;
  COLORREF FSubGridColor = 0;
  uint8_t FGridPenMode = 0;
  Bitmap FCaptureBitmap;
  Bitmap FViewBitmap;
  Point FSrcHalf;
  Size FSrcSize;
  Size FDstSize;
  int32_t FCellCols = 0;
  int32_t FCellRows = 0;
  Rect FInfoRect;
  std::wstring FStatusText;
  Point FCursorCell;
  int32_t FLineHeight = 0;
  int32_t FIconsLeft = 0;
  int32_t FLabelWidth = 0;
  uint32_t FLastCaptureTick = 0;
  Point FRightDownPos;
  TProbeInfo ProbeInfo;
  bool FFixedDragging = false;
  Point FDragStartPos;
  Point FDragStartFixed;
  int32_t FDragMonitor = 0;

  // Commands the window consults on every cycle, bound once after creation.
  Action* actCapture_Lupe = nullptr;
  Action* actCapture_Fixed = nullptr;
  Action* actCapture_Pause = nullptr;
  Action* actOpt_NoSelfCapture = nullptr;
  Action* actOpt_SmoothCapture = nullptr;
  Action* actOpt_StayOnTop = nullptr;
  Action* actOpt_BigFont = nullptr;
  Action* actGrid_Disp = nullptr;
  Action* infoItemActions_[kInfoItemCount] = {};
  std::vector<GridLine> gridLines_;  // reused every cycle
  Bitmap statusImages_;
};
