// How the application button reacts on the headless desktop with its
// virtual clock: the hot state and its hover timer, presses and their ways
// out, groups, its action, the keyboard, key tips, the menu it opens, and
// the lifetimes of button, menu and key tip.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ShapeButtonFixture.h"
#include "glowbutton/GlowButtonLayout.h"
#include "pager/TShortCutHintWindow.h"
#include "ui/TAction.h"
#include "ui/TButton.h"

namespace {

struct ShapeBehaviour : ShapeFixture {};

TEST_F(ShapeBehaviour, TheHotStateAndItsHoverTimerLastWhileTheMouseIsOver) {
  auto* b = Button();
  std::vector<std::string> events;
  b->OnMouseEnter = [&](TObject*) { events.push_back("enter"); };
  b->OnMouseLeave = [&](TObject*) { events.push_back("leave"); };
  desk.MoveTo(b, {20, 20});
  EXPECT_TRUE(b->IsHot());
  EXPECT_TRUE(b->Hovering());
  EXPECT_EQ(b->ShownPicture(), b->PictureHot());
  desk.Advance(100);
  EXPECT_TRUE(b->IsHot());
  MoveAway();
  EXPECT_FALSE(b->IsHot());
  EXPECT_FALSE(b->Hovering());
  EXPECT_EQ(b->ShownPicture(), b->Picture());
  EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));
}

// The leave never arrives (the cursor went straight to another window):
// the hover timer, at the platform's 10 ms, finds the cursor outside the
// client rectangle, also one pixel past its right or bottom edge.
TEST_F(ShapeBehaviour, TheHoverTimerEndsTheHotStateWhenTheLeaveGoesMissing) {
  const TPoint outside[] = {{300, 150}, {20, 49}, {55, 20}};
  for (TPoint p : outside) {
    auto* b = Button();
    auto previous = b->WindowProc;
    b->WindowProc = [&, previous](TMessage& M) {
      if (M.Msg != CM_MOUSELEAVE) previous(M);
    };
    desk.MoveTo(b, {20, 20});
    ASSERT_TRUE(b->IsHot());
    desk.MoveTo(b, p);
    EXPECT_TRUE(b->IsHot()) << p.X << "," << p.Y;
    desk.Advance(9);
    EXPECT_TRUE(b->IsHot()) << p.X << "," << p.Y;
    desk.Advance(1);
    EXPECT_FALSE(b->IsHot()) << p.X << "," << p.Y;
    EXPECT_FALSE(b->Hovering()) << p.X << "," << p.Y;
    EXPECT_EQ(b->ShownPicture(), b->Picture());
    delete b;
  }
}

// Each case presses the left button on the button, ends the press its own
// way and releases at a point; the button is then neither pressed nor
// tracking, and only a release inside the client rectangle clicked.
TEST_F(ShapeBehaviour, APressClicksOnlyWhenReleasedInsideTheClientRectangle) {
  auto* plain = new TButton(form);
  plain->SetParent(form);
  plain->SetBounds(200, 100, 75, 25);
  struct Case {
    const char* name;
    std::function<void(TAdvShapeButton*)> wayOut;
    TPoint releaseAt;
    int clicks;
  };
  const Case cases[] = {
      {"released on the last column and row", nullptr, {54, 48}, 1},
      {"released one past the bottom", nullptr, {20, 49}, 0},
      {"released one past the right", nullptr, {55, 20}, 0},
      {"another control takes the mouse", [&](TAdvShapeButton*) { plain->SetMouseCapture(true); }, {20, 20}, 0},
      {"cancel mode", [](TAdvShapeButton* b) { b->Perform(WM_CANCELMODE); }, {20, 20}, 0},
      {"disabled and enabled again",
       [](TAdvShapeButton* b) {
         b->SetEnabled(false);
         EXPECT_FALSE(b->Pressed());
         b->SetEnabled(true);
       },
       {20, 20}, 0},
  };
  for (const Case& c : cases) {
    auto* b = Button();
    b->SetAdvPreviewMenu(nullptr);
    b->SetPictureDown(ResourcePicture("menu_check.bmp").get());
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    desk.MoveTo(b, {20, 20});
    desk.Press();
    EXPECT_TRUE(b->Pressed()) << c.name;
    EXPECT_EQ(b->ShownPicture(), b->PictureDown()) << c.name;
    if (c.wayOut) c.wayOut(b);
    desk.MoveTo(b, c.releaseAt);
    desk.Release();
    EXPECT_FALSE(b->Pressed()) << c.name;
    EXPECT_FALSE(b->Tracking()) << c.name;
    EXPECT_EQ(clicks, c.clicks) << c.name;
    EXPECT_NE(b->ShownPicture(), b->PictureDown()) << c.name;
    delete b;
  }
}

