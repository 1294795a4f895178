// Stepped gradients and their variants, the half and mirrored faces: band
// geometry without pixels, then the pixels that matter.
#include <gtest/gtest.h>

#include "draw/OfficeGradients.h"
#include "graphics/TBitmap.h"
#include "graphics/gdiplus/GpGraphics.h"

namespace {

constexpr TColor kGrey = 0x808080;

struct BandCase {
  const char* name;
  TStepGradientVariant variant;
  int steps;
  TRect r;
  bool horizontal;
  std::vector<TGradientBand> bands;
};

}  // namespace

TEST(StepGradientBands, CoverTheRectangleByVariant) {
  const BandCase cases[] = {
      {"zero steps are one band plus a pixel", sgvStandard, 0, {0, 0, 10, 4}, true, {{clBlack, {0, 0, 11, 4}}}},
      {"bands overlap by one and pass the edge", sgvStandard, 2, {0, 0, 8, 4}, true,
       {{clBlack, {0, 0, 5, 4}}, {kGrey, {4, 0, 9, 4}}}},
      {"toolbar ends on the edge", sgvToolBar, 2, {0, 0, 9, 4}, true, {{clBlack, {0, 0, 5, 4}}, {kGrey, {4, 0, 9, 4}}}},
      {"toolbar vertical", sgvToolBar, 2, {0, 0, 4, 9}, false, {{clBlack, {0, 0, 4, 5}}, {kGrey, {0, 4, 4, 9}}}},
      {"vertical", sgvStandard, 2, {2, 3, 6, 11}, false, {{clBlack, {2, 3, 6, 8}}, {kGrey, {2, 7, 6, 12}}}},
      {"status panel column", sgvStatusPanel, 2, {5, 0, 6, 8}, false, {{clBlack, {5, 0, 6, 5}}, {kGrey, {5, 4, 6, 9}}}},
      {"status panel wide is standard", sgvStatusPanel, 2, {5, 0, 8, 8}, false,
       {{clBlack, {5, 0, 8, 5}}, {kGrey, {5, 4, 8, 9}}}},
      {"html truncates and cuts", sgvHtml, 3, {0, 0, 10, 4}, true,
       {{clBlack, {0, 0, 4, 4}}, {0x555555, {3, 0, 7, 4}}, {0xAAAAAA, {7, 0, 10, 4}}}},
      {"hint ends on the end colour", sgvHint, 3, {0, 0, 10, 4}, true,
       {{clBlack, {0, 0, 4, 4}}, {kGrey, {3, 0, 7, 4}}, {clWhite, {7, 0, 10, 4}}}},
      {"hint with one step", sgvHint, 1, {0, 0, 10, 4}, true, {{clBlack, {0, 0, 10, 4}}}},
      {"hint with an empty rectangle", sgvHint, 4, {0, 0, 0, 4}, true, {}},
  };
  for (const BandCase& k : cases)
    EXPECT_EQ(StepGradientBands(clBlack, clWhite, k.steps, k.r, k.horizontal, k.variant), k.bands) << k.name;
  // Channels step by their own share, halves to even: 63.75, 127.5, 191.25.
  std::vector<TGradientBand> red = StepGradientBands(clBlack, clRed, 4, {0, 0, 8, 1}, true);
  ASSERT_EQ(red.size(), 4u);
  EXPECT_EQ(red[1].Color, RGB(64, 0, 0));
  EXPECT_EQ(red[2].Color, RGB(128, 0, 0));
  EXPECT_EQ(red[3].Color, RGB(191, 0, 0));
  EXPECT_EQ(StepGradientBands(clBtnFace, clBtnFace, 1, {0, 0, 2, 2}, true)[0].Color, 0xF0F0F0);
}

TEST(DrawStepGradient, PaintsTheBandsAndLeavesTheCanvasInTheLastColour) {
  TBitmap b(14, 8);
  TCanvas* c = b.Canvas();
  DrawStepGradient(*c, clRed, clBlue, 0, {1, 1, 11, 5}, true);
  EXPECT_EQ(c->Pixel(1, 1), clRed);
  EXPECT_EQ(c->Pixel(11, 4), clRed);  // one pixel beyond the right edge
  EXPECT_EQ(c->Pixel(12, 4), clWhite);
  EXPECT_EQ(c->Pixel(5, 5), clWhite);  // but not below
  EXPECT_EQ(c->Pen()->Color(), clRed);
  EXPECT_EQ(c->Brush()->Color(), clRed);

  DrawStepGradient(*c, clBlack, clWhite, 2, {0, 0, 8, 1}, true);
  EXPECT_EQ(c->Pixel(3, 0), clBlack);
  EXPECT_EQ(c->Pixel(4, 0), kGrey);  // the overlap belongs to the later band
  EXPECT_EQ(c->Pixel(8, 0), kGrey);
  EXPECT_EQ(c->Pen()->Color(), kGrey);
}

