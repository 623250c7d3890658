// A window that draws three buttons itself, with no child windows, as today's frameworks draw
// their controls, and answers WM_GETOBJECT with an accessible object of its own that names
// the buttons and tells their rectangles. Needs ole32, oleaut32 and oleacc, and COM on the
// thread that makes the window.
#pragma once
#include <windows.h>
// After windows.h, whose types they use.
#include <objbase.h>
#include <oleacc.h>

#include "tests/win/tools/probe_target_layout.h"

namespace probe_target {

// Defined here, so that the helper needs no import library for them.
constexpr IID kIAccessibleId = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr IID kIDispatchId = {0x00020400, 0, 0, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kIUnknownId = {0, 0, 0, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};

// The client area and its buttons, children 1 to 3.
class DrawnButtonsAccessible final : public IAccessible {
 public:
  explicit DrawnButtonsAccessible(HWND hwnd) : hwnd_(hwnd) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == kIUnknownId || iid == kIDispatchId || iid == kIAccessibleId) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // As the system's client objects do: the window's own object is the parent.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return AccessibleObjectFromWindow(hwnd_, static_cast<DWORD>(OBJID_WINDOW), kIDispatchId,
                                      reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    *count = 3;
    return S_OK;
  }
  // The buttons are simple children, with no objects of their own.
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
    *child = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    const int i = Child(child);
    if (i < 0) return E_INVALIDARG;
    *name = SysAllocString(i == 0 ? kDrawnButtonsText : kDrawnButtonText[i - 1]);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    const int i = Child(child);
    if (i < 0) return E_INVALIDARG;
    role->vt = VT_I4;
    role->lVal = i == 0 ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_PUSHBUTTON;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (Child(child) < 0) return E_INVALIDARG;
    state->vt = VT_I4;
    state->lVal = STATE_SYSTEM_FOCUSABLE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR*, VARIANT, LONG*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    focus->vt = VT_EMPTY;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    selection->vt = VT_EMPTY;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    const int i = Child(child);
    if (i < 0) return E_INVALIDARG;
    const Box b =
        i == 0 ? Box{0, 0, kDrawnButtons.Width, kDrawnButtons.Height} : kDrawnButton[i - 1];
    POINT origin{b.Left, b.Top};
    ClientToScreen(hwnd_, &origin);
    *left = origin.x;
    *top = origin.y;
    *width = b.Width;
    *height = b.Height;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* end) override {
    end->vt = VT_EMPTY;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
    POINT p{x, y};
    ScreenToClient(hwnd_, &p);
    RECT client;
    GetClientRect(hwnd_, &client);
    hit->vt = VT_EMPTY;
    if (!PtInRect(&client, p)) return S_FALSE;
    hit->vt = VT_I4;
    hit->lVal = CHILDID_SELF;
    for (int i = 0; i < 3; ++i) {
      const Box& b = kDrawnButton[i];
      if (p.x >= b.Left && p.x < b.Right() && p.y >= b.Top && p.y < b.Bottom()) hit->lVal = i + 1;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  // 0 for the client area itself, 1 to 3 for a button, -1 for anything else.
  static int Child(const VARIANT& child) {
    if (child.vt != VT_I4 || child.lVal < 0 || child.lVal > 3) return -1;
    return static_cast<int>(child.lVal);
  }
  ~DrawnButtonsAccessible() = default;

  HWND hwnd_;
  LONG refs_ = 1;
};

inline LRESULT CALLBACK DrawnButtonsProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* accessible =
      reinterpret_cast<DrawnButtonsAccessible*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_CREATE:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(new DrawnButtonsAccessible(hwnd)));
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      if (accessible) accessible->Release();
      return 0;
    case WM_GETOBJECT:
      if (static_cast<LONG>(lParam) == OBJID_CLIENT && accessible)
        return LresultFromObject(kIAccessibleId, wParam, accessible);
      break;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      SetBkMode(dc, TRANSPARENT);
      for (int i = 0; i < 3; ++i) {
        const Box& b = kDrawnButton[i];
        RECT r{b.Left, b.Top, b.Right(), b.Bottom()};
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
        DrawTextW(dc, kDrawnButtonText[i], -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace probe_target
