#include "main/view/layout_calc.h"

#include "base/checked.h"
#include "general/dpi_scale.h"
#include "general/helpers.h"

Rect ScaleRect(const Rect& r, long double factor) {
  return Rect{0, 0, CheckedNarrow(RoundOutward(RectWidth(r) * factor)),
              CheckedNarrow(RoundOutward(RectHeight(r) * factor))};
}

namespace {
void DeriveGeometry(LayoutResult& out, int32_t zoomAreaHeight, int32_t zoom, bool gridShown) {
  if (zoom < 1) throw CheckedError("Zoom factor out of range");
  const Rect src = ScaleRect(Rect{0, 0, out.ClientWidth, zoomAreaHeight}, 1.0L / zoom);
  const Rect dst = ScaleRect(src, zoom);
  out.DstSize = Size{RectWidth(dst), RectHeight(dst)};
  out.CellCols = CheckedNarrow(RoundNearest(static_cast<long double>(out.DstSize.Width) / zoom));
  out.CellRows = CheckedNarrow(RoundNearest(static_cast<long double>(out.DstSize.Height) / zoom));
  out.SrcSize = Size{RectWidth(src), RectHeight(src)};
  out.SrcHalf =
      Point{CheckedNarrow(RoundNearest(static_cast<long double>(out.SrcSize.Width) / 2) - 1),
            CheckedNarrow(RoundNearest(static_cast<long double>(out.SrcSize.Height) / 2) - 1)};
  const int32_t k = GridGap(gridShown, zoom) > 1 ? 1 : 0;
  out.CursorCell =
      Point{CheckedAdd(CheckedMul(CheckedNarrow(RoundNearest(out.CellCols / 2.0L) - 1), zoom), k),
            CheckedAdd(CheckedMul(CheckedNarrow(RoundNearest(out.CellRows / 2.0L) - 1), zoom), k)};
}
}  // namespace

Size LeastZoomArea(int32_t dpi) {
  const int32_t least = ScaleToDpi(50, dpi);
  return Size{least, least};
}

LayoutResult ComputeLayout(const LayoutInput& in) {
  LayoutResult out;
  const int32_t h = in.InfoHeight;
  out.ClientWidth = in.ClientWidth;
  out.ClientHeight = CheckedAdd(in.ClientHeight, CheckedSub(h, in.PreviousInfoHeight));
  // Below the least size the window is set a little above it, so that a frame drag that
  // reaches the limit does not stick to it.
  const int32_t least = LeastZoomArea(in.Dpi).Height, reset = ScaleToDpi(52, in.Dpi);
  if (CheckedSub(out.ClientHeight, h) < least) out.ClientHeight = CheckedAdd(h, reset);
  if (out.ClientWidth < least) out.ClientWidth = reset;
  out.InfoRect = Rect{0, CheckedSub(out.ClientHeight, h), out.ClientWidth, out.ClientHeight};
  DeriveGeometry(out, out.InfoRect.Top, in.Zoom, in.GridShown);
  return out;
}

LayoutResult ComputeZoomGeometry(int32_t zoomAreaWidth, int32_t zoomAreaHeight, int32_t zoom,
                                 bool gridShown) {
  LayoutResult out;
  out.ClientWidth = zoomAreaWidth;
  out.ClientHeight = zoomAreaHeight;
  out.InfoRect = Rect{0, zoomAreaHeight, zoomAreaWidth, zoomAreaHeight};
  DeriveGeometry(out, zoomAreaHeight, zoom, gridShown);
  return out;
}

WindowLayoutPlan PlanWindowLayout(LayoutInput in, const Rect& outer, bool minimised,
                                  const FitToWorkArea& fit) {
  WindowLayoutPlan plan;
  plan.Layout = ComputeLayout(in);
  plan.Frame = Size{CheckedSub(RectWidth(outer), in.ClientWidth),
                    CheckedSub(RectHeight(outer), in.ClientHeight)};
  plan.Place = Point{outer.Left, outer.Top};
  if (in.PreviousInfoHeight > 0 && in.InfoHeight > in.PreviousInfoHeight && !minimised) {
    const Point& p = plan.Place;
    const Rect fitted =
        fit(Rect{p.X, p.Y, CheckedAdd(p.X, CheckedAdd(plan.Layout.ClientWidth, plan.Frame.Width)),
                 CheckedAdd(p.Y, CheckedAdd(plan.Layout.ClientHeight, plan.Frame.Height))},
            CheckedAdd(in.InfoHeight, plan.Frame.Height));
    plan.Place = Point{fitted.Left, fitted.Top};
    in.ClientWidth = CheckedSub(RectWidth(fitted), plan.Frame.Width);
    in.ClientHeight = CheckedSub(RectHeight(fitted), plan.Frame.Height);
    in.PreviousInfoHeight = in.InfoHeight;
    plan.Layout = ComputeLayout(in);
  }
  plan.Moved = plan.Place.X != outer.Left || plan.Place.Y != outer.Top;
  return plan;
}
