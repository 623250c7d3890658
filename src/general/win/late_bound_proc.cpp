#include "general/win/late_bound_proc.h"

#include "general/win/system_library.h"

FARPROC LateBoundProc::Get() {
  if (!module_) {
    ++attempts_;
    module_ = LoadSystemLibrary(library_);
    if (!module_) return nullptr;
    address_ = GetProcAddress(module_.get(), proc_.c_str());
  }
  return address_;
}
