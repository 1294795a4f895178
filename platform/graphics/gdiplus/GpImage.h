// An image decoded from the bytes of an image file (PNG, BMP, JPEG, GIF,
// icons and the other formats the decoder knows), with the identifier of
// the format it was stored in.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

struct TGUID {
  uint32_t D1 = 0;
  uint16_t D2 = 0;
  uint16_t D3 = 0;
  uint8_t D4[8] = {};
  friend bool operator==(const TGUID&, const TGUID&) = default;
};

// Raw-format identifiers {B96B3Cxx-0728-11D3-9D7B-0000F81EF32E}; xx names
// the format (AA memory bitmap, AB BMP, AC EMF, AD WMF, AE JPEG, AF PNG,
// B0 GIF, B1 TIFF, B2 EXIF, B5 icon).
constexpr TGUID ImageFormat(uint8_t xx) {
  return TGUID{0xB96B3C00u | xx, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
}
constexpr TGUID ImageFormatUndefined{};

struct GpImageData;

class GpImage {
 public:
  // Decodes Bytes. Bytes that are no image give an image without size
  // (Width and Height 0) and the undefined format; nothing is read past
  // the bytes and no allocation is made beyond the decoder's limit.
  static std::unique_ptr<GpImage> FromBytes(std::span<const uint8_t> Bytes);
  ~GpImage();

  unsigned Width() const;
  unsigned Height() const;
  TGUID RawFormat() const;
  const GpImageData& Data() const { return *d_; }

 private:
  GpImage();
  std::unique_ptr<GpImageData> d_;
};
