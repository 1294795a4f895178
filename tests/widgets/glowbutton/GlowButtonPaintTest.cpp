// Pixels of painted glow buttons in the main window's Luna colours:
// the face halves and frame of each look, images, text placement, focus
// looks, corners, transparency, the drop-down arrow and the key tip.
#include <gtest/gtest.h>

#include <functional>

#include "GlowFixture.h"
#include "core/TStringList.h"
#include "draw/OfficeColors.h"
#include "glowbutton/GlowFace.h"
#include "pager/TShortCutHintWindow.h"

namespace {

struct Paint : GlowFixture {
  // The face probed where neither text nor image lies: column 72 of a
  // "Help" button, every tenth row and the rows around the split.
  void ExpectFace(TAdvCustomGlowButton* B, const TGlowColorSet& Set, const char* Look) {
    ReferenceFace ref(81, 45, Set);
    for (int y : {1, 11, 21, 22, 23, 24, 33, 43}) EXPECT_EQ(At(B, 72, y), ref.At(72, y)) << Look << " row " << y;
    for (TPoint p : {TPoint{40, 0}, TPoint{0, 22}, TPoint{80, 22}, TPoint{40, 44}})
      EXPECT_EQ(At(B, p.X, p.Y), ColorToRGB(Set.BorderColor)) << Look << " frame " << p.X << "," << p.Y;
    for (TPoint p : {TPoint{0, 0}, TPoint{80, 0}, TPoint{0, 44}, TPoint{80, 44}})
      EXPECT_EQ(At(B, p.X, p.Y), ColorToRGB(clBtnFace)) << Look << " corner " << p.X << "," << p.Y;
  }
  // Every pixel of a block matches the reference.
  void ExpectBlock(TAdvCustomGlowButton* B, TBitmap& Ref, const TRect& R, const char* What) {
    int wrong = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) wrong += At(B, x, y) != Ref.Canvas()->Pixel(x, y);
    EXPECT_EQ(wrong, 0) << What;
  }
  // The leftmost column and the rows holding pixels of text (dark or
  // blue) in R.
  TRect TextBox(TAdvCustomGlowButton* B, const TRect& R) {
    TRect box{R.Right, R.Bottom, R.Left, R.Top};
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) {
        TColor c = At(B, x, y);
        if (GetRValue(c) < 120 || (GetBValue(c) > 200 && GetRValue(c) < 150)) box = box.Union({x, y, x + 1, y + 1});
      }
    return box;
  }
};

TEST_F(Paint, FaceHalvesAndFrameOfEachLook) {
  struct Case {
    const char* look;
    std::function<void(TAdvGlowButton*)> make;
    const TGlowColorSet& (TGlowButtonAppearance::*set)() const;
  } cases[] = {
      {"normal", [](TAdvGlowButton*) {}, &TGlowButtonAppearance::Normal},
      {"hot",
       [&](TAdvGlowButton* b) {
         desk.MoveTo(b, {40, 20});
         SettleFade(b);
       },
       &TGlowButtonAppearance::Hot},
      {"down",
       [&](TAdvGlowButton* b) {
         desk.MoveTo(b, {40, 20});
         desk.Press();
         SettleFade(b);
       },
       &TGlowButtonAppearance::Down},
      {"disabled", [](TAdvGlowButton* b) { b->SetEnabled(false); }, &TGlowButtonAppearance::Disabled},
  };
  for (const Case& c : cases) {
    auto* b = Button(10, 10, "Help");
    c.make(b);
    EXPECT_FALSE(b->Fading()) << c.look;
    ExpectFace(b, (b->Appearance()->*c.set)(), c.look);
    desk.Release();
    desk.MoveTo(form, {350, 150});
    delete b;
  }
}

TEST_F(Paint, AFadeThatEndsPaintsTheLookItEndedIn) {
  // Released outside while the hot fade runs out: the down fade ends the
  // timer with the hot fade half done.
  auto* b = Button(10, 10, "Help");
  desk.MoveTo(b, {40, 20});
  SettleFade(b);
  desk.Press();
  SettleFade(b);
  desk.MoveTo(form, {350, 150});
  desk.Advance(30);
  desk.Release();
  SettleFade(b);
  ExpectFace(b, b->Appearance()->Normal(), "after the fades");
}

TEST_F(Paint, TheDisabledLookIsRadialWithGreyText) {
  auto* b = Button(10, 10, "Help");
  b->SetEnabled(false);
  // The upper half is flat, the lower glows at the middle of its bottom.
  EXPECT_EQ(At(b, 72, 5), 0xF2F2F2);
  EXPECT_EQ(At(b, 3, 24), 0xB6B6B6);
  EXPECT_GT(GetRValue(At(b, 40, 43)), 0xE0);
  EXPECT_NEAR(DarkestIn(desk, b, {42, 10, 75, 35}), 0x80, 8);
  b->SetAntiAlias(aaNone);
  EXPECT_NEAR(DarkestIn(desk, b, {42, 10, 75, 35}), 0x80, 8);
  b->SetEnabled(true);
  EXPECT_LT(DarkestIn(desk, b, {42, 10, 75, 35}), 60);
  b->SetAntiAlias(aaClearType);
  EXPECT_LT(DarkestIn(desk, b, {42, 10, 75, 35}), 60);
}

