// Helpers of the file, settings and copy tests: scratch folders, whole-file reads, keys held
// through the input queue and the clipboard as another program sees it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/common/win_test_support.h"

// A fresh folder under the system's temporary folder, removed with its files at the end.
class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();
  // The folder with its trailing backslash.
  const std::wstring& Path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + name; }

 private:
  std::wstring path_;
};

// Removes a file or a folder with everything in it; missing paths are fine.
void RemovePath(const std::wstring& path);
std::vector<uint8_t> Bytes(const std::string& text);

// A key held down through the input queue, as a user holds it; released at the end.
class HeldKey {
 public:
  explicit HeldKey(WORD virtualKey);
  HeldKey(const HeldKey&) = delete;
  HeldKey& operator=(const HeldKey&) = delete;
  ~HeldKey();

 private:
  WORD key_;
};

// What clipboard_probe.exe, a separate process, found on the clipboard.
struct ClipboardView {
  bool Ran = false;
  std::string Formats;       // one line per format: unicode, text, dib, "bitmap WxH"
  std::wstring Unicode;      // CF_UNICODETEXT up to its zero
  std::string Text;          // CF_TEXT bytes up to the zero
  std::vector<uint8_t> Dib;  // CF_DIB as stored
  bool Has(const std::string& format) const;
};
ClipboardView ReadClipboardElsewhere();

// Keeps the clipboard open in another process for ms milliseconds; returns once it is open.
class ClipboardHeldElsewhere {
 public:
  explicit ClipboardHeldElsewhere(int ms);
  ClipboardHeldElsewhere(const ClipboardHeldElsewhere&) = delete;
  ClipboardHeldElsewhere& operator=(const ClipboardHeldElsewhere&) = delete;
  ~ClipboardHeldElsewhere();
  bool Holding() const { return holding_; }

 private:
  ScratchFolder folder_;
  PROCESS_INFORMATION process_{};
  bool holding_ = false;
};

// Empties the clipboard from this process (owner: none).
void ClearClipboard();

// A pixel of a packed 24-bit bottom-up DIB as a COLORREF; 0xFFFFFFFF when out of range.
COLORREF DibPixel(const std::vector<uint8_t>& dib, int x, int y);
int DibWidth(const std::vector<uint8_t>& dib);
int DibHeight(const std::vector<uint8_t>& dib);
