// Focus, tab order and the dialog-key pass.
#include <gtest/gtest.h>

#include "desktop/HeadlessDesktop.h"
#include "ui/TButton.h"
#include "ui/TCustomForm.h"

namespace {
struct Dialog : ::testing::Test {
  HeadlessDesktop desk;
  TForm* form = nullptr;
  TButton* first = nullptr;
  TButton* second = nullptr;
  int firstClicks = 0, secondClicks = 0;
  void SetUp() override {
    form = new TForm(&desk.App());
    first = new TButton(form);
    first->SetParent(form);
    first->SetCaption("&Alpha");
    first->SetBounds(10, 10, 75, 25);
    second = new TButton(form);
    second->SetParent(form);
    second->SetCaption("&Beta");
    second->SetBounds(100, 10, 75, 25);
    first->OnClick = [this](TObject*) { ++firstClicks; };
    second->OnClick = [this](TObject*) { ++secondClicks; };
    form->Show();
  }
};
}  // namespace

TEST_F(Dialog, FirstTabStopTakesFocusAndTabMovesItAround) {
  EXPECT_TRUE(first->Focused());
  desk.Key(VK_TAB, U"\t");
  EXPECT_TRUE(second->Focused());
  desk.Key(VK_TAB, U"\t");
  EXPECT_TRUE(first->Focused());
  second->SetTabOrder(0);
  desk.Key(VK_TAB, U"\t");
  EXPECT_TRUE(second->Focused());
}

TEST_F(Dialog, EnterClicksTheFocusedButtonRatherThanTheDefaultOne) {
  second->SetDefault(true);
  desk.Key(VK_RETURN, U"\r");
  EXPECT_EQ(firstClicks, 1);
  EXPECT_EQ(secondClicks, 0);
  desk.Key(VK_TAB, U"\t");
  desk.Key(VK_RETURN, U"\r");
  EXPECT_EQ(secondClicks, 1);
}

TEST_F(Dialog, AcceleratorsAndSpaceClick) {
  desk.Host().PressKey(VK_MENU);
  desk.Key('B', U"b");
  desk.Host().ReleaseKey(VK_MENU);
  EXPECT_EQ(secondClicks, 1);
  desk.Key(VK_SPACE, U" ");
  EXPECT_EQ(firstClicks, 1);
}

TEST_F(Dialog, DisabledOrHiddenControlsAreSkipped) {
  second->SetEnabled(false);
  desk.Key(VK_TAB, U"\t");
  EXPECT_TRUE(first->Focused());
  first->SetVisible(false);
  EXPECT_FALSE(first->Focused());
}

TEST_F(Dialog, AFreedFocusedControlIsNotReachedWhenTheFormIsActivatedAgain) {
  second->SetFocus();
  delete second;
  EXPECT_EQ(form->ActiveControl(), nullptr);
  auto* other = new TForm(&desk.App());
  other->Show();
  ASSERT_FALSE(form->Active());
  desk.Host().Activate(form->HostWindow());
  EXPECT_TRUE(form->Active());
  EXPECT_TRUE(first->Focused());
}

TEST_F(Dialog, FocusMovesOnFromAFreedControl) {
  int enters = 0;
  first->OnEnter = [&](TObject*) { ++enters; };
  second->SetFocus();
  delete second;
  first->SetFocus();
  EXPECT_TRUE(first->Focused());
  EXPECT_EQ(enters, 1);
}
