// The UI Automation client interfaces that the element probe calls, declared from their
// documented definitions (UIAutomationClient.idl) because MinGW's headers lack them. Each
// interface is declared from its first method, in the documented order, up to the last one
// called here: the methods after it change no offset before it, and nothing here implements
// or derives from these interfaces. Every method is STDMETHODCALLTYPE, checked below.
#pragma once
#include <windows.h>
// After windows.h, whose types they use.
#include <oaidl.h>
#include <unknwn.h>

#include "base/win/calling_convention.h"

namespace uia {

// {ff48dba4-60ef-4201-aa87-54103eef594e}
constexpr CLSID kCLSID_CUIAutomation = {
    0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
// {30cbe57d-d9d0-452a-ab13-7ac5ac4825ee}
constexpr IID kIID_IUIAutomation = {
    0x30cbe57d, 0xd9d0, 0x452a, {0xab, 0x13, 0x7a, 0xc5, 0xac, 0x48, 0x25, 0xee}};

using PROPERTYID = int;
using PATTERNID = int;
using CONTROLTYPEID = int;
using UIA_HWND = void*;
enum TreeScope : int {};
enum OrientationType : int {};

// Only passed through, never called here.
struct IUIAutomationCondition;
struct IUIAutomationCacheRequest;
struct IUIAutomationElementArray;

struct IUIAutomationElement : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetFocus() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** runtimeId) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindFirst(TreeScope scope, IUIAutomationCondition* condition,
                                              IUIAutomationElement** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindAll(TreeScope scope, IUIAutomationCondition* condition,
                                            IUIAutomationElementArray** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindFirstBuildCache(TreeScope scope,
                                                        IUIAutomationCondition* condition,
                                                        IUIAutomationCacheRequest* cacheRequest,
                                                        IUIAutomationElement** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindAllBuildCache(TreeScope scope,
                                                      IUIAutomationCondition* condition,
                                                      IUIAutomationCacheRequest* cacheRequest,
                                                      IUIAutomationElementArray** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE BuildUpdatedCache(IUIAutomationCacheRequest* cacheRequest,
                                                      IUIAutomationElement** updated) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValue(PROPERTYID propertyId,
                                                            VARIANT* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValueEx(PROPERTYID propertyId,
                                                              BOOL ignoreDefaultValue,
                                                              VARIANT* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedPropertyValue(PROPERTYID propertyId,
                                                           VARIANT* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedPropertyValueEx(PROPERTYID propertyId,
                                                             BOOL ignoreDefaultValue,
                                                             VARIANT* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPatternAs(PATTERNID patternId, REFIID riid,
                                                        void** patternObject) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedPatternAs(PATTERNID patternId, REFIID riid,
                                                       void** patternObject) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPattern(PATTERNID patternId,
                                                      IUnknown** patternObject) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedPattern(PATTERNID patternId,
                                                     IUnknown** patternObject) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedParent(IUIAutomationElement** parent) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedChildren(IUIAutomationElementArray** children) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentProcessId(int* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentControlType(CONTROLTYPEID* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentLocalizedControlType(BSTR* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentName(BSTR* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentAcceleratorKey(BSTR* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentAccessKey(BSTR* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentHasKeyboardFocus(BOOL* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentIsKeyboardFocusable(BOOL* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentIsEnabled(BOOL* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentAutomationId(BSTR* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentClassName(BSTR* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentHelpText(BSTR* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentCulture(int* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentIsControlElement(BOOL* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentIsContentElement(BOOL* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentIsPassword(BOOL* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentNativeWindowHandle(UIA_HWND* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentItemType(BSTR* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentIsOffscreen(BOOL* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentOrientation(OrientationType* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentFrameworkId(BSTR* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentIsRequiredForForm(BOOL* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentItemStatus(BSTR* retVal) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentBoundingRectangle(RECT* retVal) = 0;
};

struct IUIAutomationTreeWalker : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetParentElement(IUIAutomationElement* element,
                                                     IUIAutomationElement** parent) = 0;
};

struct IUIAutomation : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CompareElements(IUIAutomationElement* el1,
                                                    IUIAutomationElement* el2, BOOL* areSame) = 0;
  virtual HRESULT STDMETHODCALLTYPE CompareRuntimeIds(SAFEARRAY* runtimeId1, SAFEARRAY* runtimeId2,
                                                      BOOL* areSame) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetRootElement(IUIAutomationElement** root) = 0;
  virtual HRESULT STDMETHODCALLTYPE ElementFromHandle(UIA_HWND hwnd,
                                                      IUIAutomationElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE ElementFromPoint(POINT pt, IUIAutomationElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFocusedElement(IUIAutomationElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetRootElementBuildCache(
      IUIAutomationCacheRequest* cacheRequest, IUIAutomationElement** root) = 0;
  virtual HRESULT STDMETHODCALLTYPE ElementFromHandleBuildCache(
      UIA_HWND hwnd, IUIAutomationCacheRequest* cacheRequest, IUIAutomationElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE ElementFromPointBuildCache(
      POINT pt, IUIAutomationCacheRequest* cacheRequest, IUIAutomationElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFocusedElementBuildCache(
      IUIAutomationCacheRequest* cacheRequest, IUIAutomationElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateTreeWalker(IUIAutomationCondition* condition,
                                                     IUIAutomationTreeWalker** walker) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ControlViewWalker(IUIAutomationTreeWalker** walker) = 0;
};

#define LOUPIST_STD_METHOD(I, M) \
  static_assert(IsStdMethod<decltype(&I::M)>::value, #I "::" #M " is not STDMETHODCALLTYPE")
LOUPIST_STD_METHOD(IUIAutomationElement, SetFocus);
LOUPIST_STD_METHOD(IUIAutomationElement, GetRuntimeId);
LOUPIST_STD_METHOD(IUIAutomationElement, FindFirst);
LOUPIST_STD_METHOD(IUIAutomationElement, FindAll);
LOUPIST_STD_METHOD(IUIAutomationElement, FindFirstBuildCache);
LOUPIST_STD_METHOD(IUIAutomationElement, FindAllBuildCache);
LOUPIST_STD_METHOD(IUIAutomationElement, BuildUpdatedCache);
LOUPIST_STD_METHOD(IUIAutomationElement, GetCurrentPropertyValue);
LOUPIST_STD_METHOD(IUIAutomationElement, GetCurrentPropertyValueEx);
LOUPIST_STD_METHOD(IUIAutomationElement, GetCachedPropertyValue);
LOUPIST_STD_METHOD(IUIAutomationElement, GetCachedPropertyValueEx);
LOUPIST_STD_METHOD(IUIAutomationElement, GetCurrentPatternAs);
LOUPIST_STD_METHOD(IUIAutomationElement, GetCachedPatternAs);
LOUPIST_STD_METHOD(IUIAutomationElement, GetCurrentPattern);
LOUPIST_STD_METHOD(IUIAutomationElement, GetCachedPattern);
LOUPIST_STD_METHOD(IUIAutomationElement, GetCachedParent);
LOUPIST_STD_METHOD(IUIAutomationElement, GetCachedChildren);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentProcessId);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentControlType);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentLocalizedControlType);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentName);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentAcceleratorKey);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentAccessKey);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentHasKeyboardFocus);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentIsKeyboardFocusable);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentIsEnabled);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentAutomationId);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentClassName);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentHelpText);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentCulture);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentIsControlElement);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentIsContentElement);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentIsPassword);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentNativeWindowHandle);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentItemType);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentIsOffscreen);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentOrientation);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentFrameworkId);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentIsRequiredForForm);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentItemStatus);
LOUPIST_STD_METHOD(IUIAutomationElement, get_CurrentBoundingRectangle);
LOUPIST_STD_METHOD(IUIAutomationTreeWalker, GetParentElement);
LOUPIST_STD_METHOD(IUIAutomation, CompareElements);
LOUPIST_STD_METHOD(IUIAutomation, CompareRuntimeIds);
LOUPIST_STD_METHOD(IUIAutomation, GetRootElement);
LOUPIST_STD_METHOD(IUIAutomation, ElementFromHandle);
LOUPIST_STD_METHOD(IUIAutomation, ElementFromPoint);
LOUPIST_STD_METHOD(IUIAutomation, GetFocusedElement);
LOUPIST_STD_METHOD(IUIAutomation, GetRootElementBuildCache);
LOUPIST_STD_METHOD(IUIAutomation, ElementFromHandleBuildCache);
LOUPIST_STD_METHOD(IUIAutomation, ElementFromPointBuildCache);
LOUPIST_STD_METHOD(IUIAutomation, GetFocusedElementBuildCache);
LOUPIST_STD_METHOD(IUIAutomation, CreateTreeWalker);
LOUPIST_STD_METHOD(IUIAutomation, get_ControlViewWalker);
#undef LOUPIST_STD_METHOD

}  // namespace uia
