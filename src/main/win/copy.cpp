// The copy commands: values and the picture to the clipboard, and with Ctrl to a file beside
// the program that is then opened with its associated program.

#include "base/checked.h"
#include "general/win/codepage.h"
#include "general/win/input_state.h"
#include "general/win/platform_info.h"
#include "main/main.h"
#include "main/panel_items.h"
#include "platform/win/my_bitmap.h"

namespace {

constexpr DWORD kCaptureBlt = 0x40000000;

// Stops a timer for the guard's lifetime and restarts it afterwards if it was running.
class TimerHold {
 public:
  explicit TimerHold(Timer& timer) : timer_(timer), wasEnabled_(timer.Enabled()) {
    timer_.SetEnabled(false);
  }
  TimerHold(const TimerHold&) = delete;
  TimerHold& operator=(const TimerHold&) = delete;
  ~TimerHold() {
    if (wasEnabled_) timer_.SetEnabled(true);
  }

 private:
  Timer& timer_;
  bool wasEnabled_;
};

}  // namespace

void TApp_Loupist::BindCopyCommands() {
  Command(Cmd::actCopy_Picture).SetHandler([this](Action& sender) {
    actCopy_PictureExecute(sender);
  });
  for (int32_t item = 1; item <= kInfoItemCount; ++item)
    Command(PanelItem(item).Copy).SetHandler([this](Action& sender) {
      actCopy_TextExecute(sender);
    });
  Command(Cmd::actCopy_Report).SetHandler([this](Action&) {
    AskElementOnDemand();
    const std::wstring report = InfoReportText(ProbeInfo);
    CopyTextWithStatus(report, ReportStatusText(report));
  });
}

void TApp_Loupist::actCopy_TextExecute(Action& sender) {
  for (int32_t item = kItemElement; item <= kItemElementFramework; ++item)
    if (&sender == &Command(PanelItem(item).Copy)) AskElementOnDemand();
  int32_t unusedY = 0;
  RenderInfoLines(PanelPass::kCopy, unusedY, &sender);
}

void TApp_Loupist::CopyItemText(const Action& command, const std::wstring& text) {
  CopyTextWithStatus(text, CopyStatusText(command.Caption(), text));
}

void TApp_Loupist::CopyTextWithStatus(const std::wstring& text, std::wstring status) {
  FCopies.ToClipboard(Handle(), text);
  // Outside the NT family the title line holds what the system code page can show.
  if (!IsNTPlatform()) status = AnsiToWide(WideToAnsi(status));
  ShowStatusText(status);
  FCopies.ToFileWhenCtrl(Handle(), text);
}

void TApp_Loupist::actCopy_PictureExecute(Action& sender) {
  (void)sender;
  TMyBitmap picture;
  picture.SetSize(ClientWidth(), ClientHeight());
  if (CopyPictureAsShown(IsKeyDown(VK_SHIFT))) {
    BitBlt(picture.DC(), 0, 0, picture.Width(), picture.Height(), FView.FViewBitmap.DC(), 0, 0,
           SRCCOPY);
  } else {
    CopyPictureWithoutGrid(picture);
  }

  FCopies.ToClipboard(Handle(), picture);
  FCopies.ToFileWhenCtrl(Handle(), picture);
  ShowStatusText(PictureCopyStatusText());
}

// The enlarged source rectangle without grid and ruler, above the information area as shown.
void TApp_Loupist::CopyPictureWithoutGrid(Bitmap& picture) {
  const Rect desktop = MyMonitors().GetDesktopRect();
  const int32_t sx =
      CheckedSub(CheckedSub(ProbeInfo.ScreenPoint.X, FView.FSrcHalf.X), desktop.Left);
  const int32_t sy = CheckedSub(CheckedSub(ProbeInfo.ScreenPoint.Y, FView.FSrcHalf.Y), desktop.Top);
  const auto copyInfoArea = [&] {
    BitBlt(picture.DC(), 0, FView.FInfoRect.Top, picture.Width(),
           picture.Height() - FView.FInfoRect.Top, FView.FViewBitmap.DC(), 0, FView.FInfoRect.Top,
           SRCCOPY);
  };

  if (actCapture_Pause->Checked()) {
    // The pause snapshot already holds the whole desktop.
    StretchBlt(picture.DC(), 0, 0, FView.FDstSize.Width, FView.FDstSize.Height,
               FScreenCapture.CaptureBitmap().DC(), sx, sy, FView.FSrcSize.Width,
               FView.FSrcSize.Height, SRCCOPY);
    copyInfoArea();
    return;
  }

  // No capture cycle may run between the desktop copy and its use.
  const TimerHold hold(Timer_Main);
  FScreenCapture.FitToDesktop();
  Bitmap& desktopCopy = FScreenCapture.CaptureBitmap();
  desktopCopy.FillRect(0, 0, desktopCopy.Width(), desktopCopy.Height());  // black if no screen
  const bool ownWindowOut = actOpt_NoSelfCapture->Checked() || actCapture_Lupe->Checked();
  FScreenCapture.CopyLive(desktop, ownWindowOut ? SRCCOPY : SRCCOPY | kCaptureBlt);
  StretchBlt(picture.DC(), 0, 0, FView.FDstSize.Width, FView.FDstSize.Height,
             FScreenCapture.CaptureBitmap().DC(), sx, sy, FView.FSrcSize.Width,
             FView.FSrcSize.Height, SRCCOPY);
  RefreshView();
  copyInfoArea();
}
