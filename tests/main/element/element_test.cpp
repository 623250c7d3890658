// The element probe's rules: when it asks, what the panel shows meanwhile, which source
// answers, and how foreign text is kept to one bounded line.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <future>
#include <thread>

#include "main/element/element_probe.h"
#include "main/element/element_schedule.h"
#include "main/element/element_text.h"

namespace {
using State = ElementState;
const Point kA{10, 20}, kB{30, 40}, kC{50, 60};

ElementFacts Named(const std::wstring& name) {
  ElementFacts facts;
  facts.Found = true;
  facts.ControlType = L"button";
  facts.Name = name;
  return facts;
}

TEST(ElementSchedule, AnAnswerIsShownOnlyForItsPointAndItsAbsenceAfterTheLimit) {
  ElementSchedule s;
  EXPECT_TRUE(s.Observe(kA, 0, true));
  EXPECT_FALSE(s.Observe(kA, 20, true)) << "a point is asked once";
  EXPECT_EQ(s.View(kA, 20).State, State::kPending);
  EXPECT_EQ(s.Take(), kA);
  // The cursor moves on while A is asked: B waits, then C takes its place.
  EXPECT_TRUE(s.Observe(kB, 30, true));
  EXPECT_TRUE(s.Observe(kC, 40, true));
  s.Deliver(Named(L"a"));
  EXPECT_EQ(s.View(kC, 50).State, State::kPending) << "A's answer is not C's";
  EXPECT_EQ(s.View(kA, 50).Facts.Name, L"a");
  EXPECT_EQ(s.Take(), kC) << "the worker takes the newest point";
  EXPECT_FALSE(s.Take()) << "one request waits at most";
  EXPECT_EQ(s.View(kC, 539).State, State::kPending);
  EXPECT_EQ(s.View(kC, 540).State, State::kNoAnswer);
  EXPECT_NE(s.View(kC, 539), s.View(kC, 540)) << "what tells the cycle to draw again";
  s.Deliver(Named(L"c"));
  EXPECT_EQ(s.View(kC, 600).Facts.Name, L"c");
  EXPECT_NE(s.View(kC, 600), (ElementView{State::kAnswered, Named(L"other")}));
}

TEST(ElementSchedule, AStillPointIsAskedAgainEverySecondOnlyAfterItsAnswerCameBack) {
  ElementSchedule s;
  s.Observe(kA, 0, true);
  s.Take();
  EXPECT_FALSE(s.Observe(kA, 1500, true)) << "not while the first is out";
  EXPECT_EQ(s.View(kA, 1500).State, State::kNoAnswer);
  s.Deliver(Named(L"1"));
  EXPECT_TRUE(s.Observe(kA, 1600, true)) << "back, and a second old";
  s.Take();
  s.Deliver(Named(L"2"));
  EXPECT_FALSE(s.Observe(kA, 2599, true));
  EXPECT_TRUE(s.Observe(kA, 2600, true));
  s.Take();
  EXPECT_EQ(s.View(kA, 3099).Facts.Name, L"2") << "the last answer while the next is out";
  EXPECT_EQ(s.View(kA, 3100).State, State::kNoAnswer) << "the target stopped answering";
  // Every line off: nothing is asked, and a waiting request is dropped.
  EXPECT_TRUE(s.Observe(kB, 3200, true));
  EXPECT_FALSE(s.Observe(kB, 3210, false));
  s.Deliver(Named(L"3"));
  EXPECT_FALSE(s.Take());
  EXPECT_EQ(s.View(kB, 3220).State, State::kNotAsked);
}

TEST(ElementText, AForeignNameStaysOneBoundedLineAndIsCopiedAsItCame) {
  const std::wstring name = L"a\tb\r\nc\x01\x85\u2028" + std::wstring(5000, L'x');
  ElementFacts facts = Named(name);
  facts.AutomationId = name;
  facts.Ancestors.assign(20, ElementName{L"pane", name});
  facts = CutFacts(facts);
  for (ElementLine line :
       {ElementLine::kElement, ElementLine::kAutomationId, ElementLine::kChain}) {
    const std::wstring text = ElementLineText(line, facts);
    for (wchar_t c : text) {
      EXPECT_FALSE(c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029)
          << "control character " << static_cast<int>(c) << " in line " << static_cast<int>(line);
    }
    EXPECT_NE(text.find(L'\u2026'), std::wstring::npos);
  }
  EXPECT_LE(ElementLineText(ElementLine::kElement, facts).size(), 7 + kForeignTextLimit + 2);
  EXPECT_EQ(facts.Ancestors.size(), kMaxElementAncestors);
  const std::wstring copy = ElementCopyText(ElementLine::kElement, facts, false);
  EXPECT_EQ(copy.size(), kForeignTextLimit);
  EXPECT_EQ(copy.substr(0, 6), L"a\tb\r\nc");
  EXPECT_EQ(copy.back(), L'\u2026');

  EXPECT_EQ(CutForeignText(std::wstring(260, L'y')), std::wstring(260, L'y'));
  // As UTF-16 units, whatever the width of wchar_t here.
  const std::wstring emoji{static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
  const std::wstring cut = CutForeignText(std::wstring(258, L'x') + emoji + L"yy");
  EXPECT_EQ(cut, std::wstring(258, L'x') + L"\u2026") << "a surrogate pair is never split";
}

TEST(ElementText, LinesAndCopiesOfEachLine) {
  ElementFacts facts = Named(L"OK");
  facts.AutomationId = L"okButton";
  facts.Framework = L"Win32";
  facts.Bounds = Rect{-5, 10, 95, 50};
  facts.Ancestors = {{L"dialog", L"Save"}, {L"", L"Top"}};
  struct Case {
    ElementLine line;
    const wchar_t *shown, *plain, *shifted;
  } cases[] = {
      {ElementLine::kElement, L"button \"OK\"", L"OK", L"button \"OK\""},
      {ElementLine::kAutomationId, L"okButton", L"okButton", L"\"okButton\""},
      {ElementLine::kBounds, L"L=-5 T=10 W=100 H=40", L"-5, 10, 100, 40", L"(-5, 10, 100, 40)"},
      {ElementLine::kFramework, L"Win32", L"Win32", L"\"Win32\""},
      {ElementLine::kChain, L"button \"OK\" < dialog \"Save\" < \"Top\"", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ElementLineText(c.line, facts), c.shown);
    if (c.plain) {
      EXPECT_EQ(ElementCopyText(c.line, facts, false), c.plain);
      EXPECT_EQ(ElementCopyText(c.line, facts, true), c.shifted);
    }
    EXPECT_EQ(ElementLineText(c.line, ElementFacts{}), L"") << "no element found";
  }
  const ElementView pending{State::kPending, {}}, silent{State::kNoAnswer, {}};
  EXPECT_EQ(ElementLineValue(ElementLine::kBounds, pending, L"(応答なし)"), L"\u2026");
  EXPECT_EQ(ElementLineValue(ElementLine::kBounds, silent, L"(応答なし)"), L"(応答なし)");
  EXPECT_EQ(ElementLineValue(ElementLine::kBounds, ElementView{}, L"(応答なし)"), L"");
  // A foreign program's rectangle wider than 32 bits can count still shows.
  facts.Bounds = Rect{INT_MIN, 0, INT_MAX, 10};
  EXPECT_EQ(ElementLineText(ElementLine::kBounds, CutFacts(facts)),
            L"L=-2147483648 T=0 W=2147483647 H=10");
}

// A source that answers or fails as told, counting its calls, and leaves a trace when it fails.
struct StandInSource : ElementSource {
  StandInSource(bool answersQueries, int& callCount) : answers(answersQueries), calls(callCount) {}
  bool Query(const Point&, ElementFacts& facts) override {
    ++calls;
    facts.AutomationId = L"half written";
    if (!answers) return false;
    facts = Named(L"answered");
    facts.Framework = L"first";
    return true;
  }
  bool answers;
  int& calls;
};

TEST(FallbackSource, TheSecondAnswersWhereTheFirstIsMissingOrFails) {
  struct Case {
    int first;  // -1: missing, 0: fails, 1: answers
    int second;
    bool answered;
    int secondCalls;
  } cases[] = {{1, 1, true, 0}, {0, 1, true, 1}, {-1, 1, true, 1}, {0, 0, false, 1}};
  for (const Case& c : cases) {
    int firstCalls = 0, secondCalls = 0;
    auto make = [](int how, int& calls) {
      return how < 0 ? nullptr : std::make_unique<StandInSource>(how == 1, calls);
    };
    FallbackSource source(make(c.first, firstCalls), make(c.second, secondCalls));
    ElementFacts facts;
    EXPECT_EQ(source.Query(kA, facts), c.answered);
    EXPECT_EQ(secondCalls, c.secondCalls);
    EXPECT_EQ(facts.Found, c.answered);
    EXPECT_EQ(facts.AutomationId, L"") << "nothing of a failed source is left";
  }
}

// Holds every query until its gate opens.
struct HungSource : ElementSource {
  explicit HungSource(std::shared_future<void> g) : gate(std::move(g)) {}
  bool Query(const Point&, ElementFacts& facts) override {
    gate.wait();
    facts = Named(L"late");
    return true;
  }
  std::shared_future<void> gate;
};

double MsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

bool WorkersEndWithin(int ms) {
  const auto start = std::chrono::steady_clock::now();
  while (ElementProbe::LiveWorkers() != 0 && MsSince(start) < ms)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return ElementProbe::LiveWorkers() == 0;
}

TEST(ElementProbe, AHungSourceCostsTheCallerNothingAndItsWorkerIsLeftToItself) {
  std::promise<void> gate;
  auto probe = std::make_unique<ElementProbe>(
      [opened = gate.get_future().share()] { return std::make_unique<HungSource>(opened); });
  auto start = std::chrono::steady_clock::now();
  probe->Observe(kA, true);
  probe->Observe(kB, true);
  EXPECT_EQ(probe->View(kB).State, State::kPending);
  EXPECT_LT(MsSince(start), 50.0);
  start = std::chrono::steady_clock::now();
  EXPECT_EQ(probe->AskAndWait(kB).State, State::kNoAnswer);
  EXPECT_GE(MsSince(start), 450.0);
  EXPECT_LT(MsSince(start), 1500.0);
  start = std::chrono::steady_clock::now();
  probe.reset();
  EXPECT_LT(MsSince(start), 50.0) << "the probe goes without waiting for its worker";
  EXPECT_EQ(ElementProbe::LiveWorkers(), 1) << "the stuck worker is still there";
  gate.set_value();
  EXPECT_TRUE(WorkersEndWithin(2000)) << "and ends by itself once its query returns";
}

// Names the point it was asked for.
struct EchoSource : ElementSource {
  bool Query(const Point& point, ElementFacts& facts) override {
    facts = Named(std::to_wstring(point.X));
    return true;
  }
};

TEST(ElementProbe, ManyAnswersFromOneWorkerAndNoneWhileEveryLineIsOff) {
  int made = 0;
  {
    ElementProbe probe([&made] {
      ++made;
      return std::make_unique<EchoSource>();
    });
    probe.Observe(kA, false);
    EXPECT_EQ(ElementProbe::LiveWorkers(), 0) << "nothing starts while every line is off";
    EXPECT_EQ(probe.View(kA).State, State::kNotAsked);
    for (int i = 0; i < 200; ++i) {
      const ElementView view = probe.AskAndWait(Point{i, 0});
      EXPECT_EQ(view.State, State::kAnswered) << i;
      EXPECT_EQ(view.Facts.Name, std::to_wstring(i));
    }
    EXPECT_EQ(ElementProbe::LiveWorkers(), 1);
    ElementProbe silent(nullptr);
    EXPECT_FALSE(silent.AskAndWait(kA).Facts.Found) << "without a source nothing is found";
  }
  EXPECT_EQ(made, 1);
  EXPECT_TRUE(WorkersEndWithin(2000));
}

}  // namespace
