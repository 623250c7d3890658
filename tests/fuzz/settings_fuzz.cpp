// Any file that the loader accepts must be written back byte for byte, apart from the header's
// spare bytes, which are always written as zero.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "my_settingfile/settings_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TSettingsBlocks blocks;
  if (!DecodeSettingsImage(data, size, blocks)) {
    if (size == kSettingsFileSize && data[0] == 'Q' && data[1] == 'F' && data[2] == 'O' &&
        data[3] == 'X' && data[4] == 1 && data[5] == 0)
      abort();  // a well-formed file was refused
    return 0;
  }
  const std::vector<uint8_t> again = EncodeSettingsImage(blocks);
  if (again.size() != size) abort();
  for (std::size_t i = 0; i < size; ++i) {
    const bool spare = i >= 6 && i < kSettingsHeaderSize;
    if (again[i] != (spare ? 0 : data[i])) abort();
  }
  return 0;
}
