// The capture cycle: probe point, screen copy, enlargement, overlay, probe colour, window
// facts, information area and the one block copy to the window.
#include "base/checked.h"
#include "general/helpers.h"
#include "general/win/input_state.h"
#include "main/form/win/main.h"
#include "platform/win/application.h"
#include "platform/win/reentry.h"

Point TApp_Loupist::ProbePoint() {
  if (FCommands.LupeMode()) {
    POINT origin{0, 0};
    ClientToScreen(Handle(), &origin);
    const int32_t zoomAreaHeight = ClientHeight() - RectHeight(FView.FInfoRect);
    return Point{CheckedNarrow(origin.x - 1 + RoundNearest(ClientWidth() / 2.0L)),
                 CheckedNarrow(origin.y - 1 + RoundNearest(zoomAreaHeight / 2.0L))};
  }
  if (FCommands.PointHeld()) return ProbeInfo.ScreenPoint;
  return GetCursorPoint();
}

void TApp_Loupist::TakePicture(const Point& probe) {
  const int32_t sx = CheckedSub(probe.X, FView.FSrcHalf.X);
  const int32_t sy = CheckedSub(probe.Y, FView.FSrcHalf.Y);
  const Rect source{sx, sy, CheckedAdd(sx, FView.FSrcSize.Width),
                    CheckedAdd(sy, FView.FSrcSize.Height)};
  const bool live = Timer_Main.Enabled() || FCycle.FTakingSnapshot;
  FScreenCapture.Enlarge(source, live, LiveCaptureRop(), FView.FViewBitmap.DC(), FView.FDstSize);
}

void TApp_Loupist::ReadProbeColor() {
  const COLORREF color =
      FColours.ProbeColour(FView.ProbeCellColor(), FScreenCapture, ProbeInfo.ScreenPoint);
  ProbeInfo.SampleSize = FColours.SampleSide();
  ProbeInfo.Color = color;
  ProbeInfo.Red = color & 0xFF;
  ProbeInfo.Green = (color >> 8) & 0xFF;
  ProbeInfo.Blue = (color >> 16) & 0xFF;
  ProbeInfo.RGBValue = ProbeInfo.Red * 65536 + ProbeInfo.Green * 256 + ProbeInfo.Blue;
}

void TApp_Loupist::DrawOverlay() {
  FView.DrawOverlay(FCommands.actGrid_Disp.Checked(), SpacingOverlay(), FColours.SampleSide());
}

TWindowSearch TApp_Loupist::WindowSearch() const {
  TWindowSearch search;
  const bool lupe = FCommands.LupeMode();
  search.SystemHitTest =
      !lupe && !(FCommands.NoSelfCapture() && FCommands.actOpt_NoSelfCapture.Visible());
  search.SkipLayered = FCommands.NoSelfCapture();
  search.SkipWindow = lupe ? Handle() : nullptr;
  return search;
}

HWND TApp_Loupist::FindWindowUnderCursor(const Point& probe) {
  return FWindowProbe.FindWindowUnderCursor(probe, WindowSearch());
}

void TApp_Loupist::ReadWindowFacts() {
  FWindowProbe.ReadWindowFacts(WindowSearch(), ProbeInfo, GetTickCount());
}

void TApp_Loupist::Timer_MainTimer(const void* sender) {
  (void)sender;
  RunCaptureCycle(TCycleCause::kTimer);
}

void TApp_Loupist::RunCaptureCycle(TCycleCause cause) {
  PumpPendingMessages();
  if (!Handle()) return;
  // Our own menu, box or dialog may lie over the probe point. Until it closes the picture and
  // the facts stay as the last cycle saw them, and a copy chosen from the menu copies those.
  if (Application::Instance().CoveringLoopOpen()) return;
  const BusyClaim claim(FCycle.FCaptureBusy);
  if (!claim.Entered()) return;

  const Point probe = ProbePoint();
  const uint32_t now = GetTickCount();
  const bool moved = probe != ProbeInfo.ScreenPoint;
  if (cause == TCycleCause::kTimer && !FCycle.Forced()) {
    FPointer.SetWanted(FCommands.PointerProbes());
    FollowEventlessMoves(moved);
    // While moves are followed the frames draw them, one a display frame at most.
    if (moved && FPointer.Following() && FCommands.PointerProbes()) {
      FPointer.Moved();
      return;
    }
  }
  if (cause == TCycleCause::kFrame && !moved) FPointer.FrameFoundNoMove();
  const bool elementLines = FCommands.AnyElementLineOn();
  if (!moved && FCycle.StillCaptureRecent(now) && !FCommands.actOpt_SmoothCapture.Checked() &&
      !FElementLines.Changed(probe, elementLines))
    return;

  ProbeInfo.ScreenPoint = probe;
  FView.FViewBitmap.FillRect(0, 0, ClientWidth(), FView.FInfoRect.Top, RGB(0, 0, 0));
  TakePicture(probe);
  MeasureSpacing(probe);
  DrawOverlay();
  ReadProbeColor();
  // While the pointer moves, each frame has its own picture, colour and positions; the facts
  // of a window that stays under it are read again only now and then.
  if (!(FCommands.actCapture_Pause.Checked() && !FCycle.FTakingSnapshot))
    FWindowProbe.ReadWindowFacts(WindowSearch(), ProbeInfo, now,
                                 cause == TCycleCause::kFrame && !FCycle.Forced());
  ProbeInfo.Element = FElementLines.Observe(probe, elementLines);
  DrawInfoArea();
  {
    WindowDC dc(Handle());
    if (dc) FormPaint(dc.get());
  }
  FCycle.Captured(now);
}

void TApp_Loupist::PointerMoved() {
  if (FCommands.PointerProbes()) FPointer.Moved();
}

void TApp_Loupist::PointerFrame() {
  if (Tag != 0) RunCaptureCycle(TCycleCause::kFrame);
  FPointer.FrameEnded(POINT{ProbeInfo.ScreenPoint.X, ProbeInfo.ScreenPoint.Y});
}

void TApp_Loupist::FollowEventlessMoves(bool pointerMoved) {
  if (const std::optional<uint32_t> period = FPointer.TimerPeriodAfter(
          pointerMoved && FCommands.PointerProbes(),
          TCycleTiming::IntervalOf(FCommands.actOpt_SmoothCapture.Checked())))
    Timer_Main.SetInterval(*period);
}

void TApp_Loupist::RefreshView() {
  if (Tag == 0) return;
  FCycle.Force();
  Timer_MainTimer(&Timer_Main);
  FCycle.AfterForced();
}

void TApp_Loupist::ShowStatusText(const std::wstring& text) {
  FView.FStatusText = text;
  Timer_Infomation.SetEnabled(true);
  RefreshView();
}

void TApp_Loupist::Timer_InfomationTimer(const void* sender) {
  (void)sender;
  FView.FStatusText.clear();
  Timer_Infomation.SetEnabled(false);
  RefreshView();
}
