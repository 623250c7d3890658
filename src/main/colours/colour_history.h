// The colour history: the last colours the user took, newest first, each once, and the text of
// the small file that keeps them between runs (one "#rrggbb" a line, CR LF, UTF-8).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr std::size_t kHistoryCapacity = 16;
// The most of a history file that is read. A file this long was not written by the program;
// the good lines of its head are kept.
constexpr std::size_t kHistoryFileReadLimit = 4096;

// "#rrggbb" of a colour (0xRRGGBB), as the history shows and keeps it.
std::wstring HashColourText(uint32_t rgb);

class TColourHistory {
 public:
  // The colour (0xRRGGBB; a top byte is ignored) goes first: added, or moved to the front of
  // where it was; a full history lets its oldest go. True when anything changed.
  bool Take(uint32_t rgb);
  // True when there was anything to clear.
  bool Clear();
  const std::vector<uint32_t>& Colours() const { return colours_; }

  // The file's text, newest first: "#rrggbb" and CR LF for each colour.
  std::string FileText() const;
  // The history that a file's bytes hold: its good lines in their order (a "#" and six
  // hexadecimal digits, blanks around them allowed, LF or CR LF after them), each colour once, at
  // most kHistoryCapacity; everything else is passed over. `whole` is false for the head of a
  // longer file, whose last line may have been cut.
  static TColourHistory FromFileText(std::string_view bytes, bool whole);

 private:
  std::vector<uint32_t> colours_;
};
