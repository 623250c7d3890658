// The copy keys on the running program, read back from the clipboard as another
// program sees it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "main/info_lines.h"
#include "tests/e2e/program.h"
#include "tests/e2e/scene.h"

namespace {

std::wstring ClipboardText() {
  std::wstring text;
  for (int attempt = 0; attempt < 20 && text.empty(); ++attempt) {
    if (OpenClipboard(nullptr)) {
      if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
          text = chars;
          GlobalUnlock(data);
        }
      }
      CloseClipboard();
    }
    if (text.empty()) PumpFor(100);
  }
  return text;
}

bool ClipboardHasPictureOf(int width, int height) {
  bool found = false;
  if (!OpenClipboard(nullptr)) return false;
  if (HANDLE data = GetClipboardData(CF_DIB)) {
    if (const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data))) {
      found = header->biWidth == width && std::abs(header->biHeight) == height;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return found;
}

void PressAndRelease(WORD key) {
  SendKey(key, false);
  SendKey(key, true);
  PumpFor(500);
}

TEST(CopyKeys, HCAndZPutTheHtmlColourTheColorrefAndThePictureOnTheClipboard) {
  const COLORREF color = RGB(220, 20, 30);
  ColorWindow scene(500, 400, 150, 150, color);
  MovePointer(575, 475);
  LoupistProcess program;
  ASSERT_NE(program.Window(), nullptr);
  SetForegroundWindow(program.Window());
  PumpFor(500);

  TProbeInfo expected;
  expected.Color = color;
  expected.Red = 220, expected.Green = 20, expected.Blue = 30;
  expected.RGBValue = 220 * 65536 + 20 * 256 + 30;

  PressAndRelease('H');
  EXPECT_EQ(ClipboardText(), InfoCopyText(kItemHTML, expected, false));
  PressAndRelease('C');
  EXPECT_EQ(ClipboardText(), InfoCopyText(kItemCOLORREF, expected, false));
  EXPECT_EQ(ClipboardText(), std::to_wstring(color));

  RECT client{};
  GetClientRect(program.Window(), &client);
  PressAndRelease('Z');
  EXPECT_TRUE(ClipboardHasPictureOf(client.right, client.bottom));
}

}  // namespace
