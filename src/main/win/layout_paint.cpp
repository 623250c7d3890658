// The layout of the two bands and the painting of the window from the view bitmap.
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
  in.PreviousInfoHeight = RectHeight(FInfoRect);
  in.Zoom = FZoom;
  in.GridShown = actGrid_Disp->Checked();
  const LayoutResult r = ComputeLayout(in);
  if (r.ClientWidth != in.ClientWidth || r.ClientHeight != in.ClientHeight)
    SetClientSize(r.ClientWidth, r.ClientHeight);

  FInfoRect = r.InfoRect;
  FViewBitmap.SetSize(r.ClientWidth, r.ClientHeight);
  FDstSize = r.DstSize;
  FCellCols = r.CellCols;
  FCellRows = r.CellRows;
  FSrcSize = r.SrcSize;
  FSrcHalf = r.SrcHalf;
  FCursorCell = r.CursorCell;

  Tag = 1;
  Timer_InfomationTimer(&Timer_Infomation);
  RefreshView();
}

void TApp_Loupist::FormPaint(HDC dc) {
  const int cw = FViewBitmap.Width();
  const int ch = FViewBitmap.Height();
  BitBlt(dc, 0, 0, cw, ch, FViewBitmap.DC(), 0, 0, SRCCOPY);

  const COLORREF frame =
      GetSysColor(IsActiveWindow() ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  UniquePen pen(CreatePen(PS_SOLID, 1, frame));
  SelectedObject selected(dc, pen.get());
  const int previousRop = SetROP2(dc, R2_COPYPEN);
  MoveToEx(dc, 0, 0, nullptr);
  LineTo(dc, 0, ch - 1);
  LineTo(dc, cw - 1, ch - 1);
  LineTo(dc, cw - 1, 0);
  LineTo(dc, 0, 0);
  SetROP2(dc, previousRop);
}
