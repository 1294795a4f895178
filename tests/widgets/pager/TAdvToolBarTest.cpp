// The page toolbar: its place in the page's row, the styler it paints
// with and hands to its glow buttons, its painting, the hot fade, the
// option button and its fades, focus inside it, and the compact form.
#include <gtest/gtest.h>

#include <memory>

#include "desktop/HeadlessDesktop.h"
#include "draw/TAdvToolBarOfficeStyler.h"
#include "glowbutton/TAdvGlowButton.h"
#include "pager/TAdvPage.h"
#include "pager/TAdvToolBar.h"
#include "pager/TAdvToolBarForm.h"
#include "pager/TAdvToolBarPager.h"

namespace {

// The main window's pager, its page and the page's two toolbars, built
// as a layout is loaded.
struct ToolBar : ::testing::Test {
  HeadlessDesktop desk;
  TAdvToolBarForm* form = nullptr;
  TAdvToolBarPager* pager = nullptr;
  TAdvPage* page = nullptr;
  TAdvToolBar* bar1 = nullptr;
  TAdvToolBar* bar12 = nullptr;
  TAdvGlowButton* refresh = nullptr;
  TAdvGlowButton* internet = nullptr;

  void SetUp() override {
    form = new TAdvToolBarForm(&desk.App());
    form->SetBounds(100, 100, 574, 400);
    pager = new TAdvToolBarPager(form);
    pager->SetParent(form);
    pager->SetHeight(133);
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
    return t;
  }
  TAdvGlowButton* Button(TAdvToolBar* Bar, TRect R) {
    auto* b = new TAdvGlowButton(form);
    b->SetParent(Bar);
    b->SetBounds(R.Left, R.Top, R.Width(), R.Height());
    return b;
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

}  // namespace
