#include "general/paths.h"

#include <gtest/gtest.h>

#include "general/format.h"

namespace {

struct SplitCase {
  const wchar_t* path;
  const wchar_t* want;
};

TEST(ExtractDirectoryPart, KeepsTheLastSeparatorAndCompletesADrive) {
  const SplitCase cases[] = {
      {L"C:\\dir\\file.ext", L"C:\\dir\\"},
      {L"C:file", L"C:\\"},
      {L"C:", L"C:\\"},
      {L"file", L""},
      {L"", L""},
      {L"C:\\dir\\", L"C:\\dir\\"},
      {L"dir/sub/f", L"dir/sub/"},
      {L"a\\b/c", L"a\\b/"},
      {L"\\\\server\\share\\f.txt", L"\\\\server\\share\\"},
      {L"C:\\ツール\\ルーペ.exe", L"C:\\ツール\\"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractDirectoryPart(c.path), c.want) << WideToUtf8(c.path);
  }
}

TEST(ExtractFileNamePart, TakesWhatFollowsTheLastSeparator) {
  const SplitCase cases[] = {
      {L"C:\\dir/file.ext", L"file.ext"},
      {L"file.ext", L"file.ext"},
      {L"", L""},
      {L"C:file", L"file"},
      {L"C:\\dir\\", L""},
      {L"C:\\ツール\\ルーペ.exe", L"ルーペ.exe"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFileNamePart(c.path), c.want) << WideToUtf8(c.path);
  }
}

TEST(ChangeExtension, ReplacesOnlyTheFileNamesExtension) {
  struct Case {
    const wchar_t* path;
    const wchar_t* ext;
    const wchar_t* want;
  };
  const Case cases[] = {
      {L"C:\\dir.x\\file", L".bin", L"C:\\dir.x\\file.bin"},
      {L"C:/dir.x/file", L".bin", L"C:/dir.x/file.bin"},
      {L"C:\\dir\\file.exe", L"bin", L"C:\\dir\\file.bin"},
      {L".profile", L".bin", L".bin"},
      {L"C:\\dir\\file.exe", L"", L"C:\\dir\\file"},
      {L"C:\\dir\\file.tar.gz", L".bin", L"C:\\dir\\file.tar.bin"},
      {L"C:\\dir\\.profile", L".bin", L"C:\\dir\\.bin"},
      {L"file.", L".bin", L"file.bin"},
      {L"file", L"", L"file"},
      {L"C:file", L"txt", L"C:file.txt"},
      {L"C:\\Tools\\loupist.exe", L".ini", L"C:\\Tools\\loupist.ini"},
      {L"", L".bin", L""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChangeExtension(c.path, c.ext), c.want)
        << WideToUtf8(c.path) << " + " << WideToUtf8(c.ext);
  }
}

}  // namespace
