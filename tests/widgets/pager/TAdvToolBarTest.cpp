// The page toolbar: its place in the page's row, the styler it paints
// with and hands to its glow buttons, its painting, the hot fade, the
// option button and its fades, focus inside it, and the compact form.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "desktop/HeadlessDesktop.h"
#include "draw/OfficeColors.h"
#include "draw/TAdvToolBarOfficeStyler.h"
#include "glowbutton/TAdvGlowButton.h"
#include "pager/TAdvPage.h"
#include "pager/TAdvToolBar.h"
#include "pager/TAdvToolBarForm.h"
#include "pager/TAdvToolBarPager.h"
#include "ui/TApplication.h"

namespace {

::testing::AssertionResult Near(TColor Actual, TColor Expected, int Tolerance = 3) {
  for (int shift : {0, 8, 16}) {
    const int a = (Actual >> shift) & 0xFF, e = (Expected >> shift) & 0xFF;
    if (std::abs(a - e) > Tolerance)
      return ::testing::AssertionFailure() << std::hex << "0x" << Actual << " is not near 0x" << Expected;
  }
  return ::testing::AssertionSuccess();
}

// The main window's pager with its Luna styler, its page, and the page's
// two toolbars with their glow buttons loaded as from a layout.
struct ToolBar : ::testing::Test {
  HeadlessDesktop desk;
  TAdvToolBarForm* form = nullptr;
  TAdvToolBarOfficeStyler* styler = nullptr;
  TAdvToolBarPager* pager = nullptr;
  TAdvPage* page = nullptr;
  TAdvToolBar* bar1 = nullptr;
  TAdvToolBar* bar12 = nullptr;
  TAdvGlowButton* refresh = nullptr;
  TAdvGlowButton* internet = nullptr;

  void SetUp() override {
    form = new TAdvToolBarForm(&desk.App());
    form->SetBounds(100, 100, 574, 400);
    styler = new TAdvToolBarOfficeStyler(form);
    styler->SetStyle(bsOffice2007Luna);
    pager = new TAdvToolBarPager(form);
    pager->SetParent(form);
    pager->SetHeight(133);
    pager->SetToolBarStyler(styler);
    page = new TAdvPage(form);
    page->SetParent(pager);
    pager->SetActivePage(page);
    form->BeginLoading();
    bar1 = Bar(3, 348, "Select a Process then Choose an Action");
    bar12 = Bar(354, 197, "Information");
    refresh = Button(bar1, TRect::Bounds(5, 5, 81, 45));
    for (int x : {90, 175, 260}) Button(bar1, TRect::Bounds(x, 5, 81, 45));
    internet = Button(bar12, TRect::Bounds(2, 2, 193, 48));
    form->EndLoading();
    form->Show();
    desk.Paint();
  }

