// Bytes that are no picture, or a picture too large to hold, load as a
// picture without size that draws nothing.
#include <gtest/gtest.h>

#include <random>

#include "picture/PictureDrawing.h"
#include "PictureSamples.h"
#include "graphics/gdiplus/GpGraphics.h"
#include "picture/TGDIPPicture.h"
#include "picture/TJPEGImage.h"

namespace {
// A BMP file header and info header that claim Width x Height pixels of
// 24 bits, followed by a few bytes of pixels.
std::vector<uint8_t> BmpClaiming(uint32_t Width, uint32_t Height) {
  std::vector<uint8_t> b = {'B', 'M'};
  PutLE32(b, 0x7FFFFFFF);
  PutLE32(b, 0);
  PutLE32(b, 54);
  PutLE32(b, 40);
  PutLE32(b, Width);
  PutLE32(b, Height);
  b.insert(b.end(), {1, 0, 24, 0});
  for (int i = 0; i < 6; ++i) PutLE32(b, 0);
  b.resize(b.size() + 64, 0x5A);
  return b;
}

std::vector<uint8_t> FirstHalf(std::vector<uint8_t> Bytes) {
  Bytes.resize(Bytes.size() / 2);
  return Bytes;
}

// The logo with the code-length counts of its first Huffman table replaced.
std::vector<uint8_t> LogoWithHuffmanCounts(void (*Edit)(uint8_t* Counts)) {
  std::vector<uint8_t> jpeg = Sample("tolvaris_logo.jpg");
  for (size_t i = 0; i + 21 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC4) {
      Edit(&jpeg[i + 5]);
      return jpeg;
    }
  ADD_FAILURE() << "no Huffman table";
  return jpeg;
}

std::vector<uint8_t> LogoClaiming(uint16_t Width, uint16_t Height) {
  std::vector<uint8_t> jpeg = Sample("tolvaris_logo.jpg");
  for (size_t i = 0; i + 9 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 5] = uint8_t(Height >> 8), jpeg[i + 6] = uint8_t(Height);
      jpeg[i + 7] = uint8_t(Width >> 8), jpeg[i + 8] = uint8_t(Width);
      return jpeg;
    }
  ADD_FAILURE() << "no frame header";
  return jpeg;
}

std::vector<uint8_t> RandomBytes(size_t Count) {
  std::mt19937 random(20240611);
  std::vector<uint8_t> b(Count);
  for (uint8_t& v : b) v = static_cast<uint8_t>(random());
  return b;
}

struct HostileCase {
  const char* name;
  std::vector<uint8_t> bytes;
  // Only the JPEG picture's header reader can accept it; its image data
  // still cannot be decoded.
  bool jpegHeaderReadable = false;
};

std::vector<HostileCase> HostileCases() {
  return {
      {"BMP claiming 2^31 pixels", BmpClaiming(65536, 32768)},
      {"BMP claiming 2^30 pixels within the side limit", BmpClaiming(32768, 32768)},
      {"BMP claiming a negative width", BmpClaiming(0xFFFFFFF0u, 8)},
      {"PNG cut in half", FirstHalf(Sample("internet.png"))},
      {"JPEG with more Huffman codes than symbols",
       LogoWithHuffmanCounts([](uint8_t* n) { std::fill(n, n + 16, 0xFF); })},
      {"JPEG whose Huffman codes overflow their lengths",
       LogoWithHuffmanCounts([](uint8_t* n) { n[0] += 3, n[2] -= 3; }), true},
      {"JPEG claiming 65535 x 65535 pixels", LogoClaiming(65535, 65535)},
      {"random bytes", RandomBytes(4096)},
      {"BMP signature alone", {'B', 'M'}},
  };
}
}  // namespace

TEST(HostileBytes, StoredPictureMeasuresZeroAndDrawsNothing) {
  for (const HostileCase& c : HostileCases()) {
    TGDIPPicture p;
    TMemoryStream in(c.bytes);
    p.LoadFromStream(in);
    EXPECT_FALSE(p.Empty()) << c.name;
    EXPECT_EQ(p.Width(), 0) << c.name;
    EXPECT_EQ(p.Height(), 0) << c.name;
    TTarget t(24, 24);
    t.Canvas()->StretchDraw({0, 0, 24, 24}, &p);
    GpGraphics g(*t.Canvas());
    DrawPictureGdip(g, *t.Canvas(), {0, 0, 24, 24}, p);
    EXPECT_TRUE(t.Untouched()) << c.name;
  }
}

TEST(HostileBytes, JpegPictureRefusesTheBytesOrDrawsNothing) {
  for (const HostileCase& c : HostileCases()) {
    TJPEGImage jpeg;
    TMemoryStream in(c.bytes);
    if (c.jpegHeaderReadable) {
      jpeg.LoadFromStream(in);
      EXPECT_EQ(jpeg.Width(), 179) << c.name;
    } else {
      EXPECT_THROW(jpeg.LoadFromStream(in), EInvalidGraphic) << c.name;
      EXPECT_TRUE(jpeg.Empty()) << c.name;
      EXPECT_EQ(jpeg.Width(), 0) << c.name;
      EXPECT_EQ(jpeg.Height(), 0) << c.name;
    }
    TTarget t(24, 24);
    t.Canvas()->StretchDraw({0, 0, 24, 24}, &jpeg);
    EXPECT_TRUE(t.Untouched()) << c.name;
  }
}
