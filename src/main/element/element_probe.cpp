#include "main/element/element_probe.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "main/element/element_text.h"

namespace {
std::atomic<int> liveWorkers{0};

int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

// Owned together by the probe and its worker, so that a worker that outlives the probe
// touches nothing that is gone.
struct ElementProbe::Shared {
  std::mutex mutex;
  std::condition_variable requested;  // a request waits, or the probe went
  std::condition_variable answered;
  ElementSchedule schedule;
  bool stop = false;
};

ElementProbe::ElementProbe(SourceMaker makeSource)
    : shared_(std::make_shared<Shared>()), makeSource_(std::move(makeSource)) {}

ElementProbe::~ElementProbe() {
  {
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->stop = true;
  }
  shared_->requested.notify_all();
}

int ElementProbe::LiveWorkers() { return liveWorkers.load(); }

void ElementProbe::Observe(const Point& point, bool anyLineOn) {
  bool asked;
  {
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    asked = shared_->schedule.Observe(point, NowMs(), anyLineOn);
  }
  if (asked) Wake();
}

ElementView ElementProbe::View(const Point& point) const {
  const std::lock_guard<std::mutex> lock(shared_->mutex);
  return shared_->schedule.View(point, NowMs());
}

ElementView ElementProbe::AskAndWait(const Point& point) {
  const int64_t start = NowMs();
  bool asked;
  {
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    asked = shared_->schedule.Observe(point, start, true);
  }
  if (asked) Wake();
  std::unique_lock<std::mutex> lock(shared_->mutex);
  shared_->answered.wait_for(lock, std::chrono::milliseconds(ElementSchedule::kAnswerLimit),
                             [&] { return shared_->schedule.HasFreshAnswer(point, NowMs()); });
  return shared_->schedule.View(point, NowMs());
}

void ElementProbe::Wake() {
  if (!started_) {
    started_ = true;
    ++liveWorkers;
    try {
      std::thread(Work, shared_, makeSource_).detach();
    } catch (const std::system_error&) {
      // No thread: requests stay unanswered, and the panel says so once the limit passes.
      --liveWorkers;
    }
  }
  shared_->requested.notify_one();
}

void ElementProbe::Work(const std::shared_ptr<Shared>& shared, const SourceMaker& makeSource) {
  {
    // No exception may leave the thread: a source that throws answers "nothing found".
    std::unique_ptr<ElementSource> source;
    try {
      if (makeSource) source = makeSource();
    } catch (...) {
    }
    std::unique_lock<std::mutex> lock(shared->mutex);
    while (!shared->stop) {
      const std::optional<Point> point = shared->schedule.Take();
      if (!point) {
        shared->requested.wait(lock);
        continue;
      }
      lock.unlock();
      ElementFacts facts;
      try {
        if (!source || !source->Query(*point, facts)) facts = ElementFacts{};
        facts = CutFacts(std::move(facts));
      } catch (...) {
        facts = ElementFacts{};
      }
      lock.lock();
      shared->schedule.Deliver(std::move(facts));
      shared->answered.notify_all();
    }
    lock.unlock();
    // The source goes on this thread, which made it.
    source.reset();
  }
  --liveWorkers;
}