// Drawing skips what later bands cover; the pixels must be those of
// painting every band in order.
TEST(DrawStepGradient, EqualsPaintingEveryBandInOrder) {
  using Draw = void (*)(TCanvas&, TColor, TColor, int, const TRect&, bool);
  const struct {
    TStepGradientVariant Variant;
    Draw Fn;
  } variants[] = {{sgvStandard, DrawStepGradient},
                  {sgvToolBar, DrawToolBarStepGradient},
                  {sgvStatusPanel, DrawStatusPanelStepGradient}};
  const TRect rects[] = {{2, 1, 30, 9}, {0, 0, 1, 17}, {3, 2, 40, 3}, {1, 1, 9, 40}, {5, 5, 5, 12}};
  for (const auto& v : variants)
    for (const TRect& r : rects)
      for (int steps : {0, 1, 3, 40, 128})
        for (bool horizontal : {true, false}) {
          TBitmap drawn(48, 48), painted(48, 48);
          v.Fn(*drawn.Canvas(), 0x102030, 0xF0E0D0, steps, r, horizontal);
          for (const TGradientBand& b : StepGradientBands(0x102030, 0xF0E0D0, steps, r, horizontal, v.Variant))
            for (int y = b.Rect.Top; y < b.Rect.Bottom; ++y)
              for (int x = b.Rect.Left; x < b.Rect.Right; ++x) painted.Canvas()->SetPixel(x, y, b.Color);
          for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x)
              ASSERT_EQ(drawn.Canvas()->Pixel(x, y), painted.Canvas()->Pixel(x, y))
                  << "variant " << int(v.Variant) << " steps " << steps << " horizontal " << horizontal << " at "
                  << x << "," << y;
        }
}

TEST(DrawStepGradient, VariantsDrawTheirOwnWay) {
  TBitmap toolbar(12, 2), standard(12, 2);
  DrawToolBarStepGradient(*toolbar.Canvas(), clBlack, clBlack, 3, {0, 0, 10, 2}, true);
  DrawStepGradient(*standard.Canvas(), clBlack, clBlack, 3, {0, 0, 10, 2}, true);
  EXPECT_EQ(toolbar.Canvas()->Pixel(9, 0), clBlack);
  EXPECT_EQ(toolbar.Canvas()->Pixel(10, 0), clWhite);
  EXPECT_EQ(standard.Canvas()->Pixel(10, 0), clBlack);

  // A one-pixel-wide panel gradient stays in its column.
  TBitmap panel(4, 10);
  DrawStatusPanelStepGradient(*panel.Canvas(), clBlack, clBlack, 2, {1, 0, 2, 8}, false);
  for (int y = 0; y < 9; ++y) EXPECT_EQ(panel.Canvas()->Pixel(1, y), clBlack) << y;
  for (int y = 0; y < 10; ++y) EXPECT_EQ(panel.Canvas()->Pixel(2, y), clWhite) << y;

  TBitmap html(12, 8);
  TCanvas* c = html.Canvas();
  DrawHtmlStepGradient(*c, clWhite, clWhite, clRed, 3, {1, 1, 10, 7}, true);
  EXPECT_EQ(c->Pixel(1, 1), clRed);
  EXPECT_EQ(c->Pixel(9, 6), clRed);
  EXPECT_EQ(c->Pixel(5, 3), clWhite);
  EXPECT_EQ(c->Pixel(10, 3), clWhite);  // cut at the edge
  EXPECT_EQ(c->Brush()->Style(), bsClear);
  EXPECT_EQ(c->Pen()->Color(), clRed);
  c->Brush()->SetColor(clBlack);
  DrawHtmlStepGradient(*c, clBlue, clBlue, clNone, 1, {1, 1, 10, 7}, true);
  EXPECT_EQ(c->Pixel(1, 1), clBlue);
  EXPECT_EQ(c->Brush()->Style(), bsSolid);

  TBitmap hint(10, 2);
  DrawHintStepGradient(*hint.Canvas(), clBlack, clRed, 3, {0, 0, 9, 2}, true);
  EXPECT_EQ(hint.Canvas()->Pixel(8, 0), clRed);
  EXPECT_EQ(hint.Canvas()->Pixel(9, 0), clWhite);
}

TEST(MirrorGradientHalves, SplitWithTheUpperHalfOverlapping) {
  TMirrorHalves odd = MirrorGradientHalves({0, 0, 81, 45});
  EXPECT_EQ(odd.Upper, (TRect{0, 0, 81, 23}));
  EXPECT_EQ(odd.Lower, (TRect{0, 21, 81, 45}));
  TMirrorHalves even = MirrorGradientHalves({4, 10, 20, 58});
  EXPECT_EQ(even.Upper, (TRect{4, 10, 20, 34}));
  EXPECT_EQ(even.Lower, (TRect{4, 33, 20, 58}));
}

