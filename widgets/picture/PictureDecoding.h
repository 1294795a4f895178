// Decoding of stored picture bytes, shared by the picture holder and the
// picture-drawing primitive.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "graphics/gdiplus/GpImage.h"

// The format of a decoded picture, by its raw-format identifier.
enum TGDIPFormat {
  gfUndetermined = 0,
  gfMemoryBMP = 1,
  gfBMP = 2,
  gfEMF = 3,
  gfWMF = 4,
  gfJPEG = 5,
  gfPNG = 6,
  gfGIF = 7,
  gfTIFF = 8,
  gfEXIF = 9,
  gfIcon = 10,
};

TGDIPFormat GdipFormat(const TGUID& RawFormat);

// Decodes Bytes from a block of memory of their own size. Raises
// EOutOfMemory "Could not allocate memory for image" when the block cannot
// be had (it is larger than PictureBlockLimit() or the allocation fails).
// Bytes that are no image give an image without size.
std::unique_ptr<GpImage> DecodePictureBytes(std::span<const uint8_t> Bytes);

// The largest decoding block; 256 MiB unless changed (tests lower it).
size_t PictureBlockLimit();
void SetPictureBlockLimit(size_t Bytes);
