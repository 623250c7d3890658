#include "my_settingfile/settings_image.h"

#include <algorithm>
#include <iterator>

namespace {

// Sequential little-endian reads; the caller has checked the size, so no read can run past the
// end of the image.
class ByteReader {
 public:
  explicit ByteReader(const uint8_t* data) : data_(data) {}

  uint8_t U8() { return data_[pos_++]; }
  uint16_t U16() {
    const uint16_t lo = U8();
    return static_cast<uint16_t>(lo | (U8() << 8));
  }
  uint32_t U32() {
    const uint32_t lo = U16();
    return lo | (static_cast<uint32_t>(U16()) << 16);
  }
  int32_t I32() { return static_cast<int32_t>(U32()); }
  Point ReadPoint() {
    Point p;
    p.X = I32();
    p.Y = I32();
    return p;
  }

 private:
  const uint8_t* data_;
  std::size_t pos_ = 0;
};

class ByteWriter {
 public:
  void U8(uint8_t v) { bytes_.push_back(v); }
  void U16(uint16_t v) {
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
  }
  void U32(uint32_t v) {
    U16(static_cast<uint16_t>(v));
    U16(static_cast<uint16_t>(v >> 16));
  }
  void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
  void WritePoint(const Point& p) {
    I32(p.X);
    I32(p.Y);
  }
  std::vector<uint8_t> Take() { return std::move(bytes_); }
  std::size_t size() const { return bytes_.size(); }

 private:
  std::vector<uint8_t> bytes_;
};

bool HeaderIsOurs(const uint8_t* data) {
  return std::equal(std::begin(kSettingsMagic), std::end(kSettingsMagic), data) &&
         data[4] == kSettingsVersion && data[5] == 0;
}

TSettingsRecord ReadRecord(ByteReader& in) {
  TSettingsRecord r;
  r.FormRect.Left = in.I32();
  r.FormRect.Top = in.I32();
  r.FormRect.Right = in.I32();
  r.FormRect.Bottom = in.I32();
  r.ZoomIndex = in.U8();
  r.GridFlags = in.U16();
  r.GridColorItem = in.U8();
  r.SubGridColorItem = in.U8();
  r.GridColor = in.U32();
  r.SubGridColor = in.U32();
  for (uint8_t& b : r.Reserved) b = in.U8();
  r.ColorInfoFlags = in.U16();
  r.PositionInfoFlags = in.U16();
  r.UserPos = in.ReadPoint();
  r.WindowInfoFlags = in.U32();
  r.OptionFlags = in.U16();
  r.CaptureMode = in.U16();
  r.FixedPos = in.ReadPoint();
  return r;
}

void WriteRecord(const TSettingsRecord& r, ByteWriter& out) {
  out.I32(r.FormRect.Left);
  out.I32(r.FormRect.Top);
  out.I32(r.FormRect.Right);
  out.I32(r.FormRect.Bottom);
  out.U8(r.ZoomIndex);
  out.U16(r.GridFlags);
  out.U8(r.GridColorItem);
  out.U8(r.SubGridColorItem);
  out.U32(r.GridColor);
  out.U32(r.SubGridColor);
  for (uint8_t b : r.Reserved) out.U8(b);
  out.U16(r.ColorInfoFlags);
  out.U16(r.PositionInfoFlags);
  out.WritePoint(r.UserPos);
  out.U32(r.WindowInfoFlags);
  out.U16(r.OptionFlags);
  out.U16(r.CaptureMode);
  out.WritePoint(r.FixedPos);
}

}  // namespace

bool DecodeSettingsImage(const uint8_t* data, std::size_t size, TSettingsBlocks& blocks) {
  if (data == nullptr || size != kSettingsFileSize || !HeaderIsOurs(data)) return false;
  // Decode into a local first so that the caller's blocks change all at once or not at all.
  TSettingsBlocks decoded;
  ByteReader in(data + kSettingsRecordOffset);
  decoded.Record = ReadRecord(in);
  for (TKeyCommandEntry& entry : decoded.Keys) {
    entry.VirtualKey = in.U16();
    entry.CommandCode = in.U16();
  }
  for (uint16_t& code : decoded.Gestures) code = in.U16();
  blocks = decoded;
  return true;
}

bool DecodeSettingsImage(const std::vector<uint8_t>& image, TSettingsBlocks& blocks) {
  return DecodeSettingsImage(image.data(), image.size(), blocks);
}

std::vector<uint8_t> EncodeSettingsImage(const TSettingsBlocks& blocks) {
  ByteWriter out;
  for (uint8_t b : kSettingsMagic) out.U8(b);
  out.U8(kSettingsVersion);
  out.U8(0);
  while (out.size() < kSettingsHeaderSize) out.U8(0);
  WriteRecord(blocks.Record, out);
  for (const TKeyCommandEntry& entry : blocks.Keys) {
    out.U16(entry.VirtualKey);
    out.U16(entry.CommandCode);
  }
  for (uint16_t code : blocks.Gestures) out.U16(code);
  return out.Take();
}
