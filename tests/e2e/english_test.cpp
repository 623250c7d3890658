// The program on an English system, driven from outside: English menu letters, the panel in the
// English face, the switch to Japanese and back, and the choice kept across a restart. Runs
// where the user's interface language is English (the English session); elsewhere it skips.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "main/probe/info_lines.h"
#include "main/texts/panel_texts.h"
#include "my_settingfile/settings_image.h"
#include "tests/e2e/program.h"
#include "tests/e2e/scene.h"

namespace {

constexpr COLORREF kRed = RGB(220, 20, 30);
constexpr int kProbeX = 575, kProbeY = 475;

// A rectangle of a device context, as 0x00RRGGBB values row by row.
std::vector<uint32_t> Grab(HDC source, int x, int y, int width, int height) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// The panel's lines as the program of that language draws them, found on the screen.
class PanelOnScreen {
 public:
  PanelOnScreen(HWND window, TLanguage language) {
    StartLanguage(language, language);
    const int dpi = [] {
      HDC screen = GetDC(nullptr);
      const int value = GetDeviceCaps(screen, LOGPIXELSY);
      ReleaseDC(nullptr, screen);
      return value;
    }();
    const TPanelFace face = PanelFace();
    font_ = CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, face.CharSet,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        FIXED_PITCH | FF_MODERN, face.Face);
    dc_ = CreateCompatibleDC(nullptr);
    SelectObject(dc_, font_);
    int longest = 0;
    for (int32_t item = 1; item <= kInfoItemCount; ++item)
      longest = std::max(longest, Width(PanelLabel(item)));
    rule_ = longest + Width(L" ") / 2;
    ruleWidth_ = (dpi + 48) / 96;
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    width_ = client.right, height_ = client.bottom;
    HDC screen = GetDC(nullptr);
    pixels_ = Grab(screen, origin.x, origin.y, width_, height_);
    ReleaseDC(nullptr, screen);
  }
  ~PanelOnScreen() {
    DeleteDC(dc_);
    DeleteObject(font_);
    StartLanguage(std::nullopt, TLanguage::Japanese);
  }
  // Whether some row of the client area shows the line at x = 2, pixel for pixel (the rule
  // between labels and values excepted).
  bool Shows(const std::wstring& line) {
    SIZE extent{};
    GetTextExtentPoint32W(dc_, line.c_str(), static_cast<int>(line.size()), &extent);
    const int w = std::min<int>(extent.cx, width_ - 3), h = extent.cy;
    // Drawn as the program draws its panel: into a 32-bit bitmap of the system's own, whose text
    // may be smoothed where a screen-compatible one would not be.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HGDIOBJ oldFont = SelectObject(memory, font_);
    SetBkColor(memory, GetSysColor(COLOR_WINDOW));
    SetTextColor(memory, GetSysColor(COLOR_WINDOWTEXT));
    const RECT all{0, 0, w, h};
    ExtTextOutW(memory, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    TextOutW(memory, 0, 0, line.c_str(), static_cast<int>(line.size()));
    GdiFlush();
    const std::vector<uint32_t> want(static_cast<const uint32_t*>(bits),
                                     static_cast<const uint32_t*>(bits) + w * h);
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    for (int top = 0; top + h <= height_; ++top) {
      bool same = true;
      for (int y = 0; y < h && same; ++y)
        for (int x = 0; x < w && same; ++x)
          same = (x + 2 >= rule_ && x + 2 < rule_ + ruleWidth_) ||
                 pixels_[static_cast<std::size_t>(top + y) * width_ + x + 2] ==
                     want[static_cast<std::size_t>(y) * w + x];
      if (same) return true;
    }
    return false;
  }

 private:
  int Width(const std::wstring& text) const {
    SIZE extent{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
  }
  HFONT font_ = nullptr;
  HDC dc_ = nullptr;
  int rule_ = 0, ruleWidth_ = 1, width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
};

std::wstring ClipboardText() {
  std::wstring text;
  if (OpenClipboard(nullptr)) {
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
      GlobalUnlock(data);
    }
    CloseClipboard();
  }
  return text;
}

class English : public testing::Test {
 protected:
  void SetUp() override {
    if (LanguageOfLangId(GetUserDefaultUILanguage()) != TLanguage::English)
      GTEST_SKIP() << "needs an English system (the English session)";
    DeleteFileW(SettingsFile().c_str());
    info_.Red = 220, info_.Green = 20, info_.Blue = 30, info_.RGBValue = 0xDC141E;
    info_.ScreenPoint = Point{kProbeX, kProbeY};
    info_.Window = reinterpret_cast<uintptr_t>(red_.Handle());
    info_.ClassName = L"LoupistE2EColor";
    info_.Text = L"color";
  }
  void TearDown() override { DeleteFileW(SettingsFile().c_str()); }
  static std::wstring SettingsFile() { return ProgramFolder() + L"loupist.bin"; }

