#include "main/element/win/msaa_source.h"

#include <cstdint>
#include <type_traits>
#include <vector>

#include "base/win/calling_convention.h"

namespace {
using FromPointFn = HRESULT(WINAPI*)(POINT, IAccessible**, VARIANT*);
using RoleTextFn = UINT(WINAPI*)(DWORD, LPWSTR, UINT);
using WindowOfFn = HRESULT(WINAPI*)(IAccessible*, HWND*);
using FromWindowFn = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
static_assert(IsWinapiPointer<FromPointFn>::value && IsWinapiPointer<RoleTextFn>::value &&
                  IsWinapiPointer<WindowOfFn>::value && IsWinapiPointer<FromWindowFn>::value,
              "oleacc's entry points are WINAPI");
static_assert(std::is_same_v<FromPointFn, decltype(&AccessibleObjectFromPoint)> &&
                  std::is_same_v<RoleTextFn, decltype(&GetRoleTextW)> &&
                  std::is_same_v<WindowOfFn, decltype(&WindowFromAccessibleObject)> &&
                  std::is_same_v<FromWindowFn, decltype(&AccessibleObjectFromWindow)>,
              "oleacc's entry points as the system declares them");
static_assert(IsStdMethod<decltype(&IAccessible::accHitTest)>::value &&
                  IsStdMethod<decltype(&IAccessible::get_accName)>::value &&
                  IsStdMethod<decltype(&IAccessible::get_accRole)>::value &&
                  IsStdMethod<decltype(&IAccessible::accLocation)>::value &&
                  IsStdMethod<decltype(&IAccessible::get_accParent)>::value,
              "IAccessible's methods are STDMETHODCALLTYPE");

// {618736e0-3c3d-11cf-810c-00aa00389b71}, defined here so that nothing links oleacc.
constexpr IID kIID_IAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
// An object whose hit test or parent keeps answering with another object is not followed
// forever.
constexpr int kMaxDepth = 64;

VARIANT ChildVariant(LONG child) {
  VARIANT v;
  v.vt = VT_I4;
  v.lVal = child;
  return v;
}

// left + width, kept within 32 bits whatever a foreign object says.
int32_t FarEdge(LONG from, LONG extent) {
  const int64_t edge = static_cast<int64_t>(from) + extent;
  return static_cast<int32_t>(edge > INT32_MAX ? INT32_MAX : edge < INT32_MIN ? INT32_MIN : edge);
}
}  // namespace

std::unique_ptr<MsaaSource> MsaaSource::Create(ComRuntime& runtime) {
  auto source = std::make_unique<MsaaSource>(runtime);
  if (!runtime.Ready() || !source->fromPoint_.Get()) return nullptr;
  return source;
}

bool MsaaSource::Query(const Point& point, ElementFacts& facts) {
  const auto fromPoint = ProcAs<FromPointFn>(fromPoint_.Get());
  if (!fromPoint) return false;
  const POINT at{point.X, point.Y};
  ComRef<IAccessible> object;
  OwnedVariant found(runtime_);
  if (FAILED(fromPoint(at, object.Out(), found.Out())) || !object) return false;
  LONG child = found.Get().vt == VT_I4 ? found.Get().lVal : CHILDID_SELF;
  // Down to the deepest child, where the system did not go there itself.
  for (int depth = 0; child == CHILDID_SELF && depth < kMaxDepth; ++depth) {
    OwnedVariant hit(runtime_);
    if (FAILED(object->accHitTest(at.x, at.y, hit.Out()))) break;
    const VARIANT& v = hit.Get();
    if (v.vt == VT_I4) {
      child = v.lVal;
      break;
    }
    if (v.vt != VT_DISPATCH || !v.pdispVal) break;
    ComRef<IAccessible> deeper;
    v.pdispVal->QueryInterface(kIID_IAccessible, deeper.OutVoid());
    if (!deeper) break;
    object = std::move(deeper);
  }

  ElementName name = Describe(object.get(), child);
  LONG left = 0, top = 0, width = 0, height = 0;
  object->accLocation(&left, &top, &width, &height, ChildVariant(child));
  facts.Found = true;
  facts.ControlType = std::move(name.ControlType);
  facts.Name = std::move(name.Name);
  facts.Bounds = Rect{left, top, FarEdge(left, width), FarEdge(top, height)};
  facts.Framework = L"MSAA";
  ReadAncestors(std::move(object), child, facts);
  return true;
}

