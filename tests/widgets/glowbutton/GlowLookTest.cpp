// The colour sets: appearance defaults, the style-code presets, and how
// state, hot look, fades and focus pick the colours a paint uses.
#include <gtest/gtest.h>

#include "draw/OfficeColors.h"
#include "glowbutton/GlowLook.h"
#include "glowbutton/TAdvGlowButton.h"

namespace {

TEST(GlowAppearance, DefaultsOfANewAppearance) {
  TGlowButtonAppearance a;
  EXPECT_EQ(a.Normal(), (TGlowColorSet{0xFFFFFF, 0xFFFFFF, 0xC0C0C0, 0xFFFFFF, 0xC0C0C0, ggVertical, ggVertical}));
  EXPECT_EQ(a.Hot(), (TGlowColorSet{0xF5F0E1, 0xF9D2B2, 0xF5C8AD, 0xFFF8F4, 0xFF0000, ggRadial, ggRadial}));
  const TGlowColorSet down{0xF5D8CA, 0xF9BDA0, 0xF5B49C, 0xFFDFDC, 0x800000, ggRadial, ggRadial};
  EXPECT_EQ(a.Down(), down);
  TGlowColorSet checked = down;
  checked.BorderColor = 0xFF0000;
  checked.GradientMirror = ggVertical;
  EXPECT_EQ(a.Checked(), checked);
  EXPECT_EQ(a.Disabled(), (TGlowColorSet{0xF2F2F2, 0xF2F2F2, 0xB6B6B6, 0xF2F2F2, 0x808080, ggRadial, ggRadial}));
  EXPECT_TRUE(a.SystemFont());
}

TEST(GlowAppearance, StyleCodeFourIsTheMainWindowsLunaSet) {
  TAdvGlowButton b(nullptr);
  b.ApplyStyleCode(4);
  const TGlowButtonAppearance& a = *b.Appearance();
  EXPECT_EQ(a.Normal(), (TGlowColorSet{0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B, ggVertical, ggVertical}));
  EXPECT_EQ(a.Hot(), (TGlowColorSet{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB, ggVertical, ggVertical}));
  EXPECT_EQ(a.Down(), (TGlowColorSet{0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B, ggVertical, ggVertical}));
  EXPECT_EQ(a.Checked(), (TGlowColorSet{0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE, 0x45667B, ggVertical, ggVertical}));
  EXPECT_EQ(a.Disabled(), (TGlowColorSet{0xF2F2F2, 0xF2F2F2, 0xB6B6B6, 0xF2F2F2, 0x808080, ggRadial, ggRadial}));
}

TEST(GlowAppearance, StyleCodesSetTheirFacesAndLeaveTheRest) {
  struct Case {
    int code;
    TGlowColorSet normal;
    TColor checkedBorder;
  } cases[] = {
      {1, {15586496, 15128792, 15586496, 13152947, 9598070, ggVertical, ggVertical}, 0xFF0000},
      {3, {0xFFFFFF, 13226453, 0xFFFFFF, 13226453, 0, ggVertical, ggVertical}, 0xFF0000},
      {5, {14671574, 15000283, 14144974, 15197664, 12631218, ggVertical, ggVertical}, 4548219},
      {9, {15987697, 16119283, 15657703, 16316406, 13421257, ggVertical, ggVertical}, 4548219},
  };
  for (const Case& c : cases) {
    TAdvGlowButton b(nullptr);
    b.ApplyStyleCode(c.code);
    EXPECT_EQ(b.Appearance()->Normal(), c.normal) << c.code;
    EXPECT_EQ(b.Appearance()->BorderColorChecked(), c.checkedBorder) << c.code;
    EXPECT_EQ(b.Appearance()->ColorHot(), 15465983) << c.code;
  }
  TAdvGlowButton six(nullptr);
  six.ApplyStyleCode(6);
  EXPECT_EQ(six.Appearance()->Hot(), (TGlowColorSet{15717318, 15717318, 15717318, 15717318, clHighlight, ggVertical,
                                                    ggVertical}));
  EXPECT_EQ(six.Appearance()->BorderColorChecked(), clBlack);
  TAdvGlowButton eight(nullptr);
  TGlowButtonAppearance before;
  eight.ApplyStyleCode(8);
  eight.ApplyStyleCode(42);
  EXPECT_EQ(eight.Appearance()->Normal(), before.Normal());
  EXPECT_EQ(eight.Appearance()->Hot(), before.Hot());
}

struct Look : ::testing::Test {
  TGlowButtonAppearance a;
  void SetUp() override {
    TAdvGlowButton b(nullptr);
    b.ApplyStyleCode(4);
    a.Assign(b.Appearance());
  }
  TGlowLook Resolve(TGlowLookInputs In) { return ResolveGlowLook(a, In); }
};

TEST_F(Look, StateAndHotLookPickTheSet) {
  struct Case {
    const char* name;
    TGlowLookInputs in;
    const TGlowColorSet* set;
    bool highlighted;
  } cases[] = {
      {"normal", {}, &a.Normal(), false},
      {"hot", {.HotLook = true}, &a.Hot(), true},
      {"down", {.State = gisDown, .HotLook = true}, &a.Down(), true},
      {"exclusive", {.State = gisExclusive, .HotLook = true}, &a.Checked(), false},
      {"check down", {.State = gisDown, .Style = bsCheck}, &a.Checked(), false},
      {"disabled", {.State = gisDisabled, .Enabled = false, .HotLook = true}, &a.Disabled(), false},
      {"disabled shown normal", {.State = gisDisabled, .Enabled = false, .ShowDisabled = false}, &a.Normal(), false},
      {"focus hot", {.FocusHot = true}, &a.Hot(), true},
  };
  for (const Case& c : cases) {
    TGlowLook l = Resolve(c.in);
    EXPECT_EQ(l.Set, *c.set) << c.name;
    EXPECT_EQ(l.Highlighted, c.highlighted) << c.name;
  }
}

TEST_F(Look, FadesBlendHotIntoNormalAndDownIntoHot) {
  TGlowLook hot = Resolve({.HotLook = true, .Fading = true, .HotFade = 40});
  EXPECT_EQ(hot.Set.Color, BlendColor(a.ColorHot(), a.Color(), 40));
  EXPECT_EQ(hot.Set.BorderColor, BlendColor(a.BorderColorHot(), a.BorderColor(), 40));
  EXPECT_EQ(hot.Set.Gradient, a.GradientHot());
  TGlowLook leaving = Resolve({.Fading = true, .HotFade = 60});
  EXPECT_EQ(leaving.Set.ColorMirror, BlendColor(a.ColorMirrorHot(), a.ColorMirror(), 60));

  TGlowLook pressing = Resolve({.State = gisDown, .HotLook = true, .Fading = true, .HotFade = 100, .DownFade = 20,
                                .Pressed = true});
  EXPECT_EQ(pressing.Set.ColorTo, BlendColor(a.ColorDownTo(), a.ColorHotTo(), 20));
  EXPECT_EQ(pressing.Set.BorderColor, BlendColor(a.BorderColorDown(), a.BorderColorHot(), 20));
  TGlowLook checking = Resolve({.State = gisDown, .Style = bsCheck, .Fading = true, .DownFade = 60, .Pressed = true,
                                .MouseInside = true});
  EXPECT_EQ(checking.Set.Color, BlendColor(a.ColorDown(), a.ColorChecked(), 60));
  // Transparent buttons do not fade hot; a fade never tints a disabled one.
  EXPECT_EQ(Resolve({.Fading = true, .HotFade = 60, .Transparent = true}).Set, a.Normal());
  EXPECT_EQ(Resolve({.State = gisDisabled, .Enabled = false, .Fading = true, .HotFade = 60}).Set, a.Disabled());
}

TEST_F(Look, APressedButtonInARowKeepsTheNormalBorder) {
  TGlowLook l = Resolve({.State = gisDown, .Pressed = true, .Standalone = false, .PressedInside = true});
  EXPECT_EQ(l.Set.BorderColor, a.BorderColor());
  EXPECT_EQ(l.Set.Color, a.ColorDown());
}

TEST(GlowState, EffectiveStateOfAPaint) {
  EXPECT_EQ(EffectiveGlowState(gisUp, false, false, 0, bsButton), gisDisabled);
  EXPECT_EQ(EffectiveGlowState(gisDisabled, true, true, 3, bsButton), gisExclusive);
  EXPECT_EQ(EffectiveGlowState(gisDisabled, true, true, 0, bsButton), gisUp);
  EXPECT_EQ(EffectiveGlowState(gisUp, true, true, 0, bsCheck), gisDown);
  EXPECT_EQ(EffectiveGlowState(gisDown, true, false, 0, bsButton), gisDown);
}

TEST(GlowButton, VersionAndDefaults) {
  TAdvGlowButton b(nullptr);
  EXPECT_EQ(b.Version(), "1.8.2.3");
  EXPECT_EQ(b.Width(), 100);
  EXPECT_EQ(b.Height(), 41);
  EXPECT_FALSE(b.TabStop());
  EXPECT_EQ(b.FocusType(), ftBorder);
  EXPECT_EQ(b.AntiAlias(), aaClearType);
  EXPECT_EQ(b.Layout(), blGlyphLeft);
  EXPECT_EQ(b.ShortCutHintPos(), shpTop);
  EXPECT_EQ(b.InitRepeatPause(), 400);
  EXPECT_EQ(b.RepeatPause(), 100);
  EXPECT_EQ(b.NotesFont()->Name(), "Tahoma");
  EXPECT_EQ(b.NotesFont()->Size(), 8);
  EXPECT_EQ(b.SizeState(), bsLarge);
  EXPECT_EQ(b.MinButtonSizeState(), bsGlyph);
  EXPECT_EQ(TAdvCustomGlowButton::FadeInterval(), 30);
}

}  // namespace
