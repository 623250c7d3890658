#include "general/win/file_stream.h"

#include "general/format.h"
#include "general/win/codepage.h"
#include "general/win/own_paths.h"
#include "general/win/platform_info.h"

FileCreateError::FileCreateError(const std::wstring& path)
    : std::runtime_error(WideToUtf8(L"Cannot create the file " + path)), path_(path) {}

UniqueKernelHandle OpenFileHandle(const std::wstring& path, DWORD access, DWORD share,
                                  DWORD disposition) {
  HANDLE h;
  if (IsNTPlatform()) {
    h = CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                    nullptr);
  } else {
    h = CreateFileA(WideToAnsi(path).c_str(), access, share, nullptr, disposition,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  return UniqueKernelHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

TFileStreamW::TFileStreamW(const std::wstring& path, uint16_t mode) {
  DWORD access = GENERIC_READ;
  DWORD share = FILE_SHARE_READ;
  DWORD disposition = OPEN_EXISTING;
  if (mode == fmCreate) {
    access = GENERIC_READ | GENERIC_WRITE;
    share = 0;
    disposition = CREATE_ALWAYS;
  } else if ((mode & 3) == fmOpenWrite) {
    access = GENERIC_WRITE;
    share = 0;
  } else if ((mode & 3) == fmOpenReadWrite) {
    access = GENERIC_READ | GENERIC_WRITE;
    share = 0;
  }
  handle_ = OpenFileHandle(path, access, share, disposition);
  if (!handle_) throw FileCreateError(path);
}

void TFileStreamW::WriteBuffer(const void* data, uint32_t count) {
  DWORD written = 0;
  if (count == 0) return;
  if (!WriteFile(handle_.get(), data, count, &written, nullptr) || written != count)
    throw FileIOError("Stream write error");
}

uint32_t TFileStreamW::Read(void* data, uint32_t count) {
  DWORD read = 0;
  if (count == 0 || !ReadFile(handle_.get(), data, count, &read, nullptr)) return 0;
  return read;
}

void TFileStreamW::ReadBuffer(void* data, uint32_t count) {
  if (Read(data, count) != count) throw FileIOError("Stream read error");
}

int64_t TFileStreamW::Seek(int64_t offset, DWORD origin) {
  LONG high = static_cast<LONG>(offset >> 32);
  const DWORD low =
      SetFilePointer(handle_.get(), static_cast<LONG>(offset & 0xFFFFFFFF), &high, origin);
  if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return -1;
  return (static_cast<int64_t>(high) << 32) | low;
}

uint64_t TFileStreamW::Size() const { return GetFileSize64(handle_.get()); }

void WriteTextFile(const std::wstring& path, const std::wstring& text) {
  UniqueKernelHandle file = OpenFileHandle(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
  if (!file) return;
  const std::string bytes = WideToAnsi(text);
  DWORD written = 0;
  if (!bytes.empty())
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}
