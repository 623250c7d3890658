// The copy commands run by name in a real main window; the clipboard is read by another
// program, the copy files beside the program are read back byte by byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "general/win/own_paths.h"
#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "platform/win/application.h"
#include "platform/win/shell_ui.h"
#include "tests/win/files_support.h"
#include "tests/win/scene.h"

namespace {

struct Box {
  std::wstring Text, Caption;
  UINT Style = 0;
};

class Copy : public testing::Test {
 protected:
  void SetUp() override {
    RemoveCopyFiles();
    ShellUiHooksForTesting().OpenPath = [this](const std::wstring& path) {
      opened_.push_back(path);
    };
    ShellUiHooksForTesting().ShowBox = [this](const std::wstring& text, const std::wstring& caption,
                                              UINT style) {
      boxes_.push_back({text, caption, style});
    };
    ClearClipboard();
    app_ = std::make_unique<TApp_Loupist>();
  }
  void TearDown() override {
    app_.reset();
    ShellUiHooksForTesting() = ShellUiHooks{};
    RemoveCopyFiles();
  }
  static void RemoveCopyFiles() {
    RemovePath(OwnPathWithExtension(L".txt"));
    RemovePath(OwnPathWithExtension(L".bmp"));
  }

  LoupistInternals Access() { return LoupistInternals(*app_); }

  // The probe values every text copy below formats.
  void SetProbe() {
    TProbeInfo& info = Access().Info();
    info.Red = 255, info.Green = 128, info.Blue = 0;
    info.RGBValue = 0xFF8000;
    info.Color = 0x0080FF;
    info.ScreenPoint = Point{250, 130};
    info.ClientOrigin = Point{200, 100};
    info.Window = 0x000A01F4;
    info.ClassName = L"Button";
    info.Text = L"ウィンドウ ☃";
    info.ExeName = L"C:\\Program Files\\ツール\\notepad.exe";
    info.Dpi = 120;
  }

  // Sets the probe values, runs the command and answers what another program then reads.
  // The status text is taken at once: the other program may take longer to answer than the
  // two seconds the text is shown.
  ClipboardView CopyText(Cmd command) {
    SetProbe();
    Access().Command(command).Execute();
    status_ = Access().StatusText();
    return ReadClipboardElsewhere();
  }

  // The view bitmap's pixels now, row by row.
  std::vector<COLORREF> ViewPixels() {
    Bitmap& view = Access().View();
    std::vector<COLORREF> pixels;
    for (int y = 0; y < view.Height(); ++y)
      for (int x = 0; x < view.Width(); ++x) pixels.push_back(view.Pixel(x, y));
    return pixels;
  }

