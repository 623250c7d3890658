// The element probe with the system's own sources: the buttons that a window of another
// process draws itself, a window that stops answering, and a long run of answers that leaves
// nothing behind.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, whose types it uses.
#include <tlhelp32.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "base/win/unique_handle.h"
#include "main/element/element_probe.h"
#include "main/element/win/com_runtime.h"
#include "main/element/win/system_element_source.h"
#include "main/element/win/uia_source.h"
#include "tests/win/probe_target_process.h"

namespace {
using namespace probe_target;

// Set for the copy of this program that the exit test starts.
constexpr char kExitChildVariable[] = "LOUPIST_ELEMENT_EXIT_CHILD";
const Point kHungPoint{kHung.CenterX(), kHung.CenterY()};

Point DrawnButtonCenter(int i) {
  return Point{kDrawnButtons.Left + kDrawnButton[i].CenterX(),
               kDrawnButtons.Top + kDrawnButton[i].CenterY()};
}

double NowMs() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The probe's view of the point once an answer came, asked as the cycle asks.
ElementView AnswerAt(ElementProbe& probe, const Point& point) {
  const double start = NowMs();
  ElementView view;
  do {
    probe.Observe(point, true);
    view = probe.View(point);
    if (view.State == ElementState::kAnswered) break;
    Sleep(5);
  } while (NowMs() - start < 5000);
  return view;
}

bool WorkersEndWithin(double ms) {
  const double start = NowMs();
  while (ElementProbe::LiveWorkers() != 0 && NowMs() - start < ms) Sleep(5);
  return ElementProbe::LiveWorkers() == 0;
}

// Threads and open handles of this process, as the system counts them.
int ProcessThreads() {
  UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  THREADENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  int count = 0;
  for (BOOL more = Thread32First(snapshot.get(), &entry); more;
       more = Thread32Next(snapshot.get(), &entry))
    count += entry.th32OwnerProcessID == GetCurrentProcessId();
  return count;
}
DWORD ProcessHandles() {
  DWORD count = 0;
  GetProcessHandleCount(GetCurrentProcess(), &count);
  return count;
}

class ElementProbeTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { target_ = std::make_unique<ProbeTargetProcess>(); }
  static void TearDownTestSuite() { target_.reset(); }
  static std::unique_ptr<ProbeTargetProcess> target_;
};
std::unique_ptr<ProbeTargetProcess> ElementProbeTest::target_;

TEST_F(ElementProbeTest, OverEachDrawnButtonTheFactsNameItAndGiveItsRectangle) {
  ASSERT_TRUE(target_->Ready()) << target_->StartReport();
  // Where UI Automation's client cannot be made (Wine), Active Accessibility answers.
  bool uiaMissing = false;
  std::thread([&] {
    ComRuntime runtime;
    uiaMissing = !UiaSource::Create(runtime);
  }).join();
  ElementProbe probe(MakeSystemElementSource);
  for (int i = 0; i < 3; ++i) {
    const ElementView view = AnswerAt(probe, DrawnButtonCenter(i));
    ASSERT_EQ(view.State, ElementState::kAnswered) << i;
    const Box& b = kDrawnButton[i];
    EXPECT_EQ(view.Facts.Name, kDrawnButtonText[i]);
    EXPECT_EQ(view.Facts.Bounds,
              (Rect{kDrawnButtons.Left + b.Left, kDrawnButtons.Top + b.Top,
                    kDrawnButtons.Left + b.Right(), kDrawnButtons.Top + b.Bottom()}));
    EXPECT_FALSE(view.Facts.ControlType.empty());
    ASSERT_FALSE(view.Facts.Ancestors.empty());
    EXPECT_EQ(view.Facts.Ancestors[0].Name, kDrawnButtonsText);
    if (uiaMissing) EXPECT_EQ(view.Facts.Framework, L"MSAA");
  }
}

TEST_F(ElementProbeTest, TheChainOfAControlReachesItsTopLevelWindow) {
  ASSERT_TRUE(target_->Ready()) << target_->StartReport();
  ElementProbe probe(MakeSystemElementSource);
  const Point button{kDialog.Left + kEnabledButton.CenterX(),
                     kDialog.Top + kEnabledButton.CenterY()};
  const ElementView view = AnswerAt(probe, button);
  ASSERT_EQ(view.State, ElementState::kAnswered);
  EXPECT_EQ(view.Facts.Name, kEnabledText);
  ASSERT_FALSE(view.Facts.Ancestors.empty());
  EXPECT_EQ(view.Facts.Ancestors.back().Name, L"Dialog") << "the top-level window's element";
}

