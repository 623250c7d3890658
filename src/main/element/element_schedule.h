// When the element probe asks and which answer the panel may show. The cycle hands over the
// probe point and goes on; the worker takes the point, asks the system and delivers the
// answer. One request waits at most: a newer point replaces a waiting one, and a worker that
// comes back takes the newest. An answer belongs to the point it was asked for and is never
// shown for another. Times are milliseconds of one steady clock. Not thread-safe by itself:
// the probe calls it under its lock.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "base/geometry.h"
#include "main/element/element_facts.h"
#include "main/element/element_text.h"

enum class ElementState {
  kNotAsked,  // nothing was asked for the point (every element line off)
  kPending,   // asked, no answer yet
  kNoAnswer,  // asked ElementSchedule::kAnswerLimit ago or longer, still no answer
  kAnswered,
};

struct ElementView {
  ElementState State = ElementState::kNotAsked;
  ElementFacts Facts;  // the answer's, while State is kAnswered
  // The panel is drawn again when the view of its point changes: an answer comes, or the
  // limit passes without one.
  friend bool operator==(const ElementView& a, const ElementView& b) {
    return a.State == b.State && a.Facts == b.Facts;
  }
  friend bool operator!=(const ElementView& a, const ElementView& b) { return !(a == b); }
};

// "…" while an answer is pending.
constexpr wchar_t kElementPendingText[] = L"\u2026";

// A line's value in the panel: kElementPendingText while pending, noAnswerText once the limit
// has passed, the answer's text (ElementLineText) when answered; empty when nothing was asked.
std::wstring ElementLineValue(ElementLine line, const ElementView& view,
                              const std::wstring& noAnswerText);

class ElementSchedule {
 public:
  // How long an answer may take before the panel says that none came.
  static constexpr int64_t kAnswerLimit = 500;
  // How often a still point is asked again, as the window facts are read again.
  static constexpr int64_t kStillPeriod = 1000;

  // The probe point at now. Asks nothing while no element line is on (and drops a request
  // that waits); otherwise asks for the point unless it is being asked already or its answer
  // is younger than kStillPeriod. A still point is asked again only after its previous
  // answer came back. True when a new request waits for the worker.
  bool Observe(const Point& point, int64_t now, bool anyLineOn);
  // What the panel shows for the point at now.
  ElementView View(const Point& point, int64_t now) const;
  // An answer for the point asked kStillPeriod before now or later.
  bool HasFreshAnswer(const Point& point, int64_t now) const;

  // The worker: the waiting request, which is then in flight; nothing when none waits.
  std::optional<Point> Take();
  // The worker: the answer to the request in flight.
  void Deliver(ElementFacts facts);

 private:
  struct Request {
    Point At;
    int64_t AskedAt = 0;
  };
  struct Answer {
    Request For;
    ElementFacts Facts;
  };
  // The request for the point that waits or is in flight.
  const Request* Outstanding(const Point& point) const;
  std::optional<Request> waiting_;
  std::optional<Request> inFlight_;
  std::optional<Answer> answer_;
};