  std::unique_ptr<TApp_Loupist> app_;
  std::wstring status_;
  std::vector<std::wstring> opened_;
  std::vector<Box> boxes_;
};

TEST_F(Copy, ValuesInBothFormsAsAnotherProgramSeesThem) {
  ClipboardView view = CopyText(Cmd::actCopy_ColorRGB);
  ASSERT_TRUE(view.Ran);
  EXPECT_EQ(view.Unicode, L"255 128 0");
  EXPECT_EQ(view.Text, "255 128 0");
  EXPECT_EQ(status_, L"カラー情報/RGBをｺﾋﾟｰ 255 128 0");
  {
    HeldKey shift(VK_SHIFT);
    EXPECT_EQ(CopyText(Cmd::actCopy_ColorRGB).Unicode, L"FF 80 0");
    EXPECT_EQ(CopyText(Cmd::actCopy_ColorHTML).Unicode, L"16744448");
    EXPECT_EQ(CopyText(Cmd::actCopy_WInfoHandle).Unicode, L"000A01F4");
    EXPECT_EQ(CopyText(Cmd::actCopy_WInfoClassName).Unicode, L"\"Button\"");
    EXPECT_EQ(CopyText(Cmd::actCopy_WInfoExeName).Unicode, L"notepad.exe");
    EXPECT_EQ(CopyText(Cmd::actCopy_PosClient).Unicode, L"(50, 30)");
    EXPECT_EQ(CopyText(Cmd::actCopy_PosDpi).Unicode, L"125%");
  }
  // The DPI line is off by default; its copy gives the dots per inch.
  EXPECT_EQ(CopyText(Cmd::actCopy_PosDpi).Unicode, L"120");
  EXPECT_EQ(status_, L"カーソル位置/DPIをｺﾋﾟｰ 120");
  EXPECT_EQ(CopyText(Cmd::actCopy_ColorHTML).Unicode, L"FF8000");
  EXPECT_EQ(CopyText(Cmd::actCopy_WInfoHandle).Unicode, L"655860");
  // The COLORREF line is off by default; its value is copied all the same.
  ASSERT_FALSE(Access().Command(Cmd::actColor_COLORREF).Checked());
  EXPECT_EQ(CopyText(Cmd::actCopy_ColorCOLORREF).Unicode, L"33023");
  EXPECT_EQ(status_, L"カラー情報/COLORREFをｺﾋﾟｰ 33023");

  // Japanese text: the same characters as Unicode, code page 932 bytes as text.
  view = CopyText(Cmd::actCopy_WInfoText);
  EXPECT_EQ(view.Unicode, L"ウィンドウ ☃");
  EXPECT_EQ(view.Text, "\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45 ?");
}

TEST_F(Copy, TheReferenceColourAndTheColourFormats) {
  // B takes the probe colour as the reference: the title line names it, the contrast copies
  // measure against it.
  SetProbe();
  Access().Command(Cmd::actColor_SetReference).Execute();
  EXPECT_EQ(Access().StatusText(), L"基準色 ff8000");
  EXPECT_EQ(Access().Info().ReferenceColor, 0xFF8000u);
  EXPECT_EQ(CopyText(Cmd::actCopy_ColorContrast).Unicode, L"1.00:1");
  EXPECT_EQ(status_, L"カラー情報/コントラストをｺﾋﾟｰ 1.00:1");
  Access().Info().ReferenceColor = 0xFFFFFF;
  {
    HeldKey shift(VK_SHIFT);
    EXPECT_EQ(CopyText(Cmd::actCopy_ColorContrast).Unicode, L"2.51:1 NG #ff8000 #ffffff");
  }

  struct Case {
    Cmd command;
    const wchar_t* text;
    const wchar_t* shiftText;
    const wchar_t* status;
  };
  const Case cases[] = {
      {Cmd::actCopy_FormatCssHex, L"#ff8000", L"#FF8000", L"CSS #rrggbbをｺﾋﾟｰ #ff8000"},
      {Cmd::actCopy_FormatCssRgb, L"rgb(255, 128, 0)", L"rgb(255, 128, 0)", nullptr},
      {Cmd::actCopy_FormatCssHsl, L"hsl(30, 100%, 50%)", L"hsl(30, 100%, 50%)",
       L"CSS hsl()をｺﾋﾟｰ hsl(30, 100%, 50%)"},
      {Cmd::actCopy_FormatFloats, L"1.000, 0.502, 0.000", L"1.000, 0.502, 0.000", nullptr},
      {Cmd::actCopy_FormatXaml, L"#FFFF8000", L"#FFFF8000", nullptr},
      {Cmd::actCopy_FormatCRgb, L"RGB(255, 128, 0)", L"RGB(255, 128, 0)", nullptr},
      {Cmd::actCopy_FormatCSharp, L"Color.FromArgb(255, 128, 0)", L"Color.FromArgb(255, 128, 0)",
       L"C# Color.FromArgb()をｺﾋﾟｰ Color.FromArgb(255, 128, 0)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CopyText(c.command).Unicode, c.text) << c.command;
    if (c.status != nullptr) EXPECT_EQ(status_, c.status) << c.command;
    HeldKey shift(VK_SHIFT);
    EXPECT_EQ(CopyText(c.command).Unicode, c.shiftText) << c.command << " with Shift";
  }
}

TEST_F(Copy, AnEmptyValueLeavesTheClipboard) {
  CopyText(Cmd::actCopy_ColorRGB);
  SetProbe();
  Access().Info().Text.clear();
  Access().Command(Cmd::actCopy_WInfoText).Execute();
  EXPECT_EQ(Access().StatusText(), L"ウィンドウ情報/テキストをｺﾋﾟｰ ");
  EXPECT_EQ(ReadClipboardElsewhere().Unicode, L"255 128 0");
}

TEST_F(Copy, CtrlWritesTheTextFileAndOpensIt) {
  const std::wstring path = OwnPathWithExtension(L".txt");
  HeldKey ctrl(VK_CONTROL);
  EXPECT_EQ(CopyText(Cmd::actCopy_WInfoExeName).Unicode, L"C:\\Program Files\\ツール\\notepad.exe");
  EXPECT_EQ(ReadFileBytes(path), Bytes("C:\\Program Files\\\x83\x63\x81\x5B\x83\x8B\\notepad.exe"));
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], path);
  // The next one replaces the contents, shorter as they are.
  CopyText(Cmd::actCopy_ColorRGB);
  EXPECT_EQ(ReadFileBytes(path), Bytes("255 128 0"));
  EXPECT_EQ(opened_.size(), 2u);
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(Copy, PictureAsShown) {
  app_->Timer_Main.SetEnabled(false);
  const std::vector<COLORREF> shown = ViewPixels();
  const int width = app_->ClientWidth(), height = app_->ClientHeight();
  Access().Command(Cmd::actCopy_Picture).Execute();
  EXPECT_EQ(Access().StatusText(), L"ｽﾞｰﾑ画像をｺﾋﾟｰ ");
  const ClipboardView view = ReadClipboardElsewhere();
  ASSERT_TRUE(view.Has("dib")) << view.Formats;
  EXPECT_TRUE(view.Has("bitmap " + std::to_string(width) + "x" + std::to_string(height)))
      << view.Formats;
  ASSERT_EQ(DibWidth(view.Dib), width);
  ASSERT_EQ(DibHeight(view.Dib), height);
  int differing = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (DibPixel(view.Dib, x, y) != shown[static_cast<size_t>(y) * width + x]) ++differing;
  EXPECT_EQ(differing, 0);
  EXPECT_TRUE(opened_.empty());
}

// With Shift: the enlarged source without grid, above the panel as it was shown.
void ExpectPictureWithoutGrid(LoupistInternals& a, const std::vector<uint8_t>& dib,
                              const std::vector<COLORREF>& shownPanel,
                              const std::function<COLORREF(int, int)>& screen) {
  const int zoom = a.Zoom();
  const Point s{a.Info().ScreenPoint.X - a.SrcHalf().X, a.Info().ScreenPoint.Y - a.SrcHalf().Y};
  // The enlarged source may reach past the client area on the right and into the panel.
  const int right = std::min(a.DstSize().Width, a.View().Width());
  const int bottom = std::min(a.DstSize().Height, a.InfoRect().Top);
  int differing = 0;
  for (int y = 0; y < bottom; ++y)
    for (int x = 0; x < right; ++x)
      if (DibPixel(dib, x, y) != screen(s.X + x / zoom, s.Y + y / zoom)) ++differing;
  EXPECT_EQ(differing, 0) << "zoom area";
  const int width = a.View().Width();
  differing = 0;
  for (int y = a.InfoRect().Top; y < a.View().Height(); ++y)
    for (int x = 0; x < width; ++x)
      if (DibPixel(dib, x, y) != shownPanel[static_cast<size_t>(y) * width + x]) ++differing;
  EXPECT_EQ(differing, 0) << "panel";
}

COLORREF Pattern(int x, int y) { return RGB(x & 0xFF, y & 0xFF, (x * 7 + y * 3) & 0xFF); }

TEST_F(Copy, PictureWithoutGridWhilePaused) {
  LoupistInternals a = Access();
  ASSERT_TRUE(a.Command(Cmd::actGrid_Disp).Checked());
  a.Command(Cmd::actCapture_Pause).SetChecked(true);
  app_->Timer_Main.SetEnabled(false);
  a.Info().ScreenPoint = Point{600, 500};
  app_->RefreshView();
  // The snapshot around the probe point gets a pattern that no grid line resembles.
  const Rect desktop = MyMonitors().GetDesktopRect();
  const Point s{600 - a.SrcHalf().X, 500 - a.SrcHalf().Y};
  for (int y = s.Y; y < s.Y + a.SrcSize().Height; ++y)
    for (int x = s.X; x < s.X + a.SrcSize().Width; ++x)
      a.Capture().FillRect(x - desktop.Left, y - desktop.Top, x - desktop.Left + 1,
                           y - desktop.Top + 1, Pattern(x, y));
  app_->RefreshView();
  const std::vector<COLORREF> shown = ViewPixels();
  {
    HeldKey shift(VK_SHIFT);
    a.Command(Cmd::actCopy_Picture).Execute();
  }
  ExpectPictureWithoutGrid(a, ReadClipboardElsewhere().Dib, shown, Pattern);
  EXPECT_FALSE(app_->Timer_Main.Enabled()) << "a paused window stays paused";
}

TEST_F(Copy, PictureWithoutGridWhileCapturing) {
  LoupistInternals a = Access();
  SceneWindow scene(500, 400, 200, 200, [](int x, int y) { return Pattern(x + 500, y + 400); });
  SetCursorPos(600, 500);
  app_->Timer_Main.SetEnabled(true);
  app_->RefreshView();
  ASSERT_EQ(a.Info().ScreenPoint, (Point{600, 500}));
  const std::vector<COLORREF> shown = ViewPixels();
  {
    HeldKey shift(VK_SHIFT);
    a.Command(Cmd::actCopy_Picture).Execute();
  }
  ExpectPictureWithoutGrid(a, ReadClipboardElsewhere().Dib, shown, Pattern);
  EXPECT_TRUE(app_->Timer_Main.Enabled()) << "the main timer runs again";
}

TEST_F(Copy, CtrlWritesTheBitmapFile) {
  app_->Timer_Main.SetEnabled(false);
  {
    HeldKey ctrl(VK_CONTROL);
    Access().Command(Cmd::actCopy_Picture).Execute();
  }
  const std::wstring path = OwnPathWithExtension(L".bmp");
  const std::vector<uint8_t> file = ReadFileBytes(path);
  ASSERT_GT(file.size(), 54u);
  const std::vector<uint8_t> dib(file.begin() + 14, file.end());
  const std::vector<uint8_t> clip = ReadClipboardElsewhere().Dib;
  ASSERT_EQ(DibWidth(dib), app_->ClientWidth());
  ASSERT_EQ(DibHeight(dib), DibHeight(clip));
  for (int y = 0; y < DibHeight(dib); y += 7)
    for (int x = 0; x < DibWidth(dib); x += 5) ASSERT_EQ(DibPixel(dib, x, y), DibPixel(clip, x, y));
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], path);
}

