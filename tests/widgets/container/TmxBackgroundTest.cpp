// The background painter on plain bitmaps: styles, pictures, blending,
// grey scale, hooks and the busy flag, and its settings.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "PaintTarget.h"
#include "container/TmxBackground.h"

namespace {

struct Background : ::testing::Test {
  TmxBackground bg;
  PaintTarget target{40, 30, clLime};
};

void FillBitmap(TBitmap& B, int W, int H, TColor C) {
  B.SetSize(W, H);
  B.Canvas()->Brush()->SetColor(C);
  B.Canvas()->FillRect({0, 0, W, H});
}

}  // namespace

TEST_F(Background, SolidFillsExactlyTheRectangle) {
  bg.SetColor(clBlue);
  bg.Draw(target.Canvas(), {5, 5, 25, 20});
  EXPECT_EQ(target.At(5, 5), clBlue);
  EXPECT_EQ(target.At(24, 19), clBlue);
  EXPECT_EQ(target.At(4, 5), clLime);
  EXPECT_EQ(target.At(25, 19), clLime);
  EXPECT_EQ(target.At(24, 20), clLime);
}

TEST_F(Background, DegenerateRectanglesAndTransparentStyleDrawNothing) {
  struct Case {
    TRect R;
    TmxBackgroundStyle Style;
    int Hooks;
  };
  const Case cases[] = {
      {{5, 5, 5, 20}, btSolid, 0},        // no width
      {{5, 6, 6, 5}, btSolid, 0},         // bottom above top
      {{5, 5, 6, 5}, btSolid, 1},         // one wide, no height: copied, nothing shows
      {{5, 5, 25, 20}, btTransparent, 0},
  };
  for (const Case& c : cases) {
    TmxBackground b;
    PaintTarget t(40, 30, clLime);
    int hooks = 0;
    b.OnBeforeDraw = [&](TObject*, TCanvas*, const TRect&) { ++hooks; };
    b.SetColor(clBlue);
    b.SetStyle(c.Style);
    b.Draw(t.Canvas(), c.R);
    EXPECT_EQ(hooks, c.Hooks) << c.R.Left << "," << c.R.Top << "," << c.R.Right << "," << c.R.Bottom;
    for (int x = 0; x < 40; x += 3)
      for (int y = 0; y < 30; y += 3) ASSERT_EQ(t.At(x, y), clLime);
  }
}

TEST_F(Background, BitmapIsPlacedOnceTileCoversTheRectangle) {
  TBitmap picture;
  FillBitmap(picture, 10, 10, clRed);
  bg.SetBitmap(&picture);
  bg.SetColor(clBlue);
  const TRect r{5, 5, 30, 28};

  bg.SetStyle(btBitmap);
  bg.Draw(target.Canvas(), r);
  EXPECT_EQ(target.At(5, 5), clRed);
  EXPECT_EQ(target.At(14, 14), clRed);
  EXPECT_EQ(target.At(15, 14), clBlue);
  EXPECT_EQ(target.At(20, 20), clBlue);

  bg.SetStyle(btTileBitmap);
  bg.Draw(target.Canvas(), r);
  for (auto [x, y] : {std::pair{15, 14}, {20, 20}, {29, 27}, {10, 25}}) EXPECT_EQ(target.At(x, y), clRed) << x << "," << y;
  EXPECT_EQ(target.At(30, 27), clLime);
  EXPECT_EQ(target.At(29, 28), clLime);
}

TEST_F(Background, BitmapCopyChoosesTheRasterOperation) {
  const TColor s = 0xF00F30, d = 0x0FA55A;  // picture pixel, background colour
  struct Case {
    TmxBitmapCopy Copy;
    TColor Expected;
  };
  const Case cases[] = {
      {bcMergeCopy, s & d},  // with the brush, which is the colour
      {bcMergePaint, (~s | d) & 0xFFFFFF},
      {bcSrcCopy, s},
      {bcSrcErase, s & ~d & 0xFFFFFF},
      {bcSrcPaint, s | d},
  };
  TBitmap picture;
  FillBitmap(picture, 4, 4, s);
  for (const Case& c : cases) {
    TmxBackground b;
    b.SetStyle(btBitmap);
    b.SetBitmap(&picture);
    b.SetColor(d);
    b.SetBitmapCopy(c.Copy);
    PaintTarget t(10, 10, clLime);
    b.Draw(t.Canvas(), {0, 0, 10, 10});
    EXPECT_EQ(t.At(1, 1), c.Expected) << "copy mode " << c.Copy;
    EXPECT_EQ(t.At(6, 6), d);
  }
}

