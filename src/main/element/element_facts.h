// What the system tells about the user-interface element at a screen point, and the small
// interface behind which each way of asking sits: a point in, the element's facts out.
#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "base/geometry.h"

// An element as the chain names it.
struct ElementName {
  std::wstring ControlType;  // as the system names it, localised
  std::wstring Name;
  friend bool operator==(const ElementName& a, const ElementName& b) {
    return a.ControlType == b.ControlType && a.Name == b.Name;
  }
};

struct ElementFacts {
  bool Found = false;  // false: nothing answered for the point, and every other field is empty
  std::wstring ControlType;
  std::wstring Name;
  std::wstring AutomationId;  // UI Automation's; empty where only Active Accessibility answers
  Rect Bounds;                // in screen pixels
  std::wstring Framework;     // "Win32", "WPF", "XAML", ...; "MSAA" from Active Accessibility
  // The parent first, up to the element of the top-level window; at most kMaxElementAncestors.
  std::vector<ElementName> Ancestors;
  friend bool operator==(const ElementFacts& a, const ElementFacts& b) {
    return a.Found == b.Found && a.ControlType == b.ControlType && a.Name == b.Name &&
           a.AutomationId == b.AutomationId && a.Bounds == b.Bounds && a.Framework == b.Framework &&
           a.Ancestors == b.Ancestors;
  }
};
constexpr size_t kMaxElementAncestors = 16;

// One way of asking. A source is made, used and destroyed on one thread, the probe's worker:
// the system's accessibility objects belong to the thread that made them.
class ElementSource {
 public:
  virtual ~ElementSource() = default;
  // The facts of the element at the point; false when this source could not tell, which lets
  // the next source try.
  virtual bool Query(const Point& point, ElementFacts& facts) = 0;
};

// The first source that answers: UI Automation where its client could be made, Active
// Accessibility where it could not or where one of its queries fails. Either may be missing.
class FallbackSource : public ElementSource {
 public:
  FallbackSource(std::unique_ptr<ElementSource> first, std::unique_ptr<ElementSource> second)
      : first_(std::move(first)), second_(std::move(second)) {}
  bool Query(const Point& point, ElementFacts& facts) override;

 private:
  std::unique_ptr<ElementSource> first_, second_;
};
