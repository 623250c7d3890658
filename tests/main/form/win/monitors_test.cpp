// The monitor set on the real monitors of the display that runs the tests (one monitor on the
// plain virtual display, two with a gap and negative coordinates on the dual one).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "my_monitor/win/my_monitor.h"
#include "my_settingfile/builtin_tables.h"
#include "my_settingfile/settings_image.h"
#include "my_settingfile/settings_unit.h"
#include "my_settingfile/win/settings_file.h"
#include "tests/win/files_support.h"
#include "tests/win/scene.h"

namespace {

BOOL CALLBACK AddMonitor(HMONITOR h, HDC, LPRECT, LPARAM data) {
  reinterpret_cast<std::vector<HMONITOR>*>(data)->push_back(h);
  return TRUE;
}

std::vector<HMONITOR> SystemMonitors() {
  std::vector<HMONITOR> handles;
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&handles));
  return handles;
}

Rect WindowBounds(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return Rect{r.left, r.top, r.right, r.bottom};
}

Rect VirtualScreen() {
  const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return Rect{x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN),
              y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

TEST(MonitorSet, HoldsTheSystemsMonitorsInOrderAndSpansTheVirtualScreen) {
  TMyMonitors monitors;
  const std::vector<HMONITOR> system = SystemMonitors();
  ASSERT_EQ(monitors.Count(), GetSystemMetrics(SM_CMONITORS));
  ASSERT_EQ(static_cast<size_t>(monitors.Count()), system.size());
  int primaries = 0;
  for (int i = 0; i < monitors.Count(); ++i) {
    EXPECT_EQ(monitors.Items(i).Handle(), system[i]);
    const Rect b = monitors.Items(i).BoundsRect();
    EXPECT_GT(RectWidth(b), 0);
    EXPECT_GT(RectHeight(b), 0);
    EXPECT_EQ(monitors.Items(i).Left(), b.Left);
    EXPECT_EQ(monitors.Items(i).Top(), b.Top);
    const Rect w = monitors.Items(i).WorkAreaRect();
    EXPECT_EQ(monitors.Items(i).WorkAreaWidth(), RectWidth(w));
    EXPECT_EQ(monitors.Items(i).WorkAreaHeight(), RectHeight(w));
    EXPECT_TRUE(w.Left >= b.Left && w.Top >= b.Top && w.Right <= b.Right && w.Bottom <= b.Bottom);
    if (b.Left == 0 && b.Top == 0) ++primaries;
  }
  EXPECT_EQ(primaries, 1) << "exactly one monitor has its corner at the origin";

  // The desktop is the virtual screen the system reports (it always contains the origin).
  const Rect desktop = monitors.GetDesktopRect();
  EXPECT_EQ(desktop, VirtualScreen());
  EXPECT_EQ(monitors.DesktopLeft(), desktop.Left);
  EXPECT_EQ(monitors.DesktopTop(), desktop.Top);
  EXPECT_EQ(monitors.DesktopWidth(), RectWidth(desktop));
  EXPECT_EQ(monitors.DesktopHeight(), RectHeight(desktop));

  // Indexes are clamped into the list.
  EXPECT_EQ(&monitors.Items(-1), &monitors.Items(0));
  EXPECT_EQ(&monitors.Items(monitors.Count()), &monitors.Items(monitors.Count() - 1));
  EXPECT_EQ(&monitors.Items(INT32_MAX), &monitors.Items(monitors.Count() - 1));
  EXPECT_EQ(&monitors.Items(INT32_MIN), &monitors.Items(0));
  EXPECT_EQ(monitors.IndexOfHandle(nullptr), -1);
  EXPECT_EQ(monitors.NumberOfHandle(nullptr), 0);
  EXPECT_EQ(monitors.IndexOfHandle(reinterpret_cast<HMONITOR>(0x7654321)), -1);
  for (int i = 0; i < monitors.Count(); ++i) {
    EXPECT_EQ(monitors.IndexOfHandle(system[i]), i);
    EXPECT_EQ(monitors.NumberOfHandle(system[i]), i + 1);
  }
}

TEST(MonitorSet, APointBelongsToTheMonitorHoldingItOrTheNearest) {
  TMyMonitors monitors;
  const MonitorLayout layout = monitors.Layout();
  const Rect desktop = monitors.GetDesktopRect();
  int onMonitor = 0, offMonitor = 0;
  for (int y = desktop.Top - 150; y < desktop.Bottom + 150; y += 53) {
    for (int x = desktop.Left - 150; x < desktop.Right + 150; x += 53) {
      const Point p{x, y};
      int holder = -1;
      for (int i = 0; i < layout.Count() && holder < 0; ++i)
        if (RectContainsPoint(layout.Items(i).BoundsRect, p)) holder = i;
      const int32_t index = monitors.IndexOfPoint(p);
      // The system's answer and our arithmetic (used where the system cannot answer) agree.
      ASSERT_EQ(index, layout.IndexOfPoint(p)) << x << "," << y;
      const MonitorPosition position = MonitorPositionOfPoint(p);
      if (holder >= 0) {
        ++onMonitor;
        ASSERT_EQ(index, holder) << x << "," << y;
        const Rect b = layout.Items(holder).BoundsRect;
        ASSERT_EQ(position, (MonitorPosition{holder + 1, x - b.Left, y - b.Top}));
      } else {
        ++offMonitor;
        ASSERT_GE(index, 0) << "a point on no monitor still has a nearest one";
        ASSERT_EQ(position, MonitorPosition{});
      }
    }
  }
  EXPECT_GT(onMonitor, 0);
  EXPECT_GT(offMonitor, 0);

  // Edges are half-open: the last pixel belongs to the monitor, the next one does not.
  for (int i = 0; i < monitors.Count(); ++i) {
    const Rect b = monitors.Items(i).BoundsRect();
    EXPECT_EQ(monitors.IndexOfPoint(Point{b.Left, b.Top}), i);
    EXPECT_EQ(monitors.IndexOfPoint(Point{b.Right - 1, b.Bottom - 1}), i);
    EXPECT_EQ(MonitorPositionOfPoint(Point{b.Right - 1, b.Bottom - 1}),
              (MonitorPosition{i + 1, RectWidth(b) - 1, RectHeight(b) - 1}));
    EXPECT_NE(MonitorPositionOfPoint(Point{b.Right, b.Top}).Number, i + 1);
    EXPECT_NE(MonitorPositionOfPoint(Point{b.Left, b.Bottom}).Number, i + 1);
  }
}

TEST(MonitorSet, KeepBoundsMovesIntoTheWorkAreaWithTheClampTieBreaks) {
  TMyMonitors monitors;
  SceneWindow window(100, 100, 300, 200, [](int, int) { return RGB(40, 80, 120); });
  for (int i = 0; i < monitors.Count(); ++i) {
    SCOPED_TRACE(testing::Message() << "monitor " << i);
    const Rect wa = monitors.Items(i).WorkAreaRect();
    const int waWidth = RectWidth(wa), waHeight = RectHeight(wa);
    struct Case {
      int left, top, width, height;
      Point want;
    };
    const Case cases[] = {
        // Hanging over the bottom-right corner (most of it still on this monitor, whatever
        // lies beside it): pulled in by the overhang on both axes.
        {wa.Right - 250, wa.Bottom - 150, 300, 200, {wa.Right - 300, wa.Bottom - 200}},
        // Already inside: stays.
        {wa.Left + 10, wa.Top + 20, 300, 200, {wa.Left + 10, wa.Top + 20}},
        // Over the top-left corner.
        {wa.Left - 40, wa.Top - 30, 300, 200, {wa.Left, wa.Top}},
        // Taller than the work area, starting inside it: its bottom goes to the bottom.
        {wa.Left + 10, wa.Top + 100, 300, waHeight + 160, {wa.Left + 10, wa.Top - 160}},
        // Taller, starting above it: its top goes to the top.
        {wa.Left + 10, wa.Top - 50, 300, waHeight + 160, {wa.Left + 10, wa.Top}},
        // Exactly as tall: to the top.
        {wa.Left + 10, wa.Top + 30, 300, waHeight, {wa.Left + 10, wa.Top}},
        // Wider, starting inside: its right edge goes to the right edge.
        {wa.Left + 30, wa.Top + 10, waWidth + 100, 200, {wa.Left - 100, wa.Top + 10}},
    };
    for (const Case& c : cases) {
      monitors.KeepBoundsOnMonitor(window.Handle(), c.left, c.top, c.width, c.height);
      EXPECT_EQ(WindowBounds(window.Handle()),
                (Rect{c.want.X, c.want.Y, c.want.X + c.width, c.want.Y + c.height}))
          << "from " << c.left << "," << c.top << " size " << c.width << "x" << c.height;
    }

    // KeepFormOnMonitor takes the window's own bounds.
    SetWindowPos(window.Handle(), nullptr, wa.Right - 200, wa.Top + 10, 300, 200,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    monitors.KeepFormOnMonitor(window.Handle());
    EXPECT_EQ(WindowBounds(window.Handle()),
              (Rect{wa.Right - 300, wa.Top + 10, wa.Right, wa.Top + 210}));
    EXPECT_EQ(monitors.NumberOfWindow(window.Handle()), i + 1);
  }

  // Far off every monitor: onto the nearest one's work area.
  const Rect desktop = monitors.GetDesktopRect();
  const int nearest = monitors.IndexOfPoint(Point{desktop.Right + 5000, desktop.Bottom + 5000});
  ASSERT_GE(nearest, 0);
  const Rect wa = monitors.Items(nearest).WorkAreaRect();
  monitors.KeepBoundsOnMonitor(window.Handle(), desktop.Right + 5000, desktop.Bottom + 5000, 300,
                               200);
  EXPECT_EQ(WindowBounds(window.Handle()),
            (Rect{wa.Right - 300, wa.Bottom - 200, wa.Right, wa.Bottom}));
}

TEST(MonitorSet, AWindowAcrossTwoMonitorsGoesToTheOneHoldingMoreOfIt) {
  TMyMonitors monitors;
  // Two monitors side by side: the right edge of one is the left edge of the other.
  int left = -1, right = -1;
  for (int i = 0; i < monitors.Count(); ++i)
    for (int j = 0; j < monitors.Count(); ++j)
      if (i != j && monitors.Items(i).BoundsRect().Right == monitors.Items(j).BoundsRect().Left) {
        left = i;
        right = j;
      }
  if (left < 0) GTEST_SKIP() << "no two monitors side by side on this display";
  const Rect lw = monitors.Items(left).WorkAreaRect(), rw = monitors.Items(right).WorkAreaRect();
  const int edge = monitors.Items(left).BoundsRect().Right;
  const int top = std::max(lw.Top, rw.Top) + 20;
  SceneWindow window(0, 0, 300, 200, [](int, int) { return RGB(40, 80, 120); });

  monitors.KeepBoundsOnMonitor(window.Handle(), edge - 100, top, 300, 200);
  EXPECT_EQ(WindowBounds(window.Handle()), (Rect{rw.Left, top, rw.Left + 300, top + 200}));
  EXPECT_EQ(monitors.NumberOfWindow(window.Handle()), right + 1);

  monitors.KeepBoundsOnMonitor(window.Handle(), edge - 200, top, 300, 200);
  EXPECT_EQ(WindowBounds(window.Handle()), (Rect{lw.Right - 300, top, lw.Right, top + 200}));
  EXPECT_EQ(monitors.NumberOfWindow(window.Handle()), left + 1);
}

TEST(MonitorSet, DisagreeingCountsNeverLeaveAnEmptySlot) {
  const std::vector<HMONITOR> system = SystemMonitors();
  ASSERT_FALSE(system.empty());
  const int n = static_cast<int>(system.size());
  TMyMonitors monitors;

  // Fewer delivered than counted: only the delivered ones, every one a real monitor.
  monitors.Fill(n + 2, system);
  ASSERT_EQ(monitors.Count(), n);
  for (int i = 0; i < monitors.Count() + 2; ++i) {
    EXPECT_NE(monitors.Items(i).Handle(), nullptr);
    EXPECT_GT(RectWidth(monitors.Items(i).BoundsRect()), 0);
  }

  // More delivered than counted: the ones beyond the count are dropped.
  monitors.Fill(1, {system[0], system[0]});
  ASSERT_EQ(monitors.Count(), 1);
  EXPECT_EQ(monitors.Items(0).Handle(), system[0]);

  // A count the system could not give: everything delivered is kept.
  monitors.Fill(0, system);
  EXPECT_EQ(monitors.Count(), n);

  // Nothing delivered: the primary monitor, so that every query still has one to answer with.
  for (int count : {-1, 0, 1, 3}) {
    monitors.Fill(count, {});
    ASSERT_EQ(monitors.Count(), 1);
    const Rect b = monitors.Items(5).BoundsRect();
    EXPECT_EQ(b.Left, 0);
    EXPECT_EQ(b.Top, 0);
    EXPECT_EQ(RectWidth(b), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(RectHeight(b), GetSystemMetrics(SM_CYSCREEN));
  }

  // SetItem clamps like Items.
  monitors.Fill(0, system);
  monitors.SetItem(-3, std::make_unique<TMyMonitorItem>(system[n - 1]));
  EXPECT_EQ(monitors.Items(0).Handle(), system[n - 1]);

  // An item without a handle asks the system nothing and answers zero.
  const TMyMonitorItem none(nullptr);
  EXPECT_EQ(none.BoundsRect(), Rect{});
  EXPECT_EQ(none.WorkAreaRect(), Rect{});
}

TEST(MonitorSet, TheProcessWideSetExistsOnlyBetweenInitialiseAndFinalise) {
  TMyMonitors* before = &MyMonitors();
  InitializeMyMonitors();
  EXPECT_EQ(&MyMonitors(), before) << "a second initialisation keeps the set";
  FinalizeMyMonitors();
  EXPECT_THROW(MyMonitors(), std::logic_error);
  InitializeMyMonitors();
  EXPECT_EQ(MyMonitors().Count(), GetSystemMetrics(SM_CMONITORS));
}

// ---- the main window and the monitors ----

TEST(MainWindowMonitors, OpensBesideTheCornerOfTheMonitorUnderTheCursor) {
  const NoSettingsFile defaults;  // a stored place would override the placement
  TMyMonitors monitors;
  for (int i = 0; i < monitors.Count(); ++i) {
    const Rect b = monitors.Items(i).BoundsRect();
    SetCursorPos(b.Left + RectWidth(b) / 2, b.Top + RectHeight(b) / 2);
    auto app = std::make_unique<TApp_Loupist>();
    const Rect w = WindowBounds(app->Handle());
    EXPECT_EQ(w.Left, b.Left + 75) << "monitor " << i;
    EXPECT_EQ(w.Top, b.Top + 75) << "monitor " << i;
    LoupistInternals a(*app);
    const Rect desktop = monitors.GetDesktopRect();
    EXPECT_EQ(a.Capture().Width(), RectWidth(desktop));
    EXPECT_EQ(a.Capture().Height(), RectHeight(desktop));
  }
}

// Below the smaller of two monitors the desktop has a gap, where the picture would be black.
TEST(MainWindowMonitors, TheHeldPointKeepsToTheMonitorsWhenNudgedOrRestored) {
  const ScratchFolder folder;
  const NoSettingsFile restoreAfterwards;
  SettingsFileHooksForTesting().Path = folder / L"loupist.bin";
  TMyMonitors monitors;
  for (int i = 0; i < monitors.Count(); ++i) {
    const Rect b = monitors.Items(i).BoundsRect();
    const Point bottom{b.Left + 5, b.Bottom - 1};
    const Point under{bottom.X, b.Bottom};
    const bool gap = MonitorPositionOfPoint(under).Number == 0;
    TSettingsBlocks file;
    file.Record.CaptureMode = kCaptureModeFixed;
    file.Record.FixedPos = Point{bottom.X, b.Bottom + 20};
    file.Keys = BuiltinKeyCommandTable();
    ASSERT_TRUE(WriteFileBytes(folder / L"loupist.bin", EncodeSettingsImage(file)));
    auto app = std::make_unique<TApp_Loupist>();
    LoupistInternals a(*app);
    if (gap) EXPECT_EQ(a.Info().ScreenPoint, bottom) << "restored onto monitor " << i;
    a.Info().ScreenPoint = bottom;
    a.ExecuteCommand(11002);  // one pixel down
    EXPECT_EQ(a.Info().ScreenPoint, gap ? bottom : under) << "nudged down on monitor " << i;
  }
  InitSettingsUnit();
}

TEST(MainWindowMonitors, DisplayChangePullsTheWindowBackAndKeepsAnUnchangedBuffer) {
  const NoSettingsFile defaults;
  TMyMonitors monitors;
  SetCursorPos(10, 10);
  auto app = std::make_unique<TApp_Loupist>();
  LoupistInternals a(*app);
  const int i = monitors.IndexOfPoint(Point{10, 10});
  const Rect wa = monitors.Items(i).WorkAreaRect();
  const Rect before = WindowBounds(app->Handle());
  const int width = RectWidth(before), height = RectHeight(before);
  SetWindowPos(app->Handle(), nullptr, wa.Right - 20, wa.Bottom - 30, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A pixel of a paused snapshot must survive a change that leaves the desktop's size alone
  // (one far from the corner that every live capture uses as its scratch area).
  const int x = a.Capture().Width() - 2, y = a.Capture().Height() - 3;
  a.Capture().FillRect(x, y, x + 1, y + 1, RGB(9, 8, 7));
  SendMessageW(app->Handle(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
  EXPECT_EQ(WindowBounds(app->Handle()),
            (Rect{wa.Right - width, wa.Bottom - height, wa.Right, wa.Bottom}));
  EXPECT_EQ(a.Capture().Width(), monitors.DesktopWidth());
  EXPECT_EQ(a.Capture().Pixel(x, y), RGB(9, 8, 7));
}

}  // namespace
