// The layout of the two bands and the painting of the window from the view bitmap.
#include "base/checked.h"
#include "general/win/window_placement.h"
#include "main/layout_calc.h"
#include "main/main.h"

void TApp_Loupist::FormResize(const void* /*sender*/) {
  if (Tag == 0) return;
  Tag = 0;
  struct ReadyAgain {
    int& tag;
    ~ReadyAgain() { tag = 1; }
  } readyAgain{Tag};

  int32_t infoHeight = 0;
  RenderInfoLines(PanelPass::kMeasure, infoHeight);

  LayoutInput in;
  in.ClientWidth = ClientWidth();
  in.ClientHeight = ClientHeight();
  in.InfoHeight = infoHeight;
  in.PreviousInfoHeight = RectHeight(FView.FInfoRect);
  in.Zoom = FZoom;
  in.GridShown = actGrid_Disp->Checked();
  in.Dpi = FView.FDpi;
  LayoutResult r = ComputeLayout(in);
  RECT outer{};
  GetWindowRect(Handle(), &outer);
  const int32_t frameX = CheckedSub(CheckedSub(outer.right, outer.left), in.ClientWidth);
  const int32_t frameY = CheckedSub(CheckedSub(outer.bottom, outer.top), in.ClientHeight);
  Point place{outer.left, outer.top};
  // Lines turned on must not push the panel off the screen: the window moves into the work area
  // and the zoom area gives way. The first layout's place is start-up's business.
  if (in.PreviousInfoHeight > 0 && infoHeight > in.PreviousInfoHeight && !IsIconic(Handle())) {
    const Rect fitted = FittedToWorkArea(
        Rect{place.X, place.Y, CheckedAdd(place.X, CheckedAdd(r.ClientWidth, frameX)),
             CheckedAdd(place.Y, CheckedAdd(r.ClientHeight, frameY))},
        CheckedAdd(infoHeight, frameY));
    place = Point{fitted.Left, fitted.Top};
    in.ClientWidth = CheckedSub(RectWidth(fitted), frameX);
    in.ClientHeight = CheckedSub(RectHeight(fitted), frameY);
    in.PreviousInfoHeight = infoHeight;
    r = ComputeLayout(in);
  }
  const bool moved = place.X != outer.left || place.Y != outer.top;
  if (moved || r.ClientWidth != ClientWidth() || r.ClientHeight != ClientHeight())
    SetWindowPos(Handle(), nullptr, place.X, place.Y, CheckedAdd(r.ClientWidth, frameX),
                 CheckedAdd(r.ClientHeight, frameY),
                 SWP_NOZORDER | SWP_NOACTIVATE | (moved ? 0 : SWP_NOMOVE));

  FView.ApplyLayout(r);

  Tag = 1;
  // The size this layout set took the window to a monitor of another DPI: the layout was for
  // the old one.
  if (FView.FAnnouncedDpi > 0 && FView.FAnnouncedDpi != FView.FDpi && !FView.FFollowingDpi) {
    const Rect bounds = NormalWindowRect(Handle());
    FollowDpi(FView.FAnnouncedDpi, Point{bounds.Left, bounds.Top});
    return;
  }
  Timer_InfomationTimer(&Timer_Infomation);
  RefreshView();
}

void TApp_Loupist::FormPaint(HDC dc) { FView.Paint(dc, IsActiveWindow()); }
