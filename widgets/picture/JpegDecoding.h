// The libjpeg calls of the JPEG picture: reading a file's header, and
// decoding it at full scale in the best-quality mode. Corrupt or hostile
// bytes give false and a message, never a jump through the caller.
#pragma once

#include <cstdint>
#include <span>
#include <string>

struct TJpegHeader {
  int Width = 0;
  int Height = 0;
  bool Grey = false;
  bool Progressive = false;
};

// Larger images are refused: at most this many pixels per side and in all.
constexpr int kMaxJpegSide = 32768;
constexpr int64_t kMaxJpegPixels = int64_t{1} << 26;

bool ReadJpegHeader(std::span<const uint8_t> Bytes, TJpegHeader& Header, std::string& Error);

// Decodes into Rows (Header.Height rows of Header.Width 0xAARRGGBB pixels,
// alpha 255), Header being what ReadJpegHeader gave for the same bytes.
bool DecodeJpeg(std::span<const uint8_t> Bytes, const TJpegHeader& Header, uint32_t* const* Rows,
                std::string& Error);
