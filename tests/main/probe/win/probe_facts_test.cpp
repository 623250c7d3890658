// The inspector's facts in ProbeInfo, read by the main window's capture cycle over windows of
// the helper (32-bit and 64-bit) and of this process.
#include <gtest/gtest.h>

#include <cwchar>
#include <memory>
#include <string>

#include "general/win/dpi.h"
#include "general/win/platform_info.h"
#include "general/win/window_query.h"
#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "my_settingfile/win/settings_file.h"
#include "tests/win/main_window.h"
#include "tests/win/probe_target_process.h"
#include "tests/win/scene.h"

namespace {
using namespace probe_target;

uint64_t Number(HWND window) { return reinterpret_cast<uintptr_t>(window); }

Rect BoundsOf(HWND window) {
  Rect r;
  GetWindowBounds(window, r);
  return r;
}

Point CentreOf(const Rect& r) { return Point{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

std::wstring OwnExe() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

class ProbeFactsBase : public testing::Test {
 protected:
  void StartApp() { app_ = StartMainWindow(POINT{1270, 1010}, POINT{40, 300}); }
  void TearDown() override { app_.reset(); }
  // One capture cycle with the cursor at p.
  const TProbeInfo& ProbeAt(const Point& p) {
    SetCursorPos(p.X, p.Y);
    app_->RefreshView();
    return LoupistInternals(*app_).Info();
  }
  NoSettingsFile noSettingsFile_;
  std::unique_ptr<TApp_Loupist> app_;
};

class ProbeFacts : public ProbeFactsBase {
 protected:
  static void SetUpTestSuite() { target_ = std::make_unique<ProbeTargetProcess>(); }
  static void TearDownTestSuite() { target_.reset(); }
  void SetUp() override {
    ASSERT_TRUE(target_->Ready()) << "probe_target.exe: " << target_->StartReport();
    if (!IsNTPlatform()) GTEST_SKIP() << "the NT path";
    StartApp();
  }
  static HWND Dialog() { return target_->TopLevel(kSystemDialogClass); }
  static std::unique_ptr<ProbeTargetProcess> target_;
};
std::unique_ptr<ProbeTargetProcess> ProbeFacts::target_;

TEST_F(ProbeFacts, TheButtonInTheGroupBoxOfADialog) {
  const HWND button = GetDlgItem(Dialog(), kGroupedButtonId);
  ASSERT_NE(button, nullptr);
  const TProbeInfo& info = ProbeAt(CentreOf(BoundsOf(button)));
  ASSERT_EQ(info.Window, Number(button));
  EXPECT_EQ(info.Style, kGroupedButtonStyle);
  EXPECT_EQ(info.ExStyle, ReadWindowStyles(button).ExStyle);
  EXPECT_EQ(info.Parent, Number(Dialog()));
  EXPECT_EQ(info.ParentClassName, L"#32770");
  EXPECT_EQ(info.ParentChain, L"Button < #32770");
  EXPECT_EQ(info.ProcessId, target_->ProcessId());
  EXPECT_EQ(info.ThreadId, target_->ThreadId());
  EXPECT_EQ(info.Bitness, ProbeTargetProcess::kOwnBits);
  EXPECT_EQ(info.Integrity, L"High");  // Wine's tokens are all elevated
  // The helper's first thread makes system-aware windows; they see the screen's DPI.
  EXPECT_EQ(info.DpiAwareness, L"System");
  EXPECT_EQ(info.WindowDpi, WindowDpi(nullptr));
  // No compositor under Wine: the window rectangle.
  EXPECT_EQ(info.VisibleBounds, BoundsOf(button));
  EXPECT_TRUE(SameFile(info.ExeName, target_->ExePath()));
}

TEST_F(ProbeFacts, AnOwnedPopupAndAWindowWithoutOwner) {
  const TProbeInfo& owned = ProbeAt(Point{kOwned.CenterX(), kOwned.CenterY()});
  ASSERT_EQ(owned.Window, Number(target_->TopLevel(kOwnedClass)));
  EXPECT_EQ(owned.Parent, Number(Dialog()));
  EXPECT_EQ(owned.ParentClassName, L"#32770");
  EXPECT_EQ(owned.ParentChain, L"LoupistProbeOwned");

  const TProbeInfo& styled = ProbeAt(Point{kStyled.CenterX(), kStyled.CenterY()});
  ASSERT_EQ(styled.Window, Number(target_->TopLevel(kStyledClass)));
  EXPECT_EQ(styled.Style, kStyledStyle);
  EXPECT_EQ(styled.ExStyle, kStyledExStyle);
  EXPECT_EQ(styled.Parent, 0u);
  EXPECT_EQ(styled.ParentClassName, L"");
  EXPECT_EQ(styled.ParentChain, L"LoupistProbeStyled");
  EXPECT_EQ(styled.VisibleBounds,
            (Rect{kStyled.Left, kStyled.Top, kStyled.Right(), kStyled.Bottom()}));

  // A child of a child: the chain runs up to the top-level window.
  const TProbeInfo& inner = ProbeAt(Point{kDialog.Left + kUpperPanel.Left + kInnerPanel.CenterX(),
                                          kDialog.Top + kUpperPanel.Top + kInnerPanel.CenterY()});
  EXPECT_EQ(inner.ParentChain, L"LoupistProbePanel < LoupistProbePanel < LoupistProbeDialog");
  EXPECT_EQ(inner.ParentClassName, L"LoupistProbePanel");
}

// Class names are read as the wide strings they are: the class, the parent and the chain
// keep what the code page cannot hold.
TEST_F(ProbeFacts, ClassNamesOutsideTheCodePage) {
  const TProbeInfo& info = ProbeAt(Point{kUnicodeNamed.Left + kUnicodeNamedChild.CenterX(),
                                         kUnicodeNamed.Top + kUnicodeNamedChild.CenterY()});
  ASSERT_EQ(info.Parent, Number(target_->TopLevel(kUnicodeNameClass)));
  EXPECT_EQ(info.ClassName, L"Ünïcødé✓Ωκ");
  EXPECT_EQ(info.ParentClassName, L"Ünïcødé✓Ωκ");
  EXPECT_EQ(info.ParentChain, L"Ünïcødé✓Ωκ < Ünïcødé✓Ωκ");
}

TEST_F(ProbeFacts, NoWindowUnderThePointEmptiesEveryFact) {
  LoupistInternals a(*app_);
  ProbeAt(Point{kStyled.CenterX(), kStyled.CenterY()});
  ASSERT_NE(a.Info().ProcessId, 0u) << "the facts must be there before they can go";
  // Self-exclusion searches the whole tree, which finds nothing over the hidden window.
  a.Command(Cmd::actOpt_NoSelfCapture).SetChecked(true);
  const TProbeInfo& info = ProbeAt(Point{kHidden.CenterX(), kHidden.CenterY()});
  ASSERT_EQ(info.Window, 0u);
  EXPECT_EQ(info.Style, 0u);
  EXPECT_EQ(info.ExStyle, 0u);
  EXPECT_EQ(info.Parent, 0u);
  EXPECT_EQ(info.ParentClassName, L"");
  EXPECT_EQ(info.ProcessId, 0u);
  EXPECT_EQ(info.ThreadId, 0u);
  EXPECT_EQ(info.Bitness, 0);
  EXPECT_EQ(info.Integrity, L"");
  EXPECT_EQ(info.DpiAwareness, L"");
  EXPECT_EQ(info.WindowDpi, 0);
  EXPECT_EQ(info.VisibleBounds, Rect{});
  EXPECT_EQ(info.ParentChain, L"");
  EXPECT_EQ(info.ExeName, L"");
}

// Styles, owner and bounds change under a probe that stays put; the process facts follow the
// window when the probe moves to another one.
TEST_F(ProbeFacts, WhatChangesIsReadEveryCycle) {
  SceneWindow own(400, 700, 100, 100, [](int, int) { return RGB(0, 0, 255); });
  const HWND window = own.Handle();
  const TProbeInfo& first = ProbeAt(Point{450, 750});
  ASSERT_EQ(first.Window, Number(window));
  EXPECT_EQ(first.ProcessId, GetCurrentProcessId());
  EXPECT_EQ(first.ThreadId, GetCurrentThreadId());
  EXPECT_TRUE(SameFile(first.ExeName, OwnExe()));
  EXPECT_EQ(first.Parent, 0u);
  const uint32_t exStyle = first.ExStyle;
  ASSERT_EQ(exStyle & WS_EX_ACCEPTFILES, 0u);

  SetWindowLongW(window, GWL_EXSTYLE, static_cast<LONG>(exStyle | WS_EX_ACCEPTFILES));
  SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(app_->Handle()));
  SetWindowPos(window, nullptr, 410, 705, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const TProbeInfo& second = ProbeAt(Point{450, 750});
  ASSERT_EQ(second.Window, Number(window));
  EXPECT_EQ(second.ExStyle, exStyle | WS_EX_ACCEPTFILES);
  EXPECT_EQ(second.Parent, Number(app_->Handle()));
  EXPECT_EQ(second.VisibleBounds, (Rect{410, 705, 510, 805}));

  // To the helper's window and back: each window its own process's facts.
  EXPECT_EQ(ProbeAt(Point{kStyled.CenterX(), kStyled.CenterY()}).ProcessId, target_->ProcessId());
  EXPECT_EQ(ProbeAt(Point{450, 750}).ProcessId, GetCurrentProcessId());
  EXPECT_TRUE(SameFile(LoupistInternals(*app_).Info().ExeName, OwnExe()));
}

// The helper of the other bitness: a 64-bit one seen by the 32-bit program, and the reverse.
class ProbeFactsOtherBitness : public ProbeFactsBase {
 protected:
  static void SetUpTestSuite() {
    target_ = std::make_unique<ProbeTargetProcess>(ProbeTargetProcess::kOtherBitnessHelper);
  }
  static void TearDownTestSuite() { target_.reset(); }
  void SetUp() override {
    if (target_->OtherBitnessCannotRun())
      GTEST_SKIP() << "this system (or Wine prefix) does not run programs of the other bitness";
    ASSERT_TRUE(target_->Ready()) << "the other bitness's helper: " << target_->StartReport();
    StartApp();
  }
  static std::unique_ptr<ProbeTargetProcess> target_;
};
std::unique_ptr<ProbeTargetProcess> ProbeFactsOtherBitness::target_;

TEST_F(ProbeFactsOtherBitness, TheBitnessFollowsTheWindowUnderThePoint) {
  SceneWindow own(400, 700, 100, 100, [](int, int) { return RGB(0, 0, 255); });
  const Point helper{kRed.CenterX(), kRed.CenterY()};
  const TProbeInfo& info = ProbeAt(helper);
  ASSERT_EQ(info.Window, Number(target_->TopLevel(kRedClass)));
  EXPECT_EQ(info.Bitness, ProbeTargetProcess::kOtherBits);
  EXPECT_EQ(info.ProcessId, target_->ProcessId());
  EXPECT_TRUE(SameFile(info.ExeName, target_->ExePath()));
  EXPECT_EQ(ProbeAt(Point{450, 750}).Bitness, static_cast<int32_t>(sizeof(void*) * 8));
  EXPECT_EQ(ProbeAt(helper).Bitness, ProbeTargetProcess::kOtherBits);
  EXPECT_TRUE(SameFile(info.ExeName, target_->ExePath()));
}

}  // namespace
