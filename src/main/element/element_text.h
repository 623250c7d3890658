// The element lines' texts. Names, ids and types come from other programs: they are kept as
// they came but cut to a bounded length, and shown with their control characters as marks, so
// that no name can add a line or a column to the panel or the report.
#pragma once
#include <string>
#include <string_view>

#include "main/element/element_facts.h"

// The longest foreign text kept, in UTF-16 units, "…" included.
constexpr size_t kForeignTextLimit = 260;

// The text cut to kForeignTextLimit units, the last of them "…" when it was longer; a
// surrogate pair is never split.
std::wstring CutForeignText(std::wstring_view text);
// Every text of the facts cut, the chain to kMaxElementAncestors ancestors, and the bounds to
// a width and height that 32 bits hold.
ElementFacts CutFacts(ElementFacts facts);

enum class ElementLine { kElement, kAutomationId, kBounds, kFramework, kChain };

// A line's value as the panel and the report show it, after its label:
//   kElement       type "name"
//   kAutomationId  id
//   kBounds        L=%d T=%d W=%d H=%d
//   kFramework     framework
//   kChain         type "name" < type "name" < ... (the element, then its ancestors)
// Empty when no element was found.
std::wstring ElementLineText(ElementLine line, const ElementFacts& facts);
// A line's copy: the plain value (the name; the id; "%d, %d, %d, %d"; the framework), with
// Shift the quoted or parenthesised form (type "name"; "id"; (%d, %d, %d, %d); "framework").
// Texts as they came, cut but not marked; the chain as the report shows it.
std::wstring ElementCopyText(ElementLine line, const ElementFacts& facts, bool shiftDown);
