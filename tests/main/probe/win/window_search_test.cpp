// The window under the probe point, among windows of another process.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "main/probe/win/window_search.h"
#include "my_settingfile/win/settings_file.h"
#include "tests/win/main_window.h"
#include "tests/win/probe_target_process.h"
#include "tests/win/scene.h"

namespace {
using namespace probe_target;

Point At(const Box& top, int x, int y) { return Point{top.Left + x, top.Top + y}; }
Point CenterOf(const Box& top, const Box& child) {
  return At(top, child.CenterX(), child.CenterY());
}

class WindowSearch : public testing::Test {
 protected:
  static void SetUpTestSuite() { target_ = std::make_unique<ProbeTargetProcess>(); }
  static void TearDownTestSuite() { target_.reset(); }
  void SetUp() override {
    ASSERT_TRUE(target_->Ready()) << "probe_target.exe: " << target_->StartReport();
    app_ = StartMainWindow(POINT{1270, 1010}, POINT{40, 300});
  }
  void TearDown() override { app_.reset(); }

  struct Case {
    const char* what;
    Point point;
    HWND expected;
  };
  // The windows of the helper and the answer the search owes for a point on each.
  std::vector<Case> Cases() const {
    HWND dialog = target_->TopLevel(kDialogClass);
    HWND upper = target_->Child(dialog, kPanelClass, kUpperText);
    HWND red = target_->TopLevel(kRedClass);
    const Point upperOnly = At(kDialog, kUpperPanel.Left + 30, kUpperPanel.Top + 45);
    const Point overlap = At(kDialog, kLowerPanel.Left + 25, kLowerPanel.Top + 15);
    const Point lowerOnly = At(kDialog, kLowerPanel.Left + 70, kLowerPanel.Top + 50);
    const Point inner = At(kDialog, kUpperPanel.Left + kInnerPanel.CenterX(),
                           kUpperPanel.Top + kInnerPanel.CenterY());
    // Inside the overhanging child's rectangle, outside its parent's.
    const Point beneath = At(kDialog, kBeneathPanel.Left + 30, kBeneathPanel.Top + 15);
    return {
        {"enabled button", CenterOf(kDialog, kEnabledButton),
         target_->Child(dialog, L"Button", kEnabledText)},
        {"disabled button", CenterOf(kDialog, kDisabledButton),
         target_->Child(dialog, L"Button", kDisabledText)},
        {"dialog background", At(kDialog, 200, 170), dialog},
        {"upper panel", upperOnly, upper},
        {"overlap of the panels", overlap, upper},
        {"lower panel", lowerOnly, target_->Child(dialog, kPanelClass, kLowerText)},
        {"panel inside the upper one", inner, target_->Child(upper, kPanelClass, kInnerText)},
        {"panel beneath a child clipped away by its parent", beneath,
         target_->Child(dialog, kPanelClass, kBeneathText)},
        {"shaped window, outside its region", At(kShaped, 2, 2),
         target_->TopLevel(kBelowShapedClass)},
        {"shaped window, inside its region", At(kShaped, 100, 100),
         target_->TopLevel(kShapedClass)},
        {"window below the layered one", At(kBelowLayered, 5, 5),
         target_->TopLevel(kBelowLayeredClass)},
        {"window without a client area", CenterOf(kNoClient, kNoClientChild),
         target_->TopLevel(kNoClientClass)},
        {"red window", Point{90, 60}, red},
        {"red child", CenterOf(kRed, kRedChild),
         target_->Child(red, kRedChildClass, kRedChildText)},
    };
  }

  static std::unique_ptr<ProbeTargetProcess> target_;
  NoSettingsFile noSettingsFile_;
  std::unique_ptr<TApp_Loupist> app_;
};
std::unique_ptr<ProbeTargetProcess> WindowSearch::target_;

TEST_F(WindowSearch, OrdinaryModeAndTheFullWalkAgreeOnEveryWindow) {
  LoupistInternals a(*app_);
  for (const Case& c : Cases()) {
    ASSERT_NE(c.expected, nullptr) << c.what << ": the helper has no such window";
    EXPECT_EQ(a.FindWindowUnderCursor(c.point), c.expected) << c.what;
    EXPECT_EQ(SearchWindowTree(c.point, false, nullptr), c.expected) << "full walk: " << c.what;
  }
  // Not in self-exclusion: a layered window is a window like any other.
  const Point layered = At(kLayered, 100, 75);
  EXPECT_EQ(a.FindWindowUnderCursor(layered), target_->TopLevel(kLayeredClass));
}

TEST_F(WindowSearch, SelfExclusionPassesOverLayeredWindows) {
  LoupistInternals a(*app_);
  Action& noSelfCapture = a.Command(Cmd::actOpt_NoSelfCapture);
  ASSERT_TRUE(noSelfCapture.Enabled());
  noSelfCapture.SetChecked(true);
  EXPECT_EQ(a.FindWindowUnderCursor(At(kLayered, 100, 75)), target_->TopLevel(kBelowLayeredClass));
  // Everything else is answered as before, now by the full walk alone.
  for (const Case& c : Cases()) EXPECT_EQ(a.FindWindowUnderCursor(c.point), c.expected) << c.what;
}

TEST_F(WindowSearch, LoupeModePassesOverTheMagnifierItself) {
  LoupistInternals a(*app_);
  // The magnifier, topmost, over the dialog's enabled button.
  SetWindowPos(app_->Handle(), HWND_TOPMOST, kDialog.Left + 5, kDialog.Top + 5, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE);
  const Point button = CenterOf(kDialog, kEnabledButton);
  ASSERT_EQ(a.FindWindowUnderCursor(button), app_->Handle());
  a.Command(Cmd::actCapture_Lupe).SetChecked(true);
  ASSERT_TRUE(a.Command(Cmd::actCapture_Lupe).Enabled());
  EXPECT_EQ(a.FindWindowUnderCursor(button),
            target_->Child(target_->TopLevel(kDialogClass), L"Button", kEnabledText));
  a.Command(Cmd::actCapture_Lupe).SetChecked(false);
  SetWindowPos(app_->Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

TEST_F(WindowSearch, RectanglesHoldTheirLeftAndTopEdgesButNotTheRightAndBottom) {
  HWND red = target_->TopLevel(kRedClass);
  EXPECT_EQ(SearchWindowTree(Point{kRed.Left, kRed.Top}, false, nullptr), red);
  EXPECT_EQ(SearchWindowTree(Point{kRed.Right() - 1, kRed.Bottom() - 1}, false, nullptr), red);
  EXPECT_NE(SearchWindowTree(Point{kRed.Right(), kRed.Top + 5}, false, nullptr), red);
  EXPECT_NE(SearchWindowTree(Point{kRed.Left + 5, kRed.Bottom()}, false, nullptr), red);
}

TEST_F(WindowSearch, NoVisibleWindowUnderThePointAnswersNone) {
  // Only the helper's hidden window lies there.
  const Point bare{kHidden.CenterX(), kHidden.CenterY()};
  EXPECT_EQ(SearchWindowTree(bare, false, nullptr), nullptr);
  LoupistInternals a(*app_);
  a.Command(Cmd::actOpt_NoSelfCapture).SetChecked(true);
  EXPECT_EQ(a.FindWindowUnderCursor(bare), nullptr);
}

}  // namespace
