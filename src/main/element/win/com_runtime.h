// COM for the element probe's worker thread: ole32 and oleaut32 loaded late from the system
// folder (the program imports neither; nothing else in it needs COM), the thread in the
// multithreaded apartment for the runtime's life, and owners of the strings and variants
// that calls hand back.
#pragma once
#include <windows.h>
// After windows.h, whose types they use.
#include <objbase.h>
#include <oleauto.h>

#include <string>

#include "general/win/late_bound_proc.h"

class ComRuntime {
 public:
  // Joins the multithreaded apartment on the calling thread.
  ComRuntime();
  ComRuntime(const ComRuntime&) = delete;
  ComRuntime& operator=(const ComRuntime&) = delete;
  // Leaves it, on the same thread; every COM object must be released before.
  ~ComRuntime();

  bool Ready() const { return initialised_; }
  // CoCreateInstance of an in-process server; an error where the runtime is not ready.
  HRESULT CreateInstance(const CLSID& clsid, const IID& iid, void** object);
  void FreeString(BSTR text);
  std::wstring Text(BSTR text);
  void ClearVariant(VARIANT* value);

 private:
  LateBoundProc initialize_{L"ole32.dll", "CoInitializeEx"};
  LateBoundProc uninitialize_{L"ole32.dll", "CoUninitialize"};
  LateBoundProc createInstance_{L"ole32.dll", "CoCreateInstance"};
  LateBoundProc freeString_{L"oleaut32.dll", "SysFreeString"};
  LateBoundProc stringLength_{L"oleaut32.dll", "SysStringLen"};
  LateBoundProc clearVariant_{L"oleaut32.dll", "VariantClear"};
  bool initialised_ = false;
};

// A BSTR that a call fills.
class OwnedBstr {
 public:
  explicit OwnedBstr(ComRuntime& runtime) : runtime_(runtime) {}
  OwnedBstr(const OwnedBstr&) = delete;
  OwnedBstr& operator=(const OwnedBstr&) = delete;
  ~OwnedBstr() { runtime_.FreeString(text_); }
  // For the call's out parameter; what was held is freed first.
  BSTR* Out() {
    runtime_.FreeString(text_);
    text_ = nullptr;
    return &text_;
  }
  std::wstring Text() const { return runtime_.Text(text_); }

 private:
  ComRuntime& runtime_;
  BSTR text_ = nullptr;
};

// A VARIANT that a call fills; cleared (releasing an object or freeing a string) at the end.
class OwnedVariant {
 public:
  explicit OwnedVariant(ComRuntime& runtime) : runtime_(runtime) { value_.vt = VT_EMPTY; }
  OwnedVariant(const OwnedVariant&) = delete;
  OwnedVariant& operator=(const OwnedVariant&) = delete;
  ~OwnedVariant() { runtime_.ClearVariant(&value_); }
  VARIANT* Out() {
    runtime_.ClearVariant(&value_);
    return &value_;
  }
  const VARIANT& Get() const { return value_; }

 private:
  ComRuntime& runtime_;
  VARIANT value_;
};
