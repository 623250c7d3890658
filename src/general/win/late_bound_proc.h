// An entry point of a system library that is loaded from the system folder when it is first
// needed: for calls that not every system offers in the same place, and for libraries that
// must not be loaded before the library search is hardened.
#pragma once
#include <windows.h>

#include <string>

#include "base/win/calling_convention.h"
#include "base/win/unique_handle.h"

class LateBoundProc {
 public:
  LateBoundProc(std::wstring library, std::string proc)
      : library_(std::move(library)), proc_(std::move(proc)) {}
  LateBoundProc(const LateBoundProc&) = delete;
  LateBoundProc& operator=(const LateBoundProc&) = delete;

  // The entry point, or nullptr when the library or the entry point cannot be had. A failed
  // load is tried again on the next call; once loaded, the library stays loaded.
  FARPROC Get();
  // How often loading the library was tried.
  int LoadAttempts() const { return attempts_; }

 private:
  std::wstring library_;
  std::string proc_;
  UniqueLibrary module_;
  FARPROC address_ = nullptr;
  int attempts_ = 0;
};
