#include "PictureDecoding.h"

#include <cstring>
#include <new>
#include <utility>

#include "core/Exceptions.h"

namespace {
size_t blockLimit = size_t{256} << 20;
}

TGDIPFormat GdipFormat(const TGUID& RawFormat) {
  static constexpr std::pair<uint8_t, TGDIPFormat> kIds[] = {
      {0xAA, gfMemoryBMP}, {0xAB, gfBMP},  {0xAC, gfEMF},  {0xAD, gfWMF},  {0xAE, gfJPEG},
      {0xAF, gfPNG},       {0xB0, gfGIF},  {0xB1, gfTIFF}, {0xB2, gfEXIF}, {0xB5, gfIcon},
  };
  for (auto [id, format] : kIds)
    if (RawFormat == ImageFormat(id)) return format;
  return gfUndetermined;
}

std::unique_ptr<GpImage> DecodePictureBytes(std::span<const uint8_t> Bytes) {
  std::unique_ptr<uint8_t[]> block;
  if (Bytes.size() <= blockLimit) block.reset(new (std::nothrow) uint8_t[Bytes.empty() ? 1 : Bytes.size()]);
  if (!block) throw EOutOfMemory("Could not allocate memory for image");
  if (!Bytes.empty()) std::memcpy(block.get(), Bytes.data(), Bytes.size());
  return GpImage::FromBytes({block.get(), Bytes.size()});
}

size_t PictureBlockLimit() { return blockLimit; }
void SetPictureBlockLimit(size_t Bytes) { blockLimit = Bytes; }
