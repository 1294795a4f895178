// The list box: geometry, selection by mouse and by keyboard, and the
// click it reports for each.
#include <gtest/gtest.h>

#include "desktop/HeadlessDesktop.h"
#include "ui/TCustomForm.h"
#include "ui/TListBox.h"

TEST(ListBoxLayout, ShowsAScrollBarOnlyWhenRowsDoNotFit) {
  TListBoxLayout fits = ListBoxLayout(238, 379, 20, 13, 0);
  EXPECT_TRUE(fits.ScrollBar.IsEmpty());
  EXPECT_EQ(fits.VisibleRows, 29);
  EXPECT_EQ(fits.Items, (TRect{1, 1, 237, 378}));

  TListBoxLayout many = ListBoxLayout(238, 379, 100, 13, 71);
  EXPECT_EQ(many.ScrollBar, (TRect{220, 1, 237, 378}));
  EXPECT_EQ(many.MaxTopIndex, 71);
  EXPECT_EQ(many.Thumb.Bottom, many.Track.Bottom);  // at the last page
  TListBoxLayout top = ListBoxLayout(238, 379, 100, 13, 0);
  EXPECT_EQ(top.Thumb.Top, top.Track.Top);
}

namespace {
struct List : ::testing::Test {
  HeadlessDesktop desk;
  TForm* form = nullptr;
  TListBox* list = nullptr;
  std::vector<int> clicks;
  void SetUp() override {
    form = new TForm(&desk.App());
    form->SetBounds(0, 0, 300, 300);
    list = new TListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 200, 132);  // ten whole rows
    list->BeginUpdate();
    for (const char* s : {"init", "kworker/0:1H", "bash", "sleep", "bash", "Xorg", "sshd", "systemd", "top", "cron",
                          "dbus", "zsh"})
      list->Items()->Add(s);
    list->EndUpdate();
    list->OnClick = [this](TObject*) { clicks.push_back(list->ItemIndex()); };
    form->Show();
  }
};
}  // namespace

TEST_F(List, MouseAndKeyboardSelectTheSameWayAndReportEachChange) {
  desk.Click(list, {20, 1 + 13 * 2 + 5});
  EXPECT_EQ(list->ItemIndex(), 2);
  desk.Key(VK_DOWN);
  desk.Key(VK_END);
  desk.Key(VK_HOME);
  desk.Key(VK_HOME);  // no change, no report
  EXPECT_EQ(clicks, (std::vector<int>{2, 3, 11, 0}));
  EXPECT_TRUE(list->Focused());
}

TEST_F(List, FirstLetterFindsTheNextMatchAndWraps) {
  desk.Type(U'b');
  desk.Type(U'b');
  desk.Type(U'b');
  desk.Type(U'q');
  EXPECT_EQ(clicks, (std::vector<int>{2, 4, 2}));
}

TEST_F(List, PagesAndTheWheelScrollAndKeepTheSelectionInView) {
  desk.Key(VK_END);
  EXPECT_EQ(list->TopIndex(), 2);
  desk.MoveTo(list, {20, 20});
  desk.Host().Wheel(120);
  EXPECT_EQ(list->TopIndex(), 0);
  desk.Key(VK_NEXT);  // already on the last item: it only comes back into view
  EXPECT_EQ(list->ItemIndex(), 11);
  EXPECT_EQ(list->TopIndex(), 2);
  desk.Key(VK_PRIOR);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->TopIndex(), 2);
}

TEST_F(List, ClearingTheItemsLeavesNoSelectionAndSettingFromCodeReportsNothing) {
  list->SetItemIndex(3);
  EXPECT_TRUE(clicks.empty());
  list->Items()->Clear();
  EXPECT_EQ(list->ItemIndex(), -1);
  desk.Paint();
  EXPECT_EQ(desk.Pixel(list, 50, 5), ColorToRGB(clWindow));
}

// A refill repaints only the rows it changed: none when the visible rows
// come back the same, one when one row's text changes, all when the
// scroll bar changes with the count.
TEST_F(List, ARefillRepaintsOnlyTheRowsItChanged) {
  auto refill = [&](std::vector<std::string> items) {
    list->BeginUpdate();
    list->Items()->Clear();
    for (const std::string& s : items) list->Items()->Add(s);
    list->EndUpdate();
  };
  std::vector<std::string> items;
  for (int i = 0; i < list->Count(); ++i) items.push_back(list->Items()->Strings(i));
  desk.Paint();
  ASSERT_TRUE(list->UpdateRegion().IsEmpty());

  refill(items);
  EXPECT_TRUE(list->UpdateRegion().IsEmpty());

  items[3] = "sleepy";
  refill(items);
  EXPECT_EQ(list->UpdateRegion().Rects(), (std::vector<TRect>{{1, 1 + 3 * 13, 199 - 17, 1 + 4 * 13}}));

  desk.Paint();
  items.push_back("more");
  refill(items);  // the thumb shrinks: everything repaints
  EXPECT_EQ(list->UpdateRegion().Rects(), (std::vector<TRect>{list->ClientRect()}));

  // Selected from code, then refilled with the same rows: the selection is
  // gone, so its row repaints.
  desk.Paint();
  list->SetItemIndex(1);
  desk.Paint();
  refill(items);
  EXPECT_EQ(list->UpdateRegion().Rects(), (std::vector<TRect>{{1, 1 + 13, 199 - 17, 1 + 2 * 13}}));
}
