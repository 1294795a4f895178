// The stored picture: its bytes, empty flag and cached size, the two ways
// it draws, its assignments and its allocation failure.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "picture/PictureDecoding.h"
#include "picture/PictureDrawing.h"
#include "PictureSamples.h"
#include "picture/TGDIPPicture.h"
#include "picture/TJPEGImage.h"
#include "graphics/TPicture.h"
#include "graphics/gdiplus/GpGraphics.h"

namespace {
constexpr TColor kKeyBlue = 0xCC6633;  // #3366CC

std::unique_ptr<TGDIPPicture> FromLayout(const std::vector<uint8_t>& Bytes) {
  auto p = std::make_unique<TGDIPPicture>();
  TMemoryStream s(Bytes);
  p->ReadData(s);
  return p;
}

struct TNotifications {
  int changes = 0;
  int clears = 0;
  void Watch(TGDIPPicture& P) {
    P.OnChange = [this](TObject*) { ++changes; };
    P.OnClear = [this](TObject*) { ++clears; };
  }
};
}  // namespace

TEST(TGDIPPicture, LayoutPictureWithoutBytesIsNotEmptyMeasuresZeroAndDrawsNothing) {
  auto p = FromLayout({});
  EXPECT_FALSE(p->Empty());
  EXPECT_FALSE(p->UpdateSize());
  EXPECT_EQ(p->Width(), 0);
  EXPECT_EQ(p->Height(), 0);
  TTarget t(16, 16);
  t.Canvas()->StretchDraw({0, 0, 16, 16}, p.get());
  EXPECT_TRUE(t.Untouched());
}

TEST(TGDIPPicture, ReadDataKeepsTheBytesWithoutMeasuringOrNotifying) {
  std::vector<uint8_t> png = Sample("sample_pattern.png");
  auto p = std::make_unique<TGDIPPicture>();
  TNotifications n;
  n.Watch(*p);
  TMemoryStream in(png);
  p->ReadData(in);
  EXPECT_EQ(n.changes, 0);
  EXPECT_EQ(p->Width(), 0);
  ASSERT_TRUE(p->UpdateSize());
  EXPECT_EQ(p->Width(), 16);
  EXPECT_EQ(p->Height(), 16);

  TMemoryStream out;
  p->WriteData(out);
  EXPECT_TRUE(std::ranges::equal(out.Bytes(), png));
}

TEST(TGDIPPicture, LoadFromStreamMeasuresAndNotifies) {
  TGDIPPicture p;
  TNotifications n;
  n.Watch(p);
  TMemoryStream in(Sample("internet.png"));
  p.LoadFromStream(in);
  EXPECT_FALSE(p.Empty());
  EXPECT_EQ(p.Width(), 32);
  EXPECT_EQ(p.Height(), 32);
  EXPECT_EQ(n.changes, 1);
  EXPECT_EQ(n.clears, 0);
}

TEST(TGDIPPicture, LoadFromStreamTakesTheWholeStreamWhereverItsPositionIs) {
  const std::vector<uint8_t> png = Sample("internet.png");
  for (int64_t position : {int64_t{0}, int64_t{8}, static_cast<int64_t>(png.size())}) {
    TMemoryStream in(png);
    in.SetPosition(position);
    TGDIPPicture p;
    p.LoadFromStream(in);
    EXPECT_TRUE(std::ranges::equal(p.Bytes(), png)) << position;
    EXPECT_EQ(p.Width(), 32) << position;
  }
}

TEST(TGDIPPicture, BmpLeavesOutItsBottomLeftColourAndKeepsItsSizeAtTheTopLeft) {
  auto p = FromLayout(Sample("sample_keyed.bmp"));
  TTarget t(40, 40);
  t.Canvas()->StretchDraw({2, 3, 34, 35}, p.get());
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(t.At(2 + x, 3 + y), x == y || (x == 0 && y == 7) ? clLime : kKeyBlue) << x << "," << y;
  EXPECT_EQ(t.At(10, 4), clLime);
  EXPECT_EQ(t.At(3, 11), clLime);
  EXPECT_EQ(p->Width(), 0) << "the BMP path caches no size";
}

TEST(TGDIPPicture, PngKeepsItsAlpha) {
  auto p = FromLayout(Sample("sample_alpha.png"));
  TTarget t(8, 8);
  t.Canvas()->StretchDraw({0, 0, 8, 8}, p.get());
  for (int x = 0; x < 8; ++x) EXPECT_EQ(t.At(x, 4), x < 4 ? clRed : clLime) << x;
}

TEST(TGDIPPicture, PngScalesIntoTheRectangleAndCachesItsSize) {
  auto p = FromLayout(Sample("sample_pattern.png"));
  TTarget t(40, 40);
  t.Canvas()->StretchDraw({4, 4, 36, 36}, p.get());
  EXPECT_EQ(p->Width(), 16);
  EXPECT_EQ(p->Height(), 16);
  // Block centres of the doubled picture; the frame around it is untouched.
  EXPECT_EQ(t.At(4 + 6, 4 + 6), clBlack);
  EXPECT_EQ(t.At(4 + 25, 4 + 6), clWhite);
  EXPECT_EQ(t.At(4 + 6, 4 + 25), clWhite);
  EXPECT_EQ(t.At(4 + 25, 4 + 25), clBlack);
  EXPECT_EQ(t.At(4 + 1, 4 + 1), clBlack);
  EXPECT_EQ(t.At(4 + 30, 4 + 30), clBlack);
  EXPECT_EQ(t.At(3, 20), clLime);
  EXPECT_EQ(t.At(36, 20), clLime);
}

