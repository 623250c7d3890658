#include "tests/win/files_support.h"

#include <cstring>

#include "tests/win/scene.h"

namespace {

bool RunAndWait(const std::wstring& commandLine, DWORD ms) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info))
    return false;
  // The clipboard's owner is a window of this thread: its messages must flow while another
  // program reads what it put there.
  const DWORD start = GetTickCount();
  bool ended = false;
  while (!ended && GetTickCount() - start < ms) {
    const DWORD waited = MsgWaitForMultipleObjects(1, &info.hProcess, FALSE, 50, QS_ALLINPUT);
    ended = waited == WAIT_OBJECT_0;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  DWORD code = 1;
  GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return ended && code == 0;
}

std::wstring ProbeCommand(const std::wstring& arguments) {
  return L"\"" + ProgramFolder() + L"clipboard_probe.exe\" " + arguments;
}

}  // namespace

ScratchFolder::ScratchFolder() {
  static int counter = 0;
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  path_ = std::wstring(temp) + L"loupist_test_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
          std::to_wstring(++counter) + L"\\";
  RemovePath(path_.substr(0, path_.size() - 1));
  CreateDirectoryW(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemovePath(path_.substr(0, path_.size() - 1)); }

void RemovePath(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    DeleteFileW(path.c_str());
    return;
  }
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") RemovePath(path + L"\\" + name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path.c_str());
}

std::vector<uint8_t> Bytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

// Under Wine a key sent to a window of this thread counts as down once the thread has taken the
// message, and whenever one of Wine's windows gains the focus Wine takes the keyboard state over
// from the X server, which knows nothing of keys sent here. So focus changes are let settle
// before the key goes down, and messages are handled for a while, as the program does.
HeldKey::HeldKey(WORD virtualKey) : key_(virtualKey) {
  PumpFor(300);
  SendKey(key_, false);
  PumpFor(150);
}

HeldKey::~HeldKey() {
  SendKey(key_, true);
  PumpFor(150);
}

bool ClipboardView::Has(const std::string& format) const {
  return ("\n" + Formats).find("\n" + format) != std::string::npos;
}

ClipboardView ReadClipboardElsewhere() {
  ScratchFolder folder;
  const std::wstring base = folder / L"clip";
  ClipboardView view;
  view.Ran = RunAndWait(ProbeCommand(L"dump \"" + base + L"\""), 10000);
  const std::vector<uint8_t> formats = ReadFileBytes(base + L".formats");
  view.Formats.assign(formats.begin(), formats.end());
  const std::vector<uint8_t> unicode = ReadFileBytes(base + L".unicode");
  view.Unicode.resize(unicode.size() / 2);
  if (!unicode.empty()) std::memcpy(&view.Unicode[0], unicode.data(), view.Unicode.size() * 2);
  const std::vector<uint8_t> text = ReadFileBytes(base + L".text");
  view.Text.assign(text.begin(), text.end());
  view.Dib = ReadFileBytes(base + L".dib");
  return view;
}

ClipboardHeldElsewhere::ClipboardHeldElsewhere(int ms) {
  const std::wstring base = folder_ / L"hold";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  std::wstring command = ProbeCommand(L"hold \"" + base + L"\" " + std::to_wstring(ms));
  std::vector<wchar_t> line(command.begin(), command.end());
  line.push_back(L'\0');
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process_))
    return;
  for (int i = 0; i < 250 && !holding_; ++i) {
    holding_ = GetFileAttributesW((base + L".ready").c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!holding_) PumpFor(20);
  }
}

ClipboardHeldElsewhere::~ClipboardHeldElsewhere() {
  if (!process_.hProcess) return;
  WaitForSingleObject(process_.hProcess, 10000);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

void ClearClipboard() {
  for (int i = 0; i < 50; ++i) {
    if (OpenClipboard(nullptr)) {
      EmptyClipboard();
      CloseClipboard();
      return;
    }
    Sleep(20);
  }
}

int DibWidth(const std::vector<uint8_t>& dib) {
  if (dib.size() < sizeof(BITMAPINFOHEADER)) return 0;
  BITMAPINFOHEADER h;
  std::memcpy(&h, dib.data(), sizeof(h));
  return h.biWidth;
}

int DibHeight(const std::vector<uint8_t>& dib) {
  if (dib.size() < sizeof(BITMAPINFOHEADER)) return 0;
  BITMAPINFOHEADER h;
  std::memcpy(&h, dib.data(), sizeof(h));
  return h.biHeight < 0 ? -h.biHeight : h.biHeight;
}

COLORREF DibPixel(const std::vector<uint8_t>& dib, int x, int y) {
  if (dib.size() < sizeof(BITMAPINFOHEADER)) return 0xFFFFFFFF;
  BITMAPINFOHEADER h;
  std::memcpy(&h, dib.data(), sizeof(h));
  const int width = h.biWidth, height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  if (x < 0 || y < 0 || x >= width || y >= height) return 0xFFFFFFFF;
  const int bytesPerPixel = h.biBitCount / 8;
  if (bytesPerPixel < 3) return 0xFFFFFFFF;
  const size_t stride = (static_cast<size_t>(width) * bytesPerPixel + 3) & ~static_cast<size_t>(3);
  const int row = h.biHeight < 0 ? y : height - 1 - y;
  const size_t colors = (h.biCompression == BI_BITFIELDS) ? 12 : 0;
  const size_t offset = h.biSize + colors + stride * row + static_cast<size_t>(x) * bytesPerPixel;
  if (offset + 3 > dib.size()) return 0xFFFFFFFF;
  return RGB(dib[offset + 2], dib[offset + 1], dib[offset]);
}
