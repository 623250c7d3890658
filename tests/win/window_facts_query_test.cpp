// The inspector's queries (styles, parent and owner, parent chain, process and thread, bitness,
// integrity level, DPI awareness, visible bounds, executable) on windows of the helper, which
// knows these facts of itself, in its 32-bit and its 64-bit build.
//
// Under Wine some facts cannot be checked as on Windows: every process runs with an elevated
// token (integrity High), there is no desktop compositor (its bounds call answers E_NOTIMPL, so
// the visible bounds are the window rectangle), and a thread cannot choose per-monitor v2.
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "base/win/calling_convention.h"
#include "base/win/unique_handle.h"
#include "general/win/dpi.h"
#include "general/win/platform_info.h"
#include "general/win/process_query.h"
#include "general/win/window_query.h"
#include "general/win/window_relations.h"
#include "main/probe/window_styles.h"
#include "tests/win/probe_target_process.h"

namespace {
using namespace probe_target;
using Chain = std::vector<std::wstring>;

// What the helper's styled window says of its process.
struct HelperSelf {
  unsigned long ProcessId = 0, ThreadId = 0;
  int Bits = 0;
};
HelperSelf ReadHelperSelf(const ProbeTargetProcess& target) {
  wchar_t text[100] = {};
  GetWindowTextW(target.TopLevel(kStyledClass), text, 100);
  HelperSelf self;
  swscanf(text, L"Styled %lu %lu %d", &self.ProcessId, &self.ThreadId, &self.Bits);
  return self;
}

std::wstring ModuleRoute(DWORD processId) {
  const UniqueKernelHandle process(
      OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  wchar_t path[MAX_PATH] = {};
  if (process) GetModuleFileNameExW(process.get(), nullptr, path, MAX_PATH);
  return path;
}

bool SystemIs64Bit() {
  BOOL wow64 = FALSE;
  return sizeof(void*) == 8 || (IsWow64Process(GetCurrentProcess(), &wow64) && wow64);
}

Rect WindowRectOf(HWND window) {
  Rect r;
  EXPECT_TRUE(GetWindowBounds(window, r));
  return r;
}

const HWND kGone = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7FFFFFF0));

// The facts every build of the helper must show alike; bits is what the helper says it is.
void ExpectTheHelpersFacts(const ProbeTargetProcess& target, int bits) {
  const HelperSelf self = ReadHelperSelf(target);
  EXPECT_EQ(self.ProcessId, target.ProcessId());
  EXPECT_EQ(self.ThreadId, target.ThreadId());
  EXPECT_EQ(self.Bits, bits);

  const HWND styled = target.TopLevel(kStyledClass);
  const HWND dialog = target.TopLevel(kSystemDialogClass);
  ASSERT_NE(dialog, nullptr);
  const HWND button = GetDlgItem(dialog, kGroupedButtonId);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(GetWindowProcessId(button), self.ProcessId);
  EXPECT_EQ(GetWindowThreadId(button), self.ThreadId);
  EXPECT_EQ(ProcessBitness(self.ProcessId), bits);
  EXPECT_EQ(ReadWindowStyles(styled).Style, kStyledStyle);
  EXPECT_EQ(ReadWindowStyles(styled).ExStyle, kStyledExStyle);
  EXPECT_EQ(ReadWindowStyles(button).Style, kGroupedButtonStyle);
  EXPECT_EQ(GetParentOrOwner(button), dialog);
  EXPECT_EQ(GetParentChainClassNames(button), (Chain{L"Button", L"#32770"}));
  EXPECT_EQ(GetParentOrOwner(target.TopLevel(kOwnedClass)), dialog);
  EXPECT_EQ(GetWindowDpiAwareness(styled), TDpiAwareness::System);
  EXPECT_TRUE(SameFile(GetWindowExeName(styled), target.ExePath()));
}

class WindowInspect : public testing::Test {
 protected:
  static void SetUpTestSuite() { target_ = std::make_unique<ProbeTargetProcess>(); }
  static void TearDownTestSuite() { target_.reset(); }
  void SetUp() override {
    ASSERT_TRUE(target_->Ready()) << "probe_target.exe: " << target_->StartReport();
    if (!IsNTPlatform()) GTEST_SKIP() << "the NT path";
  }
  static HWND Top(const wchar_t* cls) { return target_->TopLevel(cls); }
  static HWND Dialog() { return Top(kSystemDialogClass); }
  static HWND Button() { return GetDlgItem(Dialog(), kGroupedButtonId); }
  static std::unique_ptr<ProbeTargetProcess> target_;
};
std::unique_ptr<ProbeTargetProcess> WindowInspect::target_;

