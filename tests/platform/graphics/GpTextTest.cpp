// Text through the drawing surface: font families, alignment in the
// layout rectangle, wrapping, hotkey prefixes, trimming, clipping and the
// rendering hints.
#include <gtest/gtest.h>

#include <set>

#include "graphics/TBitmap.h"
#include "graphics/gdiplus/GpFont.h"
#include "graphics/gdiplus/GpGraphics.h"
#include "graphics/gdiplus/GpSolidFill.h"
#include "graphics/gdiplus/GpStringFormat.h"

namespace {

// The box of the pixels that are not white.
TRect Ink(TBitmap& b, const TRect& within) {
  TRect r{within.Right, within.Bottom, within.Left, within.Top};
  for (int y = within.Top; y < within.Bottom; ++y)
    for (int x = within.Left; x < within.Right; ++x)
      if (b.Canvas()->Pixel(x, y) != clWhite)
        r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
  return r;
}
TRect Ink(TBitmap& b) { return Ink(b, {0, 0, b.Width(), b.Height()}); }

class GpText : public ::testing::Test {
 protected:
  GpFontFamily family{"DejaVu Sans"};
  GpFont font{family, 9};
  GpSolidFill black{0xFF000000u};
};

}  // namespace

TEST_F(GpText, UnknownFamiliesAreNotFoundAndArialAlwaysIs) {
  EXPECT_EQ(family.Status(), Ok);
  EXPECT_EQ(font.Status(), Ok);
  EXPECT_NEAR(font.EmPixels(), 12.0f, 1e-4);
  GpFontFamily missing("No Such Face 7f3a");
  EXPECT_EQ(missing.Status(), FontFamilyNotFound);
  GpFont unusable(missing, 9);
  EXPECT_EQ(unusable.Status(), FontFamilyNotFound);
  TBitmap b(10, 10);
  GpGraphics g(*b.Canvas());
  EXPECT_EQ(g.DrawString("x", unusable, {0, 0, 10, 10}, nullptr, black), InvalidParameter);
  EXPECT_EQ(GpFontFamily("Arial").Status(), Ok);
}

TEST_F(GpText, AlignsNearCentreAndFarBothWays) {
  const StringAlignment all[] = {StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar};
  for (StringAlignment h : all) {
    for (StringAlignment v : all) {
      TBitmap b(120, 60);
      GpGraphics g(*b.Canvas());
      GpStringFormat f;
      f.SetAlignment(h);
      f.SetLineAlignment(v);
      ASSERT_EQ(g.DrawString("Hx", font, {10, 5, 100, 50}, &f, black), Ok);
      TRect ink = Ink(b);
      ASSERT_FALSE(ink.IsEmpty());
      int cx = (ink.Left + ink.Right) / 2, cy = (ink.Top + ink.Bottom) / 2;
      switch (h) {
        case StringAlignmentNear: EXPECT_LE(ink.Left, 14) << "near"; EXPECT_GE(ink.Left, 11); break;
        case StringAlignmentCenter: EXPECT_NEAR(cx, 60, 2); break;
        case StringAlignmentFar: EXPECT_GE(ink.Right, 106); EXPECT_LE(ink.Right, 109); break;
      }
      switch (v) {
        case StringAlignmentNear: EXPECT_LE(ink.Top, 10); EXPECT_GE(ink.Top, 5); break;
        case StringAlignmentCenter: EXPECT_NEAR(cy, 30, 3); break;
        case StringAlignmentFar: EXPECT_GE(ink.Bottom, 48); EXPECT_LE(ink.Bottom, 55); break;
      }
    }
  }
}

TEST_F(GpText, WrapsAtBlanksUnlessToldNotTo) {
  TCanvas measuring;
  GpGraphics g(measuring);
  GpRectF one, wrapped, unwrapped;
  int lines = 0;
  ASSERT_EQ(g.MeasureString("alpha", font, {0, 0, 0, 0}, nullptr, &one, nullptr, &lines), Ok);
  EXPECT_EQ(lines, 1);
  g.MeasureString("alpha alpha alpha", font, {0, 0, one.Width + 4, 0}, nullptr, &wrapped, nullptr, &lines);
  EXPECT_EQ(lines, 3);
  EXPECT_NEAR(wrapped.Height, 3 * font.GetHeight(), 0.5);
  EXPECT_LE(wrapped.Width, one.Width + 4);
  GpStringFormat nowrap(StringFormatFlagsNoWrap);
  nowrap.SetTrimming(StringTrimmingNone);
  g.MeasureString("alpha alpha alpha", font, {0, 0, one.Width + 4, 0}, &nowrap, &unwrapped, nullptr, &lines);
  EXPECT_EQ(lines, 1);
  EXPECT_GT(unwrapped.Width, 2 * one.Width);
  // The default format pads each end by a sixth of the em.
  GpStringFormat typographic = GpStringFormat::GenericTypographic();
  GpRectF tight;
  g.MeasureString("alpha", font, {0, 0, 0, 0}, &typographic, &tight);
  EXPECT_NEAR(one.Width - tight.Width, font.EmPixels() / 3, 0.01);
  // A line limit drops a line that is only partly inside.
  GpStringFormat limited(StringFormatFlagsLineLimit);
  float h = font.GetHeight() * 1.5f;
  g.MeasureString("a\nb", font, {0, 0, 100, h}, nullptr, &wrapped, nullptr, &lines);
  EXPECT_EQ(lines, 2);
  g.MeasureString("a\nb", font, {0, 0, 100, h}, &limited, &wrapped, nullptr, &lines);
  EXPECT_EQ(lines, 1);
}

