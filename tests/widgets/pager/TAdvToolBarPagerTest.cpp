// The pager's caption bar: its caption buttons and their actions and
// glyphs, dragging and the system menu, the edge strips, the hook on the
// form, and its part in the styler protocol.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop/HeadlessDesktop.h"
#include "draw/TAdvToolBarOfficeStyler.h"
#include "glowbutton/TAdvGlowButton.h"
#include "graphics/TBitmap.h"
#include "pager/TAdvToolBarForm.h"
#include "pager/TAdvPage.h"
#include "pager/TAdvPageScrollButton.h"
#include "pager/TAdvToolBar.h"
#include "pager/TAdvToolBarPager.h"
#include "ui/THintInfo.h"
#include "ui/Messages.h"
#include "ui/TCustomImageList.h"

namespace {

struct Pager : ::testing::Test {
  HeadlessDesktop desk;
  TAdvToolBarForm* form = nullptr;
  TAdvToolBarPager* pager = nullptr;
  std::vector<std::function<void()>> steps;
  size_t step = 0;

  void SetUp() override {
    form = new TAdvToolBarForm(&desk.App());
    form->SetBounds(100, 100, 574, 400);
    pager = new TAdvToolBarPager(form);
    pager->SetParent(form);
    pager->SetHeight(133);
    pager->Caption().SetCaption(" Morvane by Tolvaris, Inc.");
    pager->SetCaptionButtons({cbClose, cbMinimize});
    pager->CanMove = true;
    form->Show();
    desk.Paint();
    desk.Host().OnIdle = [this] {
      ASSERT_LT(step, steps.size()) << "a menu waited for more input than scripted";
      steps[step++]();
    };
  }

