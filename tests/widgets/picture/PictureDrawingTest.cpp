// The picture-drawing primitive and the format of decoded bytes.
#include <gtest/gtest.h>

#include "picture/PictureDecoding.h"
#include "picture/PictureDrawing.h"
#include "PictureSamples.h"
#include "graphics/gdiplus/GpGraphics.h"
#include "picture/TGDIPPicture.h"

namespace {
std::unique_ptr<TGDIPPicture> Picture(std::string_view Name) {
  auto p = std::make_unique<TGDIPPicture>();
  TMemoryStream s(Sample(Name));
  p->LoadFromStream(s);
  return p;
}
}  // namespace

TEST(DrawPictureGdip, StretchesABmpWithItsBottomLeftColourLeftOut) {
  auto p = Picture("sample_keyed.bmp");
  TTarget t(16, 16);
  GpGraphics g(*t.Canvas());
  DrawPictureGdip(g, *t.Canvas(), {0, 0, 16, 16}, *p);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(t.At(2 * i + 1, 2 * i + 1), clLime) << i;  // the magenta diagonal, doubled
  for (int i = 0; i < 7; ++i) EXPECT_EQ(t.At(2 * i + 3, 2 * i), TColor{0xCC6633}) << i;
  EXPECT_EQ(t.At(15, 0), TColor{0xCC6633});
}

TEST(DrawPictureGdip, ScalesAPngWithItsAlpha) {
  auto p = Picture("sample_alpha.png");
  TTarget t(20, 20);
  GpGraphics g(*t.Canvas());
  DrawPictureGdip(g, *t.Canvas(), {2, 2, 18, 18}, *p);
  EXPECT_EQ(t.At(3, 10), clRed);
  EXPECT_EQ(t.At(8, 10), clRed);
  EXPECT_EQ(t.At(11, 10), clLime);
  EXPECT_EQ(t.At(17, 10), clLime);
  EXPECT_EQ(t.At(1, 10), clLime);
}

TEST(PictureFormat, DecodedBytesReportTheirFormat) {
  struct Case {
    const char* sample;
    TGDIPFormat format;
    unsigned width, height;
  };
  const Case cases[] = {
      {"sample_keyed.bmp", gfBMP, 8, 8},
      {"kill_disabled.bmp", gfBMP, 24, 24},
      {"internet.png", gfPNG, 32, 32},
      {"tolvaris_logo.jpg", gfJPEG, 179, 100},
  };
  for (const Case& c : cases) {
    auto image = DecodePictureBytes(Sample(c.sample));
    EXPECT_EQ(GdipFormat(image->RawFormat()), c.format) << c.sample;
    EXPECT_EQ(image->Width(), c.width) << c.sample;
    EXPECT_EQ(image->Height(), c.height) << c.sample;
  }
}

TEST(PictureFormat, CodesFollowTheRawFormatIdentifier) {
  const std::pair<TGUID, TGDIPFormat> cases[] = {
      {ImageFormat(0xAA), gfMemoryBMP}, {ImageFormat(0xAB), gfBMP},  {ImageFormat(0xAC), gfEMF},
      {ImageFormat(0xAD), gfWMF},       {ImageFormat(0xAE), gfJPEG}, {ImageFormat(0xAF), gfPNG},
      {ImageFormat(0xB0), gfGIF},       {ImageFormat(0xB1), gfTIFF}, {ImageFormat(0xB2), gfEXIF},
      {ImageFormat(0xB5), gfIcon},      {ImageFormat(0xB3), gfUndetermined},
      {ImageFormatUndefined, gfUndetermined},
  };
  for (const auto& [id, format] : cases) EXPECT_EQ(GdipFormat(id), format) << std::hex << id.D1;
  TGUID otherTail = ImageFormat(0xAB);
  otherTail.D4[7] ^= 1;
  EXPECT_EQ(GdipFormat(otherTail), gfUndetermined);
}
