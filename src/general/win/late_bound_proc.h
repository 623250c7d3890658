// An entry point of a system library that is loaded from the system folder when it is first
// needed: for calls that not every system offers in the same place, and for libraries that
// must not be loaded before the library search is hardened.
#pragma once
#include <windows.h>

#include <string>

#include "base/win/calling_convention.h"
#include "base/win/unique_handle.h"

template <typename Library>
class BasicLateBoundProc {
 public:
  BasicLateBoundProc(std::wstring library, std::string proc)
      : library_(std::move(library)), proc_(std::move(proc)) {}
  BasicLateBoundProc(const BasicLateBoundProc&) = delete;
  BasicLateBoundProc& operator=(const BasicLateBoundProc&) = delete;

  // The entry point, or nullptr when the library or the entry point cannot be had. A failed
  // load is tried again on the next call; once loaded, the library stays loaded.
  FARPROC Get();
  // How often loading the library was tried.
  int LoadAttempts() const { return attempts_; }

 private:
  std::wstring library_;
  std::string proc_;
  Library module_;
  FARPROC address_ = nullptr;
  int attempts_ = 0;
};

// The library goes with the object.
using LateBoundProc = BasicLateBoundProc<UniqueLibrary>;
// For a static object, asked for the life of the process: its library is counted apart from
// the handles that owners give back, so that whichever test or window first asks for it is not
// taken to keep it.
using ResidentProc = BasicLateBoundProc<ResidentLibrary>;