TEST(TGDIPPicture, AssignTakesTheFileFormOfPicturesAndBitmaps) {
  TBitmap bitmap(5, 3);
  TGDIPPicture source;
  TMemoryStream in(Sample("internet.png"));
  source.LoadFromStream(in);
  TPicture container;
  container.SetGraphic(std::make_unique<TBitmap>(7, 2));

  struct Case {
    const char* name;
    const TPersistent* source;
    int width, height;
    bool bmp;
  };
  const Case cases[] = {
      {"stored picture", &source, 32, 32, false},
      {"bitmap", &bitmap, 5, 3, true},
      {"picture container", &container, 7, 2, true},
  };
  for (const Case& c : cases) {
    TGDIPPicture p;
    TNotifications n;
    n.Watch(p);
    p.Assign(c.source);
    EXPECT_FALSE(p.Empty()) << c.name;
    EXPECT_EQ(p.Width(), c.width) << c.name;
    EXPECT_EQ(p.Height(), c.height) << c.name;
    EXPECT_EQ(n.changes, 1) << c.name;
    ASSERT_GE(p.Bytes().size(), 2u) << c.name;
    EXPECT_EQ(p.Bytes()[0] == 'B' && p.Bytes()[1] == 'M', c.bmp) << c.name;
  }
  TGDIPPicture p;
  p.Assign(&source);
  EXPECT_TRUE(std::ranges::equal(p.Bytes(), source.Bytes()));
}

TEST(TGDIPPicture, AssignOfAnUnknownSourceLeavesItEmptyWithItsBytes) {
  auto p = FromLayout(Sample("sample_alpha.png"));
  TNotifications n;
  n.Watch(*p);
  TJPEGImage unknown;
  p->Assign(&unknown);
  EXPECT_TRUE(p->Empty());
  EXPECT_TRUE(std::ranges::equal(p->Bytes(), Sample("sample_alpha.png")));
  EXPECT_EQ(n.changes, 0);
  TTarget t(8, 8);
  t.Canvas()->StretchDraw({0, 0, 8, 8}, p.get());
  EXPECT_TRUE(t.Untouched());
}

TEST(TGDIPPicture, AssignOfNothingClears) {
  TPicture noGraphic;
  const TPersistent* sources[] = {nullptr, &noGraphic};
  for (const TPersistent* source : sources) {
    auto p = FromLayout(Sample("sample_alpha.png"));
    TNotifications n;
    n.Watch(*p);
    p->Assign(source);
    EXPECT_TRUE(p->Empty());
    EXPECT_TRUE(p->Bytes().empty());
    EXPECT_EQ(n.changes, 1);
    EXPECT_EQ(n.clears, 1);
  }
}

TEST(TGDIPPicture, LoadFromFileReadsTheFileAndAnyFailureLeavesItEmptySilently) {
  const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "morvane_picture_test";
  std::filesystem::create_directories(dir);
  const std::filesystem::path file = dir / "pattern.png";
  const std::vector<uint8_t> png = Sample("sample_pattern.png");
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(png.data()), png.size());

  TGDIPPicture p;
  TNotifications n;
  n.Watch(p);
  p.LoadFromFile(file.string());
  EXPECT_FALSE(p.Empty());
  EXPECT_EQ(p.Width(), 16);
  EXPECT_EQ(n.clears, 1);
  EXPECT_EQ(n.changes, 1);

  struct Case {
    const char* name;
    std::filesystem::path path;
  };
  // A directory opens as a stream whose reads fail; so does the start of
  // the process's own memory file, even for root.
  const Case failures[] = {
      {"missing file", dir / "missing.png"},
      {"directory", dir},
      {"unreadable file", "/proc/self/mem"},
  };
  for (const Case& c : failures) {
    TGDIPPicture q;
    q.LoadFromFile(file.string());
    TNotifications m;
    m.Watch(q);
    EXPECT_NO_THROW(q.LoadFromFile(c.path.string())) << c.name;
    EXPECT_TRUE(q.Empty()) << c.name;
    EXPECT_EQ(m.changes, 0) << c.name;
    EXPECT_EQ(m.clears, 0) << c.name;
    TTarget t(16, 16);
    t.Canvas()->StretchDraw({0, 0, 16, 16}, &q);
    EXPECT_TRUE(t.Untouched()) << c.name;
  }
  std::filesystem::remove_all(dir);
}

TEST(TGDIPPicture, NoMemoryForTheDecodingBlockFailsWithItsMessage) {
  struct LimitGuard {
    size_t saved = PictureBlockLimit();
    ~LimitGuard() { SetPictureBlockLimit(saved); }
  } guard;
  auto p = FromLayout(Sample("sample_pattern.png"));
  SetPictureBlockLimit(p->Bytes().size() - 1);
  TTarget t(16, 16);
  auto expectFailure = [](auto&& Call) {
    try {
      Call();
      ADD_FAILURE() << "no failure";
    } catch (const EOutOfMemory& e) {
      EXPECT_STREQ(e.what(), "Could not allocate memory for image");
    }
  };
  expectFailure([&] { p->UpdateSize(); });
  expectFailure([&] { t.Canvas()->StretchDraw({0, 0, 16, 16}, p.get()); });
  GpGraphics g(*t.Canvas());
  expectFailure([&] { DrawPictureGdip(g, *t.Canvas(), {0, 0, 16, 16}, *p); });

  SetPictureBlockLimit(p->Bytes().size());
  EXPECT_TRUE(p->UpdateSize());
}
