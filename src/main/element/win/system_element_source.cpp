#include "main/element/win/system_element_source.h"

#include "general/win/late_bound_proc.h"
#include "main/element/win/com_runtime.h"
#include "main/element/win/msaa_source.h"
#include "main/element/win/uia_source.h"

namespace {
class SystemElementSource : public ElementSource {
 public:
  SystemElementSource() : sources_(UiaSource::Create(runtime_), MsaaSource::Create(runtime_)) {}
  bool Query(const Point& point, ElementFacts& facts) override {
    return sources_.Query(point, facts);
  }

 private:
  // Declared first: the sources' COM objects are released before the thread leaves COM.
  ComRuntime runtime_;
  FallbackSource sources_;
};
}  // namespace

std::unique_ptr<ElementSource> MakeSystemElementSource() {
  return std::make_unique<SystemElementSource>();
}

bool SystemHasElementSource() {
  LateBoundProc fromPoint(L"oleacc.dll", "AccessibleObjectFromPoint");
  return fromPoint.Get() != nullptr;
}
