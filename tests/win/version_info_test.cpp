// Version strings from the program's own resource and from crafted version resources.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "general/win/own_paths.h"
#include "general/win/version_info.h"
#include "tests/win/files_support.h"

namespace {

// One node of a version resource: length, value length, type, key, value, children, each
// piece aligned to four bytes.
struct VersionNode {
  std::wstring Key;
  WORD Type = 1;  // 1 text, 0 binary
  std::vector<uint8_t> Value;
  WORD ValueLength = 0;  // characters for text, bytes for binary
  std::vector<VersionNode> Children;
};

void Pad(std::vector<uint8_t>& out) {
  while (out.size() % 4) out.push_back(0);
}

void Put(std::vector<uint8_t>& out, const void* data, size_t size) {
  const uint8_t* p = static_cast<const uint8_t*>(data);
  out.insert(out.end(), p, p + size);
}

std::vector<uint8_t> Encode(const VersionNode& node) {
  std::vector<uint8_t> out(6, 0);
  Put(out, node.Key.c_str(), (node.Key.size() + 1) * 2);
  Pad(out);
  Put(out, node.Value.data(), node.Value.size());
  Pad(out);
  for (const VersionNode& child : node.Children) {
    const std::vector<uint8_t> bytes = Encode(child);
    Put(out, bytes.data(), bytes.size());
    Pad(out);
  }
  const WORD length = static_cast<WORD>(out.size()), type = node.Type;
  std::memcpy(&out[0], &length, 2);
  std::memcpy(&out[2], &node.ValueLength, 2);
  std::memcpy(&out[4], &type, 2);
  return out;
}

VersionNode Text(const std::wstring& key, const std::wstring& value) {
  VersionNode n{key, 1, {}, static_cast<WORD>(value.size() + 1), {}};
  Put(n.Value, value.c_str(), (value.size() + 1) * 2);
  return n;
}

// A version resource whose strings are filed under `table` and whose translation table
// starts with `translation` (language in the low word, code page in the high word).
std::vector<uint8_t> VersionResource(const std::wstring& table, DWORD translation,
                                     const std::vector<VersionNode>& strings) {
  VS_FIXEDFILEINFO fixed{};
  fixed.dwSignature = 0xFEEF04BD;
  fixed.dwStrucVersion = 0x00010000;
  VersionNode root{L"VS_VERSION_INFO", 0, {}, sizeof(fixed), {}};
  Put(root.Value, &fixed, sizeof(fixed));
  VersionNode stringInfo{L"StringFileInfo", 1, {}, 0, {VersionNode{table, 1, {}, 0, strings}}};
  VersionNode var{L"Translation", 0, {}, 4, {}};
  Put(var.Value, &translation, 4);
  VersionNode varInfo{L"VarFileInfo", 1, {}, 0, {var}};
  root.Children = {stringInfo, varInfo};
  return Encode(root);
}

// A copy of this program whose only resource is the given version resource.
std::wstring ProgramWithVersion(const ScratchFolder& folder, const std::wstring& name,
                                const std::vector<uint8_t>& resource) {
  const std::wstring path = folder / name;
  if (!CopyFileW(GetOwnExePath().c_str(), path.c_str(), FALSE)) return L"";
  HANDLE update = BeginUpdateResourceW(path.c_str(), TRUE);
  if (!update) return L"";
  UpdateResourceW(update, RT_VERSION, MAKEINTRESOURCEW(1),
                  MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), const_cast<uint8_t*>(resource.data()),
                  static_cast<DWORD>(resource.size()));
  return EndUpdateResourceW(update, FALSE) ? path : L"";
}

constexpr DWORD kJapaneseShiftJis = MAKELONG(0x0411, 0x03A4);

TEST(VersionInfo, OwnResource) {
  EXPECT_EQ(GetOwnProductName(), L"Loupist");
  // The string agrees with the numeric version the same resource holds.
  const std::wstring exe = GetOwnExePath();
  DWORD ignored = 0;
  std::vector<uint8_t> block(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
  const std::wstring numbers = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                               std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                               std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L"." +
                               std::to_wstring(LOWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(GetOwnFileVersion(), numbers);
}

TEST(VersionInfo, MissingResourcesGiveEmptyText) {
  ScratchFolder folder;
  ASSERT_TRUE(WriteFileBytes(folder / L"plain.exe", Bytes("not a program")));
  EXPECT_EQ(GetFileVersionText(folder / L"plain.exe"), L"");
  EXPECT_EQ(GetProductNameText(folder / L"plain.exe"), L"");
  EXPECT_EQ(GetFileVersionText(folder / L"missing.exe"), L"");
  EXPECT_EQ(GetProductNameText(L""), L"");
}

TEST(VersionInfo, CraftedResources) {
  ScratchFolder folder;
  // Letters and trailing blanks come back as they are.
  const std::wstring plain = ProgramWithVersion(
      folder, L"plain.exe",
      VersionResource(L"041103A4", kJapaneseShiftJis,
                      {Text(L"FileVersion", L"2.5.0.1 beta  "), Text(L"ProductName", L"ルーペ")}));
  ASSERT_FALSE(plain.empty()) << "resource update failed";
  EXPECT_EQ(GetFileVersionText(plain), L"2.5.0.1 beta  ");
  EXPECT_EQ(GetProductNameText(plain), L"ルーペ");

  // Strings filed under another language than the first translation entry are not found.
  const std::wstring other = ProgramWithVersion(
      folder, L"other.exe",
      VersionResource(L"040904B0", kJapaneseShiftJis,
                      {Text(L"FileVersion", L"1.0"), Text(L"ProductName", L"Other")}));
  ASSERT_FALSE(other.empty());
  EXPECT_EQ(GetFileVersionText(other), L"");
  EXPECT_EQ(GetProductNameText(other), L"");

  // A value that is not there, and one that is empty.
  const std::wstring partial = ProgramWithVersion(
      folder, L"partial.exe",
      VersionResource(L"041103A4", kJapaneseShiftJis, {Text(L"ProductName", L"")}));
  ASSERT_FALSE(partial.empty());
  EXPECT_EQ(GetFileVersionText(partial), L"");
  EXPECT_EQ(GetProductNameText(partial), L"");
}

}  // namespace
