#include "main/copies/win/copies.h"

#include <stdexcept>

#include "base/checked.h"
#include "general/format.h"
#include "general/paths.h"
#include "general/win/clipboard.h"
#include "general/win/codepage.h"
#include "general/win/file_stream.h"
#include "general/win/input_state.h"
#include "general/win/own_paths.h"
#include "main/probe/info_lines.h"
#include "main/texts/message_texts.h"
#include "my_monitor/win/my_monitor.h"
#include "platform/win/application.h"
#include "platform/win/shell_ui.h"

namespace {
// What the box says of a failed write, in the user's language where the error is ours.
std::wstring ErrorText(const std::exception& error) {
  if (const auto* notCreated = dynamic_cast<const FileCreateError*>(&error))
    return Format(Message(TMessage::FileNotCreated), {notCreated->Path()});
  return WideFromUtf8(error.what());
}

// Beside the program, or where its folder takes no new file (a read-only share, Program Files
// for a standard user) where the program's data files go: the name stays the one that any
// program can open.
std::wstring CopyFilePath(const std::wstring& extension) {
  const std::wstring beside = OwnPathWithExtension(extension);
  if (FileExistsAny(beside)) return beside;
  return ExtractDirectoryPart(DataFilePath(extension, TDataFileUse::kWrite)) +
         ExtractFileNamePart(beside);
}
}  // namespace

template <typename Write, typename Message>
void TCopies::WriteAndOpen(HWND owner, const std::wstring& path, Write write, Message message,
                           bool boxToForeground) {
  {
    ErrorModeGuard errorMode(SEM_FAILCRITICALERRORS);
    try {
      write();
    } catch (const std::exception& error) {
      ShowMessageBox(message(ErrorText(error)), ::Message(TMessage::ErrorCaption), owner,
                     boxToForeground);
    }
  }
  if (FileExistsAny(path)) OpenWithShell(path, owner);
}

void TCopies::ToClipboard(HWND owner, const std::wstring& text) { SetClipboardText(text, owner); }

void TCopies::ToClipboard(HWND owner, const TMyBitmap& picture) {
  if (!SetClipboardDib(PackedDibOf(picture), owner))
    throw std::runtime_error(WideToUtf8(Message(TMessage::ClipboardNotOpened)));
}

void TCopies::ToFileWhenCtrl(HWND owner, const std::wstring& text) {
  if (!IsKeyDown(VK_CONTROL)) return;
  const std::wstring path = CopyFilePath(L".txt");
  WriteAndOpen(
      owner, path, [&] { WriteTextFile(path, text); }, CopyTextErrorMessage, true);
}

void TCopies::ToFileWhenCtrl(HWND owner, const TMyBitmap& picture) {
  if (!IsKeyDown(VK_CONTROL)) return;
  const std::wstring path = CopyFilePath(L".bmp");
  WriteAndOpen(
      owner, path, [&] { picture.SaveToFile(path); }, CopyPictureErrorMessage, false);
}

void TCopies::EnlargedWithoutGrid(Bitmap& picture, TScreenCapture& capture, const TView& view,
                                  const Point& probe, bool paused, DWORD rop) {
  const Rect desktop = MyMonitors().GetDesktopRect();
  const int32_t sx = CheckedSub(CheckedSub(probe.X, view.FSrcHalf.X), desktop.Left);
  const int32_t sy = CheckedSub(CheckedSub(probe.Y, view.FSrcHalf.Y), desktop.Top);
  // The pause snapshot already holds the whole desktop.
  if (!paused) {
    capture.FitToDesktop();
    Bitmap& desktopCopy = capture.CaptureBitmap();
    desktopCopy.FillRect(0, 0, desktopCopy.Width(), desktopCopy.Height());  // black if no screen
    capture.CopyLive(desktop, rop);
  }
  StretchBlt(picture.DC(), 0, 0, view.FDstSize.Width, view.FDstSize.Height,
             capture.CaptureBitmap().DC(), sx, sy, view.FSrcSize.Width, view.FSrcSize.Height,
             SRCCOPY);
}