TEST_F(ShapeBehaviour, DraggedOffWhileHeldTheDownPictureGoesAndComesBack) {
  auto* b = Button();
  b->SetPictureDown(ResourcePicture("menu_check.bmp").get());
  desk.MoveTo(b, {20, 20});
  desk.Press();
  EXPECT_EQ(b->ShownPicture(), b->PictureDown());
  MoveAway();
  EXPECT_TRUE(b->Tracking());
  EXPECT_EQ(b->ShownPicture(), b->Picture());
  desk.MoveTo(b, {20, 20});
  EXPECT_EQ(b->ShownPicture(), b->PictureDown());
  desk.Release();
}

TEST_F(ShapeBehaviour, AGroupKeepsOneButtonDownAndAllowAllUpSpreadsToIt) {
  auto* a = Button(7, 4);
  auto* b = Button(100, 4);
  for (auto* x : {a, b}) {
    x->SetAdvPreviewMenu(nullptr);
    x->SetGroupIndex(1);
  }
  desk.Click(a);
  EXPECT_TRUE(a->Down());
  desk.Click(b);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  // Without AllowAllUp the down button stays down.
  desk.Click(b);
  EXPECT_TRUE(b->Down());
  // Released outside, a grouped push button does not toggle.
  desk.MoveTo(a, {20, 20});
  desk.Press();
  MoveAway();
  desk.Release();
  EXPECT_FALSE(a->Down());
  a->SetAllowAllUp(true);
  EXPECT_TRUE(b->AllowAllUp());
  desk.Click(b);
  EXPECT_FALSE(b->Down());
}

TEST_F(ShapeBehaviour, CheckStyleTogglesOnEveryReleaseAndAPushButtonAloneIsNeverDown) {
  auto* b = Button();
  b->SetAdvPreviewMenu(nullptr);
  b->SetDown(true);
  EXPECT_FALSE(b->Down());
  b->SetStyle(tasCheck);
  desk.Click(b);
  EXPECT_TRUE(b->Down());
  desk.MoveTo(b, {20, 20});
  desk.Press();
  MoveAway();
  desk.Release();
  EXPECT_FALSE(b->Down());
}

TEST_F(ShapeBehaviour, DownSetWhileLoadingIsAppliedWhenLoadingEnds) {
  auto* b = Button();
  b->BeginLoading();
  b->SetDown(true);
  b->SetGroupIndex(2);
  EXPECT_FALSE(b->Down());
  b->EndLoading();
  EXPECT_TRUE(b->Down());
}

TEST_F(ShapeBehaviour, TheActionDrivesDownGroupAndEnabledAndARivalClearsItsChecked) {
  auto* action = new TAction(form);
  action->SetGroupIndex(3);
  int runs = 0;
  action->OnExecute = [&](TObject*) { ++runs; };
  auto* b = Button(7, 4);
  auto* rival = Button(100, 4);
  for (auto* x : {b, rival}) x->SetAdvPreviewMenu(nullptr);
  b->SetAction(action);
  EXPECT_EQ(b->GroupIndex(), 3);
  action->SetChecked(true);
  EXPECT_TRUE(b->Down());
  action->SetEnabled(false);
  EXPECT_FALSE(b->Enabled());
  action->SetEnabled(true);
  rival->SetGroupIndex(3);
  desk.Click(rival);
  EXPECT_TRUE(rival->Down());
  EXPECT_FALSE(b->Down());
  EXPECT_FALSE(action->Checked());
  desk.Click(b);
  EXPECT_EQ(runs, 1);
}

