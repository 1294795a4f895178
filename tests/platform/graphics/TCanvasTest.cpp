// The canvas keeps the window system's pixel rules: which pixels a fill,
// a line, an outline and a copy touch.
#include <gtest/gtest.h>

#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"

TEST(TCanvas, FillRectExcludesRightAndBottomEdges) {
  TBitmap b(6, 6);
  TCanvas* c = b.Canvas();
  c->Brush()->SetColor(clRed);
  c->FillRect({1, 1, 4, 3});
  EXPECT_EQ(c->Pixel(1, 1), clRed);
  EXPECT_EQ(c->Pixel(3, 2), clRed);
  EXPECT_EQ(c->Pixel(4, 2), clWhite);
  EXPECT_EQ(c->Pixel(3, 3), clWhite);
  EXPECT_EQ(c->Pixel(0, 0), clWhite);
}

TEST(TCanvas, LinesExcludeTheirEndPoint) {
  struct Case { TPoint from, to, last, end; };
  const Case cases[] = {
      {{0, 2}, {5, 2}, {4, 2}, {5, 2}},  // left to right
      {{5, 3}, {0, 3}, {1, 3}, {0, 3}},  // right to left
      {{2, 0}, {2, 4}, {2, 3}, {2, 4}},  // down
      {{0, 0}, {4, 4}, {3, 3}, {4, 4}},  // diagonal
  };
  for (const Case& k : cases) {
    TBitmap b(8, 8);
    TCanvas* c = b.Canvas();
    c->Pen()->SetColor(clBlue);
    c->MoveTo(k.from.X, k.from.Y);
    c->LineTo(k.to.X, k.to.Y);
    EXPECT_EQ(c->Pixel(k.from.X, k.from.Y), clBlue);
    EXPECT_EQ(c->Pixel(k.last.X, k.last.Y), clBlue);
    EXPECT_EQ(c->Pixel(k.end.X, k.end.Y), clWhite);
    EXPECT_EQ(c->PenPos(), k.to);
  }
}

TEST(TCanvas, RectangleOutlinesInsideAndFillsWithoutPenOnePixelShort) {
  TBitmap b(8, 8);
  TCanvas* c = b.Canvas();
  c->Pen()->SetColor(clBlack);
  c->Brush()->SetColor(clLime);
  c->Rectangle(0, 0, 5, 5);
  EXPECT_EQ(c->Pixel(0, 0), clBlack);
  EXPECT_EQ(c->Pixel(4, 4), clBlack);
  EXPECT_EQ(c->Pixel(2, 2), clLime);
  EXPECT_EQ(c->Pixel(5, 5), clWhite);

  c->Pen()->SetStyle(psClear);
  c->Brush()->SetColor(clRed);
  c->Rectangle(0, 0, 5, 5);
  EXPECT_EQ(c->Pixel(3, 3), clRed);
  EXPECT_EQ(c->Pixel(4, 4), clBlack);
}

TEST(TCanvas, OriginAndClipMoveAndLimitDrawing) {
  TBitmap b(10, 10);
  TCanvas* c = b.Canvas();
  int saved = c->SaveDC();
  c->MoveWindowOrg(3, 2);
  c->IntersectClipRect({0, 0, 2, 2});
  c->Brush()->SetColor(clRed);
  c->FillRect({0, 0, 5, 5});
  c->RestoreDC(saved);
  EXPECT_EQ(c->Pixel(3, 2), clRed);
  EXPECT_EQ(c->Pixel(4, 3), clRed);
  EXPECT_EQ(c->Pixel(5, 3), clWhite);
  EXPECT_EQ(c->Pixel(2, 2), clWhite);
  c->FillRect({9, 9, 10, 10});
  EXPECT_EQ(c->Pixel(9, 9), clRed);
}

TEST(TCanvas, RasterOperationsCombineSourceDestinationAndBrush) {
  TBitmap src(1, 1), dst(1, 1);
  src.Canvas()->SetPixel(0, 0, 0x0F0F0F);
  struct Case { uint32_t rop; TColor expected; };
  // Source 0x0F0F0F, destination 0x303030, brush 0x00FF00.
  const Case cases[] = {
      {SRCCOPY, 0x0F0F0F},   {SRCPAINT, 0x3F3F3F},  {SRCAND, 0x000000},    {SRCINVERT, 0x3F3F3F},
      {MERGECOPY, 0x000F00}, {SRCERASE, 0x0F0F0F & 0xCFCFCF}, {MERGEPAINT, 0xF0F0F0 | 0x303030},
  };
  for (const Case& k : cases) {
    dst.Canvas()->SetPixel(0, 0, 0x303030);
    dst.Canvas()->Brush()->SetColor(0x00FF00);
    dst.Canvas()->BitBlt(0, 0, 1, 1, src.Canvas(), 0, 0, k.rop);
    EXPECT_EQ(dst.Canvas()->Pixel(0, 0), k.expected)
        << std::hex << k.rop;
  }
}

TEST(TCanvas, TransparentBitmapLeavesOutItsBottomLeftColour) {
  TBitmap pic(2, 2);
  pic.Canvas()->SetPixel(0, 0, clRed);
  pic.Canvas()->SetPixel(1, 0, clFuchsia);
  pic.Canvas()->SetPixel(0, 1, clFuchsia);
  pic.Canvas()->SetPixel(1, 1, clBlue);
  pic.SetTransparent(true);
  EXPECT_EQ(pic.TransparentColor(), clFuchsia);
  TBitmap target(2, 2);
  target.Canvas()->Draw(0, 0, &pic);
  EXPECT_EQ(target.Canvas()->Pixel(0, 0), clRed);
  EXPECT_EQ(target.Canvas()->Pixel(1, 0), clWhite);
  EXPECT_EQ(target.Canvas()->Pixel(0, 1), clWhite);
  EXPECT_EQ(target.Canvas()->Pixel(1, 1), clBlue);
}

TEST(TCanvas, DrawTextAlignsWrapsAndMeasures) {
  TBitmap b(200, 60);
  TCanvas* c = b.Canvas();
  c->Brush()->SetStyle(bsClear);
  TRect calc{0, 0, 60, 0};
  int h = c->DrawText("alpha beta gamma", calc, DT_WORDBREAK | DT_CALCRECT);
  int line = c->TextHeight("Ag");
  EXPECT_GT(line, 8);
  EXPECT_GE(h, 2 * line);
  EXPECT_LE(calc.Width(), 60);

  TRect one{0, 0, 200, 0};
  c->DrawText("&Internet", one, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(one.Width(), c->TextWidth("Internet"));
}
