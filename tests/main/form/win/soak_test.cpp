// A long run of the main window: thousands of capture cycles in every capture mode and at
// every zoom, with status texts and clipboard copies in between. Nothing it owns may pile up:
// the live count of every kind of handle comes back, and the process's memory stays flat once
// the caches have filled.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, whose types it uses.
#include <psapi.h>

#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/win/unique_handle.h"
#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "my_settingfile/win/settings_file.h"
#include "platform/win/shell_ui.h"
#include "tests/win/scene.h"

namespace {

constexpr int kSceneLeft = 300, kSceneTop = 300, kSceneSize = 240;

// Four passes over every mode and zoom; the first warms the caches, the other three are
// measured. 4 passes x 4 modes x 10 zooms x 125 cycles = 20,000 cycles.
constexpr int kPasses = 4;
constexpr int kCyclesPerBlock = 125;
// Growth allowed over the three measured passes (15,000 cycles). Wine's own caches (GDI
// objects, the X clipboard) and the heap's free lists move by a few hundred kilobytes; a leak
// of even 150 bytes a cycle would exceed this, and one view-sized bitmap a cycle would exceed
// it a thousandfold.
constexpr SIZE_T kAllowedGrowth = 2 * 1024 * 1024;

constexpr Cmd kZoomCommands[] = {Cmd::actZoom_1,  Cmd::actZoom_2, Cmd::actZoom_3,  Cmd::actZoom_4,
                                 Cmd::actZoom_6,  Cmd::actZoom_8, Cmd::actZoom_10, Cmd::actZoom_12,
                                 Cmd::actZoom_16, Cmd::actZoom_20};
constexpr Cmd kTextCopies[] = {
    Cmd::actCopy_ColorRGB,     Cmd::actCopy_ColorHTML,       Cmd::actCopy_ColorCOLORREF,
    Cmd::actCopy_PosScreen,    Cmd::actCopy_PosClient,       Cmd::actCopy_PosUser,
    Cmd::actCopy_WInfoHandle,  Cmd::actCopy_WInfoClassName,  Cmd::actCopy_WInfoText,
    Cmd::actCopy_WInfoExeName, Cmd::actCopy_WInfoWindowSize, Cmd::actCopy_WInfoClientSize,
    Cmd::actCopy_WInfoRect};

enum class Mode { kFollow, kFixed, kLoupe, kPaused };
constexpr Mode kModes[] = {Mode::kFollow, Mode::kFixed, Mode::kLoupe, Mode::kPaused};
std::optional<Cmd> ModeCommand(Mode m) {
  switch (m) {
    case Mode::kFixed:
      return Cmd::actCapture_Fixed;
    case Mode::kLoupe:
      return Cmd::actCapture_Lupe;
    case Mode::kPaused:
      return Cmd::actCapture_Pause;
    case Mode::kFollow:
      break;
  }
  return std::nullopt;
}

COLORREF SceneColor(int x, int y) { return RGB((x * 3) & 0xFF, (y * 5) & 0xFF, (x ^ y) & 0xFF); }

// The handles that owners are to give back. Libraries kept for the process are loaded by the
// window's first use when this test runs alone, and by earlier tests otherwise: not the window's.
using HandleCounts = std::array<long, handle_count::kKindCount>;
HandleCounts LiveHandles() {
  HandleCounts counts{};
  for (int k = 0; k < handle_count::kKindCount; ++k)
    if (k != handle_count::kResidentLibrary)
      counts[k] = handle_count::Live(static_cast<handle_count::Kind>(k));
  return counts;
}

struct Memory {
  SIZE_T Pagefile = 0, Private = 0;
};
Memory ProcessMemory() {
  PROCESS_MEMORY_COUNTERS_EX pmc{};
  pmc.cb = sizeof(pmc);
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc),
                       sizeof(pmc));
  return Memory{pmc.PagefileUsage, pmc.PrivateUsage};
}

double Seconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

class Soak : public testing::Test {
 protected:
  void SetUp() override {
    // A failing copy would otherwise wait for a click on its message box.
    ShellUiHooksForTesting().ShowBox = [this](const std::wstring&, const std::wstring&, UINT) {
      ++boxes_;
    };
    ShellUiHooksForTesting().OpenPath = [](const std::wstring&) {};
    scene_ =
        std::make_unique<SceneWindow>(kSceneLeft, kSceneTop, kSceneSize, kSceneSize, SceneColor);
    SetCursorPos(kSceneLeft + 100, kSceneTop + 100);
  }
  void TearDown() override {
    app_.reset();
    scene_.reset();
    ShellUiHooksForTesting() = ShellUiHooks{};
  }

