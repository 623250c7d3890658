// Another program's view of the clipboard, for the in-process tests:
//   clipboard_probe dump <base>   writes <base>.formats (one line per format found: unicode,
//                                 text, dib, bitmap) and the raw bytes of CF_UNICODETEXT,
//                                 CF_TEXT and CF_DIB to <base>.unicode, <base>.text, <base>.dib
//   clipboard_probe hold <base> <ms>  opens the clipboard, creates <base>.ready, keeps the
//                                 clipboard open for ms milliseconds
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

bool OpenWithRetry() {
  for (int i = 0; i < 100; ++i) {
    if (OpenClipboard(nullptr)) return true;
    Sleep(20);
  }
  return false;
}

void WriteBytes(const std::wstring& path, const void* data, size_t size) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(f, data, static_cast<DWORD>(size), &written, nullptr);
  CloseHandle(f);
}

// The bytes of a global memory block up to its end, or to the first zero of the given width.
void DumpGlobal(UINT format, const std::wstring& path, size_t zeroWidth, std::string& formats,
                const char* name) {
  HANDLE data = GetClipboardData(format);
  if (!data) return;
  const void* p = GlobalLock(data);
  if (!p) return;
  size_t size = GlobalSize(data);
  if (zeroWidth == 1) size = strnlen(static_cast<const char*>(p), size);
  if (zeroWidth == 2) size = wcsnlen(static_cast<const wchar_t*>(p), size / 2) * 2;
  WriteBytes(path, p, size);
  GlobalUnlock(data);
  formats += name;
  formats += "\n";
}

int Dump(const std::wstring& base) {
  if (!OpenWithRetry()) return 2;
  std::string formats;
  DumpGlobal(CF_UNICODETEXT, base + L".unicode", 2, formats, "unicode");
  DumpGlobal(CF_TEXT, base + L".text", 1, formats, "text");
  DumpGlobal(CF_DIB, base + L".dib", 0, formats, "dib");
  HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  BITMAP info{};
  if (bitmap && GetObjectW(bitmap, sizeof(info), &info)) {
    char line[64];
    std::snprintf(line, sizeof(line), "bitmap %ldx%ld\n", info.bmWidth, info.bmHeight);
    formats += line;
  }
  CloseClipboard();
  WriteBytes(base + L".formats", formats.data(), formats.size());
  return 0;
}

int Hold(const std::wstring& base, int ms) {
  if (!OpenWithRetry()) return 2;
  WriteBytes(base + L".ready", "", 0);
  Sleep(ms);
  CloseClipboard();
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 3 && std::wstring(argv[1]) == L"dump") return Dump(argv[2]);
  if (argc >= 4 && std::wstring(argv[1]) == L"hold") return Hold(argv[2], _wtoi(argv[3]));
  return 1;
}
