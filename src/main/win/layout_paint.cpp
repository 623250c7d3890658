// The layout of the two bands and the painting of the window from the view bitmap.
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
  const LayoutResult r = ComputeLayout(in);
  if (r.ClientWidth != in.ClientWidth || r.ClientHeight != in.ClientHeight)
    SetClientSize(r.ClientWidth, r.ClientHeight);

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
