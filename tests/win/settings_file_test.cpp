// The settings file on disk: which files are read, what a save leaves, and that a save that
// fails half-way never damages the file that was there.
#include <gtest/gtest.h>

#include "general/win/file_stream.h"
#include "general/win/own_paths.h"
#include "my_settingfile/builtin_tables.h"
#include "my_settingfile/settings_image.h"
#include "my_settingfile/settings_unit.h"
#include "my_settingfile/win/settings_file.h"
#include "tests/win/files_support.h"

namespace {

class SettingsFile : public testing::Test {
 protected:
  void SetUp() override {
    InitSettingsUnit();
    SettingsFileHooksForTesting().Path = path_;
  }
  void TearDown() override {
    InitSettingsUnit();
    SettingsFileHooksForTesting() = SettingsFileHooks{};
    SettingsFileHooksForTesting().Path = std::wstring();  // as the rest of the suite expects
  }

  // A valid image that differs from the unit's start state in every block.
  static std::vector<uint8_t> SampleImage() {
    TSettingsBlocks blocks;
    blocks.Record.FormRect = Rect{10, 20, 300, 400};
    blocks.Record.ZoomIndex = 7;
    blocks.Record.Reserved = {1, 2, 3, 4};
    blocks.Keys = BuiltinKeyCommandTable();
    blocks.Keys[0].CommandCode = 12001;
    blocks.Gestures = {1, 2, 3, 4};
    return EncodeSettingsImage(blocks);
  }
  static std::vector<uint8_t> StartImage() { return CurrentSettingsImage(); }
  // The scratch file of this process's saves.
  std::wstring OwnScratch() const {
    return path_ + L"." + std::to_wstring(GetCurrentProcessId()) + L".new";
  }

