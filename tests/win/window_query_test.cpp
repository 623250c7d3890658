// The window and process queries, on windows of another process.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/win/unique_handle.h"
#include "general/win/late_bound_proc.h"
#include "general/win/platform_info.h"
#include "general/win/window_query.h"
#include "main/probe/win/window_probe.h"
#include "main/texts/message_texts.h"
#include "tests/common/win_test_support.h"
#include "tests/win/probe_target_process.h"

namespace {
using namespace probe_target;

class WindowQuery : public testing::Test {
 protected:
  static void SetUpTestSuite() { target_ = std::make_unique<ProbeTargetProcess>(); }
  static void TearDownTestSuite() { target_.reset(); }
  void SetUp() override {
    ASSERT_TRUE(target_->Ready()) << "probe_target.exe: " << target_->StartReport();
    if (!IsNTPlatform()) GTEST_SKIP() << "the wide path runs on the NT family only";
  }
  static HWND Top(const wchar_t* cls) { return target_->TopLevel(cls); }
  static std::unique_ptr<ProbeTargetProcess> target_;
};
std::unique_ptr<ProbeTargetProcess> WindowQuery::target_;

double MillisecondsSince(LARGE_INTEGER start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

TEST_F(WindowQuery, ClassNamesAreBoundedTo254Characters) {
  EXPECT_EQ(GetWindowClassName(Top(kDialogClass)), L"LoupistProbeDialog");
  const std::wstring longClass = LongClassName();
  HWND hidden = Top(longClass.c_str());
  ASSERT_NE(hidden, nullptr);
  EXPECT_EQ(GetWindowClassName(hidden), longClass.substr(0, 254));
  EXPECT_EQ(GetWindowClassName(nullptr), L"");
}

TEST_F(WindowQuery, TextsOfCaptionsAndOfControlsThatOnlyAnswerByMessage) {
  // Longer than 255 characters: the first 255.
  EXPECT_EQ(ReadWindowText(Top(kLongTextClass)), LongText().substr(0, 255));
  // Characters outside the system code page survive the wide path.
  EXPECT_EQ(ReadWindowText(Top(kUnicodeClass)), kUnicodeText);

  // An edit control of another process keeps its contents out of its caption.
  HWND edit = target_->Child(Top(kEditHostClass), L"Edit", L"");
  ASSERT_NE(edit, nullptr);
  wchar_t caption[64] = {L'x'};
  GetWindowTextW(edit, caption, 64);
  ASSERT_STREQ(caption, L"") << "the caption must be empty for the message to be needed";
  EXPECT_EQ(ReadWindowText(edit), kEditContents);

  EXPECT_EQ(ReadWindowText(Top(kHungClass)), kHungAnswer);
  EXPECT_EQ(ReadWindowText(nullptr), L"");
}

TEST_F(WindowQuery, AHungWindowCostsOneTimeOutThenIsLeftAloneForFiveSeconds) {
  HWND hung = Top(kHungClass);
  ASSERT_EQ(ReadWindowText(hung), kHungAnswer);
  ASSERT_TRUE(target_->Hang());
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  bool answered = true;
  const std::wstring text = ReadWindowText(hung, &answered);
  const double elapsed = MillisecondsSince(start);
  EXPECT_EQ(text, L"");
  EXPECT_FALSE(answered);
  // One message timed out, at 500 ms; the text message is never sent.
  EXPECT_LT(elapsed, 800.0);
  RecordProperty("hung_window_ms", static_cast<int>(elapsed));
  printf("text of a hung window: %.0f ms\n", elapsed);

  // The probe pays that once, then leaves the window alone for five seconds while it stays under
  // the probe, and only it: a window in between is read, and the hung one is asked again.
  TWindowProbe probe;
  TProbeInfo info;
  const auto probeAt = [&](const Box& box, uint32_t now) {
    info.ScreenPoint = Point{box.CenterX(), box.CenterY()};
    QueryPerformanceCounter(&start);
    probe.ReadWindowFacts(TWindowSearch(), info, now);
    return MillisecondsSince(start);
  };
  EXPECT_GT(probeAt(kHung, 1000), 400.0);
  double again = 0;
  for (uint32_t now = 1060; now < 1000 + TWindowProbe::kSilencePeriod; now += 600)
    again += probeAt(kHung, now);
  EXPECT_LT(again, 300.0) << "asked again within the five seconds";
  EXPECT_EQ(info.Text, Message(TMessage::NoAnswer));
  probeAt(kRed, 2000);
  EXPECT_EQ(info.Text, kRedText);
  EXPECT_GT(probeAt(kHung, 2060), 400.0);
  target_->Release();
  probeAt(kHung, 2060 + TWindowProbe::kSilencePeriod);
  EXPECT_EQ(info.Text, kHungAnswer) << "asked again after five seconds, and answering";
}

TEST_F(WindowQuery, RectanglesAndCoordinates) {
  HWND red = Top(kRedClass);
  HWND redChild = target_->Child(red, kRedChildClass, kRedChildText);
  ASSERT_NE(redChild, nullptr);

  Rect bounds;
  ASSERT_TRUE(GetWindowBounds(red, bounds));
  EXPECT_EQ(bounds, (Rect{kRed.Left, kRed.Top, kRed.Right(), kRed.Bottom()}));
  EXPECT_EQ(GetClientBounds(red), (Rect{0, 0, kRed.Width, kRed.Height}));
  EXPECT_EQ(GetClientBounds(Top(kNoClientClass)), (Rect{0, 0, 0, 0}));

  // A failed query leaves the rectangle as it was, or zero for the client rectangle.
  HWND gone = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7FFFFFF0));
  Rect untouched{1, 2, 3, 4};
  EXPECT_FALSE(GetWindowBounds(gone, untouched));
  EXPECT_EQ(untouched, (Rect{1, 2, 3, 4}));
  EXPECT_EQ(GetClientBounds(gone), (Rect{0, 0, 0, 0}));

