// Reaches into the main window's private state, for the in-process tests and the benchmarks.
#pragma once
#include <ostream>

#include "main/form/win/main.h"

// Commands show by name in test messages.
inline std::ostream& operator<<(std::ostream& out, Cmd id) { return out << CommandName(id); }

class LoupistInternals {
 public:
  explicit LoupistInternals(TApp_Loupist& app) : app_(app) {}
  // The view: its bitmap, the layout's results, the zoom, the grid style and the font metrics.
  Bitmap& View() { return app_.FView.FViewBitmap; }
  Point CursorCell() const { return app_.FView.FCursorCell; }
  Point SrcHalf() const { return app_.FView.FSrcHalf; }
  Size SrcSize() const { return app_.FView.FSrcSize; }
  Size DstSize() const { return app_.FView.FDstSize; }
  Rect InfoRect() const { return app_.FView.FInfoRect; }
  int32_t& Zoom() { return app_.FView.FZoom; }
  int32_t ZoomIndex() const { return app_.FView.FZoomIndex; }
  int32_t& SavedZoom() { return app_.FView.FSavedZoom; }
  COLORREF& GridColor() { return app_.FView.FGridColor; }
  COLORREF& SubGridColor() { return app_.FView.FSubGridColor; }
  uint8_t& GridPenMode() { return app_.FView.FGridPenMode; }
  int32_t LineHeight() const { return app_.FView.FLineHeight; }
  int32_t IconsLeft() const { return app_.FView.FIconsLeft; }
  int32_t LabelWidth() const { return app_.FView.FLabelWidth; }
  int32_t Dpi() const { return app_.FView.FDpi; }
  const std::wstring& StatusText() const { return app_.FView.FStatusText; }
  // The capture and the cycle's timing.
  Bitmap& Capture() { return app_.FScreenCapture.CaptureBitmap(); }
  uint32_t& LastCaptureTick() { return app_.FCycle.FLastCaptureTick; }
  uint32_t& StillPeriod() { return app_.FCycle.FStillPeriod; }
  uint32_t Captures() const { return app_.FCycle.FCaptures; }
  const TPointerTracker& Pointer() const { return app_.FPointer; }
  DWORD LiveCaptureRop() const { return app_.LiveCaptureRop(); }
  DWORD SnapshotRop() const { return app_.SnapshotRop(); }
  bool AlphaBlend() const { return app_.AlphaBlend(); }
  TProbeInfo& Info() { return app_.ProbeInfo; }
  Action& Command(Cmd id) { return app_.Command(id); }
  void Relayout() { app_.FormResize(nullptr); }
  HWND FindWindowUnderCursor(const Point& p) { return app_.FindWindowUnderCursor(p); }
  void ReadWindowFacts() { app_.ReadWindowFacts(); }
  // Runs the pieces of one capture cycle in order, adding each one's time to t[0..5]:
  // probe point, picture, spacing and overlay, colour and window facts, panel, paint. As a
  // pointer frame does it, the facts of a window that stays under the point are kept a while.
  void TimeCyclePieces(double t[6], double (*now)(), bool asFrame = false) {
    const double t0 = now();
    const Point p = app_.ProbePoint();
    const double t1 = now();
    app_.TakePicture(p);
    const double t2 = now();
    app_.ProbeInfo.ScreenPoint = p;
    app_.MeasureSpacing(p);
    app_.DrawOverlay();
    const double t3 = now();
    app_.ReadProbeColor();
    app_.FWindowProbe.ReadWindowFacts(app_.WindowSearch(), app_.ProbeInfo, GetTickCount(), asFrame);
    const double t4 = now();
    app_.DrawInfoArea();
    const double t5 = now();
    {
      WindowDC dc(app_.Handle());
      app_.FormPaint(dc.get());
    }
    const double t6 = now();
    t[0] += t1 - t0, t[1] += t2 - t1, t[2] += t3 - t2, t[3] += t4 - t3, t[4] += t5 - t4,
        t[5] += t6 - t5;
  }
  void SetInfoItemChecked(int item, bool on) { app_.FCommands.InfoLine[item - 1]->SetChecked(on); }
  bool InfoItemChecked(int item) const { return app_.FCommands.LineShown(item); }
  // Commands, popup menu, capture modes, input.
  void ExecuteCommand(uint16_t code) { app_.ExecuteCommand(code); }
  void StepZoom(Cmd id) { app_.StepZoom(Command(id)); }
  std::function<void()>& BeepHook() { return app_.FBeepHook; }
  bool FixedDragging() const { return app_.FInput.Panning(); }
  FrameCursor CursorShape() const { return app_.FInput.CursorShape(); }
  PopupMenu& Menu() { return app_.mnuMain; }
  void GlideProbePoint(const Point& target) { app_.GlideProbePoint(target); }
  void StoreSettings() { app_.StoreSettings(); }

 private:
  TApp_Loupist& app_;
};
