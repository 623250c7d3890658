#include "main/element/win/element_lines.h"

#include "main/element/win/system_element_source.h"

TElementLines::TElementLines() : probe_([] { return MakeSystemElementSource(); }) {}

ElementView TElementLines::Observe(const Point& point, bool anyLineOn) {
  probe_.Observe(point, anyLineOn);
  shown_ = anyLineOn ? probe_.View(point) : ElementView();
  return shown_;
}

bool TElementLines::Changed(const Point& point, bool anyLineOn) const {
  return anyLineOn && probe_.View(point) != shown_;
}