TEST_F(Background, GradientIsDrawnOverTheColour) {
  bg.SetStyle(btGradient);
  bg.SetColor(clBlue);
  bg.Gradient()->SetBeginColor(clBlack);
  bg.Gradient()->SetEndColor(clWhite);
  bg.Gradient()->SetDrawStyle(gtEllipse);
  bg.Draw(target.Canvas(), {0, 0, 40, 30});
  EXPECT_EQ(target.At(0, 0), clBlue);
  EXPECT_GT(target.Grey(20, 15), 200);

  bg.Draw(target.Canvas(), {0, 0, 9, 30});  // too narrow for any ring
  for (int x = 0; x < 9; ++x) EXPECT_EQ(target.At(x, 15), clBlue);
}

TEST_F(Background, BlendsWithTheParentImageWhereItDiffers) {
  struct Case {
    uint8_t Alpha;
    TColor Colour, Parent, Expected;
  };
  const Case cases[] = {
      {0, clWhite, RGB(200, 100, 50), RGB(199, 99, 49)},  // the parent, x 255 / 256
      {128, clWhite, clBlack, RGB(127, 127, 127)},
      {254, clBlack, clWhite, clBlack},
      {0, RGB(200, 100, 50), RGB(200, 100, 50), RGB(200, 100, 50)},  // equal: left alone
  };
  for (const Case& c : cases) {
    TmxBackground b;
    b.SetColor(c.Colour);
    b.SetAlphaBlend(c.Alpha);
    FillBitmap(*b.ParentImage(), 20, 20, c.Parent);
    PaintTarget t(20, 20, clLime);
    b.Draw(t.Canvas(), {0, 0, 20, 20});
    EXPECT_EQ(t.At(7, 7), c.Expected) << "alpha " << int(c.Alpha);
  }
}

TEST_F(Background, ParentImageAndBufferOnlyGrow) {
  bg.SetAlphaBlend(100);
  bg.GrowParentImage(50, 40);
  bg.Draw(target.Canvas(), {0, 0, 10, 10});
  EXPECT_EQ(bg.ParentImage()->Width(), 50);
  EXPECT_EQ(bg.ParentImage()->Height(), 40);
  bg.Draw(target.Canvas(), {0, 0, 60, 20});
  EXPECT_EQ(bg.ParentImage()->Width(), 60);
  EXPECT_EQ(bg.ParentImage()->Height(), 40);
}

TEST_F(Background, GrayscaleAveragesFourBytesWithTheFourthAsPainted) {
  struct Case {
    TColor Colour;
    int Grey;
  };
  for (const Case& c : {Case{clWhite, 191}, Case{RGB(100, 50, 10), 40}, Case{clBlack, 0}}) {
    TmxBackground b;
    b.SetColor(c.Colour);
    b.SetGrayscale(true);
    PaintTarget t(10, 10, clLime);
    b.Draw(t.Canvas(), {0, 0, 10, 10});
    EXPECT_EQ(t.At(5, 5), RGB(c.Grey, c.Grey, c.Grey)) << std::hex << c.Colour;
  }
}

TEST_F(Background, HooksRunInOrderOnTheBufferAndThenTheTarget) {
  std::vector<std::string> calls;
  TCanvas* before = nullptr;
  bg.OnBeforeDraw = [&](TObject* s, TCanvas* c, const TRect&) {
    EXPECT_EQ(s, &bg);
    before = c;
    calls.push_back("before");
  };
  bg.OnDraw = [&](TObject*, TCanvas* c, const TRect& r) {
    EXPECT_EQ(c, before);
    c->Brush()->SetColor(clRed);
    c->FillRect(r);
    calls.push_back("draw");
  };
  bg.OnAfterDraw = [&](TObject*, TCanvas* c, const TRect&) {
    EXPECT_EQ(c, target.Canvas());
    calls.push_back("after");
  };
  bg.SetColor(clBlue);
  bg.SetGrayscale(true);  // replaced by OnDraw, as the fill is
  bg.Draw(target.Canvas(), {0, 0, 10, 10});
  EXPECT_EQ(calls, (std::vector<std::string>{"before", "draw", "after"}));
  EXPECT_NE(before, target.Canvas());
  EXPECT_EQ(target.At(5, 5), clRed);
}

TEST_F(Background, ADrawFromItsOwnHookIsIgnored) {
  PaintTarget other(10, 10, clLime);
  int hooks = 0;
  bg.SetColor(clBlue);
  bg.OnBeforeDraw = [&](TObject*, TCanvas*, const TRect& r) {
    ++hooks;
    EXPECT_TRUE(bg.Busy());
    bg.Draw(other.Canvas(), r);
    bg.DrawColorAndGradient(other.Canvas(), r);
  };
  bg.Draw(target.Canvas(), {0, 0, 10, 10});
  EXPECT_EQ(hooks, 1);
  EXPECT_EQ(other.At(5, 5), clLime);
  EXPECT_EQ(target.At(5, 5), clBlue);
  EXPECT_FALSE(bg.Busy());
}

