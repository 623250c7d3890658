#include "general/win/late_bound_proc.h"

#include "general/win/system_library.h"

template <typename Library>
FARPROC BasicLateBoundProc<Library>::Get() {
  if (!module_) {
    ++attempts_;
    module_ = Library(LoadSystemLibrary(library_).release());
    if (!module_) return nullptr;
    address_ = GetProcAddress(module_.get(), proc_.c_str());
  }
  return address_;
}

template class BasicLateBoundProc<UniqueLibrary>;
template class BasicLateBoundProc<ResidentLibrary>;
