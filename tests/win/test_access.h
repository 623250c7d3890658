// Reaches into the main window's private state for the in-process tests.
#pragma once
#include "main/main.h"

class LoupistTestAccess {
 public:
  explicit LoupistTestAccess(TApp_Loupist& app) : app_(app) {}
  Bitmap& View() { return app_.FViewBitmap; }
  Bitmap& Capture() { return app_.FCaptureBitmap; }
  Point CursorCell() const { return app_.FCursorCell; }
  Point SrcHalf() const { return app_.FSrcHalf; }
  Size SrcSize() const { return app_.FSrcSize; }
  Size DstSize() const { return app_.FDstSize; }
  Rect InfoRect() const { return app_.FInfoRect; }
  int32_t& Zoom() { return app_.FZoom; }
  int32_t LineHeight() const { return app_.FLineHeight; }
  uint32_t& LastCaptureTick() { return app_.FLastCaptureTick; }
  const std::wstring& StatusText() const { return app_.FStatusText; }
  TProbeInfo& Info() { return app_.ProbeInfo; }
  bool CaptureBusy() const { return app_.FCaptureBusy; }
  Action& Command(const char* name) { return app_.ActionList_Main.Get(name); }
  void Relayout() { app_.FormResize(nullptr); }

 private:
  TApp_Loupist& app_;
};
