#include "main/view/grid_plan.h"

#include <algorithm>

#include "base/checked.h"
#include "general/helpers.h"

int32_t GridGap(bool gridShown, int32_t zoom) { return gridShown && zoom > 3 ? 2 : 1; }

namespace {

// Adds the line unless it would draw nothing inside the zoom area: zero or negative length, or
// lying wholly outside. A reversed line must never be handed on, since a pen draws its start
// pixel whatever the direction, which near the probe cell could cover it.
void AddVertical(std::vector<GridLine>& lines, const GridPlanInput& in, int32_t x, int32_t y0,
                 int32_t y1, uint32_t color, PenMode mode) {
  if (x < 0 || x >= in.ClientWidth || y1 <= y0 || y1 <= 0 || y0 >= in.ZoomAreaHeight) return;
  lines.push_back(GridLine{Point{x, y0}, Point{x, y1}, color, mode});
}

void AddHorizontal(std::vector<GridLine>& lines, const GridPlanInput& in, int32_t y, int32_t x0,
                   int32_t x1, uint32_t color, PenMode mode) {
  if (y < 0 || y >= in.ZoomAreaHeight || x1 <= x0 || x1 <= 0 || x0 >= in.ClientWidth) return;
  lines.push_back(GridLine{Point{x0, y}, Point{x1, y}, color, mode});
}

// The arms stop one pixel short of the frame on each side, so the picture right next to the
// probe cell stays visible.
void PlanCrossHair(const GridPlanInput& in, int32_t g, std::vector<GridLine>& lines) {
  const int32_t z = in.Zoom;
  const int32_t cx = in.CursorCell.X;
  const int32_t cy = in.CursorCell.Y;
  const int32_t T = in.ZoomAreaHeight;
  const int32_t CW = in.ClientWidth;
  const int32_t reach = CheckedAdd(CheckedAdd(z, g), 1);
  AddVertical(lines, in, cx, 0, CheckedSub(CheckedSub(cy, g), 1), in.SubGridColor, kPenModeCopy);
  AddVertical(lines, in, cx, CheckedAdd(cy, reach), T, in.SubGridColor, kPenModeCopy);
  AddHorizontal(lines, in, cy, 0, CheckedSub(CheckedSub(cx, g), 1), in.SubGridColor, kPenModeCopy);
  AddHorizontal(lines, in, cy, CheckedAdd(cx, reach), CW, in.SubGridColor, kPenModeCopy);
}

// Position of the first sub-grid line on one axis: the probe cell's edge, stepped back by whole
// groups of five cells.
int32_t SubGridOrigin(int32_t cells, int32_t z) {
  const int32_t probeCell = CheckedNarrow(RoundNearest(cells / 2.0L)) - 1;
  return CheckedMul(probeCell % 5, z);
}

void PlanFullGrid(const GridPlanInput& in, std::vector<GridLine>& lines) {
  const int32_t z = in.Zoom;
  const int32_t T = in.ZoomAreaHeight;
  const int32_t CW = in.ClientWidth;

  // No line at x = 0 or y = 0; lines run in increasing order, so the first one past the zoom
  // area ends the loop.
  for (int32_t i = 1; i <= in.CellCols; ++i) {
    const int32_t x = CheckedMul(i, z);
    if (x >= CW) break;
    AddVertical(lines, in, x, 0, T, in.GridColor, in.GridPenMode);
  }
  for (int32_t i = 1; i <= in.CellRows; ++i) {
    const int32_t y = CheckedMul(i, z);
    if (y >= T) break;
    AddHorizontal(lines, in, y, 0, CW, in.GridColor, in.GridPenMode);
  }

  // Drawn over the grid lines they coincide with.
  const int32_t step = CheckedMul(5, z);
  const int32_t ox = SubGridOrigin(in.CellCols, z);
  for (int32_t i = 0; i <= in.CellCols / 5; ++i) {
    const int32_t x = CheckedAdd(ox, CheckedMul(step, i));
    if (x >= CW) break;
    AddVertical(lines, in, x, 0, T, in.SubGridColor, kPenModeCopy);
  }
  const int32_t oy = SubGridOrigin(in.CellRows, z);
  for (int32_t i = 0; i <= in.CellRows / 5; ++i) {
    const int32_t y = CheckedAdd(oy, CheckedMul(step, i));
    if (y >= T) break;
    AddHorizontal(lines, in, y, 0, CW, in.SubGridColor, kPenModeCopy);
  }
}

// A square of view pixels, both ends included.
struct FrameSquare {
  int32_t Left, Top, Right, Bottom;
};

// The frame around the probe cell and the cells around it that the colour sample takes in
// (none but the probe cell for a sample of one).
FrameSquare FrameSquareOf(const GridPlanInput& in, int32_t g, int32_t sampleCells) {
  const int32_t reach = CheckedMul(std::max(sampleCells, 1) / 2, in.Zoom);
  const int32_t x0 = CheckedSub(CheckedSub(in.CursorCell.X, g), reach);
  const int32_t y0 = CheckedSub(CheckedSub(in.CursorCell.Y, g), reach);
  const int32_t side = CheckedAdd(CheckedAdd(g, in.Zoom), CheckedMul(reach, 2));
  return FrameSquare{x0, y0, CheckedAdd(x0, side), CheckedAdd(y0, side)};
}

// What the spacing runs keep clear of: the probe cell's square, and the pixels of the sampled
// square's frame, where a run would otherwise change what the frame's inverting pen drew.
struct RunBounds {
  FrameSquare Probe, Sample;
};

// A run's segment along row `at` (across) or column `at` from `from` to `to`, exclusive, less
// the probe's square and the sampled square's frame, clipped to the zoom area.
void AddOutsideFrame(std::vector<GridLine>& lines, const GridPlanInput& in, const RunBounds& r,
                     bool across, int32_t at, int32_t from, int32_t to) {
  // The spans of the segment's line to leave out, both ends included, in order along it.
  struct Span {
    int32_t Low, High;
  };
  Span out[3];
  int count = 0;
  const auto low = [across](const FrameSquare& f) { return across ? f.Left : f.Top; };
  const auto high = [across](const FrameSquare& f) { return across ? f.Right : f.Bottom; };
  const auto first = [across](const FrameSquare& f) { return across ? f.Top : f.Left; };
  const auto last = [across](const FrameSquare& f) { return across ? f.Bottom : f.Right; };
  const FrameSquare &p = r.Probe, &s = r.Sample;
  const bool inSample = at >= first(s) && at <= last(s);
  if (inSample && (at == first(s) || at == last(s))) {
    out[count++] = Span{low(s), high(s)};  // along one of its sides: the whole side
  } else {
    if (inSample) out[count++] = Span{low(s), low(s)};
    if (at >= first(p) && at <= last(p)) out[count++] = Span{low(p), high(p)};
    if (inSample) out[count++] = Span{high(s), high(s)};
  }
  const auto add = [&](int32_t a, int32_t b) {
    const int32_t limit = across ? in.ClientWidth : in.ZoomAreaHeight;
    a = std::max(a, 0), b = std::min(b, limit);
    if (across)
      AddHorizontal(lines, in, at, a, b, kSpacingXorColor, kPenModeXor);
    else
      AddVertical(lines, in, at, a, b, kSpacingXorColor, kPenModeXor);
  };
  int32_t start = from;
  for (int i = 0; i < count; ++i) {
    add(start, std::min(to, out[i].Low));
    start = std::max(start, CheckedAdd(out[i].High, 1));
  }
  add(start, to);
}

// One side of a run: the line through the middle of the probe cell out to the run's end cell,
// and the mark across the end cell's farthest picture column (or row), which the line stops
// short of. sign is -1 towards the left or the top, +1 the other way.
void PlanRunSide(const GridPlanInput& in, const RunBounds& f, bool across, int32_t reach,
                 int32_t sign, std::vector<GridLine>& lines) {
  if (reach <= 0) return;
  const int32_t z = in.Zoom;
  const int32_t k = GridGap(in.GridShown, z) - 1;  // the grid line's share of every cell
  const int32_t inner = across ? in.CursorCell.X : in.CursorCell.Y;
  const int32_t cell = CheckedSub(inner, k);
  // The line and the marks keep to the cells' picture, between their grid lines.
  const int32_t middle = CheckedAdd(across ? in.CursorCell.Y : in.CursorCell.X, (z - k - 1) / 2);
  const int32_t half = std::max(1, (z - k - 1) / 2);
  const int32_t end = sign < 0
                          ? CheckedAdd(CheckedSub(cell, CheckedMul(reach, z)), k)
                          : CheckedSub(CheckedAdd(cell, CheckedMul(CheckedAdd(reach, 1), z)), 1);
  if (sign < 0)
    AddOutsideFrame(lines, in, f, across, middle, CheckedAdd(end, 1), inner);
  else
    AddOutsideFrame(lines, in, f, across, middle, inner, end);
  AddOutsideFrame(lines, in, f, !across, end, CheckedSub(middle, half),
                  CheckedAdd(CheckedAdd(middle, half), 1));
}

void PlanSpacing(const GridPlanInput& in, int32_t g, std::vector<GridLine>& lines) {
  const SpacingReach& r = in.Spacing;
  const RunBounds f{FrameSquareOf(in, g, 1), FrameSquareOf(in, g, in.SampleCells)};
  PlanRunSide(in, f, true, r.Left, -1, lines);
  PlanRunSide(in, f, true, r.Right, 1, lines);
  PlanRunSide(in, f, false, r.Up, -1, lines);
  PlanRunSide(in, f, false, r.Down, 1, lines);
}

// The closed square through (x0, y0) and (x0 + s, y0 + s). Each side runs rightward or
// downward and starts one pixel past the corner the previous side ended on, so the four sides
// cover every frame pixel exactly once: an inverting pen that touched a corner twice would
// restore it. A large sampled square may reach past the zoom area: each side keeps to it, so
// that none is drawn into the panel below.
void PlanFrame(const GridPlanInput& in, int32_t g, std::vector<GridLine>& lines) {
  const FrameSquare square = FrameSquareOf(in, g, in.SampleCells);
  const int32_t x0 = square.Left, y0 = square.Top, x1 = square.Right, y1 = square.Bottom;
  const auto across = [&](int32_t y, int32_t a, int32_t b) {
    AddHorizontal(lines, in, y, std::max(a, 0), std::min(b, in.ClientWidth), 0, kPenModeInvert);
  };
  const auto down = [&](int32_t x, int32_t a, int32_t b) {
    AddVertical(lines, in, x, std::max(a, 0), std::min(b, in.ZoomAreaHeight), 0, kPenModeInvert);
  };
  across(y0, x0, x1);
  down(x1, y0, y1);
  across(y1, CheckedAdd(x0, 1), CheckedAdd(x1, 1));
  down(x0, CheckedAdd(y0, 1), CheckedAdd(y1, 1));
}

}  // namespace

void PlanGrid(const GridPlanInput& in, std::vector<GridLine>& lines) {
  lines.clear();
  if (in.Zoom < 1) return;
  const int32_t g = GridGap(in.GridShown, in.Zoom);
  if (in.GridShown) {
    if (in.Zoom < 4)
      PlanCrossHair(in, g, lines);
    else
      PlanFullGrid(in, lines);
  }
  if (in.Spacing.Shown) PlanSpacing(in, g, lines);
  PlanFrame(in, g, lines);
}
