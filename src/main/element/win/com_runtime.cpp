#include "main/element/win/com_runtime.h"

#include <type_traits>

#include "base/win/calling_convention.h"

namespace {
using CoInitializeExFn = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoUninitializeFn = void(WINAPI*)();
using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
using SysFreeStringFn = void(WINAPI*)(BSTR);
using SysStringLenFn = UINT(WINAPI*)(BSTR);
using VariantClearFn = HRESULT(WINAPI*)(VARIANTARG*);

// The convention, and the signature as the system's headers declare it.
#define LOUPIST_CHECK_PROC(Fn, api)                                          \
  static_assert(IsWinapiPointer<Fn>::value, #Fn " is not a WINAPI pointer"); \
  static_assert(std::is_same_v<Fn, decltype(&api)>, #Fn " differs from " #api)
LOUPIST_CHECK_PROC(CoInitializeExFn, CoInitializeEx);
LOUPIST_CHECK_PROC(CoUninitializeFn, CoUninitialize);
LOUPIST_CHECK_PROC(CoCreateInstanceFn, CoCreateInstance);
LOUPIST_CHECK_PROC(SysFreeStringFn, SysFreeString);
LOUPIST_CHECK_PROC(SysStringLenFn, SysStringLen);
LOUPIST_CHECK_PROC(VariantClearFn, VariantClear);
#undef LOUPIST_CHECK_PROC
}  // namespace

ComRuntime::ComRuntime() {
  const auto initialize = ProcAs<CoInitializeExFn>(initialize_.Get());
  // S_FALSE: the thread was in the apartment already, and leaves it as often as it joined.
  initialised_ = initialize && SUCCEEDED(initialize(nullptr, COINIT_MULTITHREADED));
}

ComRuntime::~ComRuntime() {
  if (!initialised_) return;
  if (const auto uninitialize = ProcAs<CoUninitializeFn>(uninitialize_.Get())) uninitialize();
}

HRESULT ComRuntime::CreateInstance(const CLSID& clsid, const IID& iid, void** object) {
  *object = nullptr;
  const auto create = ProcAs<CoCreateInstanceFn>(createInstance_.Get());
  if (!initialised_ || !create) return E_FAIL;
  return create(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, object);
}

void ComRuntime::FreeString(BSTR text) {
  if (!text) return;
  if (const auto free = ProcAs<SysFreeStringFn>(freeString_.Get())) free(text);
}

std::wstring ComRuntime::Text(BSTR text) {
  if (!text) return L"";
  const auto length = ProcAs<SysStringLenFn>(stringLength_.Get());
  // A BSTR may hold NULs; its length is what counts.
  return length ? std::wstring(text, length(text)) : std::wstring(text);
}

void ComRuntime::ClearVariant(VARIANT* value) {
  if (value->vt == VT_EMPTY) return;
  if (const auto clear = ProcAs<VariantClearFn>(clearVariant_.Get())) clear(value);
  value->vt = VT_EMPTY;
}
