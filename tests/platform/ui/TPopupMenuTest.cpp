// The pop-up menu's loop on the headless desktop: each time the loop
// waits for input the next scripted step acts, as a user would.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "desktop/HeadlessDesktop.h"
#include "ui/TButton.h"
#include "ui/TCustomForm.h"
#include "ui/TMenuItem.h"
#include "ui/TPopupMenu.h"

namespace {

struct Menu : ::testing::Test {
  HeadlessDesktop desk;
  TForm* form = nullptr;
  TButton* button = nullptr;
  TPopupMenu* menu = nullptr;
  std::vector<std::string> ran;
  std::vector<std::function<void()>> steps;
  size_t step = 0;

  void SetUp() override {
    form = new TForm(&desk.App());
    form->SetBounds(100, 100, 300, 200);
    button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 75, 25);
    form->Show();
    desk.Paint();
    menu = new TPopupMenu(form);
    for (const char* caption : {"&Open", "-", "&Save", "&Close"})
      menu->Add(caption, [this, caption](TObject*) {
        // The menu is gone by the time an item runs.
        EXPECT_FALSE(menu->IsOpen());
        ran.push_back(caption);
      });
    desk.Host().OnIdle = [this] {
      ASSERT_LT(step, steps.size()) << "the menu waited for more input than scripted";
      steps[step++]();
    };
  }
  TPoint ItemCentre(int Index) {
    TRect r = menu->ItemRect(Index);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void ClickItem(int Index) { desk.Click(menu->Window(), ItemCentre(Index)); }
};

TEST_F(Menu, AClickOnAnItemClosesTheMenuThenRunsIt) {
  steps = {[&] {
             EXPECT_TRUE(menu->IsOpen());
             EXPECT_EQ(desk.App().Windows().KeyboardGrab(), menu->Window());
             EXPECT_EQ(desk.App().Windows().Focus(), button);
             ClickItem(2);
           }};
  menu->Popup(200, 150);
  EXPECT_EQ(ran, std::vector<std::string>{"&Save"});
  EXPECT_FALSE(menu->IsOpen());
  EXPECT_EQ(desk.App().Windows().Focus(), button);
  EXPECT_EQ(desk.App().Windows().CaptureControl(), nullptr);
  EXPECT_EQ(desk.App().Windows().KeyboardGrab(), nullptr);
}

TEST_F(Menu, EscapeAPressOutsideOrAltDismissWithoutRunning) {
  std::vector<std::function<void()>> dismissals = {
      [&] { desk.Key(VK_ESCAPE); },
      [&] { desk.Click(form, {280, 180}); },
      [&] { desk.Key(VK_MENU); },
  };
  for (auto& dismiss : dismissals) {
    steps = {dismiss};
    step = 0;
    menu->Popup(200, 150);
    EXPECT_FALSE(menu->IsOpen());
  }
  EXPECT_TRUE(ran.empty());
}

TEST_F(Menu, SeparatorsAndDisabledItemsCannotBeChosen) {
  menu->Items(3)->SetEnabled(false);
  steps = {[&] { ClickItem(1); }, [&] { ClickItem(3); }, [&] { desk.Key(VK_ESCAPE); }};
  menu->Popup(200, 150);
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(step, 3u);
}

TEST_F(Menu, ArrowKeysSkipWhatCannotBeChosenAndEnterRunsTheItem) {
  menu->Items(2)->SetEnabled(false);
  steps = {[&] {
    desk.Key(VK_DOWN);
    EXPECT_EQ(menu->HighlightIndex(), 0);
    desk.Key(VK_DOWN);
    EXPECT_EQ(menu->HighlightIndex(), 3);
    desk.Key(VK_DOWN);
    EXPECT_EQ(menu->HighlightIndex(), 0);
    desk.Key(VK_UP);
    desk.Key(VK_RETURN);
  }};
  menu->Popup(200, 150);
  EXPECT_EQ(ran, std::vector<std::string>{"&Close"});
}

TEST_F(Menu, TheAcceleratorRunsItsItem) {
  steps = {[&] { desk.Type(U's'); }};
  menu->Popup(200, 150);
  EXPECT_EQ(ran, std::vector<std::string>{"&Save"});
}

TEST_F(Menu, TheReleaseOfTheOpeningPressChoosesNothing) {
  // The press that opened the menu is released away from its items.
  desk.MoveTo(button, {5, 5});
  desk.Host().PressMouse();
  steps = {[&] { desk.Release(); }, [&] { desk.Key(VK_ESCAPE); }};
  menu->Popup(200, 150);
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(step, 2u);
}

TEST_F(Menu, OpensAsAMenuWindowOnTheOtherSideOfThePointAtTheScreenEdge) {
  const TSize size = menu->MenuSize();
  steps = {[&] {
    TWinControl* w = menu->Window();
    EXPECT_EQ(w->BoundsRect(), TRect::Bounds(1920 - size.cx - 10, 1040 - size.cy - 5, size.cx, size.cy));
    const auto* info = desk.Host().Info(w->HostWindow());
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Params.Kind, hwkMenu);
    desk.Key(VK_ESCAPE);
  }};
  menu->Popup(1920 - 10, 1040 - 5);
}

TEST_F(Menu, AnItemFreedWhileTheMenuIsOpenIsNotRun) {
  steps = {[&] {
    desk.Key(VK_DOWN);
    delete menu->Items(0);
    EXPECT_EQ(menu->Count(), 3);
    desk.Key(VK_RETURN);
    desk.Key(VK_ESCAPE);
  }};
  menu->Popup(200, 150);
  EXPECT_TRUE(ran.empty());
}

}  // namespace

TEST_F(Menu, LinksBetweenAMenuAndAControlEndWhenEitherIsFreed) {
  auto* shownFor = new TButton(nullptr);  // outside the menu's owner tree
  menu->SetPopupComponent(shownFor);
  delete shownFor;
  EXPECT_EQ(menu->PopupComponent(), nullptr);
  button->SetPopupMenu(menu);
  delete menu;
  menu = nullptr;
  EXPECT_EQ(button->PopupMenu(), nullptr);
}
