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

STDMETHOD_CHECK(IUIAutomationElement, SetFocus);
STDMETHOD_CHECK(IUIAutomationElement, GetRuntimeId);
STDMETHOD_CHECK(IUIAutomationElement, FindFirst);
STDMETHOD_CHECK(IUIAutomationElement, FindAll);
STDMETHOD_CHECK(IUIAutomationElement, FindFirstBuildCache);
STDMETHOD_CHECK(IUIAutomationElement, FindAllBuildCache);
STDMETHOD_CHECK(IUIAutomationElement, BuildUpdatedCache);
STDMETHOD_CHECK(IUIAutomationElement, GetCurrentPropertyValue);
STDMETHOD_CHECK(IUIAutomationElement, GetCurrentPropertyValueEx);
STDMETHOD_CHECK(IUIAutomationElement, GetCachedPropertyValue);
STDMETHOD_CHECK(IUIAutomationElement, GetCachedPropertyValueEx);
STDMETHOD_CHECK(IUIAutomationElement, GetCurrentPatternAs);
STDMETHOD_CHECK(IUIAutomationElement, GetCachedPatternAs);
STDMETHOD_CHECK(IUIAutomationElement, GetCurrentPattern);
STDMETHOD_CHECK(IUIAutomationElement, GetCachedPattern);
STDMETHOD_CHECK(IUIAutomationElement, GetCachedParent);
STDMETHOD_CHECK(IUIAutomationElement, GetCachedChildren);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentProcessId);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentControlType);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentLocalizedControlType);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentName);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentAcceleratorKey);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentAccessKey);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentHasKeyboardFocus);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentIsKeyboardFocusable);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentIsEnabled);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentAutomationId);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentClassName);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentHelpText);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentCulture);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentIsControlElement);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentIsContentElement);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentIsPassword);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentNativeWindowHandle);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentItemType);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentIsOffscreen);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentOrientation);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentFrameworkId);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentIsRequiredForForm);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentItemStatus);
STDMETHOD_CHECK(IUIAutomationElement, get_CurrentBoundingRectangle);
STDMETHOD_CHECK(IUIAutomationTreeWalker, GetParentElement);
STDMETHOD_CHECK(IUIAutomation, CompareElements);
STDMETHOD_CHECK(IUIAutomation, CompareRuntimeIds);
STDMETHOD_CHECK(IUIAutomation, GetRootElement);
STDMETHOD_CHECK(IUIAutomation, ElementFromHandle);
STDMETHOD_CHECK(IUIAutomation, ElementFromPoint);
STDMETHOD_CHECK(IUIAutomation, GetFocusedElement);
STDMETHOD_CHECK(IUIAutomation, GetRootElementBuildCache);
STDMETHOD_CHECK(IUIAutomation, ElementFromHandleBuildCache);
STDMETHOD_CHECK(IUIAutomation, ElementFromPointBuildCache);
STDMETHOD_CHECK(IUIAutomation, GetFocusedElementBuildCache);
STDMETHOD_CHECK(IUIAutomation, CreateTreeWalker);
STDMETHOD_CHECK(IUIAutomation, get_ControlViewWalker);

}  // namespace uia
