#include "my_safedll/win/my_safedll.h"

#include <windows.h>

#include "base/win/calling_convention.h"
#include "base/win/unique_handle.h"
#include "general/win/system_library.h"

namespace {
constexpr DWORD kSafeSearchPermanent = 0x8001;  // SAFE_SEARCHMODE | PERMANENT
}  // namespace

void HardenLibrarySearchPath() {
  // kernel32 by its full path; when the system folder cannot be read, the copy already in
  // the process serves as well: neither setting needs the path, and both matter most then.
  const UniqueLibrary loaded = LoadSystemLibrary(L"kernel32.dll");
  const HMODULE kernel = loaded ? loaded.get() : GetModuleHandleW(L"kernel32.dll");
  if (!kernel) return;
  using SetSearchPathModeFn = BOOL(WINAPI*)(DWORD);
  using SetDllDirectoryWFn = BOOL(WINAPI*)(LPCWSTR);
  if (auto setMode = ProcAs<SetSearchPathModeFn>(GetProcAddress(kernel, "SetSearchPathMode")))
    setMode(kSafeSearchPermanent);
  if (auto setDllDirectory = ProcAs<SetDllDirectoryWFn>(GetProcAddress(kernel, "SetDllDirectoryW")))
    setDllDirectory(L"");
}
