// The element under a point through UI Automation's COM client (Windows 7 and later). Chosen
// only when the client object can be created: where it cannot (older systems, Wine), creating
// it fails cleanly. The flat functions of uiautomationcore.dll are never called: a system may
// export them unimplemented, and one such stub ends the whole process.
#pragma once
#include <memory>

#include "base/win/com_ref.h"
#include "main/element/element_facts.h"
#include "main/element/win/com_runtime.h"
#include "main/element/win/uia_interfaces.h"

class UiaSource : public ElementSource {
 public:
  // Null where the client object cannot be created. The runtime outlives the source.
  static std::unique_ptr<UiaSource> Create(ComRuntime& runtime);
  // Use Create, which tells whether the client could be made.
  explicit UiaSource(ComRuntime& runtime);
  bool Query(const Point& point, ElementFacts& facts) override;

 private:
  // An element's localised control type and name; false when either cannot be read.
  bool Describe(uia::IUIAutomationElement* element, ElementName& name);
  void ReadAncestors(const ComRef<uia::IUIAutomationElement>& element, ElementFacts& facts);

  ComRuntime& runtime_;
  ComRef<uia::IUIAutomation> automation_;
  ComRef<uia::IUIAutomationTreeWalker> walker_;  // the control view's
  ComRef<uia::IUIAutomationElement> root_;       // the desktop, where the chain ends
};
