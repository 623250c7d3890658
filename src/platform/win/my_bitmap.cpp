#include "platform/win/my_bitmap.h"

#include <cstring>
#include <stdexcept>

#include "general/win/file_stream.h"

std::vector<uint8_t> PackedDibOf(const Bitmap& bitmap) {
  const int width = bitmap.Width();
  const int height = bitmap.Height();
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;  // bottom-up, as every reader of BMP files expects
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
  const size_t imageSize = stride * static_cast<size_t>(height);
  header.biSizeImage = static_cast<DWORD>(imageSize);

  std::vector<uint8_t> packed(sizeof(header) + imageSize, 0);
  std::memcpy(packed.data(), &header, sizeof(header));
  if (width <= 0 || height <= 0) return packed;

  // The source stays selected in its own DC, so its pixels are copied through a second DIB
  // of the target format rather than read with GetDIBits.
  BITMAPINFO info{};
  info.bmiHeader = header;
  void* bits = nullptr;
  UniqueDC dc(CreateCompatibleDC(nullptr));
  if (!dc) throw std::runtime_error("CreateCompatibleDC failed");
  UniqueBitmap dib(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib || !bits) throw std::runtime_error("CreateDIBSection failed");
  {
    SelectedObject selected(dc.get(), dib.get());
    BitBlt(dc.get(), 0, 0, width, height, bitmap.DC(), 0, 0, SRCCOPY);
    GdiFlush();
  }
  std::memcpy(packed.data() + sizeof(header), bits, imageSize);
  return packed;
}

void SaveBitmapToFile(const Bitmap& bitmap, const std::wstring& path) {
  const std::vector<uint8_t> dib = PackedDibOf(bitmap);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfSize = static_cast<DWORD>(sizeof(file) + dib.size());
  file.bfOffBits = static_cast<DWORD>(sizeof(file) + sizeof(BITMAPINFOHEADER));
  TFileStreamW stream(path, TFileStreamW::fmCreate);
  stream.WriteBuffer(&file, sizeof(file));
  stream.WriteBuffer(dib.data(), static_cast<uint32_t>(dib.size()));
}