TEST_F(GpText, HotkeyPrefixIsHiddenShownAsUnderlineOrKept) {
  TCanvas measuring;
  GpGraphics m(measuring);
  GpRectF plain, shown, kept;
  GpStringFormat show, none;
  show.SetHotkeyPrefix(HotkeyPrefixShow);
  m.MeasureString("File", font, {}, &show, &plain);
  m.MeasureString("&File", font, {}, &show, &shown);
  m.MeasureString("&File", font, {}, &none, &kept);
  EXPECT_FLOAT_EQ(shown.Width, plain.Width);
  EXPECT_GT(kept.Width, plain.Width);

  auto inkBelowBaseline = [&](HotkeyPrefix prefix) {
    TBitmap b(60, 30);
    GpGraphics g(*b.Canvas());
    GpStringFormat f;
    f.SetHotkeyPrefix(prefix);
    g.DrawString("&nn", font, {0, 0, 60, 30}, &f, black);
    // "n" has no descender: ink below its foot is the underline.
    TRect all = Ink(b);
    return Ink(b, {all.Left, all.Bottom - 1, all.Right, all.Bottom}).Width();
  };
  int shownWidth = inkBelowBaseline(HotkeyPrefixShow);
  EXPECT_GT(shownWidth, 3);
  EXPECT_LT(shownWidth, 10);  // under the first "n" only
  TBitmap hidden(60, 30), show2(60, 30);
  GpStringFormat hide;
  hide.SetHotkeyPrefix(HotkeyPrefixHide);
  GpGraphics(*hidden.Canvas()).DrawString("&nn", font, {0, 0, 60, 30}, &hide, black);
  GpGraphics(*show2.Canvas()).DrawString("&nn", font, {0, 0, 60, 30}, &show, black);
  EXPECT_GT(Ink(show2).Bottom, Ink(hidden).Bottom);
}

TEST_F(GpText, TrimsAndClipsToTheLayoutRectangle) {
  const char* text = "a caption far too long for its box";
  struct Case { StringTrimming trimming; int flags; bool insideBox; };
  const Case cases[] = {
      {StringTrimmingEllipsisCharacter, StringFormatFlagsNoWrap, true},
      {StringTrimmingEllipsisWord, StringFormatFlagsNoWrap, true},
      {StringTrimmingCharacter, StringFormatFlagsNoWrap, true},
      {StringTrimmingNone, StringFormatFlagsNoWrap, true},  // clipped
      {StringTrimmingNone, StringFormatFlagsNoWrap | StringFormatFlagsNoClip, false},
  };
  for (const Case& k : cases) {
    TBitmap b(200, 30);
    GpGraphics g(*b.Canvas());
    GpStringFormat f(k.flags);
    f.SetTrimming(k.trimming);
    g.DrawString(text, font, {10, 5, 60, 20}, &f, black);
    TRect ink = Ink(b);
    EXPECT_GE(ink.Left, 10);
    if (k.insideBox) {
      EXPECT_LE(ink.Right, 70) << k.trimming;
    } else {
      EXPECT_GT(ink.Right, 100);
    }
  }
  // A trimmed text measures what is drawn.
  GpStringFormat ellipsis(StringFormatFlagsNoWrap);
  ellipsis.SetTrimming(StringTrimmingEllipsisCharacter);
  TCanvas measuring;
  GpRectF bounds;
  int fitted = 0;
  GpGraphics(measuring).MeasureString(text, font, {0, 0, 60, 20}, &ellipsis, &bounds, &fitted);
  EXPECT_LE(bounds.Width, 60);
  EXPECT_LT(fitted, 30);
}

TEST_F(GpText, RenderingHintsChooseGreyOrBilevelGlyphs) {
  struct Case { TextRenderingHint hint; bool greys; };
  const Case cases[] = {
      {TextRenderingHintClearTypeGridFit, true},
      {TextRenderingHintAntiAliasGridFit, true},
      {TextRenderingHintSingleBitPerPixelGridFit, false},
  };
  for (const Case& k : cases) {
    TBitmap b(60, 24);
    GpGraphics g(*b.Canvas());
    g.SetTextRenderingHint(k.hint);
    g.DrawString("Ragout", font, {0, 0, 60, 24}, nullptr, black);
    std::set<TColor> colours;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 60; ++x) colours.insert(b.Canvas()->Pixel(x, y));
    EXPECT_EQ(colours.size() > 2, k.greys) << k.hint;
    EXPECT_TRUE(colours.count(clBlack) || k.greys);
  }
}
