// The JPEG picture: the stored logo read through the picture container,
// its registration, its fixed size and its opaque drawing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "PictureSamples.h"
#include "picture/TJPEGImage.h"
#include "graphics/TPicture.h"

namespace {
std::vector<uint8_t> StoredLogo() {
  std::vector<uint8_t> stored = {10, 'T', 'J', 'P', 'E', 'G', 'I', 'm', 'a', 'g', 'e'};
  std::vector<uint8_t> jpeg = Sample("tolvaris_logo.jpg");
  PutLE32(stored, static_cast<uint32_t>(jpeg.size()));
  stored.insert(stored.end(), jpeg.begin(), jpeg.end());
  return stored;
}

// A Size x Size JPEG file of one colour (Sample holds one pixel's samples).
std::vector<uint8_t> EncodeJpeg(int Size, J_COLOR_SPACE Space, std::vector<uint8_t> Sample, bool Progressive) {
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &out, &size);
  c.image_width = c.image_height = static_cast<JDIMENSION>(Size);
  c.input_components = static_cast<int>(Sample.size());
  c.in_color_space = Space;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 95, TRUE);
  if (Progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> row;
  for (int x = 0; x < Size; ++x) row.insert(row.end(), Sample.begin(), Sample.end());
  while (c.next_scanline < c.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::vector<uint8_t> bytes(out, out + size);
  std::free(out);
  return bytes;
}

class JpegRegistered : public testing::Test {
 protected:
  JpegRegistered() { RegisterJPEGImage(); }
  ~JpegRegistered() override { UnregisterJPEGImage(); }
};
}  // namespace

TEST_F(JpegRegistered, StoredLogoLoadsAndDrawsAt179By100) {
  std::vector<uint8_t> stored = StoredLogo();
  TPicture picture;
  TMemoryStream in(stored);
  picture.ReadData(in);
  auto* jpeg = dynamic_cast<TJPEGImage*>(picture.Graphic());
  ASSERT_NE(jpeg, nullptr);
  EXPECT_EQ(jpeg->Width(), 179);
  EXPECT_EQ(jpeg->Height(), 100);
  EXPECT_FALSE(jpeg->Grayscale());
  EXPECT_FALSE(jpeg->ProgressiveEncoding());

  // The logo lies on white; transparency would leave that white out.
  jpeg->SetTransparent(true);
  TTarget t(200, 120, clRed);
  t.Canvas()->Draw(0, 0, jpeg);
  for (TPoint corner : {TPoint{0, 0}, TPoint{178, 0}, TPoint{0, 99}, TPoint{178, 99}}) {
    TColor c = t.At(corner.X, corner.Y);
    EXPECT_GE(GetRValue(c) + GetGValue(c) + GetBValue(c), 3 * 240) << corner.X << "," << corner.Y;
  }
  EXPECT_EQ(t.At(179, 50), clRed);
  EXPECT_EQ(t.At(90, 100), clRed);
  int coloured = 0;
  for (int x = 0; x < 179; ++x) coloured += t.At(x, 50) != clWhite;
  EXPECT_GT(coloured, 20);

  TMemoryStream out;
  picture.WriteData(out);
  EXPECT_TRUE(std::ranges::equal(out.Bytes(), stored));
}

TEST_F(JpegRegistered, RegistersBothExtensionsOnce) {
  RegisterJPEGImage();
  int found = 0;
  for (const TPictureFormat& f : TPicture::Formats()) {
    if (f.ClassName != "TJPEGImage") continue;
    ++found;
    EXPECT_TRUE(f.Extension == "jpeg" || f.Extension == "jpg") << f.Extension;
    EXPECT_EQ(f.Description, "JPEG Image File");
  }
  EXPECT_EQ(found, 2);

  UnregisterJPEGImage();
  std::vector<uint8_t> stored = StoredLogo();
  TMemoryStream in(stored);
  TPicture picture;
  EXPECT_THROW(picture.ReadData(in), EInvalidGraphic);
}

TEST(TJPEGImage, ReadsTheHeaderAndDecodesEveryColourSpace) {
  struct Case {
    const char* name;
    J_COLOR_SPACE space;
    std::vector<uint8_t> sample;
    bool progressive, grey;
    TColor colour;
  };
  const Case cases[] = {
      {"grey", JCS_GRAYSCALE, {128}, false, true, RGB(128, 128, 128)},
      {"progressive colour", JCS_RGB, {200, 40, 10}, true, false, RGB(200, 40, 10)},
      // Adobe's inverted inks: full magenta and yellow ink, no black.
      {"CMYK", JCS_CMYK, {255, 0, 0, 255}, false, false, RGB(255, 0, 0)},
  };
  for (const Case& c : cases) {
    TJPEGImage jpeg;
    TMemoryStream in(EncodeJpeg(16, c.space, c.sample, c.progressive));
    jpeg.LoadFromStream(in);
    EXPECT_EQ(jpeg.Width(), 16) << c.name;
    EXPECT_EQ(jpeg.Grayscale(), c.grey) << c.name;
    EXPECT_EQ(jpeg.ProgressiveEncoding(), c.progressive) << c.name;
    TTarget t(20, 20);
    t.Canvas()->Draw(0, 0, &jpeg);
    TColor got = t.At(8, 8);
    EXPECT_NEAR(GetRValue(got), GetRValue(c.colour), 6) << c.name;
    EXPECT_NEAR(GetGValue(got), GetGValue(c.colour), 6) << c.name;
    EXPECT_NEAR(GetBValue(got), GetBValue(c.colour), 6) << c.name;
    EXPECT_EQ(t.At(16, 8), clLime) << c.name;
  }
}

TEST(TJPEGImage, SizeCannotBeSet) {
  TJPEGImage jpeg;
  TMemoryStream in(Sample("tolvaris_logo.jpg"));
  jpeg.LoadFromStream(in);
  for (auto set : {&TJPEGImage::SetWidth, &TJPEGImage::SetHeight}) {
    try {
      (jpeg.*set)(10);
      ADD_FAILURE() << "no failure";
    } catch (const EInvalidGraphicOperation& e) {
      EXPECT_STREQ(e.what(), "Cannot change the size of a JPEG image");
    }
  }
  EXPECT_EQ(jpeg.Width(), 179);
}

TEST(TJPEGImage, StretchesIntoTheRectangle) {
  TJPEGImage jpeg;
  TMemoryStream in(Sample("tolvaris_logo.jpg"));
  jpeg.LoadFromStream(in);
  TTarget t(40, 40, clRed);
  t.Canvas()->StretchDraw({5, 5, 25, 15}, &jpeg);
  EXPECT_NE(t.At(5, 5), clRed);
  EXPECT_NE(t.At(24, 14), clRed);
  EXPECT_EQ(t.At(25, 10), clRed);
  EXPECT_EQ(t.At(10, 15), clRed);
}

TEST(TJPEGImage, StoredCountBeyondTheStreamFailsWithoutReading) {
  std::vector<uint8_t> stored;
  PutLE32(stored, 0xFFFFFFFFu);
  std::vector<uint8_t> jpeg = Sample("tolvaris_logo.jpg");
  stored.insert(stored.end(), jpeg.begin(), jpeg.end());
  TMemoryStream in(stored);
  TJPEGImage image;
  EXPECT_THROW(image.ReadData(in), EReadError);
  EXPECT_TRUE(image.Empty());
}