  Point client;
  const Point screen{kRed.Left + kRedChild.Left + 50, kRed.Top + kRedChild.Top + 30};
  EXPECT_TRUE(ScreenPointToClient(redChild, screen, client));
  EXPECT_EQ(client, (Point{50, 30}));
  EXPECT_FALSE(ScreenPointToClient(gone, screen, client));
  EXPECT_EQ(client, screen);

  EXPECT_EQ(GetParentWindow(redChild), red);
  // A top-level window's parent is the desktop, whose client coordinates are the screen's.
  EXPECT_EQ(GetParentWindow(red), GetDesktopWindow());
  EXPECT_TRUE(ScreenPointToClient(GetParentWindow(red), screen, client));
  EXPECT_EQ(client, screen);
}

TEST_F(WindowQuery, ProcessAndExecutable) {
  HWND red = Top(kRedClass);
  EXPECT_EQ(GetWindowProcessId(red), target_->ProcessId());
  const std::wstring exe = GetWindowExeName(red);
  EXPECT_EQ(lstrcmpiW(exe.c_str(), target_->ExePath().c_str()), 0)
      << "got \"" << std::string(exe.begin(), exe.end()) << "\"";
  EXPECT_EQ(GetWindowExeName(nullptr), L"");
}

TEST_F(WindowQuery, ThousandsOfQueriesKeepNoHandle) {
  HWND red = Top(kRedClass);
  HWND edit = target_->Child(Top(kEditHostClass), L"Edit", L"");
  GetWindowExeName(red);  // loads the libraries of the executable lookup, which then stay
  const long before = handle_count::Total();
  for (int i = 0; i < 1000; ++i) {
    GetWindowClassName(red);
    ReadWindowText(edit);
    Rect r;
    GetWindowBounds(red, r);
    ASSERT_FALSE(GetWindowExeName(red).empty());
  }
  EXPECT_EQ(handle_count::Total(), before);
}

TEST(LateBoundProc, AFailedLoadIsTriedAgainAndASuccessfulOneIsKept) {
  LateBoundProc missing(L"loupist-no-such-library.dll", "Anything");
  EXPECT_EQ(missing.Get(), nullptr);
  EXPECT_EQ(missing.Get(), nullptr);
  EXPECT_EQ(missing.LoadAttempts(), 2);

  const long librariesBefore = handle_count::Live(handle_count::kLibrary);
  {
    LateBoundProc psapi(L"PSAPI.dll", "GetModuleFileNameExW");
    const FARPROC first = psapi.Get();
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(psapi.Get(), first);
    EXPECT_EQ(psapi.LoadAttempts(), 1);
    EXPECT_EQ(handle_count::Live(handle_count::kLibrary), librariesBefore + 1);

    LateBoundProc noEntry(L"PSAPI.dll", "NoSuchEntryPoint");
    EXPECT_EQ(noEntry.Get(), nullptr);
  }
  EXPECT_EQ(handle_count::Live(handle_count::kLibrary), librariesBefore);
}

TEST(LateBoundProc, ALibraryBesideTheProgramIsNeverTakenForASystemOne) {
  // The stranger's library lies beside this program, where a search by bare name looks first.
  const std::wstring name = L"loupist_planted_" + std::to_wstring(GetCurrentProcessId()) + L".dll";
  const std::wstring planted = ProgramFolder() + name;
  ASSERT_TRUE(CopyFileW((ProgramFolder() + L"planted\\planted_library.dll").c_str(),
                        planted.c_str(), FALSE));
  const std::wstring mark = ProgramFolder() + L"planted_library_loaded";
  DeleteFileW(mark.c_str());
  LateBoundProc proc(name, "DllMain");
  EXPECT_EQ(proc.Get(), nullptr) << "the library was found outside the system folder";
  EXPECT_EQ(GetFileAttributesW(mark.c_str()), INVALID_FILE_ATTRIBUTES);
  {
    // The same name by bare name is found: the test would catch a search outside the system.
    UniqueLibrary byName(LoadLibraryW(name.c_str()));
    EXPECT_TRUE(byName);
  }
  DeleteFileW(mark.c_str());
  DeleteFileW(planted.c_str());
}

TEST(PlatformInfo, WineReportsTheNTFamily) {
  if (!IsNTPlatform()) GTEST_SKIP() << "run with a Windows 95-family version";
  EXPECT_TRUE(IsWin2000OrLater());
  // Wine's default version is Windows 7 (NT 6.1).
  EXPECT_EQ(GetWindowsName(), L"7");
}

}  // namespace
