#include "main/element/win/uia_source.h"

UiaSource::UiaSource(ComRuntime& runtime) : runtime_(runtime) {
  if (FAILED(runtime.CreateInstance(uia::kCLSID_CUIAutomation, uia::kIID_IUIAutomation,
                                    automation_.OutVoid())) ||
      !automation_)
    return;
  // Without them the chain is shorter; the element itself is still told.
  automation_->get_ControlViewWalker(walker_.Out());
  automation_->GetRootElement(root_.Out());
}

std::unique_ptr<UiaSource> UiaSource::Create(ComRuntime& runtime) {
  auto source = std::make_unique<UiaSource>(runtime);
  if (!source->automation_) return nullptr;
  return source;
}

bool UiaSource::Describe(uia::IUIAutomationElement* element, ElementName& name) {
  OwnedBstr type(runtime_), text(runtime_);
  if (FAILED(element->get_CurrentLocalizedControlType(type.Out())) ||
      FAILED(element->get_CurrentName(text.Out())))
    return false;
  name = ElementName{type.Text(), text.Text()};
  return true;
}

bool UiaSource::Query(const Point& point, ElementFacts& facts) {
  ComRef<uia::IUIAutomationElement> element;
  if (FAILED(automation_->ElementFromPoint(POINT{point.X, point.Y}, element.Out())) || !element)
    return false;
  ElementName name;
  OwnedBstr id(runtime_), framework(runtime_);
  RECT r{};
  if (!Describe(element.get(), name) || FAILED(element->get_CurrentAutomationId(id.Out())) ||
      FAILED(element->get_CurrentFrameworkId(framework.Out())) ||
      FAILED(element->get_CurrentBoundingRectangle(&r)))
    return false;
  facts.Found = true;
  facts.ControlType = std::move(name.ControlType);
  facts.Name = std::move(name.Name);
  facts.AutomationId = id.Text();
  facts.Framework = framework.Text();
  facts.Bounds = Rect{r.left, r.top, r.right, r.bottom};
  ReadAncestors(element, facts);
  return true;
}

void UiaSource::ReadAncestors(const ComRef<uia::IUIAutomationElement>& element,
                              ElementFacts& facts) {
  if (!walker_) return;
  ComRef<uia::IUIAutomationElement> current;
  walker_->GetParentElement(element.get(), current.Out());
  while (current && facts.Ancestors.size() < kMaxElementAncestors) {
    BOOL isRoot = FALSE;
    if (root_ && SUCCEEDED(automation_->CompareElements(current.get(), root_.get(), &isRoot)) &&
        isRoot)
      return;
    ElementName name;
    if (!Describe(current.get(), name)) return;
    facts.Ancestors.push_back(std::move(name));
    ComRef<uia::IUIAutomationElement> parent;
    if (FAILED(walker_->GetParentElement(current.get(), parent.Out()))) return;
    current = std::move(parent);
  }
}