  TAdvToolBar* Bar(int Left, int Width, const char* Caption) {
    auto* t = new TAdvToolBar(form);
    t->SetParent(page);
    t->SetBounds(Left, 3, Width, 69);
    t->SetCaption(Caption);
    t->SetCaptionPosition(cpBottom);
    t->SetCaptionAlignment(taCenter);
    t->SetShowCaption(true);
    t->SetShowRightHandle(false);
    t->SetAutoPositionControls(false);
    t->SetAutoSize(false);
    t->SetToolBarStyler(styler);
    return t;
  }
  TAdvGlowButton* Button(TAdvToolBar* Bar, TRect R) {
    auto* b = new TAdvGlowButton(form);
    b->SetParent(Bar);
    b->SetBounds(R.Left, R.Top, R.Width(), R.Height());
    return b;
  }
  const TCaptionAppearanceValues& Caption() const { return styler->CaptionAppearance().Values(); }
  // Somewhere on the pager's caption bar, off both toolbars.
  void MoveAway() { desk.MoveTo(pager, {300, 10}); }
  TPoint OptionCentre(TAdvToolBar* T) const {
    const TRect r = T->OptionRect();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
};

TEST_F(ToolBar, ToolBarIndexFollowsThePageListAndIsClamped) {
  EXPECT_EQ(bar1->ToolBarIndex(), 0);
  EXPECT_EQ(bar12->ToolBarIndex(), 1);
  bar1->SetToolBarIndex(5);
  EXPECT_EQ(bar1->ToolBarIndex(), 1);
  EXPECT_EQ(bar12->Left(), 3) << "the page lays the row out again";
  EXPECT_EQ(bar1->Left(), 3 + 197 + 3);
  bar1->SetToolBarIndex(-4);
  EXPECT_EQ(bar1->ToolBarIndex(), 0);
  EXPECT_EQ(bar1->Left(), 3);
  auto* loose = new TAdvToolBar(form);
  loose->SetParent(form);
  EXPECT_EQ(loose->ToolBarIndex(), -1);
}

TEST_F(ToolBar, GlowButtonsShowTheStylersGlowColoursNotTheirOwn) {
  // The pager's own Luna styler is in force.
  const TStylerGlowValues& luna = pager->CurrentStyler()->GlowButtonAppearance().Values();
  for (TAdvGlowButton* b : {refresh, internet}) {
    EXPECT_EQ(b->Appearance()->Color(), luna.Normal.Color);
    EXPECT_EQ(b->Appearance()->ColorHot(), luna.Hot.Color);
    EXPECT_EQ(b->Appearance()->BorderColorDown(), luna.Down.BorderColor);
  }
  // A button inserted later is coloured at once, whatever it carried.
  auto* late = new TAdvGlowButton(form);
  late->Appearance()->SetColor(clRed);
  late->Appearance()->SetColorHot(clRed);
  late->SetParent(bar12);
  EXPECT_EQ(late->Appearance()->Color(), luna.Normal.Color);
  EXPECT_EQ(late->Appearance()->ColorHot(), luna.Hot.Color);
}

TEST_F(ToolBar, PaintsItsCaptionBandBelowTheBodyAndARoundedBorderAroundBoth) {
  // Luna: the body from 0xEDD8C7 down to 0xF6E9D9, the band from 0xF2DAC2
  // inside its own outline (the caption border colour, which Luna leaves
  // at clHighlight), the border 0xDFD2C5; x = 88 lies between two buttons
  // of AdvToolBar1.
  EXPECT_TRUE(Near(desk.Pixel(bar1, 88, 2), 0xEDD8C7));
  EXPECT_TRUE(Near(desk.Pixel(bar1, 88, 52), 0xF6E9D9));
  EXPECT_EQ(desk.Pixel(bar1, 88, 53), ColorToRGB(Caption().CaptionBorderColor));
  for (int y : {54, 60, 67}) EXPECT_TRUE(Near(desk.Pixel(bar1, 10, y), Caption().CaptionColor)) << y;
  EXPECT_TRUE(Near(desk.Pixel(bar1, 345, 60), Caption().CaptionColorTo));
  const TColor border = styler->Values().BorderColor;
  for (TPoint p : {TPoint{88, 0}, TPoint{0, 30}, TPoint{347, 30}, TPoint{88, 68}, TPoint{200, 68}})
    EXPECT_EQ(desk.Pixel(bar1, p.X, p.Y), border) << p.X << "," << p.Y;
  // The corners take the page's pixels just outside them.
  EXPECT_EQ(desk.Pixel(bar1, 0, 0), desk.Pixel(page, 2, 2));
  EXPECT_EQ(desk.Pixel(bar1, 0, 68), desk.Pixel(page, 2, 72));
  EXPECT_EQ(desk.Pixel(bar1, 347, 0), desk.Pixel(page, 3 + 348 + 1, 3));
  EXPECT_EQ(desk.Pixel(bar1, 347, 68), desk.Pixel(page, 3 + 348 + 1, 72));
}

TEST_F(ToolBar, TheCaptionIsCentredBeforeTheOptionButtonAndCutWithAnEllipsis) {
  const TColor ink = Caption().CaptionTextColor;
  auto inkColumns = [&](TAdvToolBar* T, int& First, int& Last) {
    First = -1, Last = -1;
    for (int x = 0; x < T->Width(); ++x)
      for (int y = 53; y < 69; ++y)
        if (Near(desk.Pixel(T, x, y), ink, 40)) {
          if (First < 0) First = x;
          Last = x;
        }
  };
  int first = 0, last = 0;
  inkColumns(bar12, first, last);
  ASSERT_GE(first, 3);
  EXPECT_LT(last, 182);
  EXPECT_LE(std::abs((first - 3) - (182 - 1 - last)), 2) << first << ".." << last;
  // Too long for the room: cut short of the option button, the room filled.
  bar12->SetCaption(std::string(8, 'W') + " a caption far too long for the room it has");
  desk.Paint();
  inkColumns(bar12, first, last);
  EXPECT_LE(first, 8);
  EXPECT_LT(last, 182);
  EXPECT_GT(last, 170);
}

TEST_F(ToolBar, HotFadeLightsBodyAndBandInFiveStepsAndFadesBack) {
  desk.MoveTo(bar1, {88, 30});
  EXPECT_TRUE(bar1->Hot());
  EXPECT_TRUE(bar1->HotFading());
  for (int step = 1; step <= 5; ++step) {
    desk.Advance(30);
    EXPECT_EQ(bar1->HotPercent(), 20 * step);
  }
  EXPECT_TRUE(Near(desk.Pixel(bar1, 10, 54), BlendColor(Caption().CaptionColorHot, Caption().CaptionColor, 100)));
  desk.Advance(30);
  EXPECT_FALSE(bar1->HotFading());
  const TColor hotBody = styler->ColorHot().Values().Color;
  EXPECT_TRUE(Near(desk.Pixel(bar1, 88, 2), hotBody));
  EXPECT_TRUE(Near(desk.Pixel(bar1, 10, 54), Caption().CaptionColorHot));
  EXPECT_EQ(desk.Pixel(bar1, 88, 0), styler->Values().BorderColorHot);

  // Over a child the toolbar stays hot; leaving from there fades it back.
  desk.MoveTo(refresh, {40, 20});
  desk.Advance(60);
  EXPECT_TRUE(bar1->Hot());
  MoveAway();
  desk.Advance(30);
  EXPECT_FALSE(bar1->Hot());
  EXPECT_TRUE(bar1->HotFading());
  desk.Advance(30 * 3);
  EXPECT_TRUE(Near(desk.Pixel(bar1, 10, 54), BlendColor(Caption().CaptionColorHot, Caption().CaptionColor, 40)));
  desk.Advance(30 * 5);
  EXPECT_FALSE(bar1->HotFading());
  EXPECT_TRUE(Near(desk.Pixel(bar1, 10, 54), Caption().CaptionColor));
  EXPECT_TRUE(Near(desk.Pixel(bar1, 88, 2), 0xEDD8C7));
}

TEST_F(ToolBar, WithoutAHotColourTheFadeStopsAtOnce) {
  styler->ColorHot().Set(&TGradientBackgroundValues::Color, clNone);
  desk.MoveTo(bar1, {88, 30});
  desk.Advance(30);
  EXPECT_FALSE(bar1->HotFading());
  EXPECT_EQ(bar1->HotPercent(), 20);
}

TEST_F(ToolBar, OptionButtonHoverFadesInAndOut) {
  const TStylerGlowSet& hot = styler->GlowButtonAppearance().Values().Hot;
  const TPoint c = OptionCentre(bar12);
  EXPECT_TRUE(Near(desk.Pixel(bar12, c.X, 56), Caption().CaptionColor, 4)) << "no face at rest";
  desk.MoveTo(bar12, c);
  EXPECT_TRUE(bar12->OptionButton().Hot);
  EXPECT_EQ(bar12->OptionButton().Mode, ofmHover);
  desk.Advance(30 * 6);
  EXPECT_EQ(bar12->OptionButton().Mode, ofmFinished);
  EXPECT_EQ(bar12->OptionButton().Hover, 120);
  EXPECT_TRUE(Near(desk.Pixel(bar12, c.X, 56), hot.Color, 24));
  desk.MoveTo(bar12, {100, 60});
  EXPECT_EQ(bar12->OptionButton().Mode, ofmHover);
  desk.Advance(30 * 7);
  EXPECT_FALSE(bar12->OptionButton().Hot);
  EXPECT_EQ(bar12->OptionButton().Mode, ofmFinished);
  EXPECT_FALSE(bar12->OptionFading());
  EXPECT_EQ(desk.Pixel(bar12, c.X, 56), desk.Pixel(bar12, 150, 56)) << "the band, lit as the toolbar is hot";
}

TEST_F(ToolBar, PressingTheOptionButtonGlowsItsPressedFaceAndCallsTheEventWhenAssigned) {
  const TStylerGlowValues& glow = styler->GlowButtonAppearance().Values();
  const TPoint c = OptionCentre(bar12);
  desk.MoveTo(bar12, c);
  desk.Press();
  EXPECT_TRUE(bar12->OptionButton().Pressed);
  EXPECT_EQ(bar12->OptionButton().Mode, ofmGlow);
  desk.Advance(30 * 6);
  EXPECT_FALSE(bar12->OptionFading());
  EXPECT_TRUE(Near(desk.Pixel(bar12, c.X, 56), glow.Down.Color, 24));
  desk.Release();
  EXPECT_FALSE(bar12->OptionButton().Pressed);
  EXPECT_EQ(bar12->OptionButton().Mode, ofmGlow);
  desk.Advance(30 * 7);
  EXPECT_FALSE(bar12->OptionFading());
  EXPECT_TRUE(Near(desk.Pixel(bar12, c.X, 56), glow.Hot.Color, 24));

  TObject* sender = nullptr;
  TPoint client, screen;
  bar12->OnOptionClick = [&](TObject* S, TPoint C, TPoint P) { sender = S, client = C, screen = P; };
  desk.Press();
  EXPECT_EQ(sender, bar12);
  EXPECT_EQ(client, (TPoint{354 + 197 - 12, 3 + 69 + 1}));
  EXPECT_EQ(screen, page->ClientToScreen(client));
  desk.Release();
}

TEST_F(ToolBar, EveryWayOutOfTheOptionButtonsFadesEndsClean) {
  const struct {
    const char* Name;
    bool Press;
    std::function<void()> Out;
    bool StaysHot;  // the pointer is still on the button
  } cases[] = {
      {"leaving", false, [&] { desk.MoveTo(bar12, {100, 30}); }, false},
      {"leaving the window", false, [&] { MoveAway(); }, false},
      {"lost capture", true, [&] { desk.App().Windows().SetCaptureControl(pager); }, true},
      {"disabled", false, [&] { bar12->SetEnabled(false); }, false},
      {"disabled while pressed", true, [&] { bar12->SetEnabled(false); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    bar12->SetEnabled(true);
    desk.MoveTo(bar12, OptionCentre(bar12));
    if (c.Press) desk.Press();
    desk.Advance(60);
    c.Out();
    if (c.Press) desk.App().Windows().SetCaptureControl(nullptr);
    desk.Advance(30 * 12);
    EXPECT_FALSE(bar12->OptionFading());
    EXPECT_FALSE(bar12->OptionButton().Pressed);
    EXPECT_EQ(bar12->OptionButton().Hot, c.StaysHot);
    if (c.Press) desk.Release();
    MoveAway();
    desk.Advance(30 * 12);
  }
  // Freed in the middle of both fades: the timers go with it.
  bar12->SetEnabled(true);
  desk.MoveTo(bar12, OptionCentre(bar12));
  desk.Advance(60);
  ASSERT_TRUE(bar12->OptionFading() && bar12->HotFading());
  delete bar12;
  desk.Advance(30 * 12);
  EXPECT_EQ(bar1->ToolBarIndex(), 0);
}

TEST_F(ToolBar, FocusInsideLightsTheToolBarAndTheToolBarPassesItsFocusOn) {
  refresh->SetFocus();
  EXPECT_TRUE(bar1->FocusInside());
  EXPECT_FALSE(bar12->FocusInside());
  desk.Paint();
  EXPECT_TRUE(Near(desk.Pixel(bar1, 10, 54), Caption().CaptionColorHot));
  internet->SetFocus();
  EXPECT_FALSE(bar1->FocusInside());
  EXPECT_TRUE(bar12->FocusInside());
  desk.Paint();
  EXPECT_TRUE(Near(desk.Pixel(bar1, 10, 54), Caption().CaptionColor));
  bar1->SetFocus();
  EXPECT_EQ(form->ActiveControl(), refresh);
}

TEST_F(ToolBar, CompactStandsInAsOneNarrowFaceAndGivesItsChildrenBack) {
  ASSERT_TRUE(bar12->IsLoaded());
  bar12->SetCompactCaption("Info");
  bar12->SetCompact(true);
  EXPECT_EQ(bar12->Width(), TAdvToolBar::CompactWidth);
  EXPECT_EQ(bar12->FullWidth(), 197);
  EXPECT_FALSE(internet->Visible());
  desk.Paint();
  const TStylerGlowSet& look = styler->CompactGlowButtonAppearance().Values().Normal;
  EXPECT_TRUE(Near(desk.Pixel(bar12, 22, 2), look.Color, 24));
  bar12->SetCompact(false);
  EXPECT_EQ(bar12->Width(), 197);
  EXPECT_TRUE(internet->Visible());
  EXPECT_EQ(internet->BoundsRect(), TRect::Bounds(2, 2, 193, 48));
}

TEST_F(ToolBar, ChildrenKeepTheirBoundsWhenThePageNarrowsAndWidens) {
  std::vector<TRect> before;
  for (int i = 0; i < bar1->ControlCount(); ++i) before.push_back(bar1->Controls(i)->BoundsRect());
  form->SetBounds(100, 100, 420, 400);
  EXPECT_TRUE(bar12->Compact()) << "the page made room";
  form->SetBounds(100, 100, 574, 400);
  EXPECT_FALSE(bar12->Compact());
  EXPECT_EQ(bar12->Width(), 197);
  for (int i = 0; i < bar1->ControlCount(); ++i) EXPECT_EQ(bar1->Controls(i)->BoundsRect(), before[i]) << i;
  EXPECT_EQ(internet->BoundsRect(), TRect::Bounds(2, 2, 193, 48));
}

TEST_F(ToolBar, RegistersWithTheStylerInForceAndFollowsItsChanges) {
  // On the page the pager's styler is in force; the toolbar takes its
  // body colour as its own.
  EXPECT_EQ(bar1->CurrentStyler(), styler);
  EXPECT_EQ(bar1->Color(), styler->Color().Values().Color);
  styler->Color().Set(&TGradientBackgroundValues::Color, clRed);
  EXPECT_EQ(bar1->Color(), clRed);

  // The pager's styler changes: the pager moves its toolbars over.
  TCustomAdvToolBarStyler other(nullptr);
  const int registered = styler->ControlCount();
  pager->SetToolBarStyler(&other);
  EXPECT_EQ(bar1->CurrentStyler(), &other);
  EXPECT_EQ(styler->ControlCount(), registered - 3) << "the pager and both toolbars left it";
  EXPECT_EQ(bar1->Color(), other.Color().Values().Color);
  // Its glow colours reach the buttons as they are: no style code to apply.
  TStylerGlowValues v = other.GlowButtonAppearance().Values();
  v.Normal.Color = clLime;
  other.GlowButtonAppearance().SetSilently(v);
  other.NotifyControls(tcGlowButtons);
  EXPECT_EQ(refresh->Appearance()->Color(), clLime);
  pager->SetToolBarStyler(styler);
  bar1->ApplyParentStyler();
}

TEST_F(ToolBar, OffThePageItUsesItsOwnStylerAndDropsItWhenFreed) {
  auto* loose = new TAdvToolBar(form);
  loose->SetParent(form);
  EXPECT_FALSE(loose->ParentStyler()) << "a form is no page";
  EXPECT_EQ(loose->CurrentStyler()->Name(), "InternalStyler");
  auto own = std::make_unique<TAdvToolBarOfficeStyler>(form);
  own->SetStyle(bsOffice2007Obsidian);
  loose->SetToolBarStyler(own.get());
  auto* b = new TAdvGlowButton(form);
  b->SetParent(loose);
  EXPECT_EQ(b->Appearance()->Color(), 14671574) << "Obsidian's style code";
  own.reset();
  EXPECT_EQ(loose->ToolBarStyler(), nullptr);
  EXPECT_EQ(loose->CurrentStyler()->Name(), "InternalStyler");
  desk.Paint();
}

}  // namespace
