// The overlay on the enlarged picture as a list of lines: pixel grid, sub-grid every fifth
// cell counted from the probe cell, the cross-hair used instead below zoom 4, the spacing runs
// through the probe cell, and the inverted frame around the probe cell. Drawing the list in
// order with one-pixel pens reproduces the overlay; keeping it a plain list lets the geometry
// be checked without a device context.
#pragma once
#include <cstdint>
#include <vector>

#include "base/geometry.h"

// Binary raster operations of a pen, with the drawing system's numbering.
using PenMode = uint8_t;
constexpr PenMode kPenModeInvert = 3;  // the inverse of the pixel beneath; colour unused
constexpr PenMode kPenModeCopy = 4;    // the pen colour
constexpr PenMode kPenModeXor = 7;     // pixel beneath XOR pen colour
constexpr PenMode kPenModeMask = 12;   // pixel beneath AND pen colour

// The spacing runs' pen, in XOR mode: it flips the top bit of each channel, so every pixel it
// crosses moves half the range away, mid-grey (which inverts to itself, near enough) as well.
constexpr uint32_t kSpacingXorColor = 0x808080;

// One axis-aligned, one-pixel line from Start towards End; End itself is not drawn, as with
// MoveTo/LineTo. End always lies right of or below Start.
struct GridLine {
  Point Start;
  Point End;
  uint32_t Color = 0;  // COLORREF 0x00BBGGRR
  PenMode Mode = kPenModeCopy;
};

// How many pixels the spacing runs reach from the probe pixel on each side (0 where the run
// ends at the probe pixel); drawn only when Shown.
struct SpacingReach {
  bool Shown = false;
  int32_t Left = 0;
  int32_t Right = 0;
  int32_t Up = 0;
  int32_t Down = 0;
};

struct GridPlanInput {
  int32_t Zoom = 1;      // cell size in view pixels
  int32_t CellCols = 0;  // cells across and down the zoom area
  int32_t CellRows = 0;
  Point CursorCell;            // top-left pixel of the probe cell's interior
  int32_t ZoomAreaHeight = 0;  // lines end here
  int32_t ClientWidth = 0;
  bool GridShown = false;
  uint32_t GridColor = 0;
  uint32_t SubGridColor = 0;
  PenMode GridPenMode = kPenModeCopy;
  SpacingReach Spacing;
  // The side of the square of cells around the probe cell whose colours the panel averages (an
  // odd count); the frame goes around all of them.
  int32_t SampleCells = 1;
};

// View pixels between the probe cell's interior and its frame: 2 when a grid line runs between
// them, otherwise 1.
int32_t GridGap(bool gridShown, int32_t zoom);

// Replaces the contents of lines with the overlay in drawing order: cross-hair arms (zoom
// below 4) or grid then sub-grid (zoom 4 and up), when the grid is shown; the spacing runs in
// XOR mode, when shown: a line through the middle of the probe cell out to each run's last
// cell, with a short mark across that cell's farthest column or row of picture (so at zoom 1
// on the run's last pixel itself), stopping at the zoom area's edges and leaving out the
// frame's square and the pixels where they cross the sampled square's frame; then the four
// sides of the frame around the probe cell (or the sampled square) in invert mode. Lines that would
// fall wholly outside the zoom area are left out. The vector is meant to be kept and reused: once
// it has grown to fit, planning allocates nothing.
void PlanGrid(const GridPlanInput& in, std::vector<GridLine>& lines);