  void Start() {
    MovePointer(kProbeX, kProbeY);
    PumpFor(100);
    program_ = std::make_unique<LoupistProcess>();
    ASSERT_NE(program_->Window(), nullptr);
  }
  void Exit() {
    SetForegroundWindow(program_->Window());
    PumpFor(200);
    PressKeys({VK_MENU, VK_F4});
    ASSERT_TRUE(program_->WaitForExit(5000));
    program_.reset();
  }
  // Which of the panel's items show on the screen, each as the program of that language draws
  // it; the program in front, so that the panel has its active colours.
  std::vector<int32_t> ItemsShown(TLanguage language, std::initializer_list<int32_t> items) {
    SetForegroundWindow(program_->Window());
    PumpFor(600);
    PanelOnScreen panel(program_->Window(), language);
    std::vector<int32_t> shown;
    for (int32_t item : items)
      if (panel.Shows(InfoDisplayText(item, info_))) shown.push_back(item);
    return shown;
  }

  ColorWindow red_{500, 400, 150, 150, kRed};
  TProbeInfo info_;
  std::unique_ptr<LoupistProcess> program_;
};

TEST_F(English, MenuLettersPanelFaceSwitchToJapaneseAndBackAndTheChoiceAfterARestart) {
  const std::initializer_list<int32_t> defaults = {kItemRGB,    kItemHTML,      kItemPosScreen,
                                                   kItemHandle, kItemClassName, kItemText};
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_EQ(ItemsShown(TLanguage::English, defaults), std::vector<int32_t>(defaults));

  // Window info → Text: a check command, by its English letters.
  ASSERT_TRUE(ChooseFromMenu(program_->Window(), {'W', 'T'}));
  EXPECT_EQ(ItemsShown(TLanguage::English, {kItemText, kItemClassName}),
            std::vector<int32_t>{kItemClassName});
  // Copy → All information: the report with the English labels.
  ASSERT_TRUE(ChooseFromMenu(program_->Window(), {'C', 'A'}));
  std::wstring report;
  WaitFor([&] { return !(report = ClipboardText()).empty(); }, 3000);
  EXPECT_EQ(report.rfind(L"RGB\tR=220 G=20  B=30\r\n", 0), 0u)
      << std::string(report.begin(), report.end());
  EXPECT_NE(report.find(L"\r\nClient sz\t"), std::wstring::npos);

  // Settings → Language → 日本語, and back with the Japanese menu's letters: 設定(O) → (L) → (E).
  ASSERT_TRUE(ChooseFromMenu(program_->Window(), {'S', 'L', 'J'}));
  EXPECT_EQ(ItemsShown(TLanguage::Japanese, {kItemRGB, kItemHandle}),
            (std::vector<int32_t>{kItemRGB, kItemHandle}));
  ASSERT_TRUE(ChooseFromMenu(program_->Window(), {'O', 'L', 'E'}));
  EXPECT_EQ(ItemsShown(TLanguage::English, {kItemRGB, kItemHandle}),
            (std::vector<int32_t>{kItemRGB, kItemHandle}));

  // Japanese chosen, then a restart on this English system: the choice holds.
  ASSERT_TRUE(ChooseFromMenu(program_->Window(), {'S', 'L', 'J'}));
  ASSERT_NO_FATAL_FAILURE(Exit());
  const std::vector<uint8_t> image = ReadFileBytes(SettingsFile());
  ASSERT_EQ(image.size(), kSettingsFileSize);
  TSettingsBlocks blocks;
  ASSERT_TRUE(DecodeSettingsImage(image, blocks));
  EXPECT_EQ(blocks.Record.OptionFlags & (kOptLanguageChosenBit | kOptLanguageNumberBit),
            kOptLanguageChosenBit);
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_EQ(ItemsShown(TLanguage::Japanese, {kItemRGB, kItemHandle}),
            (std::vector<int32_t>{kItemRGB, kItemHandle}));
  ASSERT_NO_FATAL_FAILURE(Exit());
}

}  // namespace
