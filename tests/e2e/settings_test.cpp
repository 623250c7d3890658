// The settings file of the real program: each test runs its own copy of loupist.exe in a folder
// of its own, so the file it writes beside itself is the test's alone.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, whose types it uses.
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

#include "general/format.h"
#include "my_settingfile/builtin_tables.h"
#include "my_settingfile/settings_image.h"
#include "my_settingfile/settings_plan.h"
#include "tests/e2e/program.h"
#include "tests/e2e/scene.h"

namespace {

class ProgramSettings : public testing::Test {
 protected:
  void SetUp() override {
    static int counter = 0;
    sub_ = L"settings_e2e_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
           std::to_wstring(++counter);
    folder_ = ProgramFolder() + sub_ + L"\\";
    CreateDirectoryW(folder_.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((ProgramFolder() + L"loupist.exe").c_str(),
                          (folder_ + L"loupist.exe").c_str(), FALSE));
    // Put the pointer on the primary monitor, where the window opens without a file.
    MovePointer(640, 600);
  }
  void TearDown() override {
    for (const std::wstring& file : FilesMatching(folder_ + L"*")) DeleteFileW(file.c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  std::wstring SettingsPath() const { return folder_ + L"loupist.bin"; }
  std::wstring ProgramName() const { return sub_ + L"\\loupist.exe"; }

  void WriteSettings(const TSettingsRecord& record) {
    TSettingsBlocks blocks;
    blocks.Record = record;
    blocks.Keys = BuiltinKeyCommandTable();
    blocks.Gestures = BuiltinGestureCommandTable();
    ASSERT_TRUE(WriteFileBytes(SettingsPath(), EncodeSettingsImage(blocks)));
  }

  // Closes the program as the exit command does and decodes the file it leaves.
  TSettingsBlocks CloseAndRead(LoupistProcess& program) {
    PostMessageW(program.Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(10000));
    TSettingsBlocks saved;
    EXPECT_TRUE(DecodeSettingsImage(ReadFileBytes(SettingsPath()), saved));
    return saved;
  }

  static RECT Bounds(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
  }

  std::wstring sub_;
  std::wstring folder_;
};

// What the program itself stores for a window in its start state at the given place.
TSettingsRecord PlainRecord(const Rect& place) {
  TSettingsRecord r;
  r.FormRect = place;
  r.ZoomIndex = 4;
  r.GridFlags = kGridShownBit;
  r.GridColorItem = 2;
  r.GridColor = 0x999999;
  r.SubGridColor = 0xFF6666;
  r.ColorInfoFlags = kColorRGBBit | kColorHTMLBit;
  r.PositionInfoFlags = kPosScreenBit;
  r.WindowInfoFlags = kWinInfoHandleBit | kWinInfoClassNameBit | kWinInfoTextBit;
  return r;
}

TEST_F(ProgramSettings, ARunWithoutAFileLeavesOne) {
  LoupistProcess program(ProgramName());
  ASSERT_NE(program.Window(), nullptr);
  wchar_t caption[64] = {};
  GetWindowTextW(program.Window(), caption, 64);
  const std::wstring text = caption;
  EXPECT_EQ(text.substr(0, 12), L"Loupist:Ver ") << "caption " << WideToUtf8(text);
  EXPECT_NE(text.find_first_of(L"0123456789"), std::wstring::npos);
  EXPECT_EQ(text.find_first_not_of(L"0123456789.", 12), std::wstring::npos);
  const RECT shown = Bounds(program.Window());
  RECT client{};
  GetClientRect(program.Window(), &client);

  PostMessageW(program.Window(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(program.WaitForExit(10000));
  const std::vector<uint8_t> file = ReadFileBytes(SettingsPath());
  ASSERT_EQ(file.size(), 339u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "QFOX");
  EXPECT_EQ(file[4], 1);
  EXPECT_EQ(file[5], 0);
  for (int i = 6; i < 22; ++i) EXPECT_EQ(file[i], 0) << "header byte " << i;
  // The last 256 bytes are the built-in key table (from offset 83) and gesture table (331).
  TSettingsBlocks builtin;
  builtin.Keys = BuiltinKeyCommandTable();
  builtin.Gestures = BuiltinGestureCommandTable();
  const std::vector<uint8_t> expected = EncodeSettingsImage(builtin);
  EXPECT_TRUE(std::equal(file.begin() + 83, file.end(), expected.begin() + 83));
  EXPECT_EQ(file[83], '0') << "the first key is the digit 0";
  EXPECT_EQ(file[331] | (file[332] << 8), 8001) << "drag up: stay on top";

  TSettingsBlocks saved;
  ASSERT_TRUE(DecodeSettingsImage(file, saved));
  EXPECT_EQ(saved.Record.FormRect.Left, shown.left);
  EXPECT_EQ(saved.Record.FormRect.Top, shown.top);
  EXPECT_EQ(saved.Record.FormRect.Right, shown.right);
  EXPECT_LT(saved.Record.FormRect.Bottom, shown.bottom) << "the panel is left out";
  EXPECT_EQ(saved.Record.ZoomIndex, 4);
  EXPECT_EQ(saved.Record.CaptureMode, kCaptureModeFollow);
}

TEST_F(ProgramSettings, ASecondStartRestoresTheStoredState) {
  TSettingsRecord r = PlainRecord(Rect{300, 200, 600, 450});
  r.ZoomIndex = 7;  // 12x
  r.GridFlags = 0;
  r.GridColorItem = 5;
  r.GridColor = 0x2040C0;
  r.SubGridColorItem = 1;
  r.SubGridColor = 0x10E010;
  r.ColorInfoFlags = kColorCOLORREFBit;
  r.PositionInfoFlags = kPosClientBit | kPosUserBit;
  r.WindowInfoFlags = kWinInfoWindowSizeBit | kWinInfoExeNameBit;
  r.UserPos = Point{12, 34};
  r.OptionFlags = kOptStayOnTopBit | kOptBigFontBit | kOptSmoothCaptureBit;
  r.CaptureMode = kCaptureModeFixed;
  r.FixedPos = Point{640, 480};
  WriteSettings(r);

  LoupistProcess program(ProgramName());
  ASSERT_NE(program.Window(), nullptr);
  const RECT shown = Bounds(program.Window());
  EXPECT_EQ(shown.left, 300);
  EXPECT_EQ(shown.top, 200);
  EXPECT_EQ(shown.right - shown.left, 300);
  EXPECT_GT(shown.bottom - shown.top, 250) << "the panel lies below the stored height";
  EXPECT_TRUE(GetWindowLongW(program.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);

  // Every choice went into the window's commands and state: closing stores them again.
  const TSettingsBlocks saved = CloseAndRead(program);
  EXPECT_EQ(saved.Record, r);
}

TEST_F(ProgramSettings, BTakesTheReferenceColourWhichOutlivesTheRun) {
  // A file of the original layout: B holds 0 there, the added lines are off, the reserved
  // bytes are zero.
  TSettingsBlocks blocks;
  blocks.Record = PlainRecord(Rect{900, 100, 1121, 294});
  blocks.Keys = BuiltinKeyCommandTable();
  for (TKeyCommandEntry& entry : blocks.Keys)
    if (entry.VirtualKey == 'B' || entry.VirtualKey == 'R') entry.CommandCode = 0;
  blocks.Gestures = BuiltinGestureCommandTable();
  ASSERT_TRUE(WriteFileBytes(SettingsPath(), EncodeSettingsImage(blocks)));
  ColorWindow scene(500, 400, 150, 150, RGB(220, 20, 30));
  MovePointer(575, 475);

  {
    LoupistProcess program(ProgramName());
    ASSERT_NE(program.Window(), nullptr);
    SetForegroundWindow(program.Window());
    PumpFor(500);
    SendKey('B', false);
    SendKey('B', true);
    PumpFor(500);
    const TSettingsBlocks saved = CloseAndRead(program);
    EXPECT_EQ(saved.Record.Reserved, (std::array<uint8_t, 4>{220, 20, 30, kReferenceColorMark}));
    TSettingsRecord rest = saved.Record;
    rest.Reserved = blocks.Record.Reserved;
    rest.FixedPos = blocks.Record.FixedPos;
    EXPECT_EQ(rest, blocks.Record) << "nothing else of the original layout changed";
  }
  // The next run starts with that reference: it stores it again, though nothing set it.
  MovePointer(100, 700);
  LoupistProcess program(ProgramName());
  ASSERT_NE(program.Window(), nullptr);
  PumpFor(300);
  EXPECT_EQ(CloseAndRead(program).Record.Reserved,
            (std::array<uint8_t, 4>{220, 20, 30, kReferenceColorMark}));
}

TEST_F(ProgramSettings, ShiftAndCtrlAtStartSkipTheFile) {
  TSettingsRecord stored = PlainRecord(Rect{300, 200, 600, 450});
  stored.ZoomIndex = 9;
  WriteSettings(stored);
  // No window of this test has the focus, so the keys count as held at once.
  Sleep(300);
  SendKey(VK_SHIFT, false);
  SendKey(VK_CONTROL, false);
  LoupistProcess program(ProgramName());
  SendKey(VK_CONTROL, true);
  SendKey(VK_SHIFT, true);
  ASSERT_NE(program.Window(), nullptr);
  const RECT shown = Bounds(program.Window());
  EXPECT_EQ(shown.left, 75) << "the start place, not the stored one";
  EXPECT_EQ(shown.top, 75);
  const TSettingsBlocks saved = CloseAndRead(program);
  EXPECT_EQ(saved.Record.ZoomIndex, 4) << "the run started from the defaults";
  EXPECT_EQ(saved.Record.FormRect.Left, 75);
}

TEST_F(ProgramSettings, OutOfRangeValues) {
  TSettingsRecord r = PlainRecord(Rect{400, 300, 450, 600});  // 50 pixels wide
  r.ZoomIndex = 200;
  r.UserPos = Point{-100, 5000};
  WriteSettings(r);
  LoupistProcess program(ProgramName());
  ASSERT_NE(program.Window(), nullptr);
  const RECT shown = Bounds(program.Window());
  EXPECT_EQ(shown.left, 400) << "the stored position";
  EXPECT_EQ(shown.top, 300);
  EXPECT_EQ(shown.right - shown.left, 221) << "but not the stored size";
  const TSettingsBlocks saved = CloseAndRead(program);
  EXPECT_EQ(saved.Record.ZoomIndex, 9) << "the last zoom item";
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int bottom = GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  EXPECT_EQ(saved.Record.UserPos, (Point{std::max(-100, left), bottom}))
      << "clamped to the desktop, its far edges included";
}

// The folder bound read-only onto itself by the host, as a read-only share or a folder of
// another user is to the program; only where this test may mount (under Wine, as root). The
// folder itself tells when the mount has taken.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const std::wstring& folder)
      : probe_(folder + L"probe"), path_(UnixPath(folder)) {
    if (path_.empty()) return;
    StartHostCommand("mount --bind " + path_ + " " + path_ + " && mount -o remount,bind,ro " +
                     path_);
    mounted_ = WaitFor([&] { return !WriteFileBytes(probe_, {1}); }, 5000);
  }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
  ~ReadOnlyFolder() {
    if (path_.empty()) return;
    StartHostCommand("umount -l " + path_ + " 2>/dev/null");
    WaitFor([&] { return WriteFileBytes(probe_, {1}); }, 5000);
    DeleteFileW(probe_.c_str());
  }
  bool Mounted() const { return mounted_; }

 private:
  std::wstring probe_;
  std::string path_;
  bool mounted_ = false;
};

// "Loupist" in the user's application-data folder, as the shell names it to this test.
std::wstring UsersLoupistFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, path))) return L"";
  return std::wstring(path) + L"\\Loupist\\";
}

TEST_F(ProgramSettings, AFolderThatTakesNoFilesKeepsThemInTheUsersFolder) {
  const std::wstring users = UsersLoupistFolder();
  ASSERT_FALSE(users.empty());
  const std::wstring settings = users + L"loupist.bin", copy = users + L"loupist.txt";
  const std::wstring colours = users + L"loupist.colors";
  for (const std::wstring& file : {settings, copy, colours}) DeleteFileW(file.c_str());
  {
    ReadOnlyFolder readOnly(folder_);
    if (!readOnly.Mounted()) GTEST_SKIP() << "this test may not mount a folder read-only here";

    {
      LoupistProcess program(ProgramName());
      ASSERT_NE(program.Window(), nullptr);
      SetWindowPos(program.Window(), nullptr, 300, 200, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      // Ctrl+C: the copy's text file goes there too, and is opened (by Wine's notepad).
      SetForegroundWindow(program.Window());
      PumpFor(300);
      SendKey(VK_CONTROL, false);
      SendKey('C', false);
      SendKey('C', true);
      PumpFor(150);
      SendKey(VK_CONTROL, true);
      EXPECT_TRUE(WaitFor([&] { return !ReadFileBytes(copy).empty(); }, 5000));
      HWND editor = nullptr;
      WaitFor([&] { return (editor = FindWindowW(L"Notepad", nullptr)) != nullptr; }, 5000);
      if (editor) PostMessageW(editor, WM_CLOSE, 0, 0);
      PostMessageW(program.Window(), WM_CLOSE, 0, 0);
      ASSERT_TRUE(program.WaitForExit(10000));
    }
    TSettingsBlocks saved;
    ASSERT_TRUE(DecodeSettingsImage(ReadFileBytes(settings), saved))
        << "saved in the user's folder";
    EXPECT_EQ(saved.Record.FormRect.Left, 300);
    EXPECT_FALSE(ReadFileBytes(colours).empty()) << "the colour copied, beside the settings";

    // The next start, which finds no file beside the program, reads that one.
    LoupistProcess program(ProgramName());
    ASSERT_NE(program.Window(), nullptr);
    EXPECT_EQ(Bounds(program.Window()).left, 300);
    EXPECT_EQ(Bounds(program.Window()).top, 200);
    PostMessageW(program.Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(10000));
  }
  for (const std::wstring& file : {settings, copy, colours}) DeleteFileW(file.c_str());
  RemoveDirectoryW(users.c_str());
}

}  // namespace