TEST_F(Background, ARaisingHookLeavesTheBackgroundDrawable) {
  bg.SetColor(clBlue);
  bg.OnBeforeDraw = [](TObject*, TCanvas* c, const TRect&) {
    c->IntersectClipRect({0, 0, 1, 1});
    throw std::runtime_error("hook failed");
  };
  EXPECT_THROW(bg.Draw(target.Canvas(), {0, 0, 10, 10}), std::runtime_error);
  EXPECT_FALSE(bg.Busy());
  bg.OnBeforeDraw = nullptr;
  bg.Draw(target.Canvas(), {0, 0, 10, 10});
  EXPECT_EQ(target.At(9, 9), clBlue);
}

TEST_F(Background, AHookMayFreeTheBackground) {
  auto* owned = new TmxBackground;
  owned->OnAfterDraw = [owned](TObject*, TCanvas*, const TRect&) { delete owned; };
  owned->Draw(target.Canvas(), {0, 0, 10, 10});
  EXPECT_EQ(target.At(5, 5), clGray);
}

TEST_F(Background, DrawColorAndGradientPaintsStraightOntoTheTarget) {
  bg.SetColor(clBlue);
  bg.Gradient()->SetDrawStyle(gtEllipse);
  bg.DrawColorAndGradient(target.Canvas(), {0, 0, 40, 30});
  EXPECT_EQ(target.At(0, 0), clBlue);
  EXPECT_NE(target.At(20, 15), clBlue);
  EXPECT_FALSE(bg.Busy());
}

TEST(TmxBackgroundSettings, NotifyOnlyOnChangeExceptThePicture) {
  struct Case {
    const char* Name;
    void (*Set)(TmxBackground&);
    int Notices;
  };
  const Case cases[] = {
      {"same alpha", [](TmxBackground& b) { b.SetAlphaBlend(255); }, 0},
      {"new alpha", [](TmxBackground& b) { b.SetAlphaBlend(7); }, 1},
      {"same copy mode", [](TmxBackground& b) { b.SetBitmapCopy(bcSrcCopy); }, 0},
      {"new copy mode", [](TmxBackground& b) { b.SetBitmapCopy(bcSrcPaint); }, 1},
      {"same style", [](TmxBackground& b) { b.SetStyle(btSolid); }, 0},
      {"new style", [](TmxBackground& b) { b.SetStyle(btGradient); }, 1},
      {"same colour", [](TmxBackground& b) { b.SetColor(clGray); }, 0},
      {"new colour", [](TmxBackground& b) { b.SetColor(clWindow); }, 1},
      {"same grey", [](TmxBackground& b) { b.SetGrayscale(false); }, 0},
      {"new grey", [](TmxBackground& b) { b.SetGrayscale(true); }, 1},
      {"empty picture", [](TmxBackground& b) { b.SetBitmap(nullptr); }, 1},
      {"gradient setting", [](TmxBackground& b) { b.Gradient()->SetDrawStyle(gtPyramid); }, 1},
  };
  for (const Case& c : cases) {
    TmxBackground b;
    int notices = 0;
    b.SetOnChangeParameter([&](TObject*) { ++notices; });
    c.Set(b);
    EXPECT_EQ(notices, c.Notices) << c.Name;
  }
}

TEST(TmxBackgroundSettings, AssignCopiesEverythingAndNotifiesOnce) {
  TmxBackground source;
  source.SetAlphaBlend(9);
  TBitmap picture;
  FillBitmap(picture, 3, 2, clRed);
  source.SetBitmap(&picture);
  source.SetStyle(btTileBitmap);
  source.SetBitmapCopy(bcSrcErase);
  source.SetColor(clNavy);
  source.SetGrayscale(true);
  source.Gradient()->SetEndColor(clLime);
  source.Gradient()->SetDrawStyle(gtPyramid);

  TmxBackground b;
  int notices = 0;
  b.SetOnChangeParameter([&](TObject*) { ++notices; });
  b.Assign(&source);
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(b.AlphaBlend(), 9);
  EXPECT_EQ(b.Bitmap()->Width(), 3);
  EXPECT_EQ(b.Bitmap()->Canvas()->Pixel(2, 1), clRed);
  EXPECT_NE(b.Bitmap(), source.Bitmap());
  EXPECT_EQ(b.Style(), btTileBitmap);
  EXPECT_EQ(b.BitmapCopy(), bcSrcErase);
  EXPECT_EQ(b.Color(), clNavy);
  EXPECT_TRUE(b.Grayscale());
  EXPECT_EQ(b.Gradient()->EndColor(), clLime);
  EXPECT_EQ(b.Gradient()->DrawStyle(), gtPyramid);

  b.Gradient()->SetBeginColor(clRed);  // the gradient still reports to it
  EXPECT_EQ(notices, 2);
}
