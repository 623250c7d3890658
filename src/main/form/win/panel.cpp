// The information panel: its lines drawn from ProbeInfo, its font, the group toggles, and the
// copies of its values and of the picture, to the clipboard and with Ctrl to a file beside the
// program that is then opened with its associated program.
#include "base/checked.h"
#include "general/win/codepage.h"
#include "general/win/input_state.h"
#include "general/win/platform_info.h"
#include "main/form/win/main.h"
#include "main/probe/panel_items.h"
#include "main/texts/panel_texts.h"
#include "platform/win/my_bitmap.h"

// ---- Drawing ----

int32_t TApp_Loupist::InfoAreaHeight() const {
  int32_t lines = 0;
  for (int32_t item = 1; item <= kInfoItemCount; ++item)
    if (FCommands.LineShown(item)) ++lines;
  return FView.PanelHeight(lines);
}

void TApp_Loupist::DrawInfoArea() {
  TPanelTitle title;
  title.Active = IsActiveWindow();
  title.Paused = FCommands.actCapture_Pause.Checked();
  title.ZoomCaption = ZoomCaption(FView.FZoom);
  title.Icons.StayOnTop = FCommands.actOpt_StayOnTop.Checked();
  title.Icons.Smooth = FCommands.actOpt_SmoothCapture.Checked();
  title.Icons.Paused = title.Paused;
  title.Icons.Lupe = FCommands.LupeMode();
  title.Icons.Fixed = FCommands.actCapture_Fixed.Checked();
  if (title.Icons.Fixed && !title.Icons.Lupe)
    title.FixedCaption = FixedPointCaption(ProbeInfo.ScreenPoint);
  title.Swatch = ProbeInfo.Color;
  int32_t y = FView.DrawPanelTitle(title);
  for (int32_t line = 1; line <= kInfoItemCount; ++line) {
    const int32_t item = PanelLineItem(line);
    if (!FCommands.LineShown(item)) continue;
    if (item == kItemHistory)
      FView.DrawPanelSwatches(PaddedPanelLabel(item), ProbeInfo.History, y);
    else
      FView.DrawPanelLine(InfoDisplayText(item, ProbeInfo), y);
  }
  FView.DrawPanelRules(title.Active);
}

void TApp_Loupist::ApplyPanelFont() {
  const Action& bigFont = FCommands.actOpt_BigFont;
  FView.SetPanelFont(bigFont.Checked() ? bigFont.Tag() : 9, ZoomCaption(FView.FZoom));
}

void TApp_Loupist::actOpt_BigFontExecute() {
  ApplyPanelFont();
  FormResize(&FCommands.actOpt_BigFont);
}

// ---- The group toggles ----

void TApp_Loupist::BindInfoPanelCommands() {
  for (Action* line : FCommands.InfoLine)
    line->SetHandler([this](Action& sender) { FormResize(&sender); });
  BindSpacingCommands();
  Command(Cmd::actColor_InfoOnOff).SetHandler([this](Action& sender) {
    actColor_InfoOnOffExecute(sender);
  });
  Command(Cmd::actPos_InfoOnOff).SetHandler([this](Action& sender) {
    actPos_InfoOnOffExecute(sender);
  });
  Command(Cmd::actWinInfo_InfoOnOff).SetHandler([this](Action& sender) {
    actWinInfo_InfoOnOffExecute(sender);
  });
  Command(Cmd::actElement_InfoOnOff).SetHandler([this](Action& sender) {
    ToggleInfoItems(TInfoGroup::Element, sender);
  });
}

void TApp_Loupist::actColor_InfoOnOffExecute(Action& sender) {
  ToggleInfoItems(TInfoGroup::Color, sender);
}

void TApp_Loupist::actPos_InfoOnOffExecute(Action& sender) {
  ToggleInfoItems(TInfoGroup::Position, sender);
}

void TApp_Loupist::actWinInfo_InfoOnOffExecute(Action& sender) {
  ToggleInfoItems(TInfoGroup::Window, sender);
}

void TApp_Loupist::ToggleInfoItems(TInfoGroup group, Action& sender) {
  // An item that the system cannot serve (the executable outside the NT family) is disabled
  // and hidden: it neither blocks "all on" nor is switched on by it.
  InfoItemChecks checks{};
  for (int i = 0; i < kInfoItemCount; ++i)
    checks[i] = FCommands.InfoLine[i]->Checked() || !FCommands.InfoLine[i]->Enabled();
  const InfoItemChecks toggled = ToggleInfoGroup(checks, group);
  for (int i = 0; i < kInfoItemCount; ++i) {
    if (FCommands.InfoLine[i]->Enabled()) FCommands.InfoLine[i]->SetChecked(toggled[i]);
  }
  FormResize(&sender);
}

