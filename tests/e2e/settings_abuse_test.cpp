// The real program against a settings file that is missing, damaged, in the way or out of
// reach. Whatever the file, the program opens its window, ends cleanly when closed, and saves
// where the file system lets it; where it does not, the file is left exactly as it was.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "my_settingfile/builtin_tables.h"
#include "my_settingfile/settings_image.h"
#include "tests/e2e/program.h"

namespace {

// The place the window takes without settings, with the pointer on the primary monitor.
constexpr LONG kStartLeft = 75, kStartTop = 75;
// A stored place that no start from the defaults gives.
constexpr Rect kStoredPlace{330, 210, 630, 460};

TSettingsBlocks ValidBlocks() {
  TSettingsBlocks blocks;
  blocks.Record.FormRect = kStoredPlace;
  blocks.Record.ZoomIndex = 7;
  blocks.Record.GridFlags = kGridShownBit;
  blocks.Record.GridColorItem = 2;
  blocks.Record.GridColor = 0x999999;
  blocks.Record.SubGridColor = 0xFF6666;
  blocks.Record.ColorInfoFlags = kColorRGBBit;
  blocks.Record.PositionInfoFlags = kPosScreenBit;
  blocks.Record.WindowInfoFlags = kWinInfoHandleBit;
  blocks.Keys = BuiltinKeyCommandTable();
  blocks.Gestures = BuiltinGestureCommandTable();
  return blocks;
}

std::vector<uint8_t> ValidImage() { return EncodeSettingsImage(ValidBlocks()); }

bool IsWindowCoordinate(int32_t v) { return v >= -32768 && v <= 32767; }

class SettingsAbuse : public testing::Test {
 protected:
  void SetUp() override {
    static int counter = 0;
    sub_ = L"settings_abuse_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
           std::to_wstring(++counter);
    folder_ = ProgramFolder() + sub_ + L"\\";
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
    ASSERT_TRUE(CopyFileW((ProgramFolder() + L"loupist.exe").c_str(),
                          (folder_ + L"loupist.exe").c_str(), FALSE));
    MovePointer(640, 600);
  }
  void TearDown() override {
    SetFileAttributesW(folder_.c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesW(SettingsPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    for (const std::wstring& file : FilesMatching(folder_ + L"*")) DeleteFileW(file.c_str());
    RemoveDirectoryW(SettingsPath().c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  std::wstring SettingsPath() const { return folder_ + L"loupist.bin"; }
  bool LeftoverNewFile() const { return !FilesMatching(SettingsPath() + L".*.new").empty(); }

  // Starts the program, answers the top-left corner of its window, then closes it and checks
  // that it ended by itself with exit code 0.
  POINT RunAndClose() {
    POINT corner{-1, -1};
    LoupistProcess program(sub_ + L"\\loupist.exe");
    EXPECT_NE(program.Window(), nullptr) << "the main window did not appear";
    if (!program.Window()) return corner;
    EXPECT_TRUE(IsWindowVisible(program.Window()));
    RECT r{};
    GetWindowRect(program.Window(), &r);
    corner = POINT{r.left, r.top};
    PostMessageW(program.Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(10000)) << "the program did not end after WM_CLOSE";
    EXPECT_EQ(program.ExitCode(), 0u);
    return corner;
  }

  // The file the run left is a complete image of a run from the defaults.
  void ExpectSavedFromDefaults() {
    const std::vector<uint8_t> file = ReadFileBytes(SettingsPath());
    ASSERT_EQ(file.size(), 339u);
    TSettingsBlocks saved;
    ASSERT_TRUE(DecodeSettingsImage(file, saved));
    EXPECT_EQ(saved.Record.FormRect.Left, kStartLeft);
    EXPECT_EQ(saved.Record.FormRect.Top, kStartTop);
    EXPECT_EQ(saved.Record.ZoomIndex, 4);
    EXPECT_EQ(saved.Keys, BuiltinKeyCommandTable());
    EXPECT_EQ(saved.Gestures, BuiltinGestureCommandTable());
    EXPECT_FALSE(LeftoverNewFile());
  }

  std::wstring sub_;
  std::wstring folder_;
};

TEST_F(SettingsAbuse, MissingOrEmptyFileStartsFromTheDefaultsAndSaves) {
  POINT corner = RunAndClose();
  EXPECT_EQ(corner.x, kStartLeft);
  EXPECT_EQ(corner.y, kStartTop);
  ExpectSavedFromDefaults();

  ASSERT_TRUE(WriteFileBytes(SettingsPath(), {}));
  corner = RunAndClose();
  EXPECT_EQ(corner.x, kStartLeft);
  EXPECT_EQ(corner.y, kStartTop);
  ExpectSavedFromDefaults();
}

TEST_F(SettingsAbuse, RandomBytesBehindAValidHeaderNeverCrashTheProgram) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 3; ++round) {
    std::vector<uint8_t> bytes(339);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random() & 0xFF);
    bytes[0] = 'Q', bytes[1] = 'F', bytes[2] = 'O', bytes[3] = 'X', bytes[4] = 1, bytes[5] = 0;
    ASSERT_TRUE(WriteFileBytes(SettingsPath(), bytes));
    SCOPED_TRACE("round " + std::to_string(round));
    RunAndClose();
    // Whatever was taken from the noise, what the program writes back decodes again.
    const std::vector<uint8_t> file = ReadFileBytes(SettingsPath());
    ASSERT_EQ(file.size(), 339u);
    TSettingsBlocks saved;
    EXPECT_TRUE(DecodeSettingsImage(file, saved));
    EXPECT_LE(saved.Record.ZoomIndex, 9);
    EXPECT_FALSE(LeftoverNewFile());
  }
}

TEST_F(SettingsAbuse, AFolderInThePlaceOfTheFileIsLeftAlone) {
  ASSERT_TRUE(CreateDirectoryW(SettingsPath().c_str(), nullptr));
  const POINT corner = RunAndClose();
  EXPECT_EQ(corner.x, kStartLeft);
  EXPECT_EQ(corner.y, kStartTop);
  const DWORD attributes = GetFileAttributesW(SettingsPath().c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << "the folder is still a folder";
  EXPECT_FALSE(LeftoverNewFile()) << "the image that could not take the name is removed";
}

// Windows refuses to replace a read-only file, so the original stays as it was. Wine replaces
// it (the rename goes through and the attribute goes with the old file): then the file must at
// least be the complete image of what the run held, never a damaged one.
TEST_F(SettingsAbuse, AReadOnlyFileIsReadAndNeverLeftDamaged) {
  const std::vector<uint8_t> original = ValidImage();
  ASSERT_TRUE(WriteFileBytes(SettingsPath(), original));
  ASSERT_TRUE(SetFileAttributesW(SettingsPath().c_str(), FILE_ATTRIBUTE_READONLY));
  const POINT corner = RunAndClose();
  EXPECT_EQ(corner.x, kStoredPlace.Left) << "the stored values were taken";
  EXPECT_EQ(corner.y, kStoredPlace.Top);
  EXPECT_FALSE(LeftoverNewFile());
  const std::vector<uint8_t> file = ReadFileBytes(SettingsPath());
  const DWORD attributes = GetFileAttributesW(SettingsPath().c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  const bool kept = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  RecordProperty("read_only_file_replaced", kept ? "no" : "yes");
  if (kept) {
    EXPECT_EQ(file, original);
  } else {
    ASSERT_EQ(file.size(), 339u);
    TSettingsBlocks saved;
    ASSERT_TRUE(DecodeSettingsImage(file, saved));
    EXPECT_EQ(saved.Record.FormRect, kStoredPlace);
    EXPECT_EQ(saved.Record.ZoomIndex, 7);
  }
}

// The read-only attribute of a folder does not stop files being made in it (Windows reads it
// as a hint for the shell; Wine, with this test's rights, writes there as well), so the
// program reads and saves as usual.
TEST_F(SettingsAbuse, AReadOnlyFolderStillTakesTheSave) {
  ASSERT_TRUE(WriteFileBytes(SettingsPath(), ValidImage()));
  ASSERT_TRUE(SetFileAttributesW(folder_.c_str(), FILE_ATTRIBUTE_READONLY));
  const POINT corner = RunAndClose();
  EXPECT_EQ(corner.x, kStoredPlace.Left);
  EXPECT_EQ(corner.y, kStoredPlace.Top);
  // Saved back as a complete image of what the run held: the stored place and zoom.
  const std::vector<uint8_t> file = ReadFileBytes(SettingsPath());
  ASSERT_EQ(file.size(), 339u);
  TSettingsBlocks saved;
  ASSERT_TRUE(DecodeSettingsImage(file, saved));
  EXPECT_EQ(saved.Record.FormRect.Left, kStoredPlace.Left);
  EXPECT_EQ(saved.Record.ZoomIndex, 7);
  EXPECT_FALSE(LeftoverNewFile());
}

TEST_F(SettingsAbuse, AFileLockedByAnotherProcessIsNeitherReadNorReplaced) {
  const std::vector<uint8_t> original = ValidImage();
  ASSERT_TRUE(WriteFileBytes(SettingsPath(), original));
  HANDLE lock = CreateFileW(SettingsPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  const POINT corner = RunAndClose();
  CloseHandle(lock);
  EXPECT_EQ(corner.x, kStartLeft) << "the locked file could not be read: the defaults";
  EXPECT_EQ(corner.y, kStartTop);
  EXPECT_EQ(ReadFileBytes(SettingsPath()), original);
  EXPECT_FALSE(LeftoverNewFile());
}

// Values at the far ends of the coordinate range once made the first capture or the window's
// placement overflow while the window was being created: an error box, and since the file was
// never rewritten, the same at every later start.
TEST_F(SettingsAbuse, ValuesAtTheEndsOfTheCoordinateRangeStartAndAreSavedInRange) {
  struct Case {
    const char* what;
    Rect formRect;
    uint16_t captureMode;
    Point fixedPos;
    bool placeKept;  // else the window starts at its start-up place
  };
  const Case cases[] = {
      {"fixed point at both ends of the range", kStoredPlace, kCaptureModeFixed,
       Point{INT32_MAX, INT32_MIN}, true},
      {"height near INT32_MAX", Rect{100, 100, 400, 2147483000}, kCaptureModeFollow, Point{},
       false},
      {"corner near INT32_MAX", Rect{2147483000, 2147483000, 2147483300, 2147483250},
       kCaptureModeFollow, Point{}, false},
  };
  const Rect desktop{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                     GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                     GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TSettingsBlocks blocks = ValidBlocks();
    blocks.Record.FormRect = c.formRect;
    blocks.Record.CaptureMode = c.captureMode;
    blocks.Record.FixedPos = c.fixedPos;
    ASSERT_TRUE(WriteFileBytes(SettingsPath(), EncodeSettingsImage(blocks)));

    const POINT corner = RunAndClose();
    EXPECT_EQ(corner.x, c.placeKept ? kStoredPlace.Left : kStartLeft);
    EXPECT_EQ(corner.y, c.placeKept ? kStoredPlace.Top : kStartTop);

    const std::vector<uint8_t> file = ReadFileBytes(SettingsPath());
    ASSERT_EQ(file.size(), 339u);
    TSettingsBlocks saved;
    ASSERT_TRUE(DecodeSettingsImage(file, saved));
    const TSettingsRecord& r = saved.Record;
    EXPECT_EQ(r.ZoomIndex, 7) << "the rest of the file was applied";
    EXPECT_EQ(r.CaptureMode, c.captureMode);
    EXPECT_TRUE(IsWindowCoordinate(r.FormRect.Left) && IsWindowCoordinate(r.FormRect.Top) &&
                IsWindowCoordinate(r.FormRect.Right) && IsWindowCoordinate(r.FormRect.Bottom))
        << r.FormRect.Left << "," << r.FormRect.Top << "," << r.FormRect.Right << ","
        << r.FormRect.Bottom;
    EXPECT_EQ(r.FormRect.Left, corner.x);
    EXPECT_EQ(r.FormRect.Top, corner.y);
    EXPECT_GE(r.FixedPos.X, desktop.Left);
    EXPECT_LT(r.FixedPos.X, desktop.Right);
    EXPECT_GE(r.FixedPos.Y, desktop.Top);
    EXPECT_LT(r.FixedPos.Y, desktop.Bottom);
    if (c.captureMode == kCaptureModeFixed)
      EXPECT_EQ(r.FixedPos, (Point{desktop.Right - 1, desktop.Top})) << "the nearest corner";
    EXPECT_FALSE(LeftoverNewFile());
  }
}

}  // namespace