TEST_F(WindowInspect, TheHelpersFactsAsItKnowsThem) {
  ExpectTheHelpersFacts(*target_, ProbeTargetProcess::kOwnBits);
}

TEST_F(WindowInspect, StylesAsTheHelperAskedForThem) {
  const WindowStyles styled = ReadWindowStyles(Top(kStyledClass));
  EXPECT_EQ(DecodeWindowStyle(styled.Style),
            L"WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU | "
            L"WS_MINIMIZEBOX");
  EXPECT_EQ(DecodeExtendedStyle(styled.ExStyle),
            L"WS_EX_NOACTIVATE | WS_EX_APPWINDOW | WS_EX_ACCEPTFILES | WS_EX_TOPMOST");
  EXPECT_EQ(ReadWindowStyles(GetDlgItem(Dialog(), kGroupBoxId)).Style, kGroupBoxStyle);
  // The dialog manager may add to a dialog's styles, never take away.
  EXPECT_EQ(ReadWindowStyles(Dialog()).Style & kSystemDialogStyle, kSystemDialogStyle);
  EXPECT_NE(ReadWindowStyles(Dialog()).ExStyle & WS_EX_TOPMOST, 0u);
  const WindowStyles gone = ReadWindowStyles(kGone);
  EXPECT_EQ(gone.Style, 0u);
  EXPECT_EQ(gone.ExStyle, 0u);
}

TEST_F(WindowInspect, ParentOrOwnerAndTheChainUpToTheTopLevelWindow) {
  const HWND dialog = Dialog();
  const HWND red = Top(kRedClass);
  const HWND oldDialog = Top(kDialogClass);
  const HWND upper = target_->Child(oldDialog, kPanelClass, kUpperText);
  const HWND inner = target_->Child(upper, kPanelClass, kInnerText);
  ASSERT_NE(inner, nullptr);

  EXPECT_EQ(GetParentOrOwner(GetDlgItem(dialog, kGroupBoxId)), dialog);
  EXPECT_EQ(GetParentOrOwner(inner), upper);
  EXPECT_EQ(GetParentOrOwner(target_->Child(red, kRedChildClass, kRedChildText)), red);
  // Top-level windows: the owned popup names its owner, the others nothing.
  EXPECT_EQ(GetParentOrOwner(Top(kOwnedClass)), dialog);
  EXPECT_EQ(GetParentOrOwner(dialog), nullptr);
  EXPECT_EQ(GetParentOrOwner(Top(kStyledClass)), nullptr);
  EXPECT_EQ(GetParentOrOwner(nullptr), nullptr);
  EXPECT_EQ(GetParentOrOwner(kGone), nullptr);

  EXPECT_EQ(GetParentChainClassNames(inner),
            (Chain{L"LoupistProbePanel", L"LoupistProbePanel", L"LoupistProbeDialog"}));
  // The owner is no parent: an owned window is a chain of its own.
  EXPECT_EQ(GetParentChainClassNames(Top(kOwnedClass)), (Chain{L"LoupistProbeOwned"}));
  EXPECT_EQ(GetParentChainClassNames(nullptr), Chain{});
  EXPECT_EQ(GetParentChainClassNames(kGone), Chain{});
}

TEST(WindowRelations, AChainDeeperThanTheLimitEndsInAnEllipsis) {
  // A top-level button with static controls nested inside, one in the other.
  std::vector<HWND> windows;
  windows.push_back(CreateWindowExW(0, L"BUTTON", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                    nullptr, nullptr));
  for (size_t i = 1; i <= kParentChainLimit; ++i)
    windows.push_back(CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 50, 50, windows.back(),
                                      nullptr, nullptr, nullptr));
  for (HWND w : windows) ASSERT_NE(w, nullptr);
  const std::wstring top = GetWindowClassName(windows.front());
  const std::wstring nested = GetWindowClassName(windows.back());

  // Exactly the limit: every name, the top-level window's last.
  const Chain full = GetParentChainClassNames(windows[kParentChainLimit - 1]);
  ASSERT_EQ(full.size(), kParentChainLimit);
  EXPECT_EQ(full.front(), nested);
  EXPECT_EQ(full.back(), top);
  // One deeper: the chain stops before the top and says so.
  const Chain cut = GetParentChainClassNames(windows.back());
  ASSERT_EQ(cut.size(), kParentChainLimit);
  EXPECT_EQ(cut[kParentChainLimit - 2], nested);
  EXPECT_EQ(cut.back(), L"...");
  DestroyWindow(windows.front());
}

