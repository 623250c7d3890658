// Grid, sub-grid or cross-hair and the probe cell frame over the enlarged picture.
#include "main/main.h"

namespace {
// Pen modes are numbered as the settings file stores them; the drawing system
// numbers its binary raster operations differently.
int Rop2OfPenMode(PenMode mode) {
  switch (mode) {
    case kPenModeInvert:
      return R2_NOT;
    case kPenModeMask:
      return R2_MASKPEN;
    default:
      return R2_COPYPEN;
  }
}
}  // namespace

void TApp_Loupist::DrawOverlay() {
  GridPlanInput in;
  in.Zoom = FZoom;
  in.CellCols = FCellCols;
  in.CellRows = FCellRows;
  in.CursorCell = FCursorCell;
  in.ZoomAreaHeight = FInfoRect.Top;
  in.ClientWidth = FViewBitmap.Width();
  in.GridShown = actGrid_Disp->Checked();
  in.GridColor = FGridColor;
  in.SubGridColor = FSubGridColor;
  in.GridPenMode = FGridPenMode;
  PlanGrid(in, gridLines_);
  for (const GridLine& line : gridLines_) {
    FViewBitmap.SetPen(line.Color, Rop2OfPenMode(line.Mode));
    FViewBitmap.Line(line.Start.X, line.Start.Y, line.End.X, line.End.Y);
  }
  FViewBitmap.SetPenMode(R2_COPYPEN);
}
