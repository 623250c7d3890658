// The arithmetic of the window layout: from the client size, the zoom factor and
// the information height to every size the capture cycle and the grid use.
#pragma once
#include <cstdint>

#include "base/geometry.h"
#include "main/grid_plan.h"

// ScaleRect: (0, 0, RoundOutward(width * f), RoundOutward(height * f)).
Rect ScaleRect(const Rect& r, long double factor);

struct LayoutInput {
  int32_t ClientWidth = 0;
  int32_t ClientHeight = 0;
  int32_t InfoHeight = 0;          // height the information lines need now
  int32_t PreviousInfoHeight = 0;  // height of the information area before this layout
  int32_t Zoom = 1;
  bool GridShown = true;
  int32_t Dpi = 96;  // of the window's monitor: the minimum sizes scale with it
};

struct LayoutResult {
  int32_t ClientWidth = 0;
  int32_t ClientHeight = 0;
  Rect InfoRect;
  Size SrcSize;
  Size DstSize;
  int32_t CellCols = 0;
  int32_t CellRows = 0;
  Point SrcHalf;
  Point CursorCell;
};

// The least width and zoom-area height a layout keeps at that DPI.
Size LeastZoomArea(int32_t dpi);

// Keeps the zoom area's height when the information height changes, enforces the
// minimum sizes and derives the capture geometry.
LayoutResult ComputeLayout(const LayoutInput& in);

// The geometry for a given zoom area alone (no minimums, no information area).
LayoutResult ComputeZoomGeometry(int32_t zoomAreaWidth, int32_t zoomAreaHeight, int32_t zoom,
                                 bool gridShown);