TEST_F(WindowInspect, ProcessAndThreadIds) {
  const HelperSelf self = ReadHelperSelf(*target_);
  DWORD process = 0;
  EXPECT_EQ(GetWindowThreadId(Top(kStyledClass), &process), self.ThreadId);
  EXPECT_EQ(process, self.ProcessId);
  // The hung window has a thread of its own in the same process.
  const HWND hung = Top(kHungClass);
  EXPECT_EQ(GetWindowProcessId(hung), self.ProcessId);
  EXPECT_NE(GetWindowThreadId(hung), self.ThreadId);
  EXPECT_NE(GetWindowThreadId(hung), 0u);
  process = 7;
  EXPECT_EQ(GetWindowThreadId(kGone, &process), 0u);
  EXPECT_EQ(process, 0u);
  EXPECT_EQ(GetWindowThreadId(nullptr), 0u);
}

TEST_F(WindowInspect, BitnessOfTheHelperAndOfThisProgram) {
  EXPECT_EQ(ProcessBitness(GetCurrentProcessId()), static_cast<int32_t>(sizeof(void*) * 8));
  EXPECT_EQ(ProcessBitness(0), 0);
  // A process that cannot be opened cannot be told on a 64-bit system; on a 32-bit one every
  // process is 32-bit.
  EXPECT_EQ(ProcessBitness(0xFFFFFFF0u), SystemIs64Bit() ? 0 : 32);
}

TEST_F(WindowInspect, IntegrityLevels) {
  // Wine gives every process an elevated token; lower levels cannot be seen here.
  EXPECT_EQ(ProcessIntegrityLevel(target_->ProcessId()), TIntegrityLevel::High);
  EXPECT_EQ(ProcessIntegrityLevel(GetCurrentProcessId()), TIntegrityLevel::High);
  EXPECT_EQ(ProcessIntegrityLevel(0xFFFFFFF0u), TIntegrityLevel::Unknown);
  EXPECT_EQ(ProcessIntegrityLevel(0), TIntegrityLevel::Unknown);

  const struct {
    uint32_t rid;
    const wchar_t* name;
  } levels[] = {
      {0x0000, L"Low"},    {0x1000, L"Low"},        {0x1FFF, L"Low"},  {0x2000, L"Medium"},
      {0x2100, L"Medium"}, {0x3000, L"High"},       {0x3FFF, L"High"}, {0x4000, L"System"},
      {0x5000, L"System"}, {0xFFFFFFFF, L"System"},
  };
  for (const auto& level : levels)
    EXPECT_STREQ(IntegrityLevelName(IntegrityLevelOfRid(level.rid)), level.name) << level.rid;
  EXPECT_STREQ(IntegrityLevelName(TIntegrityLevel::Unknown), L"?");
}

TEST(WindowDpiAwareness, EachWindowAsItsThreadWasWhenItWasMade) {
  using SetContext = HANDLE(WINAPI*)(HANDLE);
  const auto set = ProcAs<SetContext>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext"));
  if (!set) GTEST_SKIP() << "the system has no per-thread DPI awareness";
  const struct {
    intptr_t context;
    TDpiAwareness awareness;
  } cases[] = {
      {-1, TDpiAwareness::Unaware},
      {-2, TDpiAwareness::System},
      {-3, TDpiAwareness::PerMonitor},
      {-4, TDpiAwareness::PerMonitorV2},
  };
  int made = 0;
  for (const auto& c : cases) {
    const HANDLE previous = set(reinterpret_cast<HANDLE>(c.context));
    // Wine 8 refuses per-monitor v2 for a thread; that case is then not checked.
    if (!previous) continue;
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        nullptr, nullptr);
    set(previous);
    ++made;
    EXPECT_EQ(GetWindowDpiAwareness(window), c.awareness) << c.context;
    // An unaware window sees 96 dots per inch whatever the screen; a system-aware one the
    // screen's.
    if (c.awareness == TDpiAwareness::Unaware) EXPECT_EQ(DpiOfAnyWindow(window), 96);
    if (c.awareness == TDpiAwareness::System) EXPECT_EQ(DpiOfAnyWindow(window), WindowDpi(nullptr));
    DestroyWindow(window);
  }
  EXPECT_GE(made, 3);
  EXPECT_EQ(GetWindowDpiAwareness(nullptr), TDpiAwareness::Unknown);
  EXPECT_EQ(GetWindowDpiAwareness(kGone), TDpiAwareness::Unknown);
  EXPECT_EQ(DpiOfAnyWindow(kGone), 0);
  EXPECT_STREQ(DpiAwarenessName(TDpiAwareness::Unknown), L"?");
  EXPECT_STREQ(DpiAwarenessName(TDpiAwareness::PerMonitorV2), L"PerMonitorV2");
}

