// Where a copy goes: the clipboard, and with Ctrl held also a file beside the program (or in
// the user's folder where the program's folder takes no files) that is then opened with its
// associated program. What is copied is the window's business.
#pragma once
#include <windows.h>

#include <string>

#include "base/geometry.h"
#include "main/capture/win/screen_capture.h"
#include "main/view/win/view.h"
#include "platform/win/my_bitmap.h"

class TCopies {
 public:
  // The text as Unicode and as system code page text.
  void ToClipboard(HWND owner, const std::wstring& text);
  // The picture as a device-independent bitmap. Throws when the clipboard cannot be opened:
  // the user must learn that the copy did not happen.
  void ToClipboard(HWND owner, const TMyBitmap& picture);
  // While Ctrl is held: the text or picture file, then opened with the shell. A file that
  // cannot be written is reported in a box.
  void ToFileWhenCtrl(HWND owner, const std::wstring& text);
  void ToFileWhenCtrl(HWND owner, const TMyBitmap& picture);

  // The picture copy without grid and ruler: the source rectangle around the probe point
  // enlarged as the view lays it out, from the pause's snapshot or from a new copy of the whole
  // desktop with that raster operation. That copy takes the capture bitmap over, whose contents
  // are then those of a snapshot until the next live capture.
  static void EnlargedWithoutGrid(Bitmap& picture, TScreenCapture& capture, const TView& view,
                                  const Point& probe, bool paused, DWORD rop);

 private:
  template <typename Write, typename Message>
  void WriteAndOpen(HWND owner, const std::wstring& path, Write write, Message message,
                    bool boxToForeground);
};
