#include "main/element/element_schedule.h"

#include <utility>

std::wstring ElementLineValue(ElementLine line, const ElementView& view,
                              const std::wstring& noAnswerText) {
  switch (view.State) {
    case ElementState::kPending:
      return kElementPendingText;
    case ElementState::kNoAnswer:
      return noAnswerText;
    case ElementState::kAnswered:
      return ElementLineText(line, view.Facts);
    case ElementState::kNotAsked:
      break;
  }
  return L"";
}

bool ElementSchedule::Observe(const Point& point, int64_t now, bool anyLineOn) {
  if (!anyLineOn || (inFlight_ && inFlight_->At == point) || HasFreshAnswer(point, now)) {
    waiting_.reset();
    return false;
  }
  if (waiting_ && waiting_->At == point) return false;
  waiting_ = Request{point, now};
  return true;
}

const ElementSchedule::Request* ElementSchedule::Outstanding(const Point& point) const {
  if (waiting_ && waiting_->At == point) return &*waiting_;
  if (inFlight_ && inFlight_->At == point) return &*inFlight_;
  return nullptr;
}

ElementView ElementSchedule::View(const Point& point, int64_t now) const {
  const Request* outstanding = Outstanding(point);
  // A point that has waited this long has a target that stopped answering, even where an
  // earlier answer for it is at hand.
  if (outstanding && now - outstanding->AskedAt >= kAnswerLimit)
    return ElementView{ElementState::kNoAnswer, {}};
  if (answer_ && answer_->For.At == point)
    return ElementView{ElementState::kAnswered, answer_->Facts};
  if (outstanding) return ElementView{ElementState::kPending, {}};
  return ElementView{};
}

bool ElementSchedule::HasFreshAnswer(const Point& point, int64_t now) const {
  return answer_ && answer_->For.At == point && now - answer_->For.AskedAt < kStillPeriod;
}

std::optional<Point> ElementSchedule::Take() {
  if (!waiting_) return std::nullopt;
  inFlight_ = std::exchange(waiting_, std::nullopt);
  return inFlight_->At;
}

void ElementSchedule::Deliver(ElementFacts facts) {
  if (!inFlight_) return;
  answer_ = Answer{*inFlight_, std::move(facts)};
  inFlight_.reset();
}
