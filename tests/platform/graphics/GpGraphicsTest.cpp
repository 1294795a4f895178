// The drawing surface's pixel rules: where pixel centres lie, which pixels
// fills and outlines cover with and without smoothing, pens' dashes, the
// gradient brushes, paths, images, and how it shares a painter with the
// canvas.
#include <gtest/gtest.h>

#include "core/TStream.h"
#include "graphics/TBitmap.h"
#include "graphics/gdiplus/GpGraphics.h"
#include "graphics/gdiplus/GpImage.h"
#include "graphics/gdiplus/GpLineGradient.h"
#include "graphics/gdiplus/GpPath.h"
#include "graphics/gdiplus/GpPathGradient.h"
#include "graphics/gdiplus/GpPen.h"
#include "graphics/gdiplus/GpSolidFill.h"

namespace {

constexpr ARGB kBlack = 0xFF000000u;
constexpr ARGB kWhite = 0xFFFFFFFFu;

int Red(TBitmap& b, int x, int y) { return GetRValue(b.Canvas()->Pixel(x, y)); }

class GpGraphicsPens : public ::testing::TestWithParam<SmoothingMode> {};

}  // namespace

TEST_P(GpGraphicsPens, OnePixelPensCoverWholePixelsOnIntegerCoordinates) {
  TBitmap b(12, 10);
  GpGraphics g(*b.Canvas());
  g.SetSmoothingMode(GetParam());
  GpPen pen(kBlack);
  g.DrawLine(pen, 0, 0, 10, 0);
  g.DrawRectangle(pen, 2, 3, 5, 4);
  for (int x = 1; x < 10; ++x) EXPECT_EQ(Red(b, x, 0), 0) << x;
  EXPECT_EQ(Red(b, 5, 1), 255);
  // The outline covers X to X + Width inclusive, corners full.
  for (TPoint p : {TPoint{2, 3}, TPoint{7, 3}, TPoint{2, 7}, TPoint{7, 7}, TPoint{4, 3}, TPoint{2, 5}})
    EXPECT_EQ(Red(b, p.X, p.Y), 0) << p.X << "," << p.Y;
  for (TPoint p : {TPoint{3, 4}, TPoint{8, 3}, TPoint{2, 8}, TPoint{1, 3}})
    EXPECT_EQ(Red(b, p.X, p.Y), 255) << p.X << "," << p.Y;
}

INSTANTIATE_TEST_SUITE_P(Smoothing, GpGraphicsPens, ::testing::Values(SmoothingModeNone, SmoothingModeAntiAlias));

TEST(GpGraphics, AliasedFillsCoverTheCanvasPixelsAndSmoothFillsShareEdgePixels) {
  const TRect rects[] = {{1, 1, 4, 3}, {0, 0, 1, 1}, {3, 2, 9, 8}};
  for (const TRect& r : rects) {
    TBitmap gdi(10, 10), gdip(10, 10);
    gdi.Canvas()->Brush()->SetColor(clBlack);
    gdi.Canvas()->FillRect(r);
    GpGraphics g(*gdip.Canvas());
    GpSolidFill black(kBlack);
    g.FillRectangle(black, r.Left, r.Top, r.Width(), r.Height());
    GpPath path;
    path.AddRectangle({float(r.Left), float(r.Top), float(r.Width()), float(r.Height())});
    g.FillPath(black, path);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) ASSERT_EQ(Red(gdip, x, y), Red(gdi, x, y)) << x << "," << y;
  }
  // Anti-aliased, an edge on an integer runs through pixel centres.
  TBitmap b(6, 6);
  GpGraphics g(*b.Canvas());
  g.SetSmoothingMode(SmoothingModeAntiAlias);
  GpSolidFill black(kBlack);
  g.FillRectangle(black, 1, 1, 3, 3);
  EXPECT_NEAR(Red(b, 2, 1), 128, 2);
  EXPECT_NEAR(Red(b, 1, 1), 191, 2);
  EXPECT_EQ(Red(b, 2, 2), 0);
  EXPECT_EQ(Red(b, 5, 5), 255);
}