  // Glyph Index of the caption glyph list as a bitmap.
  std::unique_ptr<TBitmap> Glyph(int Index) {
    auto b = std::make_unique<TBitmap>();
    pager->CloseButton()->Images()->GetBitmap(Index, *b);
    return b;
  }
  static bool Inked(const std::unique_ptr<TBitmap>& B, int X, int Y, TColor Ink) {
    return B->Canvas()->Pixel(X, Y) == Ink;
  }
};

TEST_F(Pager, ThreeCaptionButtonsShowTheMissingOneDisabled) {
  ASSERT_TRUE(pager->CloseButton() && pager->MaxButton() && pager->MinButton());
  EXPECT_EQ(pager->CloseButton()->BoundsRect(), TRect::Bounds(552, 4, 16, 16));
  EXPECT_EQ(pager->MaxButton()->BoundsRect(), TRect::Bounds(534, 4, 16, 16));
  EXPECT_EQ(pager->MinButton()->BoundsRect(), TRect::Bounds(516, 4, 16, 16));
  EXPECT_TRUE(pager->CloseButton()->Enabled());
  EXPECT_TRUE(pager->MinButton()->Enabled());
  EXPECT_FALSE(pager->MaxButton()->Enabled());
  EXPECT_TRUE(pager->CloseButton()->Transparent());
  EXPECT_EQ(pager->Caption().RightIndent, 58);
  EXPECT_EQ(pager->CaptionButtonsRect(), (TRect{516, 4, 568, 20}));
}

TEST_F(Pager, WithoutACaptionOrButtonsTheButtonsGoAndTheRightIndentReturns) {
  const struct {
    const char* Name;
    std::function<void()> Remove, Restore;
  } cases[] = {
      {"caption hidden", [&] { pager->Caption().SetVisible(false); }, [&] { pager->Caption().SetVisible(true); }},
      {"no buttons", [&] { pager->SetCaptionButtons({}); }, [&] { pager->SetCaptionButtons({cbClose}); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Remove();
    EXPECT_FALSE(pager->CloseButton() || pager->MaxButton() || pager->MinButton());
    EXPECT_EQ(pager->Caption().RightIndent, 0);
    EXPECT_EQ(pager->CaptionButtonsRect(), TRect{});
    c.Restore();
    EXPECT_TRUE(pager->CloseButton());
    EXPECT_EQ(pager->Caption().RightIndent, 58);
  }
  pager->Caption().SetVisible(false);
  EXPECT_EQ(pager->PageRect().Top, 26) << "the tab row starts at the top";
}

TEST_F(Pager, TheCaptionButtonsCloseMinimiseAndMaximiseTheForm) {
  desk.Click(pager->MinButton());
  EXPECT_EQ(form->WindowState(), wsMinimized);
  form->SetWindowState(wsNormal);

  pager->SetCaptionButtons({cbClose, cbMinimize, cbMaximize});
  desk.Click(pager->MaxButton());
  EXPECT_EQ(form->WindowState(), wsMaximized);
  desk.Click(pager->MaxButton());
  EXPECT_EQ(form->WindowState(), wsNormal);

  TObject* sender = nullptr;
  pager->OnCloseButtonClick = [&](TObject* s) { sender = s; };
  desk.Click(pager->CloseButton());
  EXPECT_EQ(sender, pager->CloseButton());
  EXPECT_TRUE(form->Visible()) << "the event replaces the closing";
  pager->OnCloseButtonClick = nullptr;
  desk.Click(pager->CloseButton());
  EXPECT_FALSE(form->Visible());
}

TEST_F(Pager, TheGlyphsAreDrawnInTheCaptionTextColourAndTheMaximiseGlyphFollowsTheWindowState) {
  const TColor ink = pager->CurrentStyler()->PagerCaption().Values().TextColor;
  EXPECT_TRUE(Inked(Glyph(0), 3, 4, ink)) << "close";
  EXPECT_TRUE(Inked(Glyph(0), 10, 4, ink));
  EXPECT_TRUE(Inked(Glyph(2), 3, 8, ink)) << "minimise";
  EXPECT_FALSE(Inked(Glyph(2), 9, 8, ink)) << "line ends are excluded";
  EXPECT_TRUE(Inked(Glyph(1), 5, 3, ink)) << "maximise";
  EXPECT_FALSE(Inked(Glyph(1), 5, 2, ink));

  // Maximised from elsewhere: the next paint draws the restore glyph.
  form->SetWindowState(wsMaximized);
  desk.Paint();
  EXPECT_TRUE(Inked(Glyph(1), 5, 2, ink)) << "restore";
  EXPECT_TRUE(Inked(Glyph(1), 2, 9, ink));

  // A new caption text colour redraws them.
  TAdvToolBarOfficeStyler styler(nullptr);
  styler.SetStyle(bsOffice2007Luna);
  pager->SetToolBarStyler(&styler);
  styler.PagerCaption().Set(&TVistaTextBackgroundValues::TextColor, 0x0000C0);
  EXPECT_TRUE(Inked(Glyph(0), 3, 4, 0x0000C0));
}

TEST_F(Pager, ALeftPressOnTheCaptionMovesTheFormOnlyWhenItMay) {
  const struct {
    bool CanMove;
    TPoint At;
    int Moves;
  } cases[] = {{true, {300, 10}, 1}, {false, {300, 10}, 0}, {true, {300, 40}, 0}};
  for (const auto& c : cases) {
    pager->CanMove = c.CanMove;
    const int moves = desk.Host().SystemMoves;
    desk.MoveTo(pager, c.At);
    desk.Press();
    desk.Release();
    EXPECT_EQ(desk.Host().SystemMoves - moves, c.Moves) << c.CanMove << " " << c.At.Y;
    EXPECT_EQ(desk.App().Windows().CaptureControl(), nullptr);
  }
}

TEST_F(Pager, ARightClickOnTheCaptionOpensTheFormsSystemMenuAndCarriesOutItsChoice) {
  steps.push_back([this] { desk.Key(VK_ESCAPE); });
  desk.MoveTo(pager, {300, 10});
  desk.Press(mbRight);
  desk.Release(mbRight);
  EXPECT_EQ(step, 1u) << "the menu was shown";
  EXPECT_TRUE(form->Visible()) << "dismissed: nothing happens";

  steps.push_back([this] { desk.Type(U'c'); });
  desk.Press(mbRight);
  desk.Release(mbRight);
  EXPECT_FALSE(form->Visible()) << "Close";
}

TEST_F(Pager, ADoubleClickOnTheCaptionMaximisesOnlyWithAMaximiseButton) {
  auto doubleClick = [&] {
    desk.MoveTo(pager, {300, 10});
    desk.Host().PressMouse(mbLeft, true);
    desk.Release();
  };
  doubleClick();
  EXPECT_EQ(form->WindowState(), wsNormal);
  pager->SetCaptionButtons({cbClose, cbMinimize, cbMaximize});
  doubleClick();
  EXPECT_EQ(form->WindowState(), wsMaximized);
}

TEST_F(Pager, ItsEdgeStripsLetTheFormsResizeZonesThrough) {
  const struct {
    TPoint At;
    int Result;
  } cases[] = {{{2, 60}, HTTRANSPARENT}, {{300, 2}, HTTRANSPARENT}, {{569, 60}, HTTRANSPARENT},
               {{3, 60}, HTCLIENT},      {{300, 3}, HTCLIENT},      {{568, 60}, HTCLIENT}};
  for (const auto& c : cases)
    EXPECT_EQ(pager->Perform(WM_NCHITTEST, 0, PointToLParam(pager->ClientToScreen(c.At))), c.Result)
        << c.At.X << "," << c.At.Y;
  // Through the strip the form's zone takes the press.
  const int resizes = desk.Host().SystemResizes;
  desk.MoveTo(pager, {300, 1});
  desk.Press();
  desk.Release();
  EXPECT_EQ(desk.Host().SystemResizes - resizes, 1);
  EXPECT_EQ(desk.Host().LastResizeHitTest, HTTOP);
}

TEST_F(Pager, APageOrAnotherPagerCannotHoldIt) {
  struct Named : TCustomControl {
    std::string name;
    Named(TComponent* Owner, std::string Name) : TCustomControl(Owner), name(std::move(Name)) {}
    std::string ClassName() const override { return name; }
  };
  for (const char* name : {"TAdvPage", "TAdvToolBar", "TAdvDockPanel", "TAdvToolBarPager"}) {
    auto* holder = new Named(form, name);
    holder->SetParent(form);
    try {
      pager->SetParent(holder);
      ADD_FAILURE() << name << " took the pager";
    } catch (const EPlatformError& e) {
      EXPECT_STREQ(e.what(), "Invalid Parent");
    }
    EXPECT_EQ(pager->Parent(), form);
  }
}

TEST_F(Pager, TheWheelOverThePagerIsTakenAndTheHookGoesWithThePager) {
  auto wheel = [&](TPoint Client) {
    return form->Perform(WM_MOUSEWHEEL, -120 << 16, PointToLParam(form->ClientToScreen(Client)));
  };
  EXPECT_EQ(wheel({300, 60}), 1);
  pager->EnableWheel = false;
  EXPECT_EQ(wheel({300, 60}), 0);
  pager->EnableWheel = true;
  EXPECT_EQ(wheel({300, 300}), 0);
  delete pager;
  EXPECT_EQ(wheel({300, 60}), 0) << "the form's own handler is back";
  desk.Paint();
}

struct PagerStyler : Pager {
  TStylerGlowSet Normal(TCustomAdvToolBarStyler& S) { return S.GlowButtonAppearance().Values().Normal; }
};

TEST_F(PagerStyler, WithoutAStylerThePagerPaintsInLunaAndAfterOneIsRemovedInTheBaseDefaults) {
  TAdvToolBarOfficeStyler luna(nullptr);
  luna.SetStyle(bsOffice2007Luna);
  TCustomAdvToolBarStyler base(nullptr);
  EXPECT_EQ(pager->CurrentStyler()->PagerCaption().Values(), luna.PagerCaption().Values());

  const struct {
    const char* Name;
    std::function<void(std::unique_ptr<TAdvToolBarOfficeStyler>&)> Remove;
  } cases[] = {
      {"set to none", [&](auto&) { pager->SetToolBarStyler(nullptr); }},
      {"styler freed", [&](auto& s) { s.reset(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    auto styler = std::make_unique<TAdvToolBarOfficeStyler>(form);
    styler->SetStyle(bsOffice2007Obsidian);
    pager->SetToolBarStyler(styler.get());
    EXPECT_EQ(pager->CurrentStyler(), styler.get());
    EXPECT_EQ(styler->ControlCount(), 1);
    const TColor obsidian = Normal(*styler).Color;
    EXPECT_EQ(pager->CloseButton()->Appearance()->Color(), obsidian) << "caption buttons take its glow colours";
    c.Remove(styler);
    if (styler) EXPECT_EQ(styler->ControlCount(), 0);
    EXPECT_EQ(pager->CurrentStyler(), pager->FallbackStyler());
    EXPECT_EQ(pager->CurrentStyler()->Name(), "InternalStyler");
    EXPECT_EQ(pager->CurrentStyler()->PagerCaption().Values(), base.PagerCaption().Values());
    desk.Paint();
  }
}

TEST_F(PagerStyler, APagerFreedFirstLeavesTheStylersRegistry) {
  TAdvToolBarOfficeStyler styler(nullptr);
  pager->SetToolBarStyler(&styler);
  pager->SetToolBarStyler(&styler);
  EXPECT_EQ(styler.ControlCount(), 1) << "the same styler again changes nothing";
  delete pager;
  EXPECT_EQ(styler.ControlCount(), 0);
  styler.SetStyle(bsOffice2007Luna);
}

}  // namespace

namespace {

bool Near(TColor A, TColor B, int Tolerance = 3) {
  for (int shift : {0, 8, 16})
    if (std::abs(int((A >> shift) & 0xFF) - int((B >> shift) & 0xFF)) > Tolerance) return false;
  return true;
}

// The caption bar in the Luna scheme: a two-half face framed at the top,
// left and right, the title centred between the logo's room and the
// caption buttons in the caption text colour, and the glyphs.
TEST_F(Pager, TheCaptionBarPaintsTheLunaFaceTitleAndGlyphs) {
  const TVistaTextBackgroundValues& v = pager->CurrentStyler()->PagerCaption().Values();
  EXPECT_EQ(desk.Pixel(pager, 300, 0), v.BorderColor) << "top border";
  EXPECT_EQ(desk.Pixel(pager, 0, 10), v.BorderColor) << "left border";
  EXPECT_EQ(desk.Pixel(pager, 573, 10), v.BorderColor) << "right border";
  EXPECT_NE(desk.Pixel(pager, 60, 26), v.BorderColor) << "no bottom border";
  EXPECT_TRUE(Near(desk.Pixel(pager, 60, 1), v.Color)) << "upper half starts at Color";
  EXPECT_TRUE(Near(desk.Pixel(pager, 60, 14), v.ColorMirror)) << "lower half starts at ColorMirror";
  EXPECT_TRUE(Near(desk.Pixel(pager, 60, 26), v.ColorMirrorTo)) << "and ends near ColorMirrorTo";

  // The title's ink: its darkest pixel is the text colour, and its extent
  // is centred on the text area (100 to 516).
  int left = 574, right = -1, bluest = 0;
  for (int y = 1; y < 26; ++y)
    for (int x = 100; x < 516; ++x) {
      const TColor c = desk.Pixel(pager, x, y);
      const int blue = int((c >> 16) & 0xFF) - int(c & 0xFF);
      if (blue < 40) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      bluest = std::max(bluest, blue);
    }
  ASSERT_GE(right, left) << "no title drawn";
  EXPECT_NEAR((left + right + 1) / 2.0, 308, 3);
  EXPECT_GT(bluest, 200) << "the title is drawn in the caption text colour (blue)";

  // Each enabled caption button shows its glyph in the text colour.
  auto inked = [&](TAdvGlowButton* b) {
    int n = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) n += desk.Pixel(pager, b->Left() + x, b->Top() + y) == v.TextColor;
    return n;
  };
  EXPECT_GE(inked(pager->CloseButton()), 12);
  EXPECT_GE(inked(pager->MinButton()), 8);
}

}  // namespace

namespace {

// The styler's background picture, where the tab row leaves it showing:
// tiled from (1, 1), centred once, or stretched inside a 2-pixel margin.
TEST_F(Pager, TheStylersBackgroundPictureIsTiledCentredOrStretched) {
  TAdvToolBarOfficeStyler styler(nullptr);
  pager->SetToolBarStyler(&styler);
  // The tab row would cover the picture.
  styler.TabAppearance().BackGround().Set(&TGradientBackgroundValues::Color, clNone);
  TBitmap picture(10, 10);
  picture.Canvas()->Brush()->SetColor(clRed);
  picture.Canvas()->FillRect({0, 0, 10, 10});
  picture.Canvas()->SetPixel(0, 0, clLime);
  picture.EndPainting();
  styler.SetBackGround(picture);
  const struct {
    TBackGroundDisplay Display;
    TPoint Lime;   // where the picture's first pixel lands below the caption
    TPoint Plain;  // a point the picture does not cover
  } cases[] = {
      {bdTile, {41, 31}, {1, 132}},
      {bdCenter, {282, 61}, {281, 61}},
      {bdStretch, {2, 27}, {1, 60}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Display);
    styler.SetValue(&TToolBarStylerValues::BackGroundDisplay, c.Display);
    desk.Paint();
    if (c.Display != bdStretch) EXPECT_EQ(desk.Pixel(pager, c.Lime.X, c.Lime.Y), clLime);
    EXPECT_EQ(desk.Pixel(pager, c.Lime.X + 2, c.Lime.Y + 2), clRed);
    EXPECT_NE(desk.Pixel(pager, c.Plain.X, c.Plain.Y), clRed);
  }
}

}  // namespace

namespace {

// A pager of the main window's size with pages; tabs start at x = 66.
struct PagerTabs : Pager {
  std::vector<TAdvPage*> pages;
  std::vector<std::string> events;

  TAdvPage* AddPage(const std::string& Caption) {
    auto* p = new TAdvPage(form);
    p->SetParent(pager);
    p->SetCaption(Caption);
    pages.push_back(p);
    return p;
  }
  void SetUpPages(std::initializer_list<const char*> Captions) {
    pager->TabSettings().SetStartMargin(62);
    for (const char* c : Captions) AddPage(c);
    pager->SetActivePage(pages[0]);
    pager->OnChanging = [this](TObject*, int From, int To, bool&) {
      events.push_back("changing " + std::to_string(From) + ">" + std::to_string(To));
    };
    pager->OnChange = [this](TObject*) {
      events.push_back("change " + std::to_string(pager->ActivePageIndex()) + " of " +
                       std::to_string(pager->PageCount()));
    };
    desk.Paint();
  }
  TPoint TabCentre(int I) {
    const TRect r = pager->TabRect(I);
    return {(r.Left + r.Right) / 2, r.Top + 8};
  }
  void PressAt(TPoint P) {
    desk.MoveTo(pager, P);
    desk.Press();
  }
};

TEST_F(PagerTabs, TheOnlyTabSitsAtTheStartAndItsPageUnderTheTabRow) {
  SetUpPages({"Actions"});
  EXPECT_EQ(pager->TabRect(0).Left, 66);
  EXPECT_EQ(pager->TabRect(0).Top, 31);
  // Caption width, a pad of 7 for seven characters, two margins of 4.
  TCanvas& c = *pager->Canvas();
  c.Font()->Assign(&pager->CurrentStyler()->TabAppearance().Font());
  EXPECT_EQ(pager->TabWidth(0), c.TextWidth("Actions") + 7 + 8);
  EXPECT_EQ(pages[0]->BoundsRect(), (TRect{4, 53, 570, 128}));
  EXPECT_TRUE(pages[0]->Visible());
  pager->TabSettings().SetHeight(0);
  EXPECT_EQ(pages[0]->Top(), 27) << "without tabs the page starts under the caption";
}

TEST_F(PagerTabs, APressSelectsATabPressesTheActiveOneAndBesideTheTabsDoesNothing) {
  SetUpPages({"Alpha", "Beta"});
  events.clear();
  PressAt({pager->TabRect(1).Right + 40, 40});  // in the tab row, beside every tab
  desk.Release();
  EXPECT_EQ(pager->ActivePageIndex(), 0);
  EXPECT_EQ(pager->PressedTab(), -1);
  EXPECT_TRUE(events.empty());

  PressAt(TabCentre(0));
  EXPECT_EQ(pager->PressedTab(), 0) << "the active tab shows its press";
  desk.Release();
  EXPECT_EQ(pager->PressedTab(), -1);

  PressAt(TabCentre(1));
  desk.Release();
  EXPECT_EQ(events, (std::vector<std::string>{"changing 0>1", "change 1 of 2"}));
  EXPECT_FALSE(pages[0]->Visible());
  EXPECT_TRUE(pages[1]->Visible());
  EXPECT_TRUE(pages[1]->Animation.Timer) << "the click glows";
  desk.Advance(30 * 7);
  EXPECT_FALSE(pages[1]->Animation.Timer) << "and the glow ends by itself";
  EXPECT_EQ(pages[1]->Animation.Glow, 0);
}

TEST_F(PagerTabs, AChangeRefusedByOnChangingLeavesThePage) {
  SetUpPages({"Alpha", "Beta"});
  pager->OnChanging = [](TObject*, int, int, bool& Allow) { Allow = false; };
  events.clear();
  pager->SelectPage(1);
  EXPECT_EQ(pager->ActivePageIndex(), 0);
  EXPECT_TRUE(events.empty());
}

TEST_F(PagerTabs, TheHotTabFadesInAndLeavingThePagerDropsAnActiveHotTabAtOnce) {
  SetUpPages({"Alpha", "Beta"});
  desk.MoveTo(pager, TabCentre(1));
  EXPECT_EQ(pager->HotTab(), 1);
  for (int tick = 1; tick <= 5; ++tick) {
    desk.Advance(30);
    EXPECT_EQ(pages[1]->Animation.Hover, 20 * tick);
  }
  desk.MoveTo(pager, {300, 110});  // below the tabs, still in the tab row band
  EXPECT_EQ(pager->HotTab(), -1);
  desk.Advance(30 * 8);
  EXPECT_FALSE(pages[1]->Animation.Timer) << "faded out";

  desk.MoveTo(pager, TabCentre(0));
  EXPECT_EQ(pager->HotTab(), 0);
  desk.MoveTo(form, {300, 300});  // off the pager
  EXPECT_EQ(pager->HotTab(), -1) << "the active tab drops its hot state at once";
}

TEST_F(PagerTabs, RemovingPagesKeepsEveryIndexInsideTheList) {
  SetUpPages({"Alpha", "Beta", "Gamma"});
  pager->SelectPage(2);
  desk.MoveTo(pager, TabCentre(2));
  ASSERT_EQ(pager->HotTab(), 2);
  // Inside OnChange the pager is already consistent.
  std::vector<std::string> seen;
  pager->OnChange = [&](TObject*) {
    seen.push_back(pager->ActivePage() ? pager->ActivePage()->Caption() : "none");
    EXPECT_LT(pager->HotTab(), pager->PageCount());
    EXPECT_LT(pager->ActivePageIndex(), pager->PageCount());
  };
  delete pages[2];
  EXPECT_EQ(pager->PageCount(), 2);
  EXPECT_EQ(seen, (std::vector<std::string>{"Alpha"})) << "the next page after it, wrapping round";
  EXPECT_EQ(pager->ActivePageIndex(), 0);
  EXPECT_EQ(pager->HotTab(), -1);

  pager->SelectPage(1);
  delete pages[0];  // before the active page
  EXPECT_EQ(pager->ActivePageIndex(), 0);
  EXPECT_EQ(pager->ActivePage(), pages[1]);
  desk.Paint();
}

TEST_F(PagerTabs, TheWheelStepsThroughPagesWithoutWrapping) {
  SetUpPages({"Alpha", "Beta", "Gamma"});
  pages[1]->SetTabEnabled(false);
  auto wheel = [&](int Delta) {
    return form->Perform(WM_MOUSEWHEEL, Delta << 16, PointToLParam(pager->ClientToScreen({300, 40})));
  };
  EXPECT_EQ(wheel(-120), 1);
  EXPECT_EQ(pager->ActivePageIndex(), 2) << "the disabled tab is skipped";
  wheel(-120);
  EXPECT_EQ(pager->ActivePageIndex(), 2) << "no wrapping";
  wheel(120);
  EXPECT_EQ(pager->ActivePageIndex(), 0);
}

TEST_F(PagerTabs, TabHintsAndAccelerators) {
  SetUpPages({"&Alpha", "&Beta"});
  pages[0]->SetTabHint("First page");
  pager->SetHint("The pager");
  auto hint = [&](int HintTab) {
    desk.MoveTo(pager, HintTab >= 0 ? TabCentre(HintTab) : TPoint{300, 110});
    THintInfo info;
    info.HintStr = pager->Hint();
    const intptr_t refused = pager->Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info));
    return refused ? std::string("(none)") : info.HintStr;
  };
  pager->ShowTabHint = true;
  EXPECT_EQ(hint(0), "First page");
  EXPECT_EQ(hint(1), "") << "an empty tab hint shows nothing";
  EXPECT_EQ(hint(-1), "The pager");
  pager->ShowTabHint = false;
  EXPECT_EQ(hint(0), "(none)");

  pager->SetTabStop(true);
  EXPECT_EQ(pager->Perform(CM_DIALOGCHAR, 'b'), 1);
  EXPECT_EQ(pager->ActivePageIndex(), 1);
  EXPECT_EQ(pager->Perform(CM_DIALOGCHAR, 'z'), 0);
}

TEST_F(PagerTabs, AGroupNamingNoExistingTabDrawsNothingAndClaimsNoTab) {
  SetUpPages({"Actions"});
  TTabGroupItem& tools = pager->TabGroups().Add();
  tools.SetCaption("Tools");
  tools.SetTabIndexStart(1);
  tools.SetTabIndexEnd(2);
  EXPECT_EQ(pager->GroupRect(0), NoRect);
  EXPECT_EQ(pager->GroupOfTab(0), -1);
  tools.SetTabIndexStart(-1);
  tools.SetTabIndexEnd(0);
  EXPECT_EQ(pager->GroupRect(0), NoRect) << "never drawn";
  EXPECT_EQ(pager->GroupOfTab(0), 0) << "but it gives the tab its look";
  tools.SetTabIndexStart(0);
  EXPECT_EQ(pager->GroupRect(0).Left, pager->TabRect(0).Left - 2);
  EXPECT_EQ(pager->GroupRect(0).Top, 0);
  desk.Paint();
}

TEST_F(PagerTabs, APageCannotGoOnAToolBarAndMovesWithinItsPager) {
  SetUpPages({"Alpha", "Beta", "Gamma"});
  pages[2]->SetPageIndex(0);
  EXPECT_EQ(pager->Pages(0), pages[2]);
  EXPECT_EQ(pager->ActivePage(), pages[0]) << "the same page stays active";
  pages[0]->SetPageIndex(7);
  EXPECT_EQ(pages[0]->PageIndex(), 1);
  auto* bar = new TAdvToolBar(form);
  bar->SetParent(pages[0]);
  EXPECT_THROW(pages[1]->SetParent(bar), EPlatformError);
  EXPECT_EQ(pages[1]->Parent(), pager);
}

}  // namespace

namespace {

TEST_F(PagerTabs, TabsThatDoNotFitScrollRunByRun) {
  SetUpPages({"Alpha page", "Beta page", "Gamma page", "Delta page", "Epsilon page", "Zeta page"});
  EXPECT_FALSE(pager->TabScrollButton(true) && pager->TabScrollButton(true)->Visible()) << "they fit";
  form->SetBounds(form->Left(), form->Top(), 200, form->Height());
  ASSERT_GT(pager->TabScroller().Max(), 0);
  auto* forward = pager->TabScrollButton(true);
  ASSERT_TRUE(forward && forward->Visible());
  EXPECT_FALSE(pager->TabScrollButton(false) && pager->TabScrollButton(false)->Visible());
  EXPECT_EQ(forward->BoundsRect().Right, pager->TabAreaRect().Right);
  EXPECT_EQ(forward->Width(), 12);

  int firstShown = -1;
  desk.Click(forward);
  for (int i = 0; i < pager->PageCount() && firstShown < 0; ++i)
    if (pager->TabRect(i).Left >= pager->TabAreaRect().Left) firstShown = i;
  EXPECT_GT(firstShown, 0);
  EXPECT_EQ(pager->TabScroller().Position(), 1);
  ASSERT_TRUE(pager->TabScrollButton(false));
  EXPECT_TRUE(pager->TabScrollButton(false)->Visible());
  desk.Click(pager->TabScrollButton(false));
  EXPECT_EQ(pager->TabRect(0).Left, pager->TabAreaRect().Left) << "back at the start";
}

}  // namespace

namespace {

// The active tab in Luna: its selected border along the top, which a press
// replaces by the down border (none in Luna: no frame while pressed).
TEST_F(PagerTabs, TheActiveTabPaintsItsSelectedFrameAndItsPress) {
  TAdvToolBarOfficeStyler luna(nullptr);
  luna.SetStyle(bsOffice2007Luna);
  pager->SetToolBarStyler(&luna);
  SetUpPages({"Actions"});
  const TCustomTabAppearanceValues& a = luna.TabAppearance().Values();
  const TRect r = pager->TabRect(0);
  const int mid = (r.Left + r.Right) / 2;
  EXPECT_EQ(desk.Pixel(pager, mid, r.Top), a.BorderColorSelected);
  EXPECT_TRUE(Near(desk.Pixel(pager, mid, r.Top + 2), a.ColorSelected, 12)) << "the selected face";
  ASSERT_EQ(a.BorderColorDown, clNone);
  PressAt(TabCentre(0));
  desk.Paint();
  EXPECT_NE(desk.Pixel(pager, mid, r.Top), a.BorderColorSelected) << "no frame while pressed";
  desk.Release();
  desk.Paint();
  EXPECT_EQ(desk.Pixel(pager, mid, r.Top), a.BorderColorSelected);
}

}  // namespace
