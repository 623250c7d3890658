// Files named by UTF-16 paths: a handle-owning stream, a one-shot text writer and the
// error-mode guard that keeps the system's drive error boxes away while writing.
#pragma once
#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>

#include "base/win/unique_handle.h"

// A file that could not be created or opened; the message names the path, and so does Path()
// for a message of the user's language.
class FileCreateError : public std::runtime_error {
 public:
  explicit FileCreateError(const std::wstring& path);
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

// A read or write that moved fewer bytes than asked.
class FileIOError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Opens a file by the wide path on the NT family and by its system code page form otherwise.
// The handle is empty (not INVALID_HANDLE_VALUE) when the call fails.
UniqueKernelHandle OpenFileHandle(const std::wstring& path, DWORD access, DWORD share,
                                  DWORD disposition);

class TFileStreamW {
 public:
  // Open modes: create replaces any file of that name; the others open an existing one.
  static constexpr uint16_t fmCreate = 0xFFFF;
  static constexpr uint16_t fmOpenRead = 0x0000;
  static constexpr uint16_t fmOpenWrite = 0x0001;
  static constexpr uint16_t fmOpenReadWrite = 0x0002;

  // Throws FileCreateError when the file cannot be created (or, for the open modes, opened).
  TFileStreamW(const std::wstring& path, uint16_t mode);

  HANDLE Handle() const { return handle_.get(); }
  // Throws FileIOError unless all bytes were moved.
  void WriteBuffer(const void* data, uint32_t count);
  void ReadBuffer(void* data, uint32_t count);
  uint32_t Read(void* data, uint32_t count);   // bytes read; 0 at the end or on failure
  int64_t Seek(int64_t offset, DWORD origin);  // FILE_BEGIN, FILE_CURRENT or FILE_END
  uint64_t Size() const;

 private:
  UniqueKernelHandle handle_;
};

// Creates or empties the file and writes the text in the system code page: no byte-order
// mark, no terminating zero, no line end. A file that cannot be created is skipped silently.
void WriteTextFile(const std::wstring& path, const std::wstring& text);

// SetErrorMode for the guard's lifetime; the previous mode comes back on every path.
class ErrorModeGuard {
 public:
  explicit ErrorModeGuard(UINT mode) : previous_(SetErrorMode(mode)) {}
  ErrorModeGuard(const ErrorModeGuard&) = delete;
  ErrorModeGuard& operator=(const ErrorModeGuard&) = delete;
  ~ErrorModeGuard() { SetErrorMode(previous_); }

 private:
  UINT previous_;
};
