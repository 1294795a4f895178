// The face geometry as rectangles: drop-down part, text rectangle and
// image place per layout, content and AutoSize sizes, key tip and menu
// places, and the caption's line breaks.
#include <gtest/gtest.h>

#include "glowbutton/GlowButtonLayout.h"

namespace {

TEST(GlowLayout, TheDropDownPartTakesThirteenPixelsOfItsEdge) {
  const TRect r{0, 0, 81, 45};
  EXPECT_EQ(GlowParts(r, false, dpRight).Content, r);
  EXPECT_TRUE(GlowParts(r, false, dpRight).DropDown.IsEmpty());
  EXPECT_EQ(GlowParts(r, true, dpRight).Content, (TRect{0, 0, 68, 45}));
  EXPECT_EQ(GlowParts(r, true, dpRight).DropDown, (TRect{68, 0, 81, 45}));
  EXPECT_EQ(GlowParts(r, true, dpBottom).Content, (TRect{0, 0, 81, 32}));
  EXPECT_EQ(GlowParts(r, true, dpBottom).DropDown, (TRect{0, 32, 81, 45}));
  // Presses count from 13 pixels, the hot zone from 12.
  EXPECT_TRUE(InGlowDropDownPart({69, 5}, {81, 45}, true, dpRight, GlowDropDownWidth));
  EXPECT_FALSE(InGlowDropDownPart({68, 5}, {81, 45}, true, dpRight, GlowDropDownWidth));
  EXPECT_FALSE(InGlowDropDownPart({69, 5}, {81, 45}, true, dpRight, GlowDropDownHotWidth));
  EXPECT_TRUE(InGlowDropDownPart({5, 33}, {81, 45}, true, dpBottom, GlowDropDownWidth));
  EXPECT_FALSE(InGlowDropDownPart({80, 44}, {81, 45}, false, dpRight, GlowDropDownWidth));
}

TEST(GlowLayout, NotesMakeAnyLayoutLeftAdjusted) {
  EXPECT_EQ(GlowEffectiveLayout(blGlyphTop, true), blGlyphLeftAdjusted);
  EXPECT_EQ(GlowEffectiveLayout(blGlyphTop, false), blGlyphTop);
}

TEST(GlowLayout, TheMainWindowsButtonsAsWorkedThrough) {
  // An action button: caption measured centred in 81 x 45, 24 x 24 image.
  TGlowPlacementInputs action;
  action.Layout = blGlyphLeft;
  action.R = {0, 0, 81, 45};
  action.CW = 81;
  action.CH = 45;
  action.IW = 26;
  action.IH = 24;
  action.Boxes = {10.5f, 16.f, 60.f, 13.f, 0, 0};
  const TGlowPlacement a = GlowPlacement(action);
  EXPECT_EQ(a.Text, (GpRectF{28, 0, 53, 45}));
  EXPECT_EQ(a.Image, (TPoint{2, 10}));

  // The Internet button: notes, a 32 x 32 picture, 193 x 48.
  TGlowPlacementInputs internet = action;
  internet.Layout = blGlyphLeftAdjusted;
  internet.R = {0, 0, 193, 48};
  internet.CW = 193;
  internet.CH = 48;
  internet.IW = 34;
  internet.IH = 32;
  internet.Boxes = {1.8f, 17.f, 45.f, 13.f, 180.f, 11.f};
  const TGlowPlacement i = GlowPlacement(internet);
  EXPECT_EQ(i.Text, (GpRectF{36, 0, 157, 48}));
  EXPECT_EQ(i.Image, (TPoint{2, 8}));
}

TEST(GlowLayout, TextRectangleAndImagePerLayout) {
  // A 100 x 60 face, a 20 x 16 image (spacing included), a 40 x 14 caption
  // centred at x 30.
  struct Case {
    TButtonLayout layout;
    bool gdi;
    GpRectF text;
    TPoint image;
  } cases[] = {
      {blGlyphLeft, false, {22, 0, 78, 60}, {20, 22}},
      {blGlyphLeftAdjusted, false, {22, 0, 78, 60}, {20, 22}},
      {blGlyphRight, false, {2, 0, 76, 60}, {62, 22}},
      {blGlyphRightAdjusted, false, {2, 0, 76, 60}, {78, 22}},
      {blGlyphTop, false, {0, 16, 100, 42}, {40, 14}},
      {blGlyphTopAdjusted, false, {0, 16, 100, 42}, {40, 2}},
      {blGlyphBottom, false, {0, 2, 100, 42}, {40, 30}},
      {blGlyphBottomAdjusted, false, {0, 2, 100, 42}, {40, 42}},
      // The canvas path: caption and image centred as one group; the
      // image 4 pixels higher above, 3 lower below; its own bottom rule.
      {blGlyphLeft, true, {40, 0, 60, 60}, {20, 22}},
      {blGlyphTop, true, {0, 16, 100, 42}, {40, 10}},
      {blGlyphBottom, true, {0, 2, 100, 42}, {40, 33}},
      {blGlyphBottomAdjusted, true, {0, 2, 100, 40}, {40, 42}},
  };
  for (const Case& c : cases) {
    TGlowPlacementInputs in;
    in.Layout = c.layout;
    in.R = {0, 0, 100, 60};
    in.CW = 100;
    in.CH = 60;
    in.IW = 20;
    in.IH = 16;
    in.Boxes = {30, 23, 40, 14, 0, 0};
    in.Gdi = c.gdi;
    const TGlowPlacement p = GlowPlacement(in);
    EXPECT_EQ(p.Text, c.text) << int(c.layout) << " gdi " << c.gdi;
    EXPECT_EQ(p.Image, c.image) << int(c.layout) << " gdi " << c.gdi;
  }
}

TEST(GlowLayout, AnImageAloneIsCentredLessTheDropDownAllowance) {
  EXPECT_EQ(GlowCentredImage({0, 0, 81, 45}, 24, 24, false, dpRight), (TPoint{28, 10}));
  EXPECT_EQ(GlowCentredImage({0, 0, 68, 45}, 24, 24, true, dpRight), (TPoint{18, 10}));
  EXPECT_EQ(GlowCentredImage({0, 0, 81, 32}, 24, 24, true, dpBottom), (TPoint{28, 0}));
  EXPECT_EQ(GlowCentredImage({0, 0, 10, 10}, 24, 24, false, dpRight), (TPoint{0, 0}));
}

TEST(GlowLayout, ContentAndAutoSizes) {
  const TGlowTextBoxes b{0, 0, 40.4f, 13.6f, 50.5f, 11.f};
  EXPECT_EQ(GlowContentSize(blGlyphLeft, b, 26, 24, 2), (TSize{50 + 26 + 2, std::max(24 + 2, 14 + 2 + 11)}));
  EXPECT_EQ(GlowContentSize(blGlyphTop, b, 26, 24, 2), (TSize{std::max(40 + 2, 26 + 2), 14 + 24 + 2}));
  EXPECT_EQ(GlowContentSize(blGlyphRight, b, 26, 24, 2), (TSize{26, 24}));
  EXPECT_EQ(GlowAutoSize({78, 27}, 2, 2, 2, false, dpRight), (TSize{6 + 78 + 4 + 2, 4 + 27 + 4}));
  EXPECT_EQ(GlowAutoSize({78, 27}, 2, 2, 2, true, dpRight), (TSize{90 + 13, 35}));
  EXPECT_EQ(GlowAutoSize({78, 27}, 2, 2, 2, true, dpBottom), (TSize{90, 35 + 13}));
}

TEST(GlowLayout, KeyTipsSitOnTheMiddleOfTheNamedEdge) {
  const TRect anchor = TRect::Bounds(100, 200, 81, 45);
  const TSize tip{15, 17};
  EXPECT_EQ(KeyTipPosition(shpLeft, anchor, tip), (TPoint{93, 214}));
  EXPECT_EQ(KeyTipPosition(shpTop, anchor, tip), (TPoint{133, 192}));
  EXPECT_EQ(KeyTipPosition(shpRight, anchor, tip), (TPoint{174, 214}));
  EXPECT_EQ(KeyTipPosition(shpBottom, anchor, tip), (TPoint{133, 237}));
  EXPECT_EQ(DropDownMenuPoint(ddDown, anchor), (TPoint{100, 245}));
  EXPECT_EQ(DropDownMenuPoint(ddRight, anchor), (TPoint{181, 200}));
}

TEST(GlowLayout, BackslashNBreaksTheCaptionUnlessImagesAreForced) {
  EXPECT_EQ(GlowCaptionLineBreaks("Two\\nLines\\Nmore", false), "Two\n\rLines\n\rmore");
  EXPECT_EQ(GlowCaptionLineBreaks("Two\\nLines", true), "Two Lines");
  EXPECT_EQ(GlowCaptionLineBreaks("C:\\new\\", false), "C:\n\rew\\");
}

}  // namespace
