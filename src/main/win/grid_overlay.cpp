// What the grid overlay is to show, from the grid commands and the zoom.
#include "main/main.h"

void TApp_Loupist::DrawOverlay() {
  GridPlanInput in;
  in.Zoom = FZoom;
  in.CellCols = FView.FCellCols;
  in.CellRows = FView.FCellRows;
  in.CursorCell = FView.FCursorCell;
  in.ZoomAreaHeight = FView.FInfoRect.Top;
  in.ClientWidth = FView.FViewBitmap.Width();
  in.GridShown = actGrid_Disp->Checked();
  in.GridColor = FGridColor;
  in.SubGridColor = FSubGridColor;
  in.GridPenMode = FGridPenMode;
  FView.DrawOverlay(in);
}
