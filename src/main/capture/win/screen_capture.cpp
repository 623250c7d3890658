#include "main/capture/win/screen_capture.h"

#include "base/checked.h"
#include "base/win/unique_handle.h"
#include "general/helpers.h"
#include "my_monitor/win/my_monitor.h"

namespace {

// The pause snapshot covers this rectangle; its top-left corner is the snapshot's (0, 0).
Rect SnapshotDesktopRect() {
  const int32_t left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int32_t top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return Rect{left, top, CheckedAdd(left, GetSystemMetrics(SM_CXVIRTUALSCREEN)),
              CheckedAdd(top, GetSystemMetrics(SM_CYVIRTUALSCREEN))};
}

}  // namespace

void TScreenCapture::FitToDesktop() {
  const Rect desktop = MyMonitors().GetDesktopRect();
  const int32_t width = RectWidth(desktop);
  const int32_t height = RectHeight(desktop);
  FCaptureBitmap.SetBrushColor(RGB(0, 0, 0));
  if (FCaptureBitmap.Width() == width && FCaptureBitmap.Height() == height) return;
  FCaptureBitmap.SetSize(width, height);
  FCaptureBitmap.FillRect(0, 0, width, height);
}

void TScreenCapture::RememberMonitorBounds() {
  TMyMonitors& monitors = MyMonitors();
  monitors.Refresh();
  monitorBounds_.clear();
  const MonitorLayout layout = monitors.Layout();
  for (const MonitorRecord& monitor : layout.Monitors())
    monitorBounds_.push_back(monitor.BoundsRect);
}

bool TScreenCapture::CopyLive(const Rect& source, DWORD rop) {
  // The screen DC covers the whole virtual desktop; it is released within the cycle.
  WindowDC screen(nullptr);
  if (!screen) return false;
  FCaptureBitmap.FillRect(0, 0, RectWidth(source), RectHeight(source), RGB(0, 0, 0));
  CopyFromMonitors(screen.get(), source, rop, FCaptureBitmap.DC());
  return true;
}

const std::vector<Rect>& TScreenCapture::MonitorBounds() {
  if (monitorBounds_.empty()) RememberMonitorBounds();
  return monitorBounds_;
}

void TScreenCapture::CopyFromMonitors(HDC screen, const Rect& source, DWORD rop, HDC dst) {
  // Only what lies on a monitor is copied. The rest stays as the caller filled it (black):
  // gaps of a desktop that is not rectangular, and everything past its edges. Some drivers
  // (Wine's X11 among them) show stray pixels there, or fail the whole copy when the source
  // reaches past the desktop.
  for (const Rect& bounds : MonitorBounds()) {
    const Rect part = IntersectRects(source, bounds);
    if (RectWidth(part) <= 0 || RectHeight(part) <= 0) continue;
    BitBlt(dst, CheckedSub(part.Left, source.Left), CheckedSub(part.Top, source.Top),
           RectWidth(part), RectHeight(part), screen, part.Left, part.Top, rop);
  }
}

void TScreenCapture::TakeSnapshot(DWORD rop) {
  const Rect desktop = SnapshotDesktopRect();
  const int32_t width = RectWidth(desktop);
  const int32_t height = RectHeight(desktop);
  FCaptureBitmap.SetSize(width, height);
  FCaptureBitmap.FillRect(0, 0, width, height, RGB(0, 0, 0));
  // The screen's own DC: a DC created for the display does not reach monitors at
  // negative coordinates on every system. A failed copy leaves the snapshot black.
  WindowDC screen(nullptr);
  if (screen)
    BitBlt(FCaptureBitmap.DC(), 0, 0, width, height, screen.get(), desktop.Left, desktop.Top, rop);
}

void TScreenCapture::Enlarge(const Rect& source, bool live, DWORD rop, HDC dst,
                             const Size& dstSize) {
  const int32_t w = RectWidth(source);
  const int32_t h = RectHeight(source);
  if (live) {
    capturedRect_ = Rect{};
    if (!CopyLive(source, rop)) return;
    capturedRect_ = source;
    StretchBlt(dst, 0, 0, dstSize.Width, dstSize.Height, FCaptureBitmap.DC(), 0, 0, w, h, SRCCOPY);
  } else {
    // The snapshot's top-left corner is the virtual desktop's.
    const Rect desktop = MyMonitors().GetDesktopRect();
    capturedRect_ =
        Rect{desktop.Left, desktop.Top, CheckedAdd(desktop.Left, FCaptureBitmap.Width()),
             CheckedAdd(desktop.Top, FCaptureBitmap.Height())};
    StretchBlt(dst, 0, 0, dstSize.Width, dstSize.Height, FCaptureBitmap.DC(),
               CheckedSub(source.Left, desktop.Left), CheckedSub(source.Top, desktop.Top), w, h,
               SRCCOPY);
  }
}

bool TScreenCapture::CopyOut(const Rect& source, bool live, DWORD rop, Bitmap& dst) {
  const int32_t w = RectWidth(source);
  const int32_t h = RectHeight(source);
  if (live) {
    WindowDC screen(nullptr);
    if (!screen) return false;
    dst.FillRect(0, 0, w, h, RGB(0, 0, 0));
    CopyFromMonitors(screen.get(), source, rop, dst.DC());
  } else {
    const Rect desktop = MyMonitors().GetDesktopRect();
    dst.FillRect(0, 0, w, h, RGB(0, 0, 0));
    BitBlt(dst.DC(), 0, 0, w, h, FCaptureBitmap.DC(), CheckedSub(source.Left, desktop.Left),
           CheckedSub(source.Top, desktop.Top), SRCCOPY);
  }
  return true;
}