  ScratchFolder folder_;
  const std::wstring path_ = folder_ / L"loupist.bin";
};

TEST_F(SettingsFile, ReadsOnlyAWellFormedFileOfExactly339Bytes) {
  const std::vector<uint8_t> start = StartImage();
  EXPECT_FALSE(LoadSettings()) << "no file";

  std::vector<uint8_t> image = SampleImage();
  std::vector<uint8_t> longer = image;
  longer.push_back(0);
  std::vector<uint8_t> shorter(image.begin(), image.end() - 1);
  std::vector<uint8_t> version2 = image;
  version2[4] = 2;
  std::vector<uint8_t> magic = image;
  magic[0] = 'q';
  for (const auto* bad : {&longer, &shorter, &version2, &magic}) {
    ASSERT_TRUE(WriteFileBytes(path_, *bad));
    EXPECT_FALSE(LoadSettings());
    EXPECT_EQ(CurrentSettingsImage(), start) << "nothing in memory changes";
  }
  RemovePath(path_);
  ASSERT_TRUE(CreateDirectoryW(path_.c_str(), nullptr));
  EXPECT_FALSE(LoadSettings()) << "a folder of that name counts as missing";
  RemovePath(path_);

  // Spare header bytes are not looked at.
  image[10] = 0x5A;
  ASSERT_TRUE(WriteFileBytes(path_, image));
  EXPECT_TRUE(LoadSettings());
  image[10] = 0;
  EXPECT_EQ(CurrentSettingsImage(), image);
}

TEST_F(SettingsFile, ReadsWhileAnotherProgramHasItOpen) {
  ASSERT_TRUE(WriteFileBytes(path_, SampleImage()));
  HANDLE other =
      CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(LoadSettings());
  CloseHandle(other);
  EXPECT_EQ(CurrentSettingsImage(), SampleImage());
}

TEST_F(SettingsFile, ShiftAndCtrlAtStartSkipTheFile) {
  ASSERT_TRUE(WriteFileBytes(path_, SampleImage()));
  {
    HeldKey shift(VK_SHIFT), ctrl(VK_CONTROL);
    EXPECT_FALSE(LoadSettings());
  }
  {
    HeldKey shift(VK_SHIFT);  // one of the two is not enough
    EXPECT_TRUE(LoadSettings());
  }
}

TEST_F(SettingsFile, SaveReplacesTheWholeFile) {
  ASSERT_TRUE(WriteFileBytes(path_, std::vector<uint8_t>(5000, 0xEE)));  // foreign and larger
  ASSERT_TRUE(TakeSettingsImage(SampleImage()));
  SaveSettings();
  EXPECT_EQ(ReadFileBytes(path_), SampleImage()) << "reserved bytes pass through";
  EXPECT_FALSE(FileExistsAny(OwnScratch())) << "no scratch file is left";

  RemovePath(path_);
  InitSettingsUnit();
  SaveSettings();
  EXPECT_EQ(ReadFileBytes(path_), StartImage());
}

TEST_F(SettingsFile, AFailedSaveLeavesThePreviousFile) {
  const std::vector<uint8_t> previous = SampleImage();
  ASSERT_TRUE(WriteFileBytes(path_, previous));

  // The disk fills up half-way through the image.
  SettingsFileHooksForTesting().WriteFile = [](HANDLE file, const void* data, DWORD size,
                                               DWORD* written) {
    WriteFile(file, data, size / 2, written, nullptr);
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
  };
  SaveSettings();
  EXPECT_EQ(ReadFileBytes(path_), previous);
  EXPECT_FALSE(FileExistsAny(OwnScratch()));

  // The write claims success but stops short.
  SettingsFileHooksForTesting().WriteFile = [](HANDLE file, const void* data, DWORD size,
                                               DWORD* written) {
    return WriteFile(file, data, size - 1, written, nullptr);
  };
  SaveSettings();
  EXPECT_EQ(ReadFileBytes(path_), previous);
  SettingsFileHooksForTesting().WriteFile = nullptr;

  // Another program holds the file without sharing: it cannot be replaced now.
  HANDLE locked = CreateFileW(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  SaveSettings();
  CloseHandle(locked);
  EXPECT_EQ(ReadFileBytes(path_), previous);
  EXPECT_FALSE(FileExistsAny(OwnScratch()));

  // A folder that does not exist: nothing is written, nothing is reported.
  SettingsFileHooksForTesting().Path = folder_ / L"gone\\loupist.bin";
  SaveSettings();
  EXPECT_FALSE(FileExistsAny(folder_ / L"gone\\loupist.bin"));
  // Once the trouble is gone, the next save goes through.
  SettingsFileHooksForTesting().Path = path_;
  SaveSettings();
  EXPECT_EQ(ReadFileBytes(path_), StartImage());
}

TEST_F(SettingsFile, CopiesSavingAtOnceKeepToTheirOwnScratchFiles) {
  // A process that runs (the desktop's) and one that cannot (no process id is odd).
  DWORD running = 0;
  GetWindowThreadProcessId(GetDesktopWindow(), &running);
  ASSERT_NE(running, 0u);
  const std::wstring theirs = path_ + L"." + std::to_wstring(running) + L".new";
  const std::wstring leftOver = path_ + L".4294967291.new";
  const std::wstring foreign = path_ + L".old.new";
  for (const std::wstring& file : {theirs, leftOver, foreign})
    ASSERT_TRUE(WriteFileBytes(file, std::vector<uint8_t>(339, 1)));
  // The running copy is writing its image right now.
  UniqueKernelHandle writing = OpenFileHandle(theirs, GENERIC_WRITE, 0, OPEN_EXISTING);
  ASSERT_TRUE(writing);
  bool ownName = false;
  SettingsFileHooksForTesting().WriteFile = [&](HANDLE file, const void* data, DWORD size,
                                                DWORD* written) {
    ownName = FileExistsAny(OwnScratch());
    return WriteFile(file, data, size, written, nullptr);
  };
  ASSERT_TRUE(TakeSettingsImage(SampleImage()));
  SaveSettings();
  writing.reset();
  EXPECT_TRUE(ownName) << "the image was not written under a name carrying the process id";
  EXPECT_EQ(ReadFileBytes(path_), SampleImage());
  EXPECT_TRUE(FileExistsAny(theirs)) << "a running copy's scratch file was taken away";
  EXPECT_FALSE(FileExistsAny(leftOver)) << "an ended copy's scratch file was left";
  EXPECT_TRUE(FileExistsAny(foreign)) << "a file that is not a scratch file was removed";
  EXPECT_FALSE(FileExistsAny(OwnScratch()));
}

TEST_F(SettingsFile, PathIsTheProgramsWithBin) {
  SettingsFileHooksForTesting().Path.reset();
  wchar_t module[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  std::wstring expected = module;
  expected.replace(expected.size() - 4, 4, L".bin");
  EXPECT_EQ(SettingsFilePath(), expected);
  EXPECT_EQ(expected.substr(0, ProgramFolder().size()), ProgramFolder());
}

}  // namespace