// ---- The spacing ----

TPixelSource TApp_Loupist::PixelSource() {
  // From where the picture comes, as the picture copies it.
  return TPixelSource{FScreenCapture, Timer_Main.Enabled() || FCycle.FTakingSnapshot,
                      LiveCaptureRop()};
}

void TApp_Loupist::MeasureSpacing(const Point& probe) {
  if (!FCommands.LineShown(kItemSpacing)) return;
  ProbeInfo.Spacing = FSpacing.Measure(probe, FCommands.SpacingTolerance(), PixelSource());
}

void TApp_Loupist::MeasureSpacingOnDemand() {
  if (FCommands.LineShown(kItemSpacing)) return;  // the last cycle measured it
  ProbeInfo.Spacing =
      FSpacing.Measure(ProbeInfo.ScreenPoint, FCommands.SpacingTolerance(), PixelSource());
}

SpacingReach TApp_Loupist::SpacingOverlay() const {
  SpacingReach reach;
  const Rect& runs = ProbeInfo.Spacing;
  const Point& p = ProbeInfo.ScreenPoint;
  reach.Shown = FCommands.LineShown(kItemSpacing) && RectWidth(runs) > 0 && RectHeight(runs) > 0;
  if (!reach.Shown) return reach;
  reach.Left = CheckedSub(p.X, runs.Left);
  reach.Right = CheckedSub(CheckedSub(runs.Right, 1), p.X);
  reach.Up = CheckedSub(p.Y, runs.Top);
  reach.Down = CheckedSub(CheckedSub(runs.Bottom, 1), p.Y);
  return reach;
}

void TApp_Loupist::BindSpacingCommands() {
  for (Action* tolerance : FCommands.Tolerance)
    tolerance->SetHandler([this](Action& sender) {
      sender.SetChecked(true);
      RefreshView();
    });
}

// ---- Copies ----

void TApp_Loupist::AskElementOnDemand() {
  // Where the system cannot tell elements the commands are disabled; nothing to wait for.
  if (FCommands.AnyElementLineOn() || !Command(Cmd::actElement_Element).Enabled()) return;
  ProbeInfo.Element = FElementLines.AskAndWait(ProbeInfo.ScreenPoint);
}

void TApp_Loupist::BindCopyCommands() {
  Command(Cmd::actCopy_Picture).SetHandler([this](Action& sender) {
    actCopy_PictureExecute(sender);
  });
  for (Action* copy : FCommands.InfoCopy)
    copy->SetHandler([this](Action& sender) { actCopy_TextExecute(sender); });
  Command(Cmd::actCopy_Report).SetHandler([this](Action&) {
    AskElementOnDemand();
    MeasureSpacingOnDemand();
    const std::wstring report = InfoReportText(ProbeInfo);
    CopyTextWithStatus(report, ReportStatusText(report));
  });
}

// An item's value is copied whether its line is shown or not.
void TApp_Loupist::actCopy_TextExecute(Action& sender) {
  const int32_t item = FCommands.ItemOfCopy(sender);
  if (item == 0) return;
  if (item >= kItemElement && item <= kItemElementFramework) AskElementOnDemand();
  if (item == kItemSpacing) MeasureSpacingOnDemand();
  const bool shift = IsKeyDown(VK_SHIFT);
  const std::wstring text = InfoCopyText(item, ProbeInfo, shift);
  ColourCopied(sender, shift);
  CopyItemText(sender, text);
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
  const bool paused = FCommands.actCapture_Pause.Checked();
  // No capture cycle may run between the desktop copy and its use; the refresh then draws the
  // view from that copy, as from a snapshot.
  const TimerHold hold(Timer_Main);
  const bool ownWindowOut =
      FCommands.actOpt_NoSelfCapture.Checked() || FCommands.actCapture_Lupe.Checked();
  TCopies::EnlargedWithoutGrid(picture, FScreenCapture, FView, ProbeInfo.ScreenPoint, paused,
                               CaptureRop(ownWindowOut));
  if (!paused) RefreshView();
  const int32_t top = FView.FInfoRect.Top;
  BitBlt(picture.DC(), 0, top, picture.Width(), picture.Height() - top, FView.FViewBitmap.DC(), 0,
         top, SRCCOPY);
}
