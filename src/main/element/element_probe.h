// The element probe: asks for the UI element under the probe point on a worker thread of its
// own, so that a target that is slow, hangs or dies never costs the capture cycle anything.
// The cycle only hands the point over and reads the last answer; the worker alone talks to
// the system. The worker starts with the first request; a worker stuck in another process is
// left to itself when the probe goes (never waited for, never terminated) and ends with the
// process.
#pragma once
#include <functional>
#include <memory>

#include "base/geometry.h"
#include "main/element/element_facts.h"
#include "main/element/element_schedule.h"

class ElementProbe {
 public:
  // Makes the source on the worker thread, where it is used and destroyed; null for none
  // (every answer then says that no element was found).
  using SourceMaker = std::function<std::unique_ptr<ElementSource>()>;

  explicit ElementProbe(SourceMaker makeSource);
  ElementProbe(const ElementProbe&) = delete;
  ElementProbe& operator=(const ElementProbe&) = delete;
  // Returns at once, whatever the worker is doing.
  ~ElementProbe();

  // The cycle: the probe point, and whether any element line is on. Returns at once; starts
  // and asks nothing while no line is on.
  void Observe(const Point& point, bool anyLineOn);
  // What the panel shows for the point now. Returns at once.
  ElementView View(const Point& point) const;
  // For the report and the copies while every element line is off: asks for the point unless
  // a fresh answer is at hand, and waits for it at most ElementSchedule::kAnswerLimit.
  ElementView AskAndWait(const Point& point);

  // Worker threads of all probes that have not ended yet.
  static int LiveWorkers();

 private:
  struct Shared;
  static void Work(const std::shared_ptr<Shared>& shared, const SourceMaker& makeSource);
  void Wake();

  std::shared_ptr<Shared> shared_;
  SourceMaker makeSource_;
  bool started_ = false;
};
