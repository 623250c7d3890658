#include "main/colours/colour_history.h"

#include <algorithm>
#include <optional>

namespace {

constexpr char kDigits[] = "0123456789abcdef";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::optional<uint32_t> ColourOfLine(std::string_view line) {
  while (!line.empty() && Blank(line.front())) line.remove_prefix(1);
  while (!line.empty() && Blank(line.back())) line.remove_suffix(1);
  if (line.size() != 7 || line[0] != '#') return std::nullopt;
  uint32_t rgb = 0;
  for (std::size_t i = 1; i < line.size(); ++i) {
    const int digit = HexValue(line[i]);
    if (digit < 0) return std::nullopt;
    rgb = rgb << 4 | static_cast<uint32_t>(digit);
  }
  return rgb;
}

std::string HashColour(uint32_t rgb) {
  std::string text = "#";
  for (int shift = 20; shift >= 0; shift -= 4) text += kDigits[(rgb >> shift) & 0xF];
  return text;
}

}  // namespace

std::wstring HashColourText(uint32_t rgb) {
  const std::string text = HashColour(rgb);
  return std::wstring(text.begin(), text.end());
}

bool TColourHistory::Take(uint32_t rgb) {
  rgb &= 0xFFFFFFu;
  if (!colours_.empty() && colours_.front() == rgb) return false;
  const auto found = std::find(colours_.begin(), colours_.end(), rgb);
  if (found != colours_.end())
    colours_.erase(found);
  else if (colours_.size() == kHistoryCapacity)
    colours_.pop_back();
  colours_.insert(colours_.begin(), rgb);
  return true;
}

bool TColourHistory::Clear() {
  const bool any = !colours_.empty();
  colours_.clear();
  return any;
}

std::string TColourHistory::FileText() const {
  std::string text;
  for (uint32_t rgb : colours_) text += HashColour(rgb) + "\r\n";
  return text;
}

TColourHistory TColourHistory::FromFileText(std::string_view bytes, bool whole) {
  // Notepad and its like may put a byte-order mark in front.
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  TColourHistory history;
  while (!bytes.empty() && history.colours_.size() < kHistoryCapacity) {
    const std::size_t end = bytes.find('\n');
    // Only a line that ends before the cut is known to be the whole line.
    if (end == std::string_view::npos && !whole) break;
    const std::optional<uint32_t> rgb = ColourOfLine(bytes.substr(0, end));
    if (rgb &&
        std::find(history.colours_.begin(), history.colours_.end(), *rgb) == history.colours_.end())
      history.colours_.push_back(*rgb);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return history;
}
