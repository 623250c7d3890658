#include "main/element/element_facts.h"

bool FallbackSource::Query(const Point& point, ElementFacts& facts) {
  for (ElementSource* source : {first_.get(), second_.get()}) {
    if (!source) continue;
    // A source that failed halfway may have filled some facts.
    facts = ElementFacts{};
    if (source->Query(point, facts)) return true;
  }
  facts = ElementFacts{};
  return false;
}
