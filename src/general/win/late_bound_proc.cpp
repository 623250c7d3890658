#include "general/win/late_bound_proc.h"

FARPROC LateBoundProc::Get() {
  if (!module_) {
    ++attempts_;
    module_.reset(LoadLibraryW(library_.c_str()));
    if (!module_) return nullptr;
    address_ = GetProcAddress(module_.get(), proc_.c_str());
  }
  return address_;
}
