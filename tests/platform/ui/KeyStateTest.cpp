// The key state that handlers read: the state as of the event being
// handled, kept by the window manager from the events it delivers, next
// to the desktop's live state.
#include <gtest/gtest.h>

#include "desktop/HeadlessDesktop.h"
#include "ui/TButton.h"
#include "ui/TCustomForm.h"

namespace {

struct Keys : ::testing::Test {
  HeadlessDesktop desk;
  TForm* form = nullptr;
  TButton* first = nullptr;
  TButton* second = nullptr;
  void SetUp() override {
    form = new TForm(&desk.App());
    form->SetBounds(100, 100, 300, 100);
    first = new TButton(form);
    first->SetParent(form);
    first->SetBounds(10, 10, 75, 25);
    second = new TButton(form);
    second->SetParent(form);
    second->SetBounds(100, 10, 75, 25);
    form->Show();
  }
  TWindowManager& Windows() { return desk.App().Windows(); }
};

}  // namespace

TEST_F(Keys, ShiftTabGoesBackEvenWhenShiftIsUpByTheTimeTheTabIsHandled) {
  second->SetFocus();
  desk.Host().PressKey(VK_SHIFT);
  // The user lets Shift go while the Tab is still on its way: the Tab was
  // typed with Shift held.
  auto handler = second->WindowProc;
  second->WindowProc = [&, handler](TMessage& m) {
    if (m.Msg == CN_KEYDOWN) desk.Host().SetLiveKeyState(VK_SHIFT, false);
    handler(m);
  };
  desk.Host().PressKey(VK_TAB, U"\t");
  EXPECT_TRUE(first->Focused());
  EXPECT_TRUE(Windows().IsKeyDown(VK_SHIFT));
  EXPECT_FALSE(Windows().IsKeyDownNow(VK_SHIFT));
}

TEST_F(Keys, DeactivatingTheProgramForgetsTheKeysHeld) {
  desk.Host().PressKey(VK_CONTROL);
  desk.MoveTo(first, {5, 5});
  desk.Press();
  ASSERT_TRUE(Windows().IsKeyDown(VK_CONTROL));
  ASSERT_TRUE(Windows().IsKeyDown(VK_LBUTTON));
  Windows().HostActivated(form->HostWindow(), false);
  // Their releases will happen elsewhere, unseen.
  EXPECT_FALSE(Windows().IsKeyDown(VK_CONTROL));
  EXPECT_FALSE(Windows().IsKeyDown(VK_LBUTTON));
  EXPECT_TRUE(Windows().IsKeyDownNow(VK_CONTROL));
}

TEST_F(Keys, TheStateFollowsTheEventsDownUpAndTheLockToggles) {
  struct Step {
    uint16_t key;
    bool down;
    int16_t capsState;  // GetKeyState(VK_CAPITAL) after the step
  };
  const Step steps[] = {
      {VK_CAPITAL, true, int16_t(0x8001)}, {VK_CAPITAL, true, int16_t(0x8001)},  // auto-repeat keeps it
      {VK_CAPITAL, false, 1},              {'A', true, 1},
      {VK_CAPITAL, true, int16_t(0x8000)}, {VK_CAPITAL, false, 0},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(testing::Message() << "key " << s.key << (s.down ? " down" : " up"));
    if (s.down) desk.Host().PressKey(s.key);
    else desk.Host().ReleaseKey(s.key);
    EXPECT_EQ(Windows().GetKeyState(VK_CAPITAL), s.capsState);
    EXPECT_EQ(Windows().IsKeyDown(s.key), s.down);
  }
}
