// The copy of the screen that the picture is enlarged from: the live copy of the source
// rectangle, taken only from the monitors it meets, and the pause's whole-desktop snapshot.
#pragma once
#include <windows.h>

#include <vector>

#include "base/geometry.h"
#include "platform/win/bitmap.h"

// Screen copies leave layered windows out (SRCCOPY alone) while the own window is to stay out
// of the picture, and take them in (with CAPTUREBLT) otherwise.
constexpr DWORD CaptureRop(bool ownWindowOut) {
  return ownWindowOut ? SRCCOPY : (SRCCOPY | CAPTUREBLT);
}

class TScreenCapture {
 public:
  // The live copy at (0, 0), or the snapshot with the virtual desktop's corner at (0, 0).
  Bitmap& CaptureBitmap() { return FCaptureBitmap; }

  // Sizes the bitmap to the virtual desktop and blackens it; an unchanged size keeps the
  // contents, so a display change that leaves the desktop as it was keeps a paused snapshot.
  void FitToDesktop();
  // Reads the monitors' rectangles anew: they change only with a display change, and reading
  // them on every capture would cost more than the capture itself.
  void RememberMonitorBounds();
  // Copies the screen rectangle to (0, 0), black where no monitor is; false when the screen
  // could not be had and nothing was copied.
  bool CopyLive(const Rect& source, DWORD rop);
  // The whole virtual desktop; black where a copy fails.
  void TakeSnapshot(DWORD rop);
  // The screen rectangle enlarged to dstSize at (0, 0) of dst: copied live first, or taken from
  // the snapshot. A live copy that could not be had leaves dst as it was.
  void Enlarge(const Rect& source, bool live, DWORD rop, HDC dst, const Size& dstSize);
  // The screen rectangle at its own size to (0, 0) of dst, which must hold it: copied live
  // (black where no monitor is), or taken from the snapshot. False when the screen could not be
  // had and dst was left as it was.
  bool CopyOut(const Rect& source, bool live, DWORD rop, Bitmap& dst);
  // The screen rectangle that the bitmap holds since the last Enlarge, its top-left corner at the
  // bitmap's (0, 0): the live copy's source, or the snapshot's desktop; empty when the live copy
  // could not be had.
  const Rect& CapturedScreenRect() const { return capturedRect_; }
  // The monitors' rectangles, in screen coordinates, as last remembered.
  const std::vector<Rect>& MonitorBounds();

 private:
  void CopyFromMonitors(HDC screen, const Rect& source, DWORD rop, HDC dst);

  Bitmap FCaptureBitmap;
  std::vector<Rect> monitorBounds_;
  Rect capturedRect_;
};
