#include "general/win/clipboard.h"

#include <cstring>

#include "base/win/unique_handle.h"
#include "general/win/codepage.h"
#include "general/win/platform_info.h"

namespace {

// GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE: what the clipboard expects of its memory.
constexpr UINT kClipboardMemory = 0x2042;

// Hands a copy of the bytes to the open clipboard; the clipboard owns the memory once the
// call succeeds, otherwise it is freed here.
void HandOver(UINT format, const void* data, size_t size) {
  UniqueGlobal memory(GlobalAlloc(kClipboardMemory, size));
  if (!memory) return;
  void* target = GlobalLock(memory.get());
  if (!target) return;
  std::memcpy(target, data, size);
  GlobalUnlock(memory.get());
  if (SetClipboardData(format, memory.get())) memory.release();
}

}  // namespace

void SetClipboardText(const std::wstring& text, HWND owner) {
  if (text.empty()) return;
  const std::string ansi = WideToAnsi(text);
  ClipboardSession clipboard(owner);
  if (!clipboard.IsOpen()) return;
  EmptyClipboard();
  if (IsNTPlatform()) HandOver(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  HandOver(CF_TEXT, ansi.c_str(), ansi.size() + 1);
}

bool SetClipboardDib(const std::vector<uint8_t>& packedDib, HWND owner) {
  ClipboardSession clipboard(owner);
  if (!clipboard.IsOpen()) return false;
  EmptyClipboard();
  HandOver(CF_DIB, packedDib.data(), packedDib.size());
  return true;
}
