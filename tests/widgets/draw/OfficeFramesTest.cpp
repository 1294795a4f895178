// Frames, the drop arrow glyph and the text test.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "draw/OfficeColors.h"
#include "draw/OfficeFrames.h"
#include "draw/OfficeGlyphs.h"
#include "draw/OfficeText.h"
#include "graphics/TBitmap.h"
#include "graphics/gdiplus/GpGraphics.h"

namespace {

constexpr TColor kFrame = RGB(100, 150, 200);

using FrameFn = std::function<void(GpGraphics&)>;

std::unique_ptr<TBitmap> Draw(const FrameFn& fn, SmoothingMode mode = SmoothingModeAntiAlias) {
  auto b = std::make_unique<TBitmap>(24, 14);
  GpGraphics g(*b->Canvas());
  g.SetSmoothingMode(mode);
  fn(g);
  return b;
}

TColor At(const std::unique_ptr<TBitmap>& b, int x, int y) { return b->Canvas()->Pixel(x, y); }

}  // namespace

TEST(OfficeFrames, RadiusZeroIsSharpAndTheRoundedFigureIsRounded) {
  struct Case { const char* name; FrameFn fn; bool sharp; };
  const Case cases[] = {
      {"rectangle", [](GpGraphics& g) { DrawRoundedFrame(g, kFrame, 2, 2, 12, 8, 0); }, true},
      {"rounded", [](GpGraphics& g) { DrawRoundedFrame(g, kFrame, 2, 2, 12, 8, 3); }, false},
      {"toolbar", [](GpGraphics& g) { DrawToolBarRoundedFrame(g, kFrame, 2, 2, 12, 8, 3); }, false},
      {"toolbar radius 0", [](GpGraphics& g) { DrawToolBarRoundedFrame(g, kFrame, 2, 2, 12, 8, 0); }, true},
  };
  for (const Case& k : cases) {
    auto b = Draw(k.fn);
    for (TPoint corner : {TPoint{2, 2}, TPoint{14, 2}, TPoint{2, 10}, TPoint{14, 10}})
      EXPECT_EQ(At(b, corner.X, corner.Y) == kFrame, k.sharp) << k.name << " " << corner.X << "," << corner.Y;
    // The straight edges are crisp and the frame touches X + W and Y + H.
    for (TPoint edge : {TPoint{8, 2}, TPoint{14, 6}, TPoint{8, 10}, TPoint{2, 6}})
      EXPECT_EQ(At(b, edge.X, edge.Y), kFrame) << k.name;
    EXPECT_EQ(At(b, 8, 6), clWhite);
    EXPECT_EQ(At(b, 15, 6), clWhite);
  }
  auto standard = Draw(cases[1].fn), toolbar = Draw(cases[2].fn);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 24; ++x) ASSERT_EQ(At(standard, x, y), At(toolbar, x, y));
}

TEST(OfficeFrames, DottedFrameAlternatesFromTheStartOfTheTopEdge) {
  auto b = Draw([](GpGraphics& g) { DrawDottedRoundedFrame(g, kFrame, 0, 0, 20, 10, 2); }, SmoothingModeNone);
  for (int x = 2; x < 14; ++x) EXPECT_EQ(At(b, x, 0) == kFrame, x % 2 == 0) << x;
  int painted = 0;
  for (int y = 2; y < 8; ++y) painted += At(b, 20, y) == kFrame;
  EXPECT_EQ(painted, 3);
}

TEST(OfficeFrames, GroupFramesDarkenTheirInnerEdges) {
  const TColor dark = ScaleColor(kFrame, -5);
  ASSERT_EQ(dark, RGB(95, 142, 190));
  auto left = Draw([](GpGraphics& g) { DrawGroupFrameLeft(g, kFrame, 2, 2, 10, 8, 3); });
  EXPECT_NE(At(left, 2, 2), kFrame);
  EXPECT_EQ(At(left, 2, 6), kFrame);
  EXPECT_EQ(At(left, 8, 2), kFrame);
  EXPECT_EQ(At(left, 8, 10), kFrame);
  for (int y = 3; y < 10; ++y) EXPECT_EQ(At(left, 12, y), dark) << y;

  for (bool hot : {false, true}) {
    auto middle = Draw([hot](GpGraphics& g) { DrawGroupFrameMiddle(g, kFrame, 2, 2, 10, 8, 3, hot); });
    auto right = Draw([hot](GpGraphics& g) { DrawGroupFrameRight(g, kFrame, 2, 2, 10, 8, 3, hot); });
    // Top and bottom start one pixel left (a flat end through the pixel
    // centre covers half of it).
    EXPECT_NE(At(middle, 1, 2), clWhite);
    EXPECT_NE(At(middle, 1, 10), clWhite);
    EXPECT_EQ(At(middle, 0, 2), clWhite);
    EXPECT_EQ(At(middle, 11, 2), kFrame);
    EXPECT_EQ(At(middle, 6, 10), kFrame);
    for (int y = 3; y < 10; ++y) EXPECT_EQ(At(middle, 12, y), dark) << y;
    EXPECT_EQ(At(right, 12, 6), kFrame);
    EXPECT_NE(At(right, 12, 2), kFrame);
    for (const auto* b : {&middle, &right}) {
      if (hot) {
        for (int y = 3; y < 10; ++y) EXPECT_EQ(At(*b, 2, y), dark) << y;
      } else {
        EXPECT_EQ(At(*b, 2, 3), clWhite);
        for (int y = 5; y < 8; ++y) EXPECT_EQ(At(*b, 2, y), TColor(0xE6E6E6)) << y;
        EXPECT_EQ(At(*b, 2, 9), clWhite);
      }
    }
  }
}

TEST(OfficeGlyphs, DropArrowPixels) {
  struct Case { bool down; const char* rows[6]; };
  // # arrow colour, + shade, . untouched; the glyph's corner is at (1, 1).
  const Case cases[] = {
      {true, {"........", ".#####..", ".+###+..", "..+#+...", "...+....", "........"}},
      {false, {"......", ".#+...", ".##+..", ".###+.", ".##+..", ".#+..."}},
  };
  for (const Case& k : cases) {
    TBitmap b(8, 7);
    DrawDropArrow(*b.Canvas(), {1, 1}, clBlack, k.down, clRed);
    for (int y = 0; y < 6; ++y) {
      std::string row;
      for (int x = 0; x < static_cast<int>(std::strlen(k.rows[0])); ++x) {
        TColor c = b.Canvas()->Pixel(x, y);
        row += c == clBlack ? '#' : c == clRed ? '+' : c == clWhite ? '.' : '?';
      }
      EXPECT_EQ(row, k.rows[y]) << (k.down ? "down" : "right") << " row " << y;
    }
  }
}

TEST(OfficeText, GdipTextNeedsAnInstalledOutlineFont) {
  TCanvas c;
  c.Font()->SetName("DejaVu Sans");
  EXPECT_TRUE(CanDrawGdipText(c));
  c.Font()->SetName("No Such Face 7f3a");
  EXPECT_FALSE(CanDrawGdipText(c));
}