TEST_F(ShapeBehaviour, AClickOpensTheMenuThreePixelsLeftAndFourteenAboveTheBottom) {
  auto* b = Button();
  std::vector<std::string> events;
  b->OnClick = [&](TObject*) { events.push_back("click"); };
  menu->OnShowMenu = [&](TObject*) { events.push_back("menu"); };
  desk.Click(b);
  EXPECT_EQ(events, (std::vector<std::string>{"click", "menu"}));
  EXPECT_TRUE(menu->IsMenuVisible());
  EXPECT_EQ(menu->ShownAt(), b->ClientToScreen({-3, 49 - 14}));
  EXPECT_EQ(b->MenuShift(), 0);
  EXPECT_EQ(menu->KeyTipShows(), 0);
}

// The menu keeps to the work area of the monitor nearest its corner: the
// button sits on the primary monitor's middle or right edge, or on the
// right edge of a second monitor.
TEST_F(ShapeBehaviour, NearTheRightEdgeTheMenuAndItsPictureOfTheButtonMoveLeft) {
  desk.Host().SetMonitors({TMonitor{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true},
                           TMonitor{{1920, 0, 3200, 1024}, {1920, 0, 3180, 1000}, false}});
  struct Case {
    int formLeft;
    int workRight;
    bool shifts;
  };
  for (Case c : {Case{500, 1920, false}, Case{1800, 1920, true}, Case{3050, 3180, true}}) {
    form->SetBounds(c.formLeft, 100, 400, 200);
    auto* b = Button();
    desk.Click(b);
    const TPoint natural = b->ClientToScreen({-3, 35});
    const TPoint at = menu->ShownAt();
    EXPECT_EQ(at.Y, natural.Y);
    EXPECT_EQ(at.X, natural.X + b->MenuShift()) << c.formLeft;
    if (c.shifts) {
      EXPECT_EQ(at.X + menu->MeasureMenu().cx, c.workRight) << c.formLeft;
      EXPECT_LT(b->MenuShift(), 0);
    } else {
      EXPECT_EQ(b->MenuShift(), 0);
    }
    // The picture the menu draws lands where the button is on the screen.
    const TSize size = menu->MeasureMenu();
    TBitmap drawn(size.cx, size.cy), expected(size.cx, size.cy);
    for (TBitmap* bitmap : {&drawn, &expected}) {
      bitmap->Canvas()->Brush()->SetColor(clWhite);
      bitmap->Canvas()->FillRect({0, 0, size.cx, size.cy});
    }
    menu->DrawButtonPicture(drawn.Canvas(), {0, 0, size.cx, 16});
    const TPoint picture = b->ClientToScreen({3, 0}) - at;
    expected.Canvas()->Draw(picture.X, picture.Y, b->PictureHot());
    int differing = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < size.cx; ++x) differing += drawn.Canvas()->Pixel(x, y) != expected.Canvas()->Pixel(x, y);
    EXPECT_EQ(differing, 0) << c.formLeft;
    menu->HideMenu();
    delete b;
  }
}

TEST_F(ShapeBehaviour, EnterAndSpaceOpenTheMenuWithoutOnClickOrKeyTips) {
  auto* b = Button();
  b->SetTabStop(true);
  b->SetShortCutHint("F");
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  b->SetFocus();
  EXPECT_EQ(b->Perform(CM_HINTSHOW, 1, 1), 1);
  ASSERT_NE(b->KeyTip(), nullptr);
  for (auto key : {std::pair<uint16_t, std::u32string>{VK_RETURN, U"\r"}, {VK_SPACE, U" "}}) {
    desk.Key(key.first, key.second);
    EXPECT_TRUE(menu->IsMenuVisible());
    menu->HideMenu();
  }
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(menu->KeyTipShows(), 0);
  // A mouse click while the key tip shows passes the key tips on.
  desk.Click(b);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(menu->KeyTipShows(), 1);
}

