#include "my_monitor/win/my_monitor.h"

#include <exception>
#include <stdexcept>
#include <utility>

#include "base/checked.h"
#include "general/helpers.h"
#include "general/win/window_placement.h"

namespace {

MONITORINFO ReadMonitorInfo(HMONITOR handle) {
  MONITORINFO info{};
  if (!handle) return info;
  info.cbSize = sizeof(MONITORINFO);
  if (!GetMonitorInfoW(handle, &info)) info = MONITORINFO{};
  return info;
}

Rect RectOf(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

MonitorHandle HandleValue(HMONITOR handle) { return reinterpret_cast<MonitorHandle>(handle); }
HMONITOR HandleOf(MonitorHandle value) { return reinterpret_cast<HMONITOR>(value); }

struct EnumerationSink {
  std::vector<HMONITOR> delivered;
  std::exception_ptr error;
};

BOOL CALLBACK CollectMonitor(HMONITOR handle, HDC, LPRECT, LPARAM data) {
  auto* sink = reinterpret_cast<EnumerationSink*>(data);
  try {
    sink->delivered.push_back(handle);
  } catch (...) {
    sink->error = std::current_exception();
    return FALSE;
  }
  return TRUE;
}

std::unique_ptr<TMyMonitors>& Instance() {
  static std::unique_ptr<TMyMonitors> instance;
  return instance;
}

}  // namespace

// ---- TMyMonitorItem ----

Rect TMyMonitorItem::BoundsRect() const { return RectOf(ReadMonitorInfo(handle_).rcMonitor); }
Rect TMyMonitorItem::WorkAreaRect() const { return RectOf(ReadMonitorInfo(handle_).rcWork); }
int32_t TMyMonitorItem::WorkAreaWidth() const { return RectWidth(WorkAreaRect()); }
int32_t TMyMonitorItem::WorkAreaHeight() const { return RectHeight(WorkAreaRect()); }

// ---- TMyMonitors ----

TMyMonitors::TMyMonitors() { Enumerate(); }

TMyMonitors::~TMyMonitors() { Clear(); }

void TMyMonitors::Clear() { items_.clear(); }

void TMyMonitors::Enumerate() {
  EnumerationSink sink;
  EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&sink));
  if (sink.error) std::rethrow_exception(sink.error);
  Fill(SystemMonitorCount(), sink.delivered);
}

void TMyMonitors::Fill(int32_t systemCount, const std::vector<HMONITOR>& delivered) {
  MonitorEnumeration slots(systemCount);
  for (HMONITOR handle : delivered) {
    MonitorRecord record;
    record.Handle = HandleValue(handle);
    slots.Add(record);
  }
  // The primary monitor is what every monitor query of the system falls back to as well.
  MonitorRecord primary;
  primary.Handle = HandleValue(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
  const MonitorLayout kept = slots.Finish(primary);

  std::vector<std::unique_ptr<TMyMonitorItem>> items;
  items.reserve(kept.Monitors().size());
  for (const MonitorRecord& record : kept.Monitors())
    items.push_back(std::make_unique<TMyMonitorItem>(HandleOf(record.Handle)));
  items_ = std::move(items);
}

TMyMonitorItem& TMyMonitors::Items(int32_t index) const {
  return *CheckedAt(items_, static_cast<std::size_t>(ClampMonitorIndex(index, Count())));
}

void TMyMonitors::SetItem(int32_t index, std::unique_ptr<TMyMonitorItem> item) {
  if (!item) throw std::invalid_argument("TMyMonitors::SetItem: no item");
  CheckedAt(items_, static_cast<std::size_t>(ClampMonitorIndex(index, Count()))) = std::move(item);
}

int32_t TMyMonitors::Count() const { return CheckedNarrow(static_cast<int64_t>(items_.size())); }

void TMyMonitors::Refresh() {
  Clear();
  Enumerate();
}

Rect TMyMonitors::GetDesktopRect() {
  Refresh();
  return Layout().GetDesktopRect();
}

int32_t TMyMonitors::DesktopLeft() { return GetDesktopRect().Left; }
int32_t TMyMonitors::DesktopTop() { return GetDesktopRect().Top; }
int32_t TMyMonitors::DesktopWidth() { return RectWidth(GetDesktopRect()); }
int32_t TMyMonitors::DesktopHeight() { return RectHeight(GetDesktopRect()); }

void TMyMonitors::KeepFormOnMonitor(HWND window) {
  if (!IsWindow(window)) return;
  // A minimised window is kept by the place it comes back to.
  const Rect r = NormalWindowRect(window);
  KeepBoundsOnMonitor(window, r.Left, r.Top, RectWidth(r), RectHeight(r));
}

void TMyMonitors::KeepBoundsOnMonitor(HWND window, int32_t left, int32_t top, int32_t width,
                                      int32_t height) {
  const Rect bounds{left, top, CheckedAdd(left, width), CheckedAdd(top, height)};
  int32_t index = IndexOfRect(bounds);
  if (index == -1) index = 0;
  const Point place = PlaceOnWorkArea(Items(index).WorkAreaRect(), left, top, width, height);
  SetNormalWindowRect(
      window, Rect{place.X, place.Y, CheckedAdd(place.X, width), CheckedAdd(place.Y, height)});
}

int32_t TMyMonitors::IndexOfHandle(HMONITOR handle) const {
  std::vector<MonitorRecord> records;
  records.reserve(items_.size());
  for (const auto& item : items_) {
    MonitorRecord record;
    record.Handle = HandleValue(item->Handle());
    records.push_back(record);
  }
  return MonitorLayout(std::move(records), MonitorRecord{}).IndexOfHandle(HandleValue(handle));
}

int32_t TMyMonitors::IndexOfRect(const Rect& r) const {
  const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
  return IndexOfHandle(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST));
}

int32_t TMyMonitors::IndexOfPoint(const Point& p) const {
  return IndexOfRect(Rect{p.X, p.Y, p.X, p.Y});
}

int32_t TMyMonitors::NumberOfHandle(HMONITOR handle) const {
  return CheckedAdd(IndexOfHandle(handle), 1);
}

int32_t TMyMonitors::NumberOfWindow(HWND window) const {
  // By the normal rectangle: a minimised window belongs to the monitor it comes back to.
  const Rect r = NormalWindowRect(window);
  const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
  return NumberOfHandle(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST));
}

int32_t TMyMonitors::SystemMonitorCount() { return GetSystemMetrics(SM_CMONITORS); }

MonitorLayout TMyMonitors::Layout() const {
  std::vector<MonitorRecord> records;
  records.reserve(items_.size());
  for (const auto& item : items_) {
    const MONITORINFO info = ReadMonitorInfo(item->Handle());
    MonitorRecord record;
    record.Handle = HandleValue(item->Handle());
    record.BoundsRect = RectOf(info.rcMonitor);
    record.WorkAreaRect = RectOf(info.rcWork);
    record.Primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    records.push_back(record);
  }
  return MonitorLayout(std::move(records), MonitorRecord{});
}

// ---- free routine and the process-wide set ----

MonitorPosition MonitorPositionOfPoint(const Point& p) {
  const TMyMonitors monitors;
  return monitors.Layout().MonitorPositionOfPoint(p);
}

TMyMonitors& MyMonitors() {
  if (!Instance()) throw std::logic_error("MyMonitors used outside the monitor unit's life");
  return *Instance();
}

void InitializeMyMonitors() {
  if (!Instance()) Instance() = std::make_unique<TMyMonitors>();
}

void FinalizeMyMonitors() { Instance().reset(); }
