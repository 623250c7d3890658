// The arithmetic of the window layout: from the client size, the zoom factor and
// the information height to every size the capture cycle and the grid use.
#pragma once
#include <cstdint>
#include <functional>

#include "base/geometry.h"
#include "main/view/grid_plan.h"

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

// Where a layout puts the window and what it lays out there.
struct WindowLayoutPlan {
  Point Place;  // the outer top-left corner
  bool Moved = false;
  LayoutResult Layout;
  Size Frame;  // the outer size less the client size
};
// Fits a window's outer bounds into the work area of its monitor, the panel's height of them
// kept whole.
using FitToWorkArea = std::function<Rect(const Rect& outer, int32_t panelHeight)>;
// The layout of a window with those outer bounds and in.ClientWidth × in.ClientHeight of
// client area. Lines turned on must not push the panel off the screen: where the information
// area grows (and the window is not minimised) the window moves into the work area and the
// zoom area gives way. The first layout's place is start-up's business.
WindowLayoutPlan PlanWindowLayout(LayoutInput in, const Rect& outer, bool minimised,
                                  const FitToWorkArea& fit);
