// The pager's face and text painters, by the pixels they leave in a bitmap.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "draw/OfficeText.h"
#include "graphics/TBitmap.h"
#include "pager/ToolBarFace.h"

namespace {

constexpr TColor kColor = RGB(200, 0, 0), kColorTo = RGB(0, 200, 0);
constexpr TColor kMirror = RGB(0, 0, 200), kMirrorTo = RGB(200, 200, 0);
constexpr TColor kBorder = RGB(10, 60, 110);

// A 41 x 28 face: halves of 14 rows, the split at row 14.
constexpr int kW = 41, kH = 28;

TColor At(TBitmap& b, int x, int y) { return b.Canvas()->Pixel(x, y); }

::testing::AssertionResult Near(TColor Actual, TColor Expected, int Tolerance = 24) {
  for (int shift : {0, 8, 16}) {
    const int a = (Actual >> shift) & 0xFF, e = (Expected >> shift) & 0xFF;
    if (std::abs(a - e) > Tolerance)
      return ::testing::AssertionFailure() << std::hex << "0x" << Actual << " is not near 0x" << Expected;
  }
  return ::testing::AssertionSuccess();
}

void Face(TBitmap& b, TGDIPGradient Kind, TColor Border, bool Rounded, int Height = kH) {
  DrawToolBarFace(*b.Canvas(), {0, 0, kW, Height}, kColor, kColorTo, kMirror, kMirrorTo, Kind, Kind, Border,
                  Rounded);
}

}  // namespace

TEST(DrawToolBarFace, LinearHalvesRunFromTheirColoursAfterAPlainFirstRowAndColumn) {
  for (TGDIPGradient kind : {ggVertical, ggDiagonalForward, ggDiagonalBackward}) {
    TBitmap b(kW, kH);
    Face(b, kind, clNone, false);
    // The gradients start one pixel in: row 0 and column 0 keep the plain
    // fills, and so does the lower half's first row.
    for (int x : {0, 20, 40}) {
      EXPECT_EQ(At(b, x, 0), kColor) << kind << " x " << x;
      EXPECT_EQ(At(b, x, 14), kMirror) << kind << " x " << x;
    }
    EXPECT_EQ(At(b, 0, 7), kColor) << kind;
    EXPECT_EQ(At(b, 0, 21), kMirror) << kind;
    if (kind != ggVertical) continue;
    for (int x : {1, 20, 40}) {
      EXPECT_TRUE(Near(At(b, x, 1), kColor)) << x;
      EXPECT_TRUE(Near(At(b, x, 13), kColorTo)) << x;
      EXPECT_TRUE(Near(At(b, x, 15), kMirror)) << x;
      EXPECT_TRUE(Near(At(b, x, 27), kMirrorTo)) << x;
    }
  }
  // An odd height leaves the middle row to the lower half's plain fill.
  TBitmap odd(kW, kH - 1);
  Face(odd, ggVertical, clNone, false, kH - 1);
  for (int x : {0, 20, 40}) EXPECT_EQ(At(odd, x, 13), kMirror) << x;
  EXPECT_TRUE(Near(At(odd, 20, 12), kColorTo, 40));
  // The diagonal kinds run across as well as down.
  TBitmap forward(kW, kH), backward(kW, kH);
  Face(forward, ggDiagonalForward, clNone, false);
  Face(backward, ggDiagonalBackward, clNone, false);
  EXPECT_TRUE(Near(At(forward, 1, 1), kColor));
  EXPECT_TRUE(Near(At(forward, 40, 13), kColorTo));
  EXPECT_TRUE(Near(At(backward, 40, 1), kColor));
  EXPECT_TRUE(Near(At(backward, 1, 13), kColorTo));
}

TEST(DrawToolBarFace, RadialHalvesGlowFromTheMiddleOfTheirOuterEdges) {
  TBitmap b(kW, kH);
  Face(b, ggRadial, clNone, false);
  EXPECT_EQ(At(b, 20, 0), kColor);
  EXPECT_TRUE(Near(At(b, 20, 1), kColorTo));
  EXPECT_TRUE(Near(At(b, 20, 12), kColor, 60));
  EXPECT_EQ(At(b, 1, 12), kColor);  // outside the ellipse: the plain fill
  EXPECT_TRUE(Near(At(b, 20, 27), kMirrorTo));
  EXPECT_TRUE(Near(At(b, 20, 15), kMirror, 60));
  EXPECT_EQ(At(b, 1, 15), kMirror);
}

