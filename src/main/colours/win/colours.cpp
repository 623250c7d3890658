#include "main/colours/win/colours.h"

#include <algorithm>

#include "base/checked.h"
#include "general/helpers.h"
#include "general/paths.h"
#include "general/win/file_stream.h"
#include "general/win/own_paths.h"
#include "main/colours/colour_sample.h"
#include "my_settingfile/win/settings_file.h"

std::wstring ColoursFilePath(TDataFileUse use) {
  const std::wstring settings = SettingsFilePath(use);
  return settings.empty() ? settings : ChangeExtension(settings, L".colors");
}

void TColours::Load() {
  // Nothing in the file may stop the start: whatever fails leaves the history empty.
  try {
    const std::wstring path = ColoursFilePath(TDataFileUse::kRead);
    if (!FileExistsAny(path)) return;
    std::string bytes;
    bool whole = false;
    {
      UniqueKernelHandle file =
          OpenFileHandle(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
      if (!file) return;
      const uint64_t size = GetFileSize64(file.get());
      bytes.resize(static_cast<std::size_t>(std::min<uint64_t>(size, kHistoryFileReadLimit)));
      DWORD read = 0;
      if (!bytes.empty() &&
          !ReadFile(file.get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr))
        read = 0;
      bytes.resize(read);
      whole = read == size;
    }
    history_ = TColourHistory::FromFileText(bytes, whole);
    // A damaged file is made sound at once, before another copy of the program reads it.
    if (history_.FileText() != bytes) Save();
  } catch (...) {
    history_.Clear();
  }
}

void TColours::Save() {
  const std::wstring path = ColoursFilePath(TDataFileUse::kWrite);
  if (path.empty()) return;
  const std::string text = history_.FileText();
  SaveFileWhole(path, std::vector<uint8_t>(text.begin(), text.end()));
}

void TColours::Copied(uint32_t rgb, const TColourCopy& copy) {
  lastCopy_ = copy;
  if (history_.Take(rgb)) Save();
}

void TColours::Remember(uint32_t rgb) {
  if (history_.Take(rgb)) Save();
}

void TColours::Clear() {
  if (history_.Clear()) Save();
}

std::optional<uint32_t> TColours::HistoryColour(int32_t place) const {
  if (place < 0 || static_cast<std::size_t>(place) >= History().size()) return std::nullopt;
  return History()[static_cast<std::size_t>(place)];
}

void TColours::ShowInCommands(ActionList& commands) const {
  for (int32_t place = 0; place < static_cast<int32_t>(kHistoryCapacity); ++place) {
    Action& command = commands[IndexOf(HistoryColourCommand(place))];
    const bool there = HistoryColour(place).has_value();
    command.SetVisible(there);
    command.SetEnabled(there);
  }
  commands[IndexOf(Cmd::actColor_HistoryClear)].SetEnabled(!History().empty());
}

int32_t TColours::SampleSide() const { return ::SampleSide(sampleIndex_); }

void TColours::SetSampleIndex(int32_t index) {
  ::SampleSide(index);  // throws for a number that names no size
  sampleIndex_ = index;
}

COLORREF TColours::ProbeColour(COLORREF cellColour, TScreenCapture& capture,
                               const Point& probe) const {
  const int32_t side = SampleSide();
  if (side == 1) return cellColour;
  // The pixels that exist: those the capture holds of the monitor under the probe point.
  // A probe point in no monitor (where none was read yet: any) has only its own pixel.
  const Rect& captured = capture.CapturedScreenRect();
  std::optional<Rect> within;
  if (capture.MonitorBounds().empty()) within = captured;
  for (const Rect& monitor : capture.MonitorBounds()) {
    if (probe.X >= monitor.Left && probe.X < monitor.Right && probe.Y >= monitor.Top &&
        probe.Y < monitor.Bottom)
      within = IntersectRects(monitor, captured);
  }
  if (!within) return cellColour;
  const Point origin{-captured.Left, -captured.Top};
  const Bitmap& bitmap = capture.CaptureBitmap();
  const std::optional<uint32_t> mean =
      SquareMean(TPixelImage{bitmap.Pixels(), bitmap.Width(), bitmap.Height()},
                 Point{CheckedAdd(probe.X, origin.X), CheckedAdd(probe.Y, origin.Y)}, side,
                 OffsetRectByPoint(*within, origin));
  if (!mean) return cellColour;
  return RGB((*mean >> 16) & 0xFF, (*mean >> 8) & 0xFF, *mean & 0xFF);
}