TEST_F(Paint, ImagesOfEachLookSitBesideTheCaption) {
  auto hot = std::make_unique<TCustomImageList>(nullptr);
  hot->SetSize(24, 24);
  hot->AddImages(FindResource("iml_hot.png"));
  auto disabled = ResourcePicture("kill_disabled.bmp");
  struct Case {
    const char* what;
    std::function<void(TAdvGlowButton*)> make;
    std::function<void(TCanvas*)> image;
    const TGlowColorSet& (TGlowButtonAppearance::*set)() const;
  } cases[] = {
      {"normal", [](TAdvGlowButton*) {}, [&](TCanvas* c) { images->Draw(c, 2, 10, 1); },
       &TGlowButtonAppearance::Normal},
      {"hot images",
       [&](TAdvGlowButton* b) {
         b->SetHotImages(hot.get());
         desk.MoveTo(b, {40, 20});
         SettleFade(b);
       },
       [&](TCanvas* c) { hot->Draw(c, 2, 10, 1); }, &TGlowButtonAppearance::Hot},
      {"disabled picture",
       [&](TAdvGlowButton* b) {
         b->SetDisabledPicture(disabled.get());
         b->SetEnabled(false);
       },
       [&](TCanvas* c) { c->Draw(2, 10, disabled.get()); }, &TGlowButtonAppearance::Disabled},
      {"disabled list look", [](TAdvGlowButton* b) { b->SetEnabled(false); },
       [&](TCanvas* c) { images->Draw(c, 2, 10, 1, false); }, &TGlowButtonAppearance::Disabled},
      {"shown enabled",
       [](TAdvGlowButton* b) {
         b->SetShowDisabled(false);
         b->SetEnabled(false);
       },
       [&](TCanvas* c) { images->Draw(c, 2, 10, 1, false); }, &TGlowButtonAppearance::Normal},
  };
  for (const Case& c : cases) {
    auto* b = Button();
    c.make(b);
    ReferenceFace ref(81, 45, (b->Appearance()->*c.set)());
    c.image(ref.bitmap.Canvas());
    ExpectBlock(b, ref.bitmap, TRect::Bounds(2, 10, 24, 24), c.what);
    delete b;
    desk.MoveTo(form, {350, 150});
  }
}

TEST_F(Paint, WithoutCaptionTheImageIsCentred) {
  auto* b = Button();
  b->SetShowCaption(false);
  ReferenceFace ref(81, 45, b->Appearance()->Normal());
  images->Draw(ref.bitmap.Canvas(), 28, 10, 1);
  ExpectBlock(b, ref.bitmap, TRect::Bounds(26, 8, 28, 28), "centred image");
}

TEST_F(Paint, NotesAreLeftAlignedWhateverTheLayout) {
  auto picture = ResourcePicture("internet.png");
  auto make = [&](bool notes) {
    auto* b = new TAdvGlowButton(form);
    b->SetParent(form);
    b->SetBounds(10, 60, 193, 48);
    b->ApplyStyleCode(4);
    b->SetCaption("&Internet");
    b->SetLayout(blGlyphTop);
    b->SetPicture(picture.get());
    if (notes) {
      b->Notes()->Add("Visit Web Site for More Information");
      b->NotesFont()->SetHeight(-9);
      b->NotesFont()->SetColor(clBlue);
    }
    return b;
  };
  auto* with = make(true);
  const TRect text = TextBox(with, {35, 2, 190, 46});
  EXPECT_GE(text.Left, 36);
  EXPECT_LE(text.Left, 40);
  // The picture keeps its alpha, at (2, 8).
  ReferenceFace ref(193, 48, with->Appearance()->Normal());
  ref.bitmap.Canvas()->Draw(2, 8, picture.get());
  ExpectBlock(with, ref.bitmap, TRect::Bounds(2, 8, 32, 32), "picture");
  delete with;
  auto* without = make(false);
  EXPECT_GT(TextBox(without, {0, 30, 193, 46}).Left, 60);
}

TEST_F(Paint, BackslashNDrawsTwoLinesUnlessImagesAreForced) {
  auto extent = [&](const std::string& caption, bool forced) {
    auto* b = Button(10, 60, caption);
    b->SetBounds(10, 60, 193, 48);
    b->SetImageIndex(-1);
    if (forced) {
      b->SetAutoSize(true);
      b->SetSizeState(bsLabel);
    }
    TRect box = TextBox(b, {2, 2, b->Width() - 2, b->Height() - 2});
    delete b;
    return box.Height();
  };
  const int one = extent("Two Words", false);
  EXPECT_GE(extent("Two\\nWords", false), one * 17 / 10);
  EXPECT_LE(extent("Two\\nWords", true), one + 1);
}

