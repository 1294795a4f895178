// Turns drawn images into the exact file formats the program carries.
#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Uncompressed Windows bitmap, bottom-up, rows padded to 4 bytes. Bits is 1, 8
// or 24; for 1 and 8 the palette holds the image's colours in ascending order
// and the rest of the 2^Bits entries are zero. Throws std::runtime_error when
// the image has more colours than the palette can hold.
Bytes EncodeBmp(const QImage& Image, int Bits);

// PNG with an alpha channel unless the image format has none.
Bytes EncodePng(const QImage& Image);

// Baseline JPEG, three components, no chroma subsampling.
Bytes EncodeJpeg(const QImage& Image, int Quality);
