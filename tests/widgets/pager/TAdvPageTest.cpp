// A page of the pager: its toolbars side by side, compacting them when the
// page narrows and bringing them back when it widens, moving a toolbar in
// the row, and its face joined to the active tab.
#include <gtest/gtest.h>

#include <vector>

#include "desktop/HeadlessDesktop.h"
#include "draw/TAdvToolBarOfficeStyler.h"
#include "pager/TAdvPage.h"
#include "pager/TAdvPageScrollButton.h"
#include "pager/TAdvToolBar.h"
#include "pager/TAdvToolBarForm.h"
#include "pager/TAdvToolBarPager.h"

namespace {

// The main window's page with its two toolbars, 348 and 197 wide.
struct Page : ::testing::Test {
  HeadlessDesktop desk;
  TAdvToolBarForm* form = nullptr;
  TAdvToolBarPager* pager = nullptr;
  TAdvPage* page = nullptr;
  TAdvToolBar* actions = nullptr;
  TAdvToolBar* information = nullptr;

  void SetUp() override {
    form = new TAdvToolBarForm(&desk.App());
    form->SetBounds(100, 100, 574, 400);
    form->BeginLoading();
    pager = new TAdvToolBarPager(form);
    pager->SetParent(form);
    pager->SetHeight(133);
    pager->TabSettings().SetStartMargin(62);
    page = new TAdvPage(form);
    page->SetParent(pager);
    page->SetCaption("Actions");
    information = new TAdvToolBar(form);
    information->SetParent(page);
    information->SetBounds(354, 3, 197, 69);
    actions = new TAdvToolBar(form);
    actions->SetParent(page);
    actions->SetBounds(3, 3, 348, 69);
    form->EndLoading();
    pager->SetActivePage(page);
    form->Show();
    desk.Paint();
  }
};

TEST_F(Page, ToolBarsStandSideBySideInTheOrderOfTheirLeftEdges) {
  EXPECT_EQ(page->ToolBars(0), actions);
  EXPECT_EQ(actions->BoundsRect(), TRect::Bounds(3, 3, 348, 69));
  EXPECT_EQ(information->BoundsRect(), TRect::Bounds(354, 3, 197, 69));
  information->SetToolBarIndex(-4);
  EXPECT_EQ(information->ToolBarIndex(), 0);
  EXPECT_EQ(information->Left(), 3);
  EXPECT_EQ(actions->Left(), 3 + 197 + 3);
  information->SetToolBarIndex(5);
  EXPECT_EQ(information->ToolBarIndex(), 1) << "clamped to the last place";
}

TEST_F(Page, NarrowingCompactsFromTheRightAndWideningRestoresFromTheLeft) {
  const struct {
    int FormWidth;
    bool ActionsCompact, InformationCompact;
  } steps[] = {
      {574, false, false}, {560, false, true}, {450, false, true}, {300, true, true},
      {500, false, true},  {574, false, false},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.FormWidth);
    form->SetBounds(form->Left(), form->Top(), s.FormWidth, form->Height());
    EXPECT_EQ(actions->Compact(), s.ActionsCompact);
    EXPECT_EQ(information->Compact(), s.InformationCompact);
  }
  EXPECT_EQ(information->BoundsRect(), TRect::Bounds(354, 3, 197, 69)) << "back at full width";
}

TEST_F(Page, TheActivePagesFaceJoinsItsTabAndLiftsItsTopBorderThere) {
  const TRect tab = pager->TabRect(0);
  const TVistaBackgroundValues& v = pager->CurrentStyler()->PageAppearance().Values();
  const int underTab = (tab.Left + tab.Right) / 2 - 4;
  EXPECT_EQ(desk.Pixel(page, underTab, 0), v.Color) << "no border under the tab";
  EXPECT_EQ(desk.Pixel(page, tab.Right + 20, 0), v.BorderColor) << "the border beside it";
}

}  // namespace

namespace {

TEST_F(Page, ARowThatDoesNotFitEvenCompactScrollsByWholeToolBars) {
  form->SetBounds(form->Left(), form->Top(), 90, form->Height());  // page 82 wide
  ASSERT_TRUE(actions->Compact() && information->Compact());
  auto* forward = page->ScrollButton(true);
  ASSERT_TRUE(forward && forward->Visible());
  EXPECT_FALSE(page->ScrollButton(false) && page->ScrollButton(false)->Visible());
  EXPECT_EQ(forward->BoundsRect(), TRect::Bounds(page->Width() - 12, 0, 12, page->Height()));
  desk.Click(forward);
  EXPECT_EQ(page->ToolBarScroller().Position(), 1);
  EXPECT_EQ(information->Left(), 3) << "the second toolbar now leads";
  EXPECT_LT(actions->Left(), 0);
  ASSERT_TRUE(page->ScrollButton(false) && page->ScrollButton(false)->Visible());
  form->SetBounds(form->Left(), form->Top(), 574, form->Height());
  EXPECT_FALSE(page->ScrollButton(true)->Visible());
  EXPECT_FALSE(page->ScrollButton(false)->Visible());
  EXPECT_EQ(actions->BoundsRect(), TRect::Bounds(3, 3, 348, 69));
}

}  // namespace

namespace {

TEST_F(Page, AFreedToolBarLeavesTheRow) {
  delete information;
  EXPECT_EQ(page->ToolBarCount(), 1);
  EXPECT_EQ(page->ToolBars(0), actions);
  actions->SetToolBarIndex(3);
  EXPECT_EQ(actions->Left(), 3);
}

}  // namespace