TEST(GpGraphics, DashStylesRepeatInMultiplesOfTheWidth) {
  struct Case { DashStyle style; const char* pattern; };
  const Case cases[] = {
      {DashStyleSolid, "############"},
      {DashStyleDot, "#.#.#.#.#.#."},
      {DashStyleDash, "###.###.###."},
      {DashStyleDashDot, "###.#.###.#."},
      {DashStyleDashDotDot, "###.#.#.###."},
  };
  for (const Case& k : cases) {
    TBitmap b(12, 1);
    GpGraphics g(*b.Canvas());
    GpPen pen(kBlack);
    pen.SetDashStyle(k.style);
    g.DrawLine(pen, 0, 0, 12, 0);
    std::string seen;
    for (int x = 0; x < 12; ++x) seen += Red(b, x, 0) == 0 ? '#' : '.';
    EXPECT_EQ(seen, k.pattern) << k.style;
  }
}

TEST(GpGraphics, LinearGradientsRunFromColor1ToColor2AndTile) {
  struct Probe { int x, y, red; };
  struct Case { LinearGradientMode mode; Probe probes[3]; };
  // 10 x 10, black to white; pixel centres lie on integers, so the last
  // column or row is at nine tenths.
  const Case cases[] = {
      {LinearGradientModeHorizontal, {{0, 7, 0}, {9, 2, 230}, {5, 9, 128}}},
      {LinearGradientModeVertical, {{7, 0, 0}, {2, 9, 230}, {9, 5, 128}}},
      {LinearGradientModeForwardDiagonal, {{0, 0, 0}, {9, 9, 230}, {9, 0, 115}}},
      {LinearGradientModeBackwardDiagonal, {{9, 0, 13}, {0, 9, 242}, {0, 0, 128}}},
  };
  for (const Case& k : cases) {
    TBitmap b(10, 10);
    GpGraphics g(*b.Canvas());
    GpLineGradient brush({0, 0, 10, 10}, kBlack, kWhite, k.mode);
    ASSERT_EQ(brush.Status(), Ok);
    g.FillRectangle(brush, 0, 0, 10, 10);
    for (const Probe& p : k.probes) EXPECT_NEAR(Red(b, p.x, p.y), p.red, 2) << k.mode << " at " << p.x << "," << p.y;
    if (k.mode == LinearGradientModeForwardDiagonal) {
      EXPECT_EQ(Red(b, 9, 0), Red(b, 0, 9));
    }
  }
  TBitmap b(2, 20);
  GpGraphics g(*b.Canvas());
  GpLineGradient brush({0, 0, 2, 10}, kBlack, kWhite, LinearGradientModeVertical);
  EXPECT_EQ(brush.GetWrapMode(), WrapModeTile);
  EXPECT_EQ(brush.SetWrapMode(WrapModeClamp), InvalidParameter);
  g.FillRectangle(brush, 0, 0, 2, 20);
  EXPECT_LT(Red(b, 0, 11), Red(b, 0, 9));
  EXPECT_EQ(Red(b, 0, 15), Red(b, 0, 5));

  GpLineGradient empty({0, 0, 5, 0}, kBlack, kWhite, LinearGradientModeVertical);
  EXPECT_NE(empty.Status(), Ok);
  EXPECT_EQ(g.FillRectangle(empty, 0, 0, 2, 2), InvalidParameter);
}

TEST(GpGraphics, PathGradientBlendsFromTheCentrePointToTheEllipseOnly) {
  TBitmap b(21, 11);
  b.Canvas()->Brush()->SetColor(clRed);
  b.Canvas()->FillRect({0, 0, 21, 11});
  GpGraphics g(*b.Canvas());
  GpPathGradient brush({0, 0, 20, 10});
  brush.SetCenterPoint({10, 2});
  brush.SetCenterColor(kWhite);
  brush.SetSurroundColor(kBlack);
  g.FillRectangle(brush, 0, 0, 21, 11);
  EXPECT_EQ(b.Canvas()->Pixel(10, 2), clWhite);
  EXPECT_EQ(b.Canvas()->Pixel(0, 0), clRed);
  EXPECT_EQ(b.Canvas()->Pixel(20, 10), clRed);
  // Along each ray the share of the way to the boundary decides: the
  // boundary is 2 pixels above the centre point and 8 below.
  EXPECT_NEAR(Red(b, 10, 1), 128, 3);
  EXPECT_NEAR(Red(b, 10, 6), 128, 3);
  EXPECT_LT(Red(b, 10, 9), 40);

  GpPathGradient flat({0, 0, 0, 10});
  EXPECT_NE(flat.Status(), Ok);
}