TEST(DrawToolBarFace, SystemColoursAreResolved) {
  TBitmap b(kW, kH);
  DrawToolBarFace(*b.Canvas(), {0, 0, kW, kH}, clBtnFace, clBtnFace, clBtnFace, clBtnFace, ggVertical, ggRadial,
                  clBtnShadow, false);
  EXPECT_EQ(At(b, 20, 7), TColor(0xF0F0F0));
  EXPECT_EQ(At(b, 20, 25), TColor(0xF0F0F0));
  EXPECT_EQ(At(b, 20, 0), ColorToRGB(clBtnShadow));
}

TEST(DrawToolBarFace, FrameIsSquareRoundedOrAbsent) {
  struct Case {
    const char* name;
    TColor border;
    bool rounded;
  };
  const Case cases[] = {{"square", kBorder, false}, {"rounded", kBorder, true}, {"none", clNone, false}};
  const TPoint corners[] = {{0, 0}, {kW - 1, 0}, {0, kH - 1}, {kW - 1, kH - 1}};
  const TPoint edges[] = {{20, 0}, {kW - 1, 7}, {20, kH - 1}, {0, 21}};
  for (const Case& k : cases) {
    TBitmap b(kW, kH);
    Face(b, ggVertical, k.border, k.rounded);
    const bool framed = k.border != clNone;
    for (TPoint p : corners)
      EXPECT_EQ(At(b, p.X, p.Y) == kBorder, framed && !k.rounded) << k.name << " " << p.X << "," << p.Y;
    for (TPoint p : edges) EXPECT_EQ(At(b, p.X, p.Y) == kBorder, framed) << k.name << " " << p.X << "," << p.Y;
    EXPECT_NE(At(b, 20, 7), kBorder) << k.name;
  }
}

TEST(DrawToolBarFace, ARectangleOneRowTallerThanTheBitmapLeavesNoBottomBorder) {
  TBitmap b(kW, kH - 1);
  Face(b, ggVertical, kBorder, false, kH);
  EXPECT_EQ(At(b, 20, 0), kBorder);
  EXPECT_EQ(At(b, 0, kH - 2), kBorder);
  EXPECT_EQ(At(b, kW - 1, kH - 2), kBorder);
  for (int x = 1; x < kW - 1; ++x) ASSERT_NE(At(b, x, kH - 2), kBorder) << x;
}

namespace {

constexpr TColor kInk = RGB(0, 0, 200);

struct TInk {
  int Left = 1 << 20, Top = 1 << 20, Right = -1, Bottom = -1;  // inclusive; Right < 0: no ink
  TColor Darkest = clWhite;
  bool Any() const { return Right >= 0; }
  int CentreX2() const { return Left + Right; }  // twice the centre
};

TInk InkOf(TBitmap& b, TRect Within = {0, 0, 1 << 20, 1 << 20}) {
  TInk ink;
  int darkest = 3 * 255;
  for (int y = std::max(0, Within.Top); y < std::min(b.Height(), Within.Bottom); ++y)
    for (int x = std::max(0, Within.Left); x < std::min(b.Width(), Within.Right); ++x) {
      const TColor c = At(b, x, y);
      if (c == clWhite) continue;
      ink.Left = std::min(ink.Left, x);
      ink.Right = std::max(ink.Right, x);
      ink.Top = std::min(ink.Top, y);
      ink.Bottom = std::max(ink.Bottom, y);
      const int sum = (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF);
      if (sum < darkest) {
        darkest = sum;
        ink.Darkest = c;
      }
    }
  return ink;
}

// One call of DrawToolBarText into a 200 x 40 bitmap.
struct TTextRun {
  std::string Text;
  TAlignment Alignment = taCenter;
  TAntiAlias AntiAlias = aaClearType;
  bool Enabled = true;
  std::string FontName = "DejaVu Sans";
  TFontStyles Style = {};
  TRect R = {20, 0, 180, 30};
};

void Draw(TBitmap& b, const TTextRun& Run) {
  TFont f;
  f.SetName(Run.FontName);
  f.SetSize(10);
  f.SetStyle(Run.Style);
  f.SetColor(kInk);
  DrawToolBarText(*b.Canvas(), Run.Alignment, Run.R, Run.AntiAlias, Run.Enabled, f, Run.Text);
}

TInk InkOf(const TTextRun& Run) {
  TBitmap b(200, 40);
  Draw(b, Run);
  return InkOf(b);
}

}  // namespace

