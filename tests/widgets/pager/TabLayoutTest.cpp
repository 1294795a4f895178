// The tab row's layout: places, the width of the row, squeezing when the
// tabs do not fit and giving the room back when they do.
#include <gtest/gtest.h>

#include <vector>

#include "pager/TabLayout.h"

namespace {

std::vector<TTabSlot> Tabs(std::initializer_list<int> Widths) {
  std::vector<TTabSlot> slots;
  for (int w : Widths) slots.push_back({true, false, w, w, 0});
  return slots;
}

const TTabLayoutState kWanted{4, 25, 25, 25, 25};

std::vector<int> Xs(const std::vector<TTabSlot>& S) {
  std::vector<int> x;
  for (const TTabSlot& s : S) x.push_back(s.X);
  return x;
}
std::vector<int> Widths(const std::vector<TTabSlot>& S) {
  std::vector<int> w;
  for (const TTabSlot& s : S) w.push_back(s.Width);
  return w;
}

TEST(TabLayout, TabsFollowEachOtherWithTheirMarginsAndTheSpacing) {
  auto slots = Tabs({50, 60, 70});
  slots[1].Visible = false;
  PositionTabs(slots, kWanted, 66, false);
  EXPECT_EQ(slots[0].X, 66);
  EXPECT_EQ(slots[2].X, 66 + 100 + 4);
  EXPECT_EQ(RowWidth(slots, kWanted), 100 + 4 + 120) << "no spacing after the list's last tab";
  slots[2].Visible = false;
  EXPECT_EQ(RowWidth(slots, kWanted), 100 + 4) << "a hidden last page leaves the spacing";
}

TEST(TabLayout, SqueezingTakesSpacingThenMarginsThenTheWidestTab) {
  struct Case {
    const char* Name;
    int Over;  // how far the row is too wide
    TTabLayoutState Expected;
    std::vector<int> Widths;
  };
  // Three tabs of 60, 80, 40: the row is 180 + 150 + 8 = 338 wide.
  const Case cases[] = {
      {"spacing", 2, {3, 25, 25, 25, 25}, {60, 80, 40}},
      {"margins alternately", 2 + 3, {3, 24, 25, 25, 25}, {60, 80, 40}},
      {"margins to the least", 2 + 3 * 44, {3, 3, 3, 25, 25}, {60, 80, 40}},
      {"the widest tab", 2 + 3 * 44 + 7, {3, 3, 3, 25, 25}, {60, 73, 40}},
      {"the widest, the first of equals", 2 + 3 * 44 + 63, {3, 3, 3, 25, 25}, {37, 40, 40}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto slots = Tabs({60, 80, 40});
    TTabLayoutState state = kWanted;
    PositionTabs(slots, state, 0, false);
    const int width = RowWidth(slots, state) - c.Over;
    FitTabs(slots, state, kWanted, 0, width);
    EXPECT_EQ(state.Spacing, c.Expected.Spacing);
    EXPECT_EQ(state.LeftMargin, c.Expected.LeftMargin);
    EXPECT_EQ(state.RightMargin, c.Expected.RightMargin);
    EXPECT_EQ(Widths(slots), c.Widths);
    EXPECT_LE(RowWidth(slots, state), width);
    EXPECT_EQ(slots[1].X, slots[0].X + SlotWidth(slots[0], state) + state.Spacing) << "packed after squeezing";
  }
}

TEST(TabLayout, NoTabIsSqueezedBelowTheLeastWidth) {
  auto slots = Tabs({30, 30});
  TTabLayoutState state = kWanted;
  FitTabs(slots, state, kWanted, 0, 10);
  EXPECT_EQ(Widths(slots), (std::vector<int>{24, 24}));
}

TEST(TabLayout, GroupedTabsGiveWayOnlyPastAFivePixelTolerance) {
  auto slots = Tabs({40, 60});
  slots[1].Grouped = true;
  TTabLayoutState state = kWanted;
  // The row with everything but the grouped tab's width squeezed.
  const TTabLayoutState least{3, 3, 3, 3, 3};
  auto squeezed = slots;
  squeezed[0].Width = 24;
  const int floor = RowWidth(squeezed, least);
  FitTabs(slots, state, kWanted, 0, floor - 4);
  EXPECT_EQ(slots[1].Width, 60) << "an overflow of up to 5 pixels is tolerated";
  FitTabs(slots, state, kWanted, 0, floor - 9);
  EXPECT_EQ(slots[1].Width, 56) << "squeezed to within the tolerance";
}

TEST(TabLayout, RoomComesBackToTheWidthsFirstThenSpacingAndMargins) {
  auto slots = Tabs({60, 80, 40});
  TTabLayoutState state = kWanted;
  const int full = RowWidth(slots, state);
  FitTabs(slots, state, kWanted, 0, full - 200);
  ASSERT_LT(Widths(slots), (std::vector<int>{60, 80, 40}));
  FitTabs(slots, state, kWanted, 0, full - 140);
  EXPECT_EQ(state.Spacing, 3) << "the spacing waits for the widths";
  FitTabs(slots, state, kWanted, 0, full);
  EXPECT_EQ(Widths(slots), (std::vector<int>{60, 80, 40}));
  EXPECT_EQ(state.Spacing, 4);
  EXPECT_EQ(state.LeftMargin, 25);
  EXPECT_EQ(state.RightMargin, 25);
  EXPECT_EQ(Xs(slots), (std::vector<int>{0, 114, 248}));
}

}  // namespace
