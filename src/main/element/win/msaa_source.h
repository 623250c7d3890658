// The element under a point through Active Accessibility (oleacc, loaded late from the system
// folder), which every system since Windows 98 and NT 4 with its update has, Wine too: the
// object at the point, then its hit test down to the deepest child. Role texts are the
// system's own, localised; there is no automation id, and the framework is "MSAA".
#pragma once
#include <windows.h>
// After windows.h, whose types it uses.
#include <oleacc.h>

#include <memory>

#include "base/win/com_ref.h"
#include "general/win/late_bound_proc.h"
#include "main/element/element_facts.h"
#include "main/element/win/com_runtime.h"

class MsaaSource : public ElementSource {
 public:
  // Null where oleacc or its entry point is missing. The runtime outlives the source.
  static std::unique_ptr<MsaaSource> Create(ComRuntime& runtime);
  // Use Create, which tells whether the library could be had.
  explicit MsaaSource(ComRuntime& runtime) : runtime_(runtime) {}
  bool Query(const Point& point, ElementFacts& facts) override;

 private:
  // The role text and name of the object's child (CHILDID_SELF: the object itself).
  ElementName Describe(IAccessible* object, LONG child);
  void ReadAncestors(ComRef<IAccessible> object, LONG child, ElementFacts& facts);
  void AddAncestor(IAccessible* object, ElementFacts& facts);

  ComRuntime& runtime_;
  LateBoundProc fromPoint_{L"oleacc.dll", "AccessibleObjectFromPoint"};
  LateBoundProc roleText_{L"oleacc.dll", "GetRoleTextW"};
  LateBoundProc windowOf_{L"oleacc.dll", "WindowFromAccessibleObject"};
  LateBoundProc fromWindow_{L"oleacc.dll", "AccessibleObjectFromWindow"};
};
