// Any file that the loader accepts must be written back byte for byte, apart from the header's
// spare bytes, which are always written as zero.
//
// Whatever such a file holds, putting it into effect must not stop the start: the plan, the
// layout of the window it leads to and the first capture's arithmetic must not overflow, and
// the record saved from that state must hold only values the next start takes as they are.
// Unless Ctrl alone leaves it where the file says, the window must lie inside the work area of a
// monitor, panel included. Each image is tried on a few desktops, with Shift or Ctrl held or
// neither; the header's spare bytes, which the loader never reads, choose the information
// area's height and the grid.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <vector>

#include "base/checked.h"
#include "general/helpers.h"
#include "main/view/layout_calc.h"
#include "my_monitor/monitor_math.h"
#include "my_settingfile/settings_image.h"
#include "my_settingfile/settings_plan.h"
#include "resources/commands.h"
#include "resources/zoom_ladder.h"

namespace {

// The window's outer size before any settings apply, and its start-up place on the primary.
constexpr Size kStartSize{221, 194};
constexpr Point kStartPlace{75, 75};
constexpr int32_t kTaskbarHeight = 40;

struct TestDesktop {
  Rect Bounds;
  std::vector<MonitorRecord> Monitors;
};

MonitorRecord Monitor(const Rect& bounds, bool primary) {
  MonitorRecord m;
  m.Handle = primary ? 1 : 2;
  m.BoundsRect = bounds;
  m.WorkAreaRect = bounds;
  if (primary) m.WorkAreaRect.Bottom -= kTaskbarHeight;
  m.Primary = primary;
  return m;
}

const std::vector<TestDesktop>& Desktops() {
  static const std::vector<TestDesktop> desktops = [] {
    const MonitorRecord primary = Monitor(Rect{0, 0, 1280, 1024}, true);
    return std::vector<TestDesktop>{
        {Rect{0, 0, 1280, 1024}, {primary}},
        {Rect{-1024, 0, 1280, 1024}, {primary, Monitor(Rect{-1024, 0, 0, 768}, false)}},
        {Rect{0, -768, 1280, 1024}, {primary, Monitor(Rect{0, -768, 1024, 0}, false)}},
    };
  }();
  return desktops;
}

// Zoom factor of each item of the zoom submenu: the Tag of its command.
const std::vector<int32_t>& ZoomFactors() {
  static const std::vector<int32_t> factors = [] {
    std::vector<int32_t> out;
    for (const std::string& name : ZoomLadderCommands())
      for (const ActionDef& def : MainCommandDefs())
        if (name == def.Name) out.push_back(def.Tag);
    return out;
  }();
  return factors;
}

bool Within(int32_t v, int32_t low, int32_t high) { return v >= low && v <= high; }

// The source rectangle of one capture around a probe point, as the capture cycle computes it
// for a live copy and for a copy out of the desktop snapshot.
void CaptureArithmetic(const Point& probe, const LayoutResult& layout, const Rect& desktop) {
  const int32_t sx = CheckedSub(probe.X, layout.SrcHalf.X);
  const int32_t sy = CheckedSub(probe.Y, layout.SrcHalf.Y);
  CheckedAdd(sx, layout.SrcSize.Width);
  CheckedAdd(sy, layout.SrcSize.Height);
  CheckedSub(sx, desktop.Left);
  CheckedSub(sy, desktop.Top);
}

void StartAndSave(const TSettingsRecord& record, const TestDesktop& desktop, bool shift, bool ctrl,
                  int32_t infoHeight, bool grid) {
  TApplyEnvironment env;
  env.ZoomItemCount = static_cast<int32_t>(ZoomFactors().size());
  env.DesktopLeft = desktop.Bounds.Left;
  env.DesktopTop = desktop.Bounds.Top;
  env.DesktopWidth = RectWidth(desktop.Bounds);
  env.DesktopHeight = RectHeight(desktop.Bounds);
  env.WindowSize = kStartSize;
  env.ShiftDown = shift;
  env.CtrlDown = ctrl;
  const TSettingsApplyPlan plan = PlanApplySettings(record, env);

  Size size = plan.WindowSize.value_or(kStartSize);
  Point place = plan.WindowPos.value_or(kStartPlace);
  const MonitorLayout monitors(desktop.Monitors, desktop.Monitors.front());
  if (plan.KeepOnMonitor) {
    const Rect fitted =
        monitors.FitBoundsOnMonitor(Rect{place.X, place.Y, CheckedAdd(place.X, size.Width),
                                         CheckedAdd(place.Y, CheckedAdd(size.Height, infoHeight))},
                                    infoHeight, LeastZoomArea(96));
    place = Point{fitted.Left, fitted.Top};
    size = Size{RectWidth(fitted), RectHeight(fitted) - infoHeight};
  }

  LayoutInput in;
  in.ClientWidth = size.Width;
  in.ClientHeight = size.Height;
  in.InfoHeight = infoHeight;
  in.Zoom = CheckedAt(ZoomFactors(), static_cast<std::size_t>(plan.ZoomIndex));
  in.GridShown = grid;
  const LayoutResult layout = ComputeLayout(in);
  const Rect window{place.X, place.Y, CheckedAdd(place.X, layout.ClientWidth),
                    CheckedAdd(place.Y, layout.ClientHeight)};

  // Every test desktop's work areas are taller than any panel here, so a window kept on its
  // monitor lies inside one of them, panel and all.
  bool inside = false;
  for (const MonitorRecord& m : desktop.Monitors) {
    const Rect& w = m.WorkAreaRect;
    inside = inside || (window.Left >= w.Left && window.Top >= w.Top && window.Right <= w.Right &&
                        window.Bottom <= w.Bottom);
  }
  if (plan.KeepOnMonitor && !inside) abort();

  CaptureArithmetic(plan.FixedPos, layout, desktop.Bounds);
  // The loupe's probe is the middle of its own zoom area.
  const Point loupe{CheckedNarrow(int64_t{place.X} - 1 + RoundNearest(layout.ClientWidth / 2.0L)),
                    CheckedNarrow(int64_t{place.Y} - 1 + RoundNearest(layout.InfoRect.Top / 2.0L))};
  CaptureArithmetic(loupe, layout, desktop.Bounds);

  TSettingsStoreInput store;
  store.WindowBounds = window;
  store.InfoAreaHeight = RectHeight(layout.InfoRect);
  store.ZoomIndex = plan.ZoomIndex;
  store.Checks = plan.Checks;
  // A colour item that the file could not name stays as start-up checked it.
  store.CheckedGridColorItem = plan.GridColorItem.value_or(kFirstGridColorItem);
  store.CheckedSubGridColorItem = plan.SubGridColorItem.value_or(kSubGridSeparatorItem + 1);
  store.GridColorTag = plan.GridColorTag.value_or(0x999999);
  store.SubGridColorTag = plan.SubGridColorTag.value_or(0xFF6666);
  store.UserOrigin = plan.UserOrigin;
  store.ScreenPoint = plan.FixedPos;
  store.ToleranceIndex = plan.ToleranceIndex;
  store.SampleSizeIndex = plan.SampleSizeIndex;
  const TSettingsRecord saved = BuildSettingsRecord(record, store);

  const Rect& d = desktop.Bounds;
  if (saved.ZoomIndex >= ZoomFactors().size()) abort();
  if (!IsLayoutableRect(saved.FormRect)) abort();
  if (!Within(saved.FixedPos.X, d.Left, d.Right - 1) ||
      !Within(saved.FixedPos.Y, d.Top, d.Bottom - 1))
    abort();
  if (!Within(saved.UserPos.X, d.Left, d.Right) || !Within(saved.UserPos.Y, d.Top, d.Bottom))
    abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TSettingsBlocks blocks;
  if (!DecodeSettingsImage(data, size, blocks)) {
    if (size == kSettingsFileSize && data[0] == 'Q' && data[1] == 'F' && data[2] == 'O' &&
        data[3] == 'X' && data[4] == 1 && data[5] == 0)
      abort();  // a well-formed file was refused
    return 0;
  }
  const std::vector<uint8_t> again = EncodeSettingsImage(blocks);
  if (again.size() != size) abort();
  for (std::size_t i = 0; i < size; ++i) {
    const bool spare = i >= 6 && i < kSettingsHeaderSize;
    if (again[i] != (spare ? 0 : data[i])) abort();
  }

  uint16_t spare = 0;
  std::memcpy(&spare, data + 6, sizeof spare);
  const int32_t infoHeight = spare % 400;
  const bool grid = (data[8] & 1) != 0;
  try {
    for (const TestDesktop& desktop : Desktops()) {
      StartAndSave(blocks.Record, desktop, false, false, infoHeight, grid);
      StartAndSave(blocks.Record, desktop, true, false, infoHeight, grid);
      StartAndSave(blocks.Record, desktop, false, true, infoHeight, grid);
    }
  } catch (const std::exception&) {
    abort();  // a file stopped the start or the save
  }
  return 0;
}
