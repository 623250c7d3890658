// Compiled by make test with the 32-bit compiler, once as it stands (it must build) and once
// with each fault switched on (each must be refused): proof that a late-bound pointer or a COM
// method without the system's calling convention cannot reach the 32-bit program.
#include "base/win/calling_convention.h"

struct IGuardTest : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Declared() = 0;
#ifdef FAULT_COM_METHOD
  virtual HRESULT Forgotten() = 0;
#endif
};
STDMETHOD_CHECK(IGuardTest, Declared);
#ifdef FAULT_COM_METHOD
STDMETHOD_CHECK(IGuardTest, Forgotten);
#endif

BOOL Call(HWND window) {
  using Declared = BOOL(WINAPI*)(HWND);
  const auto good = ProcAs<Declared>(GetProcAddress(GetModuleHandleW(L"user32"), "IsWindow"));
#ifdef FAULT_POINTER
  using Forgotten = BOOL (*)(HWND);
  const auto bad = ProcAs<Forgotten>(GetProcAddress(GetModuleHandleW(L"user32"), "IsWindow"));
  return bad(window);
#endif
  return good(window);
}