TEST_F(Copy, ABitmapFileThatCannotBeCreatedIsReported) {
  const std::wstring path = OwnPathWithExtension(L".bmp");
  ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
  {
    HeldKey ctrl(VK_CONTROL);
    Access().Command(Cmd::actCopy_Picture).Execute();
  }
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].Text,
            L"ファイル " + path + L" を作成できません\r\rコピー画像を書き込めませんでした");
  EXPECT_EQ(boxes_[0].Caption, L"エラー");
  EXPECT_EQ(boxes_[0].Style, static_cast<UINT>(MB_OK)) << "not forced to the foreground";
  EXPECT_TRUE(opened_.empty()) << "a folder is not opened";
  EXPECT_EQ(Access().StatusText(), L"ｽﾞｰﾑ画像をｺﾋﾟｰ ") << "the command goes on";
  EXPECT_TRUE(ReadClipboardElsewhere().Has("dib"));
}

TEST_F(Copy, ABusyClipboard) {
  SetProbe();
  Access().Command(Cmd::actCopy_ColorRGB).Execute();
  ClipboardHeldElsewhere held(1500);
  ASSERT_TRUE(held.Holding());
  // A text copy gives up silently but still reports the copy.
  Application& application = Application::Instance();
  application.LastErrorText.clear();
  SetProbe();
  Access().Info().Red = 1;
  application.Guarded([&] { Access().Command(Cmd::actCopy_ColorRGB).Execute(); });
  EXPECT_EQ(application.LastErrorText, L"");
  EXPECT_EQ(Access().StatusText(), L"カラー情報/RGBをｺﾋﾟｰ 1 128 0");
  // A picture copy ends with the error the application's handler shows.
  application.Guarded([&] { Access().Command(Cmd::actCopy_Picture).Execute(); });
  EXPECT_EQ(application.LastErrorText, L"クリップボードを開くことができません");
}

}  // namespace