TEST(DrawToolBarText, AlignsAcrossAndCentresDownOnBothPaths) {
  struct Case {
    TAntiAlias antiAlias;
    TAlignment alignment;
  };
  const Case cases[] = {{aaClearType, taCenter},      {aaAntiAlias, taLeftJustify}, {aaClearType, taRightJustify},
                        {aaNone, taCenter},           {aaNone, taLeftJustify},      {aaNone, taRightJustify}};
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "anti-alias " << int(k.antiAlias) << ", alignment " << k.alignment);
    const TInk ink = InkOf({.Text = "Morvane", .Alignment = k.alignment, .AntiAlias = k.antiAlias});
    ASSERT_TRUE(ink.Any());
    switch (k.alignment) {
      case taCenter: EXPECT_NEAR(ink.CentreX2(), 20 + 180 - 1, 4); break;
      case taLeftJustify: EXPECT_TRUE(ink.Left >= 20 && ink.Left <= 25) << ink.Left; break;
      case taRightJustify: EXPECT_TRUE(ink.Right >= 174 && ink.Right < 180) << ink.Right; break;
    }
    // A rectangle 10 rows taller moves the text down by half of that.
    const TInk taller =
        InkOf({.Text = "Morvane", .Alignment = k.alignment, .AntiAlias = k.antiAlias, .R = {20, 0, 180, 40}});
    EXPECT_EQ(taller.Top - ink.Top, 5);
    EXPECT_TRUE(Near(ink.Darkest, kInk, 60)) << "the font's colour";
  }
}

TEST(DrawToolBarText, BothPathsDrawTheFontAtItsPointSize) {
  const TInk surface = InkOf({.Text = "MMM", .AntiAlias = aaAntiAlias});
  const TInk canvas = InkOf({.Text = "MMM", .AntiAlias = aaNone});
  EXPECT_NEAR(surface.Bottom - surface.Top, canvas.Bottom - canvas.Top, 1);
  EXPECT_NEAR(surface.Right - surface.Left, canvas.Right - canvas.Left, 3);
  const TInk bold = InkOf({.Text = "MMM", .AntiAlias = aaAntiAlias, .Style = {fsBold}});
  EXPECT_GT(bold.Right - bold.Left, surface.Right - surface.Left + 2);
  // A family the system lacks falls back to Arial instead of drawing nothing.
  EXPECT_TRUE(InkOf({.Text = "MMM", .FontName = "No Such Face 7f3a"}).Any());
}

TEST(DrawToolBarText, DisabledTextIsGreyOnTheSurfacePath) {
  const TInk ink = InkOf({.Text = "Morvane", .Enabled = false});
  ASSERT_TRUE(ink.Any());
  EXPECT_TRUE(Near(ink.Darkest, 0x808080, 6));
}

TEST(DrawToolBarText, AnAmpersandUnderlinesTheNextLetterAndIsNotDrawn) {
  const TInk plain = InkOf({.Text = "File"}), marked = InkOf({.Text = "&File"});
  ASSERT_TRUE(plain.Any());
  EXPECT_NEAR(marked.Right - marked.Left, plain.Right - plain.Left, 2);
  // The underline lies below the letters, under the F only.
  ASSERT_GT(marked.Bottom, plain.Bottom);
  TBitmap b(200, 40);
  Draw(b, {.Text = "&File"});
  const TInk underline = InkOf(b, {0, plain.Bottom + 1, 200, 40});
  ASSERT_TRUE(underline.Any());
  EXPECT_LE(underline.Left, marked.Left + 1);
  EXPECT_LT(underline.Right, marked.Left + (marked.Right - marked.Left) / 2);
}

TEST(DrawToolBarText, EmptyTextLeavesCanvasAndPixelsAlone) {
  for (TAntiAlias antiAlias : {aaClearType, aaNone}) {
    TBitmap b(200, 40);
    b.Canvas()->Font()->SetName("Liberation Serif");
    Draw(b, {.Text = "", .AntiAlias = antiAlias});
    EXPECT_FALSE(InkOf(b).Any()) << int(antiAlias);
    EXPECT_EQ(b.Canvas()->Font()->Name(), "Liberation Serif") << int(antiAlias);
  }
}