ElementName MsaaSource::Describe(IAccessible* object, LONG child) {
  ElementName name;
  OwnedBstr text(runtime_);
  if (SUCCEEDED(object->get_accName(ChildVariant(child), text.Out()))) name.Name = text.Text();
  OwnedVariant role(runtime_);
  if (FAILED(object->get_accRole(ChildVariant(child), role.Out()))) return name;
  const VARIANT& v = role.Get();
  if (v.vt == VT_BSTR) {
    // A role of the object's own, named by it.
    name.ControlType = runtime_.Text(v.bstrVal);
  } else if (v.vt == VT_I4) {
    const auto roleText = ProcAs<RoleTextFn>(roleText_.Get());
    const UINT length = roleText ? roleText(static_cast<DWORD>(v.lVal), nullptr, 0) : 0;
    if (length > 0) {
      std::vector<wchar_t> buffer(length + 1, L'\0');
      const UINT n = roleText(static_cast<DWORD>(v.lVal), buffer.data(), length + 1);
      name.ControlType.assign(buffer.data(), n < length ? n : length);
    }
  }
  return name;
}

void MsaaSource::ReadAncestors(ComRef<IAccessible> object, LONG child, ElementFacts& facts) {
  const auto windowOf = ProcAs<WindowOfFn>(windowOf_.Get());
  const HWND desktop = GetDesktopWindow();
  // A simple child's parent is the object that holds it.
  if (child != CHILDID_SELF) facts.Ancestors.push_back(Describe(object.get(), CHILDID_SELF));
  // Steps are counted apart from the chain, which skips some: a parent chain may be a loop.
  for (int step = 0; step < kMaxDepth && facts.Ancestors.size() < kMaxElementAncestors; ++step) {
    ComRef<IDispatch> parentDispatch;
    if (FAILED(object->get_accParent(parentDispatch.Out())) || !parentDispatch) break;
    ComRef<IAccessible> parent = parentDispatch.As<IAccessible>(kIID_IAccessible);
    if (!parent) break;
    // The chain ends at the top-level window's element: the desktop's are not part of it.
    HWND window = nullptr;
    if (windowOf && SUCCEEDED(windowOf(parent.get(), &window)) && window == desktop) return;
    AddAncestor(parent.get(), facts);
    object = std::move(parent);
  }
  // Under Wine the accessible parent of a child window's client object ends the chain there:
  // it goes on through the windows' own client objects, up to the top-level window's.
  HWND window = nullptr;
  if (!windowOf || FAILED(windowOf(object.get(), &window)) || !window) return;
  const auto fromWindow = ProcAs<FromWindowFn>(fromWindow_.Get());
  for (HWND parent = GetAncestor(window, GA_PARENT);
       fromWindow && parent && parent != desktop && facts.Ancestors.size() < kMaxElementAncestors;
       parent = GetAncestor(parent, GA_PARENT)) {
    ComRef<IAccessible> client;
    if (FAILED(fromWindow(parent, static_cast<DWORD>(OBJID_CLIENT), kIID_IAccessible,
                          client.OutVoid())) ||
        !client)
      return;
    AddAncestor(client.get(), facts);
  }
}

void MsaaSource::AddAncestor(IAccessible* object, ElementFacts& facts) {
  // An object that tells neither role nor name (Wine's stock window object) adds nothing.
  ElementName name = Describe(object, CHILDID_SELF);
  if (!name.ControlType.empty() || !name.Name.empty()) facts.Ancestors.push_back(std::move(name));
}
