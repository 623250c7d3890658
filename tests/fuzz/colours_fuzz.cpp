// Any bytes in the colour history's file: what is read is a sound history (at most sixteen
// colours of 24 bits, each once), which is written in the program's own form and reads back as
// itself; the head of a longer file, which the program reads alone, yields no colour that the
// whole would not, in the same order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "main/colours/colour_history.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void RequireSound(const TColourHistory& history) {
  const auto& colours = history.Colours();
  Require(colours.size() <= kHistoryCapacity);
  for (std::size_t i = 0; i < colours.size(); ++i) {
    Require(colours[i] <= 0xFFFFFFu);
    Require(std::find(colours.begin() + static_cast<std::ptrdiff_t>(i) + 1, colours.end(),
                      colours[i]) == colours.end());
  }
  const std::string text = history.FileText();
  const TColourHistory again = TColourHistory::FromFileText(text, true);
  Require(again.Colours() == colours && again.FileText() == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TColourHistory whole = TColourHistory::FromFileText(bytes, true);
  RequireSound(whole);
  const TColourHistory head = TColourHistory::FromFileText(bytes, false);
  RequireSound(head);
  Require(head.Colours().size() <= whole.Colours().size() &&
          std::equal(head.Colours().begin(), head.Colours().end(), whole.Colours().begin()));
  // Taking a colour into what was read keeps it sound, whatever the colour.
  TColourHistory taken = whole;
  uint32_t rgb = 0;
  for (std::size_t i = 0; i < size && i < 4; ++i) rgb = rgb << 8 | data[i];
  taken.Take(rgb);
  RequireSound(taken);
  Require(taken.Colours().front() == (rgb & 0xFFFFFFu));
  return 0;
}
