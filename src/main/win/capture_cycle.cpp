// The capture cycle: probe point, screen copy, enlargement, overlay, probe colour,
// information area and the one block copy to the window.
#include "base/checked.h"
#include "general/helpers.h"
#include "general/win/input_state.h"
#include "main/main.h"
#include "main/win/reentry.h"
#include "platform/win/application.h"

bool TApp_Loupist::LupeMode() const {
  return actCapture_Lupe->Checked() && actCapture_Lupe->Enabled();
}

bool TApp_Loupist::NoSelfCapture() const {
  return actOpt_NoSelfCapture->Checked() && actOpt_NoSelfCapture->Enabled();
}

Point TApp_Loupist::ProbePoint() {
  if (LupeMode()) {
    POINT origin{0, 0};
    ClientToScreen(Handle(), &origin);
    const int32_t zoomAreaHeight = ClientHeight() - RectHeight(FView.FInfoRect);
    return Point{CheckedNarrow(origin.x - 1 + RoundNearest(ClientWidth() / 2.0L)),
                 CheckedNarrow(origin.y - 1 + RoundNearest(zoomAreaHeight / 2.0L))};
  }
  if (actCapture_Fixed->Checked() || actCapture_Pause->Checked()) return ProbeInfo.ScreenPoint;
  return GetCursorPoint();
}

void TApp_Loupist::TakePicture(const Point& probe) {
  const int32_t sx = CheckedSub(probe.X, FView.FSrcHalf.X);
  const int32_t sy = CheckedSub(probe.Y, FView.FSrcHalf.Y);
  const int w = FView.FSrcSize.Width;
  const int h = FView.FSrcSize.Height;
  const bool live = Timer_Main.Enabled() || FTakingSnapshot;
  if (live) {
    if (!FScreenCapture.CopyLive(Rect{sx, sy, CheckedAdd(sx, w), CheckedAdd(sy, h)},
                                 LiveCaptureRop()))
      return;
    StretchBlt(FView.FViewBitmap.DC(), 0, 0, FView.FDstSize.Width, FView.FDstSize.Height,
               FScreenCapture.CaptureBitmap().DC(), 0, 0, w, h, SRCCOPY);
  } else {
    // The snapshot's top-left corner is the virtual desktop's.
    const Rect desktop = MyMonitors().GetDesktopRect();
    StretchBlt(FView.FViewBitmap.DC(), 0, 0, FView.FDstSize.Width, FView.FDstSize.Height,
               FScreenCapture.CaptureBitmap().DC(), CheckedSub(sx, desktop.Left),
               CheckedSub(sy, desktop.Top), w, h, SRCCOPY);
  }
}

void TApp_Loupist::ReadProbeColor() {
  const COLORREF color = FView.FViewBitmap.Pixel(FView.FCursorCell.X, FView.FCursorCell.Y);
  ProbeInfo.Color = color;
  ProbeInfo.Red = color & 0xFF;
  ProbeInfo.Green = (color >> 8) & 0xFF;
  ProbeInfo.Blue = (color >> 16) & 0xFF;
  ProbeInfo.RGBValue = ProbeInfo.Red * 65536 + ProbeInfo.Green * 256 + ProbeInfo.Blue;
}

void TApp_Loupist::Timer_MainTimer(const void* sender) {
  (void)sender;
  PumpPendingMessages();
  if (!Handle()) return;
  // Our own menu, box or dialog may lie over the probe point. Until it closes the picture and
  // the facts stay as the last cycle saw them, and a copy chosen from the menu copies those.
  if (Application::Instance().CoveringLoopOpen()) return;
  const BusyClaim claim(FCaptureBusy);
  if (!claim.Entered()) return;

  const Point probe = ProbePoint();
  const uint32_t now = GetTickCount();
  if (probe == ProbeInfo.ScreenPoint && FLastCaptureTick != 0 &&
      now - FLastCaptureTick <= FStillPeriod && !actOpt_SmoothCapture->Checked() &&
      !FElementLines.Changed(probe, AnyElementLineOn()))
    return;

  ProbeInfo.ScreenPoint = probe;
  FView.FViewBitmap.FillRect(0, 0, ClientWidth(), FView.FInfoRect.Top, RGB(0, 0, 0));
  TakePicture(probe);
  DrawOverlay();
  ReadProbeColor();
  if (!(actCapture_Pause->Checked() && !FTakingSnapshot)) ReadWindowFacts();
  ProbeInfo.Element = FElementLines.Observe(probe, AnyElementLineOn());
  DrawInfoArea();
  {
    WindowDC dc(Handle());
    if (dc) FormPaint(dc.get());
  }
  FLastCaptureTick = now;
  FStillPeriod = kStillPeriod;
}

void TApp_Loupist::RefreshView() {
  if (Tag == 0) return;
  FLastCaptureTick = 0;
  Timer_MainTimer(&Timer_Main);
  FStillPeriod = kForcedPeriod;
}

void TApp_Loupist::ShowStatusText(const std::wstring& text) {
  FStatusText = text;
  Timer_Infomation.SetEnabled(true);
  RefreshView();
}

void TApp_Loupist::Timer_InfomationTimer(const void* sender) {
  (void)sender;
  FStatusText.clear();
  Timer_Infomation.SetEnabled(false);
  RefreshView();
}