TEST(GpGraphics, PathFiguresJoinContinueAndClose) {
  auto draw = [](bool close) {
    auto b = std::make_unique<TBitmap>(10, 10);
    GpGraphics g(*b->Canvas());
    GpPath path;
    path.AddLine(1, 1, 8, 1);
    path.AddLine(8, 8, 1, 8);
    if (close) path.CloseFigure();
    g.DrawPath(GpPen(kBlack), path);
    return b;
  };
  auto open = draw(false), closed = draw(true);
  EXPECT_EQ(Red(*open, 8, 4), 0);
  EXPECT_EQ(Red(*open, 1, 4), 255);
  EXPECT_EQ(Red(*closed, 1, 4), 0);

  GpPath arc;
  EXPECT_EQ(arc.AddArc(0, 0, 0, 0, 0, 90), InvalidParameter);
  EXPECT_TRUE(arc.Empty());
  // Clockwise from 3 o'clock: the quarter from the right to the bottom.
  arc.AddArc(0, 0, 10, 10, 0, 90);
  GpRectF r = arc.Bounds();
  EXPECT_NEAR(r.X, 5, 0.01);
  EXPECT_NEAR(r.Y, 5, 0.01);
  EXPECT_NEAR(r.Right(), 10, 0.01);
  EXPECT_NEAR(r.Bottom(), 10, 0.01);
  // A new figure after a closed one does not join it.
  GpPath two;
  two.AddRectangle({0, 0, 2, 2});
  two.AddLine(5, 5, 6, 5);
  EXPECT_NEAR(two.Bounds().Width, 6, 0.01);
  TBitmap b(8, 8);
  GpGraphics g(*b.Canvas());
  g.DrawPath(GpPen(kBlack), two);
  EXPECT_EQ(Red(b, 3, 3), 255);
}

TEST(GpGraphics, DrawsThroughTheContextsOriginAndClipAndLeavesTheCanvasItsOwn) {
  TBitmap b(12, 12);
  TCanvas* c = b.Canvas();
  int saved = c->SaveDC();
  c->MoveWindowOrg(3, 2);
  c->IntersectClipRect({0, 0, 4, 4});
  GpGraphics g(*c);
  g.SetSmoothingMode(SmoothingModeAntiAlias);
  GpSolidFill black(kBlack);
  g.FillRectangle(black, 1, 1, 10, 10);
  // The canvas draws at its own, unshifted, origin after the surface.
  c->Brush()->SetColor(clRed);
  c->FillRect({0, 0, 1, 1});
  g.SetSmoothingMode(SmoothingModeNone);
  g.FillRectangle(black, 0, 3, 1, 1);
  c->RestoreDC(saved);
  EXPECT_EQ(c->Pixel(3, 2), clRed);
  EXPECT_EQ(c->Pixel(4, 2), clWhite);
  EXPECT_EQ(c->Pixel(2, 2), clWhite);
  EXPECT_EQ(Red(b, 5, 4), 0);
  EXPECT_EQ(Red(b, 6, 5), 0);
  EXPECT_EQ(Red(b, 7, 6), 255);  // clipped
  EXPECT_EQ(Red(b, 3, 5), 0);

  TCanvas measuring;
  GpGraphics offline(measuring);
  EXPECT_EQ(offline.FillRectangle(black, 0, 0, 1, 1), WrongState);
}

TEST(GpGraphics, DrawImageScalesIntoTheRectangle) {
  TBitmap pic(2, 2);
  pic.Canvas()->Brush()->SetColor(clBlue);
  pic.Canvas()->FillRect({0, 0, 2, 2});
  TMemoryStream bytes;
  pic.SaveToStream(bytes);
  auto image = GpImage::FromBytes(bytes.Bytes());
  ASSERT_EQ(image->Width(), 2u);

  TBitmap b(8, 8);
  GpGraphics g(*b.Canvas());
  EXPECT_EQ(g.DrawImage(*image, 1, 2, 6, 4), Ok);
  EXPECT_EQ(b.Canvas()->Pixel(1, 2), clBlue);
  EXPECT_EQ(b.Canvas()->Pixel(6, 5), clBlue);
  EXPECT_EQ(b.Canvas()->Pixel(0, 2), clWhite);
  EXPECT_EQ(b.Canvas()->Pixel(7, 5), clWhite);
  EXPECT_EQ(b.Canvas()->Pixel(3, 6), clWhite);
}
