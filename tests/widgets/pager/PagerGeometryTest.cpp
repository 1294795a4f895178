// The pager's bands and caption button places as pure functions.
#include <gtest/gtest.h>

#include "pager/PagerGeometry.h"

namespace {

// The main window's pager: 574 x 133, tabs starting 62 pixels in.
TPagerMetrics MainPager() {
  TPagerMetrics m;
  m.Width = 574;
  m.Height = 133;
  m.TabStartMargin = 62;
  return m;
}

TEST(PagerGeometry, Bands) {
  struct Case {
    const char* Name;
    TPagerMetrics M;
    TRect Caption, TabRow, TabArea, Page;
  };
  TPagerMetrics noCaption = MainPager();
  noCaption.CaptionVisible = false;
  TPagerMetrics margins = MainPager();
  margins.PageLeftMargin = 10;
  margins.PageRightMargin = 3;
  TPagerMetrics mdi = MainPager();
  mdi.AutoMDIButtons = true;
  TPagerMetrics qat = MainPager();
  qat.QATBelow = true;
  const Case cases[] = {
      {"main window", MainPager(), {0, 0, 574, 27}, {0, 27, 574, 53}, {66, 31, 570, 57}, {4, 53, 570, 128}},
      {"no caption", noCaption, NoRect, {0, 0, 574, 26}, {66, 4, 570, 30}, {4, 26, 570, 128}},
      {"page margins", margins, {0, 0, 574, 27}, {0, 27, 574, 53}, {76, 31, 567, 57}, {14, 53, 567, 128}},
      {"MDI buttons", mdi, {0, 0, 574, 27}, {0, 27, 574, 53}, {66, 31, 511, 57}, {4, 53, 570, 128}},
      {"toolbar below", qat, {0, 0, 574, 27}, {0, 27, 574, 53}, {66, 31, 570, 57}, {4, 53, 570, 103}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(CaptionRect(c.M), c.Caption);
    EXPECT_EQ(TabRowRect(c.M), c.TabRow);
    EXPECT_EQ(TabAreaRect(c.M), c.TabArea);
    EXPECT_EQ(PageRect(c.M), c.Page);
  }
}

TEST(PagerGeometry, CaptionButtonsSitAtTheRightEndOfTheCaption) {
  const TCaptionButtonPlaces p = CaptionButtonPlaces(MainPager());
  EXPECT_EQ(p.Close, TRect::Bounds(552, 4, 16, 16));
  EXPECT_EQ(p.Maximize, TRect::Bounds(534, 4, 16, 16));
  EXPECT_EQ(p.Minimize, TRect::Bounds(516, 4, 16, 16));
}

TEST(PagerGeometry, TheEdgeStripsAreThreePixelsAtTheTopAndLeftAndFiveAtTheRight) {
  const struct {
    TPoint At;
    bool Strip;
  } cases[] = {{{2, 50}, true},   {{3, 50}, false},  {{100, 2}, true},
               {{100, 3}, false}, {{569, 50}, true}, {{568, 50}, false}};
  for (const auto& c : cases) EXPECT_EQ(InPagerEdgeStrip(574, c.At), c.Strip) << c.At.X << "," << c.At.Y;
}

}  // namespace
