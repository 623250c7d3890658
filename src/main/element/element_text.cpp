#include "main/element/element_text.h"

#include <cstdint>

#include "general/format.h"
#include "general/visible_text.h"

namespace {
constexpr wchar_t kEllipsis = L'\u2026';

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

// type "name", or "name" alone where the system names no type.
std::wstring TypeAndName(const std::wstring& type, const std::wstring& name) {
  return type.empty() ? Quoted(name) : type + L" " + Quoted(name);
}

std::wstring Chain(const ElementFacts& facts) {
  std::wstring chain = TypeAndName(facts.ControlType, facts.Name);
  for (const ElementName& ancestor : facts.Ancestors)
    chain += L" < " + TypeAndName(ancestor.ControlType, ancestor.Name);
  return chain;
}

// The same rectangle, narrowed where its width or height would not fit in 32 bits: the lines
// subtract with checked arithmetic, and a foreign program may say anything.
Rect FittingBounds(Rect r) {
  const auto fit = [](int32_t from, int32_t to) {
    const int64_t span = static_cast<int64_t>(to) - from;
    const int64_t fitting = span > INT32_MAX ? INT32_MAX : span < INT32_MIN ? INT32_MIN : span;
    return static_cast<int32_t>(from + fitting);
  };
  r.Right = fit(r.Left, r.Right);
  r.Bottom = fit(r.Top, r.Bottom);
  return r;
}

std::wstring BoundsText(const wchar_t* format, const Rect& r) {
  return Format(format, {r.Left, r.Top, RectWidth(r), RectHeight(r)});
}
}  // namespace

std::wstring CutForeignText(std::wstring_view text) {
  if (text.size() <= kForeignTextLimit) return std::wstring(text);
  size_t keep = kForeignTextLimit - 1;
  if (IsHighSurrogate(text[keep - 1])) --keep;
  std::wstring cut(text.substr(0, keep));
  cut += kEllipsis;
  return cut;
}

ElementFacts CutFacts(ElementFacts facts) {
  facts.ControlType = CutForeignText(facts.ControlType);
  facts.Name = CutForeignText(facts.Name);
  facts.AutomationId = CutForeignText(facts.AutomationId);
  facts.Framework = CutForeignText(facts.Framework);
  facts.Bounds = FittingBounds(facts.Bounds);
  if (facts.Ancestors.size() > kMaxElementAncestors) facts.Ancestors.resize(kMaxElementAncestors);
  for (ElementName& ancestor : facts.Ancestors) {
    ancestor.ControlType = CutForeignText(ancestor.ControlType);
    ancestor.Name = CutForeignText(ancestor.Name);
  }
  return facts;
}

std::wstring ElementLineText(ElementLine line, const ElementFacts& facts) {
  if (!facts.Found) return L"";
  switch (line) {
    case ElementLine::kElement:
      return ShowControlCharacters(TypeAndName(facts.ControlType, facts.Name));
    case ElementLine::kAutomationId:
      return ShowControlCharacters(facts.AutomationId);
    case ElementLine::kBounds:
      return BoundsText(L"L=%d T=%d W=%d H=%d", facts.Bounds);
    case ElementLine::kFramework:
      return ShowControlCharacters(facts.Framework);
    case ElementLine::kChain:
      return ShowControlCharacters(Chain(facts));
  }
  return L"";
}

std::wstring ElementCopyText(ElementLine line, const ElementFacts& facts, bool shiftDown) {
  if (!facts.Found) return L"";
  switch (line) {
    case ElementLine::kElement:
      return shiftDown ? TypeAndName(facts.ControlType, facts.Name) : facts.Name;
    case ElementLine::kAutomationId:
      return shiftDown ? Quoted(facts.AutomationId) : facts.AutomationId;
    case ElementLine::kBounds:
      return BoundsText(shiftDown ? L"(%d, %d, %d, %d)" : L"%d, %d, %d, %d", facts.Bounds);
    case ElementLine::kFramework:
      return shiftDown ? Quoted(facts.Framework) : facts.Framework;
    case ElementLine::kChain:
      return ElementLineText(line, facts);
  }
  return L"";
}