TEST_F(Paint, FocusLooks) {
  auto* b = Button(10, 10, "Help");
  b->SetTabStop(true);
  b->SetFocus();
  ASSERT_TRUE(b->Focused());
  // ftHot: the hot face, no focus frame.
  ReferenceFace hot(81, 45, b->Appearance()->Hot());
  EXPECT_EQ(At(b, 72, 11), hot.At(72, 11));
  EXPECT_EQ(At(b, 1, 22), hot.At(1, 22));
  // ftBorder: the normal face inside a solid and a dotted focus frame.
  b->SetFocusType(ftBorder);
  ReferenceFace normal(81, 45, b->Appearance()->Normal());
  EXPECT_EQ(At(b, 72, 11), normal.At(72, 11));
  EXPECT_EQ(At(b, 1, 22), GlowFocusFrameColor);
  // The dotted frame alternates dark dots and light gaps down column 2.
  int dots = 0, gaps = 0;
  for (int y = 6; y < 39; ++y) {
    const int red = GetRValue(At(b, 2, y));
    dots += red < 0xA0;
    gaps += red > 0xA8;
  }
  EXPECT_GT(dots, 12);
  EXPECT_GT(gaps, 12);
}

TEST_F(Paint, CornersAndFrameByRoundingPositionAndBorderStyle) {
  struct Case {
    const char* what;
    bool rounded;
    TButtonPosition position;
    TBorderStyle border;
    bool cornerIsParent;
    bool topIsBorder;
  } cases[] = {
      {"rounded", true, bpStandalone, bsSingle, true, true},
      {"sharp", false, bpStandalone, bsSingle, false, true},
      {"middle of a row", true, bpMiddle, bsSingle, false, true},
      {"no border", true, bpStandalone, bsNone, true, false},
  };
  for (const Case& c : cases) {
    auto* b = Button(10, 10, "Help");
    b->SetRounded(c.rounded);
    b->SetPosition(c.position);
    b->SetBorderStyle(c.border);
    const TColor border = ColorToRGB(b->Appearance()->BorderColor());
    EXPECT_EQ(At(b, 0, 0) == ColorToRGB(clBtnFace), c.cornerIsParent) << c.what;
    if (!c.cornerIsParent && c.position == bpStandalone) {
      EXPECT_EQ(At(b, 0, 0), border) << c.what;
    }
    EXPECT_EQ(At(b, 40, 0) == border, c.topIsBorder) << c.what;
    delete b;
  }
}

TEST_F(Paint, ATransparentButtonShowsItsParentUntilHot) {
  form->SetColor(clLime);
  auto* b = Button(10, 10, "Help");
  b->SetTransparent(true);
  EXPECT_EQ(At(b, 72, 5), clLime);
  EXPECT_EQ(At(b, 40, 0), clLime);
  EXPECT_LT(DarkestIn(desk, b, {42, 10, 75, 35}), 60);
  desk.MoveTo(b, {40, 20});
  SettleFade(b);
  ReferenceFace hot(81, 45, b->Appearance()->Hot());
  EXPECT_EQ(At(b, 72, 5), hot.At(72, 5));
  EXPECT_EQ(At(b, 0, 0), clLime);
}

TEST_F(Paint, TheDropDownPartHasItsArrow) {
  auto* b = Button(10, 10, "Drop");
  b->SetDropDownButton(true);
  // The part is x 68 to 81: the arrow's top row starts at (72, 22).
  for (int x = 72; x < 77; ++x) EXPECT_EQ(At(b, x, 22), clBlack) << x;
  EXPECT_EQ(At(b, 74, 24), clBlack);
  b->SetEnabled(false);
  EXPECT_EQ(At(b, 74, 24), clGray);
}

TEST_F(Paint, TheKeyTipIsAWhiteToSilverLabelInAGreyFrame) {
  auto* b = Button();
  b->SetShortCutHint("W");
  b->ShowKeyTip();
  TShortCutHintWindow* tip = b->KeyTip();
  const int w = tip->Width(), h = tip->Height();
  ASSERT_GT(w, 6);
  EXPECT_EQ(At(tip, w / 2, 0), clGray);
  EXPECT_EQ(At(tip, 0, h / 2), clGray);
  TBitmap ref(w, h);
  DrawStepGradient(*ref.Canvas(), clWhite, clSilver, 32, {0, 0, w, h}, false);
  for (TPoint p : {TPoint{w / 2, 1}, TPoint{1, h / 4}, TPoint{1, h / 2}, TPoint{w / 2, h - 2}})
    EXPECT_EQ(At(tip, p.X, p.Y), ref.Canvas()->Pixel(p.X, p.Y)) << p.X << "," << p.Y;
  EXPECT_GE(GetRValue(At(tip, w / 2, 1)), 0xF8);
  EXPECT_LE(GetRValue(At(tip, w / 2, h - 2)), 0xD0);
  EXPECT_LT(DarkestIn(desk, tip, {2, 2, w - 2, h - 2}), 80);
}

}  // namespace
