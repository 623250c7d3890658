// The off-screen bitmap with saving to a UTF-16 path, and the device-independent form in
// which pictures leave the program (BMP files and the clipboard's CF_DIB).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/win/bitmap.h"

// The bitmap as a packed DIB: a BITMAPINFOHEADER followed by 24-bit bottom-up rows, each
// padded to four bytes. This is the CF_DIB format and the body of a BMP file.
std::vector<uint8_t> PackedDibOf(const Bitmap& bitmap);

// Writes a BMP file (file header, then the packed DIB), replacing any file of that name.
// Throws FileCreateError when the file cannot be created and FileIOError when a write fails.
void SaveBitmapToFile(const Bitmap& bitmap, const std::wstring& path);

class TMyBitmap : public Bitmap {
 public:
  void SaveToFile(const std::wstring& path) const { SaveBitmapToFile(*this, path); }
};