TEST_F(ShapeBehaviour, TheKeyTipCommandShowsAndFreesTheTipAndOtherHintsPassOn) {
  auto* b = Button();
  b->SetShortCutHint("F");
  const TRect anchor = TRect::Bounds(b->ClientOrigin().X, b->ClientOrigin().Y, 55, 49);
  for (TShortCutHintPos pos : {shpLeft, shpTop, shpRight, shpBottom}) {
    b->SetShortCutHintPos(pos);
    EXPECT_EQ(b->Perform(CM_HINTSHOW, 1, 1), 1);
    TShortCutHintWindow* tip = b->KeyTip();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->Showing());
    EXPECT_EQ(tip->BoundsRect().TopLeft(), KeyTipPosition(pos, anchor, {tip->Width(), tip->Height()})) << int(pos);
  }
  EXPECT_EQ(b->Perform(CM_HINTSHOW, 1, 0), 1);
  EXPECT_EQ(b->KeyTip(), nullptr);
  // Without text the tip has no size and stays hidden.
  b->SetShortCutHint("");
  b->Perform(CM_HINTSHOW, 1, 1);
  EXPECT_FALSE(b->KeyTip()->Showing());
  THintInfo info;
  EXPECT_EQ(b->Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info)), 0);
}

TEST_F(ShapeBehaviour, PictureRulesForDisabledFocusedAndMenuOpen) {
  auto* b = Button();
  b->SetTabStop(true);
  b->SetEnabled(false);
  desk.MoveTo(b, {20, 20});
  // Disabled without a disabled picture: the other rules still choose.
  EXPECT_EQ(b->ShownPicture(), b->PictureHot());
  b->SetPictureDisabled(ResourcePicture("kill_disabled.bmp").get());
  EXPECT_EQ(b->ShownPicture(), b->PictureDisabled());
  b->SetEnabled(true);
  MoveAway();
  EXPECT_EQ(b->ShownPicture(), b->Picture());
  b->SetFocus();
  EXPECT_EQ(b->ShownPicture(), b->PictureHot());
  form->FocusControl(nullptr);
  EXPECT_EQ(b->ShownPicture(), b->Picture());
  // The open menu shows the down picture, and its closing takes it away.
  desk.Click(b);
  MoveAway();
  EXPECT_EQ(b->ShownPicture(), b->Picture());
  b->SetPictureDown(ResourcePicture("menu_check.bmp").get());
  EXPECT_EQ(b->ShownPicture(), b->PictureDown());
  menu->HideMenu();
  EXPECT_EQ(b->ShownPicture(), b->Picture());
  EXPECT_EQ(b->Version(), "1.0.1.0");
  b->SetVersion("9");
  EXPECT_EQ(b->Version(), "1.0.1.0");
}

// ---------------------------------------------------------------------------
// Lifetimes.

TEST_F(ShapeBehaviour, AFreedButtonTakesItsHooksOutOfTheMenuAndOnlyItsOwn) {
  auto* b = Button();
  desk.Click(b);
  ASSERT_TRUE(menu->HasButtonHooks());
  delete b;
  EXPECT_FALSE(menu->HasButtonHooks());
  // Neither hook reaches the freed button.
  menu->HideMenu();
  TBitmap band(230, 16);
  menu->DrawButtonPicture(band.Canvas(), {0, 0, 230, 16});

  // A button replaced as the menu's installer leaves the newer hooks in.
  auto* first = Button();
  auto* second = Button(100, 4);
  delete first;
  EXPECT_TRUE(menu->HasButtonHooks());
  // Moving to another menu takes the hooks along.
  auto* other = new TAdvPreviewMenu(form);
  second->SetAdvPreviewMenu(other);
  EXPECT_FALSE(menu->HasButtonHooks());
  EXPECT_TRUE(other->HasButtonHooks());
}

TEST_F(ShapeBehaviour, AFreedMenuIsForgottenAndAClickThenOnlyClicks) {
  auto* b = Button();
  desk.Click(b);
  delete menu;
  menu = nullptr;
  EXPECT_EQ(b->AdvPreviewMenu(), nullptr);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  desk.Click(b);
  EXPECT_EQ(clicks, 1);
  desk.Paint();
}

TEST_F(ShapeBehaviour, AKeyTipFreedWithItsParentIsNotFreedAgainByTheButton) {
  auto* b = Button();
  b->SetShortCutHint("F");
  b->Perform(CM_HINTSHOW, 1, 1);
  ASSERT_NE(b->KeyTip(), nullptr);
  // The form frees its children, the tip (added last) before the button.
  delete form;
  form = nullptr;
}

}  // namespace
