// The copy keys on the running program, read back from the clipboard as another
// program sees it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "main/probe/info_lines.h"
#include "tests/e2e/program.h"
#include "tests/e2e/scene.h"

namespace {

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

// The program in front, its probe over a red window of another process.
class CopyKeys : public testing::Test {
 protected:
  static constexpr COLORREF kColor = RGB(220, 20, 30);
  void SetUp() override {
    MovePointer(575, 475);
    program_ = std::make_unique<LoupistProcess>();
    ASSERT_NE(program_->Window(), nullptr);
    SetForegroundWindow(program_->Window());
    PumpFor(500);
  }
  ColorWindow scene_{500, 400, 150, 150, kColor};
  std::unique_ptr<LoupistProcess> program_;
};

TEST_F(CopyKeys, HCAndZPutTheHtmlColourTheColorrefAndThePictureOnTheClipboard) {
  TProbeInfo expected;
  expected.Color = kColor;
  expected.Red = 220, expected.Green = 20, expected.Blue = 30;
  expected.RGBValue = 220 * 65536 + 20 * 256 + 30;

  PressAndRelease('H');
  EXPECT_EQ(ClipboardText(), InfoCopyText(kItemHTML, expected, false));
  PressAndRelease('C');
  EXPECT_EQ(ClipboardText(), InfoCopyText(kItemCOLORREF, expected, false));
  EXPECT_EQ(ClipboardText(), std::to_wstring(kColor));

  RECT client{};
  GetClientRect(program_->Window(), &client);
  PressAndRelease('Z');
  EXPECT_TRUE(ClipboardHasPictureOf(client.right, client.bottom));
}

TEST_F(CopyKeys, RPutsTheWholeReportOnTheClipboardAndBSetsTheReference) {
  PressAndRelease('R');
  std::wstring report = ClipboardText();
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = report.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
    lines.push_back(report.substr(start, end - start));
  EXPECT_EQ(start, report.size()) << "every line ends in CR LF";
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kInfoItemCount + 4)) << report.c_str();
  EXPECT_EQ(lines[0], L"RGB\tR=220 G=20  B=30");
  EXPECT_EQ(lines[3], L"ｺﾝﾄﾗｽﾄ\t5.04:1 AA (ffffff)") << "against white";
  // Measured for the report, though its line is off.
  EXPECT_EQ(lines[11], L"間隔\tL=500 T=400 W=150 H=150");
  EXPECT_EQ(lines[13], L"ｸﾗｽ名\tLoupistE2EColor");
  EXPECT_EQ(lines[28], L"親チェーン\tLoupistE2EColor");
  EXPECT_EQ(lines[29].rfind(L"スタイル\tWS_POPUP | WS_VISIBLE", 0), 0u) << lines[29].c_str();
  EXPECT_EQ(lines[30].rfind(L"拡張スタイル\tWS_EX_", 0), 0u);
  EXPECT_NE(lines[30].find(L"WS_EX_TOPMOST"), std::wstring::npos) << lines[30].c_str();

  // B takes the colour under the probe as the reference: against itself the ratio is 1.
  PressAndRelease('B');
  PressAndRelease('R');
  report = ClipboardText();
  EXPECT_NE(report.find(L"ｺﾝﾄﾗｽﾄ\t1.00:1 NG (dc141e)\r\n"), std::wstring::npos);
}

// Copied colours outlive the program in their own file: after a restart the older of two,
// chosen from the history submenu, goes to the clipboard again in the format of a colour copy.
TEST_F(CopyKeys, TheOlderOfTwoCopiedColoursIsChosenFromTheMenuAfterARestart) {
  const std::wstring file = ProgramFolder() + L"loupist.colors";
  ColorWindow blue(700, 400, 150, 150, RGB(10, 40, 200));
  PressAndRelease('H');
  EXPECT_EQ(ClipboardText(), L"DC141E");
  MovePointer(775, 475);
  PumpFor(500);
  PressAndRelease('H');
  EXPECT_EQ(ClipboardText(), L"0A28C8");

  program_.reset();
  const std::vector<uint8_t> kept = ReadFileBytes(file);
  const std::string newestFirst = "#0a28c8\r\n#dc141e\r\n";
  EXPECT_EQ(std::string(kept.begin(), kept.end()).substr(0, newestFirst.size()), newestFirst);

  program_ = std::make_unique<LoupistProcess>();
  ASSERT_NE(program_->Window(), nullptr);
  DWORD pid = 0;
  GetWindowThreadProcessId(program_->Window(), &pid);
  auto menus = [pid](int count) {
    return WaitFor([&] { return CountProcessWindows(pid, L"#32768") == count; }, 3000);
  };
  const DWORD clipboard = GetClipboardSequenceNumber();
  SetForegroundWindow(program_->Window());
  PumpFor(200);
  // カラー情報(&R); up from its first item to its last, カラー履歴; into it; the second colour.
  PressKeys({VK_MENU, VK_F10});
  ASSERT_TRUE(menus(1));
  PressKeys({'R'});
  ASSERT_TRUE(menus(2));
  PressKeys({VK_UP});
  PumpFor(100);
  PressKeys({VK_RIGHT});
  ASSERT_TRUE(menus(3)) << "the history submenu did not open";
  PressKeys({VK_DOWN});
  PumpFor(100);
  PressKeys({VK_RETURN});
  ASSERT_TRUE(menus(0));
  ASSERT_TRUE(WaitFor([&] { return GetClipboardSequenceNumber() != clipboard; }, 3000));
  EXPECT_EQ(ClipboardText(), L"DC141E");
  program_.reset();
  DeleteFileW(file.c_str());
}

}  // namespace