namespace {

// Runs a shell command line of the host and waits, handling messages, until it has written the
// file.
std::vector<uint8_t> HostCommandOutput(const std::string& command, const std::wstring& output) {
  StartHostCommand(command);
  const std::wstring done = output + L".done";
  for (int i = 0; i < 100 && GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
    PumpFor(50);
  return ReadFileBytes(output);
}

TEST_F(Copy, TheXClipboardOfTheDesktopHoldsTheText) {
  ScratchFolder folder;
  const std::string out = UnixPath(folder / L"x.txt");
  if (out.empty() || GetFileAttributesW(L"Z:\\usr\\bin\\xclip") == INVALID_FILE_ATTRIBUTES)
    GTEST_SKIP() << "not under Wine with xclip";
  SetProbe();
  Access().Command(Cmd::actCopy_WInfoText).Execute();
  const std::vector<uint8_t> text = HostCommandOutput(
      "xclip -o -selection clipboard > '" + out + "'; touch '" + out + ".done'", folder / L"x.txt");
  EXPECT_EQ(std::string(text.begin(), text.end()), u8"ウィンドウ ☃");
}

}  // namespace

namespace {

// With a monitor left of the primary one the desktop starts at a negative x; the snapshot and
// the whole-desktop copy are indexed from there.
TEST_F(Copy, PictureWithoutGridOnBothMonitors) {
  if (GetSystemMetrics(SM_XVIRTUALSCREEN) >= 0) GTEST_SKIP() << "one monitor";
  LoupistInternals a = Access();
  const auto pattern = [](int x, int y) { return Pattern(x + 2048, y); };
  for (const Point p : {Point{-500, 300}, Point{600, 500}}) {
    SCOPED_TRACE(testing::Message() << "probe at " << p.X << "," << p.Y);
    SceneWindow scene(p.X - 100, p.Y - 100, 200, 200,
                      [&](int x, int y) { return pattern(x + p.X - 100, y + p.Y - 100); });
    SetCursorPos(p.X, p.Y);
    app_->Timer_Main.SetEnabled(true);
    app_->RefreshView();
    ASSERT_EQ(a.Info().ScreenPoint, p);
    std::vector<COLORREF> shown = ViewPixels();
    {
      HeldKey shift(VK_SHIFT);
      a.Command(Cmd::actCopy_Picture).Execute();
    }
    ExpectPictureWithoutGrid(a, ReadClipboardElsewhere().Dib, shown, pattern);

    a.Command(Cmd::actCapture_Pause).Execute();
    ASSERT_TRUE(a.Command(Cmd::actCapture_Pause).Checked());
    SetCursorPos(p.X + 300, p.Y);  // the paused picture stays where it was
    app_->RefreshView();
    shown = ViewPixels();
    {
      HeldKey shift(VK_SHIFT);
      a.Command(Cmd::actCopy_Picture).Execute();
    }
    ExpectPictureWithoutGrid(a, ReadClipboardElsewhere().Dib, shown, pattern);
    a.Command(Cmd::actCapture_Pause).Execute();
    ASSERT_FALSE(a.Command(Cmd::actCapture_Pause).Checked());
  }
}

}  // namespace
