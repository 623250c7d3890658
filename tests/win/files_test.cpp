// Paths beside the program, text and BMP files, code-page conversion and the clipboard.
#include <gtest/gtest.h>

#include "general/win/clipboard.h"
#include "general/win/codepage.h"
#include "general/win/file_stream.h"
#include "general/win/own_paths.h"
#include "general/win/platform_info.h"
#include "platform/win/application.h"
#include "platform/win/my_bitmap.h"
#include "platform/win/shell_ui.h"
#include "tests/win/files_support.h"
#include "tests/win/modal_driver.h"

namespace {

// "テスト ｺﾋﾟｰ" in code page 932: full-width katakana are two bytes, half-width ones one.
const wchar_t kJapanese[] = L"テスト ｺﾋﾟｰ";
const std::string kJapaneseCp932 = "\x83\x65\x83\x58\x83\x67 \xBA\xCB\xDF\xB0";

TEST(Files, OwnPathsLieBesideTheProgram) {
  // The system's own answer, against which ours is checked (the test program may be renamed).
  wchar_t module[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  const std::wstring exe = GetOwnExePath();
  EXPECT_EQ(exe, module);
  EXPECT_TRUE(FileExistsAny(exe));
  const std::wstring folder = ProgramFolder();
  const std::wstring name = exe.substr(folder.size());
  ASSERT_EQ(name.substr(name.size() - 4), L".exe");
  const std::wstring base = folder + name.substr(0, name.size() - 4);
  EXPECT_EQ(OwnPathWithExtension(L".txt"), base + L".txt");
  EXPECT_EQ(OwnPathWithExtension(L"bmp"), base + L".bmp");
}

TEST(Files, NamesBesideTheProgramKeepToTheCodePage) {
  struct Case {
    const wchar_t* exe;
    const wchar_t* txt;
  } cases[] = {
      {L"C:\\Tools\\loupist.exe", L"C:\\Tools\\loupist.txt"},
      {L"C:\\ツール\\ルーペ.exe", L"C:\\ツール\\ルーペ.txt"},  // Japanese maps: unchanged
      // é has a look-alike in the code page but no equivalent; ☃ has neither.
      {L"C:\\Tools\\loupé☃.exe", L"C:\\Tools\\loup__.txt"},
      {L"C:\\Tools\\v1.2\\é", L"C:\\Tools\\v1.2\\_.txt"},
      // Only the program's own name is made representable, not its folder.
      {L"C:\\dé\\loupist.exe", L"C:\\dé\\loupist.txt"},
  };
  for (const Case& c : cases) EXPECT_EQ(PathBesideExecutable(c.exe, L"txt"), c.txt) << c.exe;
}

TEST(Files, ExistenceAndSize) {
  ScratchFolder folder;
  EXPECT_FALSE(FileExistsAny(L""));
  EXPECT_FALSE(FileExistsAny(folder / L"missing.bin"));
  ASSERT_TRUE(CreateDirectoryW((folder / L"dir.bin").c_str(), nullptr));
  EXPECT_FALSE(FileExistsAny(folder / L"dir.bin")) << "a folder is no file";
  ASSERT_TRUE(WriteFileBytes(folder / L"file.bin", std::vector<uint8_t>(339, 7)));
  EXPECT_TRUE(FileExistsAny(folder / L"file.bin"));

  EXPECT_EQ(GetFileSize64(INVALID_HANDLE_VALUE), 0u);
  UniqueKernelHandle file = OpenFileHandle(folder / L"file.bin", GENERIC_READ, 0, OPEN_EXISTING);
  ASSERT_TRUE(file);
  EXPECT_EQ(GetFileSize64(file.get()), 339u);
  EXPECT_FALSE(OpenFileHandle(folder / L"missing.bin", GENERIC_READ, 0, OPEN_EXISTING))
      << "a failed open is an empty handle, not INVALID_HANDLE_VALUE";
}

TEST(Files, TextFileHoldsExactlyTheCodePageBytes) {
  ScratchFolder folder;
  const std::wstring path = folder / L"copy.txt";
  ASSERT_TRUE(WriteFileBytes(path, std::vector<uint8_t>(100, 'x')));
  WriteTextFile(path, kJapanese);
  EXPECT_EQ(ReadFileBytes(path), Bytes(kJapaneseCp932)) << "no BOM, no zero, no line end, no tail";
  WriteTextFile(path, L"");
  EXPECT_TRUE(FileExistsAny(path));
  EXPECT_TRUE(ReadFileBytes(path).empty());
  // A file that cannot be created is skipped without a word.
  WriteTextFile(folder / L"no such folder\\copy.txt", L"x");
  EXPECT_FALSE(FileExistsAny(folder / L"no such folder\\copy.txt"));
}

TEST(Files, CodePageConversions) {
  EXPECT_FALSE(HasUnmappableChars(L"abc テスト ｺﾋﾟｰ"));
  EXPECT_TRUE(HasUnmappableChars(L"café"));
  EXPECT_TRUE(HasUnmappableChars(L"\u2603"));
  EXPECT_FALSE(HasUnmappableChars(L""));
  EXPECT_EQ(WideToAnsi(kJapanese), kJapaneseCp932);
  EXPECT_EQ(WideToAnsiNoBestFit(L"a\u2603b"), "a?b");
  EXPECT_EQ(WideToAnsi(L""), "");
  EXPECT_EQ(AnsiToWide(kJapaneseCp932), kJapanese);
}

TEST(Files, InvertColor) {
  EXPECT_EQ(InvertColor(0xFFFFFF), 0x000000u);
  EXPECT_EQ(InvertColor(0x0080FF), 0xFF7F00u);
  EXPECT_EQ(InvertColor(0x000000), 0xFFFFFFu);
  const uint32_t windowColor = 0x80000000u | COLOR_WINDOW;
  EXPECT_EQ(InvertColor(windowColor), 0xFFFFFFu - GetSysColor(COLOR_WINDOW));
}

TEST(Files, AMessageBoxShowsTextsOutsideTheCodePageOnTheNTFamily) {
  const std::wstring text = L"\uD55C\uAE00 ✓ 日本語", caption = L"Ωκ ✓";
  std::wstring shownText, shownCaption;
  ModalDriver driver(L"#32770", [&](HWND box) {
    wchar_t buffer[64] = {};
    // The box's text is the one static control that has any.
    for (HWND item = nullptr; (item = FindWindowExW(box, item, L"Static", nullptr)) != nullptr;)
      if (GetWindowTextW(item, buffer, 64) > 0) shownText = buffer;
    GetWindowTextW(box, buffer, 64);
    shownCaption = buffer;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  ShowMessageBox(text, caption);
  ASSERT_TRUE(driver.Fired());
  // The Windows 95 family shows what the system code page holds of them.
  EXPECT_EQ(shownText, IsNTPlatform() ? text : AnsiToWide(WideToAnsi(text)));
  EXPECT_EQ(shownCaption, IsNTPlatform() ? caption : AnsiToWide(WideToAnsi(caption)));
}

TEST(Files, StreamCreateErrorNamesThePath) {
  ScratchFolder folder;
  const std::wstring dir = folder / L"taken.bmp";
  ASSERT_TRUE(CreateDirectoryW(dir.c_str(), nullptr));
  try {
    TFileStreamW stream(dir, TFileStreamW::fmCreate);
    FAIL() << "a folder cannot be created as a file";
  } catch (const FileCreateError& e) {
    EXPECT_EQ(e.Path(), dir);
    EXPECT_NE(WideFromUtf8(e.what()).find(dir), std::wstring::npos);
  }
  TFileStreamW stream(folder / L"data", TFileStreamW::fmCreate);
  stream.WriteBuffer("abcdef", 6);
  EXPECT_EQ(stream.Size(), 6u);
  EXPECT_EQ(stream.Seek(2, FILE_BEGIN), 2);
  char two[2] = {};
  stream.ReadBuffer(two, 2);
  EXPECT_EQ(std::string(two, 2), "cd");
  EXPECT_THROW(stream.ReadBuffer(two, 3), FileIOError);
}

TEST(Files, BitmapFileReplacesALargerFileAndReadsBack) {
  ScratchFolder folder;
  const std::wstring path = folder / L"picture.bmp";
  ASSERT_TRUE(WriteFileBytes(path, std::vector<uint8_t>(100000, 0xAB)));
  TMyBitmap bitmap;
  bitmap.SetSize(5, 3);  // 5 pixels of 3 bytes: rows padded to 16 bytes
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) bitmap.FillRect(x, y, x + 1, y + 1, RGB(x * 50, y * 100, 7));
  bitmap.SaveToFile(path);

  const std::vector<uint8_t> file = ReadFileBytes(path);
  ASSERT_EQ(file.size(), 14u + 40u + 16u * 3u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  const std::vector<uint8_t> dib(file.begin() + 14, file.end());
  EXPECT_EQ(DibWidth(dib), 5);
  EXPECT_EQ(DibHeight(dib), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(DibPixel(dib, x, y), RGB(x * 50, y * 100, 7));

  // The system reads the file as the same picture.
  HBITMAP loaded = static_cast<HBITMAP>(
      LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  ASSERT_NE(loaded, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, loaded);
  EXPECT_EQ(GetPixel(dc, 4, 2), RGB(200, 200, 7));
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 7));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(loaded);
}

// A window of this thread to own the clipboard, as the main window does in the program.
class ClipboardOwner {
 public:
  ClipboardOwner()
      : hwnd_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                              nullptr)) {}
  ~ClipboardOwner() { DestroyWindow(hwnd_); }
  HWND get() const { return hwnd_; }

 private:
  HWND hwnd_;
};

TEST(Files, ClipboardTextAsAnotherProgramSeesIt) {
  ClipboardOwner owner;
  ClearClipboard();
  SetClipboardText(kJapanese, owner.get());
  const ClipboardView view = ReadClipboardElsewhere();
  ASSERT_TRUE(view.Ran);
  EXPECT_EQ(view.Unicode, kJapanese) << view.Formats;
  EXPECT_EQ(view.Text, kJapaneseCp932);

  // An empty text leaves the clipboard as it was.
  SetClipboardText(L"", owner.get());
  EXPECT_EQ(ReadClipboardElsewhere().Unicode, kJapanese);
}

TEST(Files, ClipboardHeldByAnotherProgramIsLeftAlone) {
  ClipboardOwner owner;
  SetClipboardText(L"before", owner.get());
  {
    ClipboardHeldElsewhere held(1500);
    ASSERT_TRUE(held.Holding());
    SetClipboardText(L"after", owner.get());  // gives up at once
    EXPECT_EQ(SetClipboardDib(std::vector<uint8_t>(40, 0), owner.get()), false);
  }
  EXPECT_EQ(ReadClipboardElsewhere().Unicode, L"before");
  // Nothing was left open: the next copy goes through.
  SetClipboardText(L"after", owner.get());
  EXPECT_EQ(ReadClipboardElsewhere().Unicode, L"after");
}

}  // namespace