  void Cycle(LoupistInternals& a, int i) {
    // In follow mode the pointer alternates between two points; every cycle is forced anyway.
    SetCursorPos(kSceneLeft + 100 + (i & 1), kSceneTop + 100);
    a.LastCaptureTick() = 0;
    app_->Timer_MainTimer(&app_->Timer_Main);
    if (i % 50 == 0) app_->ShowStatusText(L"soak " + std::to_wstring(i));
    if (i % 100 == 25) {
      ASSERT_TRUE(a.Command(kTextCopies[(i / 100) % std::size(kTextCopies)]).Execute());
      ++copies_;
    }
    if (i % 100 == 75) {
      ASSERT_TRUE(a.Command(Cmd::actCopy_Picture).Execute());
      ++copies_;
    }
  }

  // One mode at every zoom, kCyclesPerBlock cycles each; answers with the mode left again.
  void RunMode(LoupistInternals& a, Mode mode, int& cycle) {
    const std::optional<Cmd> command = ModeCommand(mode);
    if (command) {
      ASSERT_TRUE(a.Command(*command).Execute());
      ASSERT_TRUE(a.Command(*command).Checked()) << *command;
    }
    for (Cmd zoom : kZoomCommands) {
      ASSERT_TRUE(a.Command(zoom).Execute()) << zoom;
      for (int i = 0; i < kCyclesPerBlock; ++i) {
        Cycle(a, cycle++);
        if (HasFatalFailure()) return;
      }
    }
    if (command) {
      ASSERT_TRUE(a.Command(*command).Execute());
      ASSERT_FALSE(a.Command(*command).Checked()) << *command;
    }
  }

  NoSettingsFile noSettingsFile_;
  std::unique_ptr<SceneWindow> scene_;
  std::unique_ptr<TApp_Loupist> app_;
  int boxes_ = 0;
  int copies_ = 0;
};

TEST_F(Soak, TheMemoryMeasureSeesAnAllocationOfTheAllowedSize) {
  // Otherwise a counter that never moves would pass the soak. Wine reports the private
  // usage as zero; the committed (pagefile) usage is the one it keeps.
  const Memory before = ProcessMemory();
  ASSERT_GT(before.Pagefile, 0u);
  std::vector<char> block(kAllowedGrowth);
  for (std::size_t i = 0; i < block.size(); i += 4096) block[i] = 1;
  const Memory after = ProcessMemory();
  EXPECT_GE(after.Pagefile, before.Pagefile + kAllowedGrowth);
  if (before.Private != 0) EXPECT_GE(after.Private, before.Private + kAllowedGrowth);
}

TEST_F(Soak, TwentyThousandCyclesKeepNoHandleAndNoMemory) {
  const HandleCounts beforeWindow = LiveHandles();
  app_ = std::make_unique<TApp_Loupist>();
  SetWindowPos(app_->Handle(), nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PumpFor(100);
  LoupistInternals a(*app_);
  a.Command(Cmd::actZoom_6).Execute();  // the start zoom, so the window ends where it began
  app_->RefreshView();
  const HandleCounts atStart = LiveHandles();

  const double start = Seconds();
  int cycle = 0;
  Memory afterWarmUp;
  for (int pass = 0; pass < kPasses; ++pass) {
    for (Mode mode : kModes) {
      RunMode(a, mode, cycle);
      if (HasFatalFailure()) return;
    }
    // Between passes the window is back in follow mode; its handles are as they were.
    a.Command(Cmd::actZoom_6).Execute();
    PumpFor(0);
    EXPECT_EQ(LiveHandles(), atStart) << "after pass " << pass;
    if (pass == 0) afterWarmUp = ProcessMemory();
  }
  const Memory atEnd = ProcessMemory();
  const double elapsed = Seconds() - start;

  ASSERT_EQ(cycle, kPasses * 4 * 10 * kCyclesPerBlock);
  EXPECT_EQ(boxes_, 0) << "a copy failed";
  EXPECT_GT(copies_, 0);
  const long long pagefileGrowth =
      static_cast<long long>(atEnd.Pagefile) - static_cast<long long>(afterWarmUp.Pagefile);
  const long long privateGrowth =
      static_cast<long long>(atEnd.Private) - static_cast<long long>(afterWarmUp.Private);
  printf("soak: pagefile %zu KB, private %zu KB after the warm-up\n", afterWarmUp.Pagefile / 1024,
         afterWarmUp.Private / 1024);
  printf(
      "soak: %d cycles, %d copies in %.1f s (%.2f ms a cycle); growth after warm-up: "
      "pagefile %lld KB, private %lld KB\n",
      cycle, copies_, elapsed, 1000.0 * elapsed / cycle, pagefileGrowth / 1024,
      privateGrowth / 1024);
  RecordProperty("soak_ms_per_cycle", static_cast<int>(1000.0 * 1000.0 * elapsed / cycle));
  RecordProperty("soak_pagefile_growth_kb", static_cast<int>(pagefileGrowth / 1024));
  RecordProperty("soak_private_growth_kb", static_cast<int>(privateGrowth / 1024));
  EXPECT_LT(pagefileGrowth, static_cast<long long>(kAllowedGrowth));
  EXPECT_LT(privateGrowth, static_cast<long long>(kAllowedGrowth));

  app_.reset();
  EXPECT_EQ(LiveHandles(), beforeWindow) << "the window gave back everything it held";
}

}  // namespace