TEST(FillMirrorGradient, TheUpperHalfOwnsTheOverlap) {
  // Upper colours carry red only, lower colours green and blue only.
  for (int h : {45, 48}) {
    TBitmap b(81, h);
    GpGraphics g(*b.Canvas());
    FillMirrorGradient(g, {0, 0, 81, h}, RGB(0, 0, 0), RGB(230, 0, 0), RGB(0, 0, 230), RGB(0, 230, 0), ggVertical,
                       ggVertical);
    const int lastUpper = h == 45 ? 22 : 23;
    for (int y = 0; y < h; ++y) {
      TColor c = b.Canvas()->Pixel(40, y);
      bool upper = GetGValue(c) == 0 && GetBValue(c) == 0;
      EXPECT_EQ(upper, y <= lastUpper) << "h " << h << " row " << y;
    }
    EXPECT_EQ(b.Canvas()->Pixel(40, 0), RGB(0, 0, 0));
    EXPECT_GT(GetRValue(b.Canvas()->Pixel(40, lastUpper)), 215);
    EXPECT_GT(GetGValue(b.Canvas()->Pixel(40, lastUpper + 1)), 200);
    EXPECT_GT(GetBValue(b.Canvas()->Pixel(40, h - 1)), 215);
  }
}

TEST(FillHalfGradient, RadialUpperHalfGlowsOnlyAtTheMiddleOfTheTopEdge) {
  const TRect r{0, 0, 81, 23};
  TRadialGlow glow = RadialGlowGeometry(r, true);
  EXPECT_EQ(glow.Ellipse, (GpRectF{0, -9, 81, 23}));
  EXPECT_EQ(glow.Center, (GpPointF{40, 0}));
  TRadialGlow lower = RadialGlowGeometry({0, 21, 81, 45}, false);
  EXPECT_EQ(lower.Ellipse, (GpRectF{0, 21, 81, 45}));
  EXPECT_EQ(lower.Center, (GpPointF{40, 45}));

  TBitmap b(81, 23);
  GpGraphics g(*b.Canvas());
  FillHalfGradient(g, r, clBlack, clWhite, ggRadial, true);
  int pure = 0;
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 81; ++x) pure += b.Canvas()->Pixel(x, y) == clWhite;
  EXPECT_EQ(pure, 1);
  EXPECT_EQ(b.Canvas()->Pixel(40, 0), clWhite);
  EXPECT_EQ(b.Canvas()->Pixel(0, 0), clBlack);  // outside the ellipse: the base
  EXPECT_GT(GetRValue(b.Canvas()->Pixel(40, 5)), GetRValue(b.Canvas()->Pixel(40, 15)));
}

TEST(FillHalfGradient, BaseAndLinearKindsUseTheRightCornersAndExtent) {
  struct Case { TGDIPGradient kind; TPoint darkest; TPoint lightest; };
  const Case cases[] = {
      {ggVertical, {5, 0}, {5, 9}},
      {ggDiagonalForward, {0, 0}, {9, 9}},
      {ggDiagonalBackward, {9, 0}, {0, 9}},
  };
  for (const Case& k : cases) {
    TBitmap b(12, 12);
    GpGraphics g(*b.Canvas());
    FillHalfGradient(g, {0, 0, 10, 10}, clBlack, clWhite, k.kind, true);
    int lo = 255, hi = 0;
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) {
        lo = std::min<int>(lo, GetRValue(b.Canvas()->Pixel(x, y)));
        hi = std::max<int>(hi, GetRValue(b.Canvas()->Pixel(x, y)));
      }
    EXPECT_EQ(GetRValue(b.Canvas()->Pixel(k.darkest.X, k.darkest.Y)), lo) << int(k.kind);
    EXPECT_EQ(GetRValue(b.Canvas()->Pixel(k.lightest.X, k.lightest.Y)), hi) << int(k.kind);
  }
  // Right and bottom serve as the extent: a half away from the origin
  // lays its base beyond its own rectangle.
  TBitmap b(30, 30);
  GpGraphics g(*b.Canvas());
  FillHalfGradient(g, {10, 10, 15, 15}, clRed, clBlue, ggVertical, false);
  EXPECT_NE(b.Canvas()->Pixel(24, 24), clWhite);
  EXPECT_EQ(b.Canvas()->Pixel(25, 24), clWhite);
  EXPECT_EQ(b.Canvas()->Pixel(9, 9), clWhite);
}