TEST_F(WindowInspect, VisibleBoundsWithoutACompositorAreTheWindowRectangle) {
  EXPECT_EQ(GetVisibleBounds(Top(kStyledClass)),
            (Rect{kStyled.Left, kStyled.Top, kStyled.Right(), kStyled.Bottom()}));
  // A framed window and a child alike.
  EXPECT_EQ(GetVisibleBounds(Dialog()), WindowRectOf(Dialog()));
  EXPECT_EQ(GetVisibleBounds(Button()), WindowRectOf(Button()));
  EXPECT_EQ(GetVisibleBounds(kGone), Rect{});
  EXPECT_EQ(GetVisibleBounds(nullptr), Rect{});
}

TEST_F(WindowInspect, TheExecutableOfAProcessThatTheModuleRouteCannotRead) {
  EXPECT_TRUE(SameFile(ProcessImagePath(target_->ProcessId()), target_->ExePath()));
  EXPECT_EQ(ProcessImagePath(0xFFFFFFF0u), L"");
  // Wine's desktop belongs to a 64-bit process, whose modules a 32-bit program cannot list;
  // the limited right and the full-image-name call name its executable all the same.
  const HWND desktop = GetDesktopWindow();
  const DWORD desktopProcess = GetWindowProcessId(desktop);
  if (sizeof(void*) == 4 && SystemIs64Bit()) EXPECT_EQ(ModuleRoute(desktopProcess), L"");
  const std::wstring exe = GetWindowExeName(desktop);
  ASSERT_GT(exe.size(), 12u);
  EXPECT_TRUE(SameFile(exe.substr(exe.size() - 12), L"explorer.exe")) << exe.size();
}

TEST_F(WindowInspect, NoQueryWaitsForAHungWindow) {
  const HWND hung = Top(kHungClass);
  ASSERT_TRUE(target_->Hang());
  const DWORD start = GetTickCount();
  for (int i = 0; i < 10; ++i) {
    ReadWindowStyles(hung);
    GetParentOrOwner(hung);
    GetParentChainClassNames(hung);
    GetWindowThreadId(hung);
    ProcessBitness(GetWindowProcessId(hung));
    ProcessIntegrityLevel(GetWindowProcessId(hung));
    GetWindowDpiAwareness(hung);
    DpiOfAnyWindow(hung);
    GetVisibleBounds(hung);
    GetWindowExeName(hung);
  }
  const DWORD elapsed = GetTickCount() - start;
  target_->Release();
  // A single message to the hung window would wait for its time-out (500 ms) or for ever.
  EXPECT_LT(elapsed, 250u);
}

TEST_F(WindowInspect, ThousandsOfQueriesKeepNoHandle) {
  const HWND button = Button();
  const DWORD process = target_->ProcessId();
  auto round = [&] {
    ReadWindowStyles(button);
    GetParentChainClassNames(button);
    GetVisibleBounds(button);
    GetWindowDpiAwareness(button);
    ASSERT_EQ(ProcessBitness(process), ProbeTargetProcess::kOwnBits);
    ASSERT_EQ(ProcessIntegrityLevel(process), TIntegrityLevel::High);
    ASSERT_FALSE(ProcessImagePath(process).empty());
  };
  round();  // loads the libraries, which then stay
  const long before = handle_count::Total();
  for (int i = 0; i < 1000; ++i) round();
  EXPECT_EQ(handle_count::Total(), before);
}

// The helper of the other bitness: a 64-bit one shown to the 32-bit program, and the reverse.
class WindowInspectOtherBitness : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    target_ = std::make_unique<ProbeTargetProcess>(ProbeTargetProcess::kOtherBitnessHelper);
  }
  static void TearDownTestSuite() { target_.reset(); }
  void SetUp() override {
    if (target_->OtherBitnessCannotRun())
      GTEST_SKIP() << "this system (or Wine prefix) does not run programs of the other bitness";
    ASSERT_TRUE(target_->Ready()) << "the other bitness's helper: " << target_->StartReport();
  }
  static std::unique_ptr<ProbeTargetProcess> target_;
};
std::unique_ptr<ProbeTargetProcess> WindowInspectOtherBitness::target_;

TEST_F(WindowInspectOtherBitness, TheHelpersFactsAsItKnowsThem) {
  ExpectTheHelpersFacts(*target_, ProbeTargetProcess::kOtherBits);
  // Only the limited right names the executable of a 64-bit process to a 32-bit program.
  if (sizeof(void*) == 4) EXPECT_EQ(ModuleRoute(target_->ProcessId()), L"");
}

}  // namespace
