// Image lists: strips cut into cells, drawing with alpha and the masked
// colour left out, the disabled look, the background colour and the
// change notifications.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/Exceptions.h"
#include "core/TStream.h"
#include "graphics/TBitmap.h"
#include "ui/TCustomImageList.h"

namespace {

// A strip of Cells opaque cells of Size x Size, cell i filled with Colors[i].
std::unique_ptr<TBitmap> Strip(int Size, std::vector<TColor> Colors, int Extra = 0) {
  auto b = std::make_unique<TBitmap>(Size * static_cast<int>(Colors.size()) + Extra, Size);
  for (size_t i = 0; i < Colors.size(); ++i) {
    b->Canvas()->Brush()->SetColor(Colors[i]);
    b->Canvas()->FillRect(TRect::Bounds(static_cast<int>(i) * Size, 0, Size, Size));
  }
  return b;
}

struct Target {
  TBitmap bitmap{40, 40};
  explicit Target(TColor Fill = clRed) {
    bitmap.Canvas()->Brush()->SetColor(Fill);
    bitmap.Canvas()->FillRect({0, 0, 40, 40});
  }
  TColor At(int X, int Y) { return bitmap.Canvas()->Pixel(X, Y); }
};

TEST(ImageList, AStripAddsOneImagePerWholeCell) {
  struct Case {
    int width;
    int extra;
    int cells;
    int first;
  } cases[] = {{8, 0, 4, 0}, {8, 5, 4, 0}, {8, -28, 0, -1}};
  for (const Case& c : cases) {
    TCustomImageList list(nullptr);
    list.SetSize(c.width, c.width);
    EXPECT_EQ(list.Add(*Strip(8, {clRed, clLime, clBlue, clYellow}, c.extra)), c.first) << c.extra;
    EXPECT_EQ(list.Count(), c.cells) << c.extra;
  }
}

TEST(ImageList, DrawsEachCellAtTheCanvasPoint) {
  TCustomImageList list(nullptr);
  list.SetSize(8, 8);
  list.Add(*Strip(8, {clRed, clLime, clBlue}));
  Target t(clWhite);
  list.Draw(t.bitmap.Canvas(), 10, 12, 2);
  EXPECT_EQ(t.At(10, 12), clBlue);
  EXPECT_EQ(t.At(17, 19), clBlue);
  EXPECT_EQ(t.At(18, 12), clWhite);
  EXPECT_EQ(t.At(9, 12), clWhite);
  // Outside the list nothing is drawn.
  list.Draw(t.bitmap.Canvas(), 0, 0, 3);
  list.Draw(t.bitmap.Canvas(), 0, 0, -1);
  EXPECT_EQ(t.At(0, 0), clWhite);
}

TEST(ImageList, KeepsAlphaAndLeavesOutTheMaskColour) {
  TBitmap alpha;
  alpha.SetAlphaFormat(afDefined);
  alpha.SetSize(4, 4);
  alpha.ScanLine(0)[0] = 0xFF0000FFu;  // opaque blue
  alpha.ScanLine(0)[1] = 0x80000080u;  // half-transparent blue, premultiplied
  TCustomImageList list(nullptr);
  list.SetSize(4, 4);
  list.Add(alpha);
  Target t(clRed);
  list.Draw(t.bitmap.Canvas(), 0, 0, 0);
  EXPECT_EQ(t.At(0, 0), clBlue);
  TColor half = t.At(1, 0);
  EXPECT_NEAR(GetRValue(half), 127, 2);
  EXPECT_NEAR(GetBValue(half), 128, 2);
  EXPECT_EQ(t.At(2, 0), clRed);

  auto keyed = Strip(4, {clFuchsia});
  keyed->Canvas()->SetPixel(1, 1, clGreen);
  list.AddMasked(*keyed, clDefault);
  Target u(clWhite);
  list.Draw(u.bitmap.Canvas(), 0, 0, 1);
  EXPECT_EQ(u.At(0, 0), clWhite);
  EXPECT_EQ(u.At(1, 1), clGreen);
}

TEST(ImageList, DisabledLookIsGreyAndLighter) {
  TCustomImageList list(nullptr);
  list.SetSize(4, 4);
  list.Add(*Strip(4, {clRed, clBlack}));
  Target t(clWhite);
  list.Draw(t.bitmap.Canvas(), 0, 0, 0, false);
  list.Draw(t.bitmap.Canvas(), 10, 0, 1, false);
  // Luminance of red is 76; halfway to white is 165.
  EXPECT_EQ(t.At(0, 0), RGB(165, 165, 165));
  EXPECT_EQ(t.At(10, 0), RGB(127, 127, 127));
}

TEST(ImageList, BackgroundColourFillsTheCell) {
  TBitmap alpha;
  alpha.SetAlphaFormat(afDefined);
  alpha.SetSize(4, 4);
  TCustomImageList list(nullptr);
  list.SetSize(4, 4);
  list.Add(alpha);
  list.SetBkColor(clWhite);
  Target t(clRed);
  list.Draw(t.bitmap.Canvas(), 2, 2, 0);
  EXPECT_EQ(t.At(2, 2), clWhite);
  EXPECT_EQ(t.At(5, 5), clWhite);
  EXPECT_EQ(t.At(6, 6), clRed);
}

TEST(ImageList, FileBytesAddCellsAndBadBytesRaise) {
  TMemoryStream file;
  Strip(6, {clRed, clBlue})->SaveToStream(file);
  TCustomImageList list(nullptr);
  list.SetSize(6, 6);
  EXPECT_EQ(list.AddImages(file.Bytes()), 0);
  EXPECT_EQ(list.Count(), 2);
  TBitmap copy;
  list.GetBitmap(1, copy);
  EXPECT_EQ(copy.Canvas()->Pixel(3, 3), clBlue);
  const uint8_t junk[] = {1, 2, 3, 4};
  EXPECT_THROW(list.AddImages(junk), EInvalidGraphic);
  EXPECT_EQ(list.Count(), 2);
}

TEST(ImageList, TellsItsClientsOfEveryChange) {
  TCustomImageList list(nullptr);
  int a = 0, b = 0, events = 0;
  list.RegisterChanges(&a, [&] { ++a; });
  list.RegisterChanges(&b, [&] { ++b; });
  list.OnChange = [&](TObject*) { ++events; };
  list.Add(*Strip(16, {clRed}));
  list.SetBkColor(clWhite);
  list.SetBkColor(clWhite);
  list.UnRegisterChanges(&b);
  list.SetSize(8, 8);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(events, 3);
}

}  // namespace