TEST_F(ElementProbeTest, AWindowThatStopsAnsweringCostsTheCycleNothing) {
  ASSERT_TRUE(target_->Ready()) << target_->StartReport();
  ASSERT_TRUE(target_->Hang());
  auto probe = std::make_unique<ElementProbe>(MakeSystemElementSource);
  double worst = 0;
  ElementState last = ElementState::kNotAsked;
  for (const double start = NowMs(); NowMs() - start < 1000;) {
    const double before = NowMs();
    probe->Observe(kHungPoint, true);
    last = probe->View(kHungPoint).State;
    worst = std::max(worst, NowMs() - before);
    Sleep(60);
  }
  EXPECT_EQ(last, ElementState::kNoAnswer);
  EXPECT_LT(worst, 20.0) << "the cycle's calls wait for nothing";
  const double before = NowMs();
  probe.reset();
  EXPECT_LT(NowMs() - before, 50.0) << "the probe goes without waiting for its stuck worker";
  EXPECT_EQ(ElementProbe::LiveWorkers(), 1);

  // A copy of this program that exits with its worker stuck in the hung window.
  std::vector<wchar_t> self(MAX_PATH * 4, L'\0');
  GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
  std::wstring commandLine =
      L"\"" + std::wstring(self.data()) + L"\" --gtest_filter=ElementProbeExit.WithItsWorkerStuck";
  SetEnvironmentVariableA(kExitChildVariable, "1");
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  const BOOL started = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &startup, &info);
  SetEnvironmentVariableA(kExitChildVariable, nullptr);
  ASSERT_TRUE(started);
  UniqueKernelHandle process(info.hProcess), thread(info.hThread);
  EXPECT_EQ(WaitForSingleObject(process.get(), 5000), WAIT_OBJECT_0)
      << "the copy's start, half a second's wait and its exit; the window stays hung for 20 s";
  DWORD code = 1;
  GetExitCodeProcess(process.get(), &code);
  EXPECT_EQ(code, 0u);

  target_->Release();
  EXPECT_TRUE(WorkersEndWithin(5000)) << "the worker ends once the window answers again";
}

// Runs only in the copy that the test above starts.
TEST(ElementProbeExit, WithItsWorkerStuck) {
  if (!std::getenv(kExitChildVariable)) GTEST_SKIP() << "started by the hung-window test";
  ElementProbe probe(MakeSystemElementSource);
  EXPECT_EQ(probe.AskAndWait(kHungPoint).State, ElementState::kNoAnswer);
}

TEST_F(ElementProbeTest, ManyAnswersLeaveNoHandleComObjectOrThreadBehind) {
  ASSERT_TRUE(target_->Ready()) << target_->StartReport();
  const long before = handle_count::Total();
  {
    ElementProbe probe(MakeSystemElementSource);
    // The worker, its apartment and its libraries come with the first answer.
    ASSERT_EQ(AnswerAt(probe, DrawnButtonCenter(0)).State, ElementState::kAnswered);
    const long owned = handle_count::Total();
    const long comObjects = handle_count::Live(handle_count::kComObject);
    const int threads = ProcessThreads();
    const DWORD handles = ProcessHandles();
    // Each answer crosses into the helper through COM (about 0.2 s under Wine).
    for (int i = 0; i < 50; ++i) {
      // A point of its own each time, so that each is asked anew.
      const Point p{DrawnButtonCenter(i % 3).X + i % 2, DrawnButtonCenter(i % 3).Y};
      const ElementView view = AnswerAt(probe, p);
      ASSERT_EQ(view.State, ElementState::kAnswered) << i;
      ASSERT_EQ(view.Facts.Name, kDrawnButtonText[i % 3]) << i;
    }
    EXPECT_EQ(handle_count::Total(), owned);
    EXPECT_EQ(handle_count::Live(handle_count::kComObject), comObjects);
    EXPECT_LE(ProcessThreads(), threads + 2);
    EXPECT_LE(ProcessHandles(), handles + 10);
    EXPECT_EQ(ElementProbe::LiveWorkers(), 1);
  }
  EXPECT_TRUE(WorkersEndWithin(2000));
  EXPECT_EQ(handle_count::Total(), before) << "the worker let its libraries and objects go";
}

}  // namespace
