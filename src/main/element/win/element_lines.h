// The element lines' side of the main window: the one element probe, made with the system's
// sources, and the view of the probe point that the panel last drew. The cycle hands the point
// over and goes on; between captures the timer asks whether an answer (or the answer limit)
// came, so that it shows without waiting for the next capture.
#pragma once
#include "base/geometry.h"
#include "main/element/element_probe.h"

class TElementLines {
 public:
  TElementLines();

  // The cycle: hands the point over (nothing while no line is on) and answers the view to
  // draw, which is kept as the one shown.
  ElementView Observe(const Point& point, bool anyLineOn);
  // Between captures: whether the view of the point differs from the one shown. Asks the
  // probe nothing while no line is on.
  bool Changed(const Point& point, bool anyLineOn) const;
  // The report and the copies while every line is off: one question, at most the answer
  // limit long.
  ElementView AskAndWait(const Point& point) { return probe_.AskAndWait(point); }

 private:
  ElementProbe probe_;
  ElementView shown_;
};
