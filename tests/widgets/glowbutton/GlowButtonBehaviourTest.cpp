// How a glow button reacts on the headless desktop with its virtual
// clock: fades, presses dragged out and back, auto-repeat, groups and
// check buttons, the keyboard, its action, the drop-down menu, key tips
// and AutoSize.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "GlowFixture.h"
#include "core/Exceptions.h"
#include "glowbutton/GlowButtonLayout.h"
#include "pager/TShortCutHintWindow.h"
#include "ui/TAction.h"
#include "ui/TActionList.h"
#include "ui/TButton.h"
#include "ui/TListBox.h"
#include "ui/TMenuItem.h"
#include "ui/TPopupMenu.h"

namespace {

struct Behaviour : GlowFixture {
  // The top rows of the face, beside the caption, as a look paints them.
  void ExpectFace(TAdvCustomGlowButton* B, const TGlowColorSet& Set, const std::string& What) {
    ReferenceFace face(81, 45, Set);
    for (int y : {2, 10}) EXPECT_EQ(At(B, 76, y), face.At(76, y)) << What << " row " << y;
  }
};

TEST_F(Behaviour, AQuickEnterAndLeaveFadesOutFromFullInSixTicks) {
  auto* b = Button();
  desk.MoveTo(b, {40, 20});
  EXPECT_TRUE(b->HotLook());
  EXPECT_TRUE(b->Fading());
  EXPECT_EQ(b->HotFade(), 0);
  desk.MoveTo(form, {300, 150});
  EXPECT_FALSE(b->IsHot());
  EXPECT_EQ(b->HotFade(), 100);
  std::vector<int> seen;
  while (b->Fading() && seen.size() < 10) {
    desk.Advance(30);
    seen.push_back(b->HotFade());
  }
  EXPECT_EQ(seen, (std::vector<int>{80, 60, 40, 20, 0, 0}));
  EXPECT_FALSE(b->Fading());
}

TEST_F(Behaviour, EnteringFadesInToFullAndStops) {
  auto* b = Button();
  desk.MoveTo(b, {40, 20});
  EXPECT_EQ(SettleFade(b), 6);
  EXPECT_EQ(b->HotFade(), 100);
  EXPECT_TRUE(b->HotLook());
}

TEST_F(Behaviour, PressDraggedOutAndBackClicksOnlyWhenReleasedInside) {
  auto* b = Button();
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  for (bool releaseInside : {true, false}) {
    desk.MoveTo(b, {40, 20});
    desk.Press();
    EXPECT_EQ(b->ButtonState(), gisDown);
    EXPECT_TRUE(b->Pressed());
    desk.MoveTo(b, {120, 20});
    EXPECT_EQ(b->ButtonState(), gisUp);
    EXPECT_FALSE(b->Pressed());
    // Coming back while still held counts as pressed again.
    desk.MoveTo(b, {40, 20});
    EXPECT_EQ(b->ButtonState(), gisDown);
    EXPECT_TRUE(b->Pressed());
    if (!releaseInside) desk.MoveTo(b, {-20, 20});
    desk.Release();
    EXPECT_EQ(b->ButtonState(), gisUp);
  }
  EXPECT_EQ(clicks, 1);
}

TEST_F(Behaviour, ATimerStartedWithNothingToFadeStopsAtItsFirstTick) {
  auto* b = Button();
  desk.MoveTo(b, {40, 20});
  desk.Press();
  desk.MoveTo(b, {120, 20});
  SettleFade(b);
  // Back in while held: pressed again, with no fade left to run.
  desk.MoveTo(b, {40, 20});
  EXPECT_TRUE(b->Pressed());
  EXPECT_LE(SettleFade(b), 1);
  EXPECT_FALSE(b->Fading());
  desk.Release();
}

TEST_F(Behaviour, ADoubleClickClicksTwice) {
  auto* b = Button();
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  desk.MoveTo(b, {40, 20});
  desk.Press();
  desk.Release();
  desk.Host().PressMouse(mbLeft, true);
  desk.Release();
  EXPECT_EQ(clicks, 2);
}

TEST_F(Behaviour, HoldingRepeatsAfter400ThenEvery100Milliseconds) {
  auto* b = Button();
  b->SetRepeatClick(true);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  desk.MoveTo(b, {40, 20});
  desk.Press();
  desk.Advance(399);
  EXPECT_EQ(clicks, 0);
  desk.Advance(1);
  EXPECT_EQ(clicks, 1);
  desk.Advance(100);
  EXPECT_EQ(clicks, 2);
  desk.Advance(250);
  EXPECT_EQ(clicks, 4);
  // Held outside, the timer runs on without clicking.
  desk.MoveTo(b, {120, 20});
  desk.Advance(300);
  EXPECT_EQ(clicks, 4);
  desk.Release();
  desk.Advance(1000);
  EXPECT_EQ(clicks, 4);
  EXPECT_FALSE(desk.App().TimerActive(b, TAdvCustomGlowButton::RepeatTimerId));
}

TEST_F(Behaviour, ARepeatedClickThatFailsStopsTheRepeat) {
  auto* b = Button();
  b->SetRepeatClick(true);
  b->OnClick = [](TObject*) { throw EPlatformError("Disk full"); };
  desk.MoveTo(b, {40, 20});
  desk.Press();
  desk.Advance(400);
  ASSERT_EQ(desk.Messages().size(), 1u);
  EXPECT_EQ(desk.Messages()[0].Text, "Disk full.");
  EXPECT_FALSE(desk.App().TimerActive(b, TAdvCustomGlowButton::RepeatTimerId));
  desk.Advance(500);
  EXPECT_EQ(desk.Messages().size(), 1u);
}

// The ways out of a mouse press other than its release. Each case holds
// the left button on a focused auto-repeat button and ends the press some
// other way; the button is then up with its repeat timer gone, and the
// release that follows over the button clicks nothing.
TEST_F(Behaviour, APressEndsWhenTheButtonLosesTheMouseTheFocusOrItsEnabledState) {
  auto* plain = new TButton(form);
  plain->SetParent(form);
  plain->SetBounds(10, 100, 75, 25);
  auto* menu = new TPopupMenu(form);
  menu->Add("Item", [](TObject*) {});
  int clicks = 0;
  struct Case {
    const char* name;
    std::function<void(TAdvGlowButton*)> wayOut;
    int clicks;  // made by the way out itself
  };
  const Case cases[] = {
      {"a repeated click opens a menu",
       [&](TAdvGlowButton* b) {
         b->OnClick = [&, b](TObject*) {
           ++clicks;
           const TPoint at = b->ClientToScreen({0, 45});
           menu->Popup(at.X, at.Y);
         };
         desk.Host().OnIdle = [&] {
           if (menu->IsOpen()) desk.Key(VK_ESCAPE);
         };
         desk.Advance(400);
         desk.Host().OnIdle = nullptr;
         EXPECT_FALSE(menu->IsOpen());
       },
       1},
      {"another control takes the mouse", [&](TAdvGlowButton*) { plain->SetMouseCapture(true); }, 0},
      {"cancel mode", [](TAdvGlowButton* b) { b->Perform(WM_CANCELMODE); }, 0},
      {"the focus moves away", [&](TAdvGlowButton*) { plain->SetFocus(); }, 0},
      {"disabled and enabled again",
       [](TAdvGlowButton* b) {
         b->SetEnabled(false);
         b->SetEnabled(true);
       },
       0},
  };
  for (const Case& c : cases) {
    auto* b = Button();
    b->SetRepeatClick(true);
    b->SetTabStop(true);
    clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    desk.MoveTo(b, {40, 20});
    desk.Press();
    ASSERT_TRUE(b->Focused()) << c.name;
    c.wayOut(b);
    EXPECT_FALSE(desk.App().TimerActive(b, TAdvCustomGlowButton::RepeatTimerId)) << c.name;
    EXPECT_EQ(b->ButtonState(), gisUp) << c.name;
    EXPECT_FALSE(b->PressedInside()) << c.name;
    desk.Release();
    desk.Advance(1000);
    EXPECT_EQ(clicks, c.clicks) << c.name;
    EXPECT_FALSE(b->Pressed()) << c.name;
    // Under the mouse, once the fades are over: hot, not down.
    desk.Paint();
    ExpectFace(b, b->Appearance()->Hot(), c.name);
    // The form keeps naming its last focused control: move the focus off
    // before the button goes.
    plain->SetFocus();
    delete b;
  }
}

TEST_F(Behaviour, AGroupKeepsOneButtonDown) {
  auto* a = Button(10, 10, "A");
  auto* b = Button(100, 10, "B");
  auto* c = Button(190, 10, "C");
  for (auto* x : {a, b, c}) x->SetGroupIndex(1);
  auto* other = new TForm(&desk.App());
  auto* outsider = new TAdvGlowButton(other);
  outsider->SetParent(other);
  outsider->SetGroupIndex(1);
  outsider->SetDown(true);

  desk.Click(a);
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(a->ButtonState(), gisExclusive);
  desk.Click(b);
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(a->ButtonState(), gisUp);
  EXPECT_TRUE(b->Down());
  // Without AllowAllUp a member cannot be released by clicking it again.
  desk.Click(b);
  EXPECT_TRUE(b->Down());
  b->SetDown(false);
  EXPECT_TRUE(b->Down());
  // Another parent's button of the same group index is not in the group.
  EXPECT_TRUE(outsider->Down());
  // A button that is up changing AllowAllUp releases nobody.
  c->SetAllowAllUp(true);
  EXPECT_TRUE(b->Down());
  b->SetAllowAllUp(true);
  desk.Click(b);
  EXPECT_FALSE(b->Down());
  // Pressed, then released outside (the row just below counts as
  // outside, as for the click): back to how it was.
  for (TPoint outside : {TPoint{110, 140}, TPoint{40, 45}}) {
    desk.MoveTo(c, {40, 20});
    desk.Press();
    desk.MoveTo(c, outside);
    desk.Release();
    EXPECT_FALSE(c->Down());
    EXPECT_EQ(c->ButtonState(), gisUp);
  }
  // A member held down stays so when it loses the focus or a key goes up.
  desk.Click(a);
  a->SetTabStop(true);
  a->SetFocus();
  desk.Key(VK_SHIFT);
  EXPECT_EQ(a->ButtonState(), gisExclusive);
  b->SetTabStop(true);
  b->SetFocus();
  EXPECT_EQ(a->ButtonState(), gisExclusive);
}

TEST_F(Behaviour, ACheckButtonTogglesPerClickAndAPressReleasedOutsideIsUndone) {
  auto* b = Button();
  b->SetStyle(bsCheck);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  desk.Click(b);
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(b->ButtonState(), gisDown);
  desk.Click(b);
  EXPECT_FALSE(b->Down());
  for (bool downBefore : {false, true}) {
    b->SetDown(downBefore);
    desk.MoveTo(b, {40, 20});
    desk.Press();
    EXPECT_EQ(b->Down(), !downBefore);
    desk.MoveTo(form, {300, 150});
    desk.Release();
    EXPECT_EQ(b->Down(), downBefore) << downBefore;
  }
  EXPECT_EQ(clicks, 2);
  // In a group, one click toggles it once.
  b->SetDown(false);
  b->SetGroupIndex(2);
  desk.Click(b);
  EXPECT_TRUE(b->Down());
}

TEST_F(Behaviour, ACheckButtonOfAnActionPressedAndReleasedOutsideShowsTheActionsValueAgain) {
  for (int group : {0, 3}) {
    auto* action = new TAction(form);
    action->SetGroupIndex(group);
    int runs = 0;
    action->OnExecute = [&](TObject*) { ++runs; };
    auto* b = Button();
    b->SetStyle(bsCheck);
    b->SetAction(action);
    for (bool checked : {false, true}) {
      action->SetChecked(checked);
      ASSERT_EQ(b->Down(), checked) << group;
      desk.MoveTo(b, {40, 20});
      desk.Press();
      EXPECT_EQ(b->Down(), !checked) << group << checked;
      desk.MoveTo(form, {300, 150});
      desk.Release();
      EXPECT_EQ(b->Down(), checked) << "group " << group << ", checked " << checked;
      EXPECT_EQ(action->Checked(), checked) << group << checked;
    }
    EXPECT_EQ(runs, 0) << group;
    delete b;
    delete action;
  }
}

TEST_F(Behaviour, EnterClicksTheFocusedButtonEvenWhenAnotherIsTheDefault) {
  auto* def = Button(10, 10, "Default");
  auto* focused = Button(100, 10, "Focused");
  auto* plain = new TButton(form);
  plain->SetParent(form);
  plain->SetBounds(10, 100, 75, 25);
  def->SetDefault(true);
  focused->SetTabStop(true);
  int defClicks = 0, focusedClicks = 0;
  def->OnClick = [&](TObject*) { ++defClicks; };
  focused->OnClick = [&](TObject*) { ++focusedClicks; };

  focused->SetFocus();
  ASSERT_TRUE(focused->Focused());
  EXPECT_FALSE(def->DefaultActive());
  desk.Key(VK_RETURN);
  EXPECT_EQ(focusedClicks, 1);
  EXPECT_EQ(defClicks, 0);
  EXPECT_EQ(focused->ButtonState(), gisUp);

  // With the focus on another kind of control the default button answers.
  plain->SetFocus();
  EXPECT_TRUE(def->DefaultActive());
  desk.Key(VK_RETURN);
  EXPECT_EQ(defClicks, 1);
  EXPECT_EQ(focusedClicks, 1);
}

TEST_F(Behaviour, ADialogKeyPushesItsButtonWhileAnotherControlHasTheFocusAndLetsItUpAgain) {
  struct Case {
    const char* name;
    void (TAdvCustomGlowButton::*flag)(bool);
    uint16_t key;
    TAdvButtonStyle style;
  };
  const Case cases[] = {
      {"Default, Enter", &TAdvCustomGlowButton::SetDefault, VK_RETURN, bsButton},
      {"Cancel, Escape", &TAdvCustomGlowButton::SetCancel, VK_ESCAPE, bsButton},
      {"Default check button, Enter", &TAdvCustomGlowButton::SetDefault, VK_RETURN, bsCheck},
  };
  // The focus sits on a list, as in the main window: a focused push
  // button would take Enter itself.
  auto* list = new TListBox(form);
  list->SetParent(form);
  list->SetBounds(10, 100, 120, 60);
  for (const Case& c : cases) {
    auto* b = Button(10, 10, "Help");
    b->SetStyle(c.style);
    (b->*c.flag)(true);
    int clicks = 0;
    b->OnClick = [&](TObject*) {
      ++clicks;
      EXPECT_EQ(b->ButtonState(), gisDown) << c.name << ": down while its click runs";
    };
    list->SetFocus();
    desk.Key(c.key);
    EXPECT_EQ(clicks, 1) << c.name;
    EXPECT_EQ(b->Down(), c.style == bsCheck) << c.name;
    EXPECT_EQ(b->ButtonState(), c.style == bsCheck ? gisDown : gisUp) << c.name;
    desk.Paint();
    if (c.style == bsButton) ExpectFace(b, b->Appearance()->Normal(), c.name);
    delete b;
  }
}

TEST_F(Behaviour, SpaceClicksOnceAndShowsDownWhileHeld) {
  auto* b = Button();
  b->SetTabStop(true);
  b->SetCancel(true);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  b->SetFocus();
  desk.Host().PressKey(VK_SPACE, U" ");
  EXPECT_EQ(b->ButtonState(), gisDown);
  EXPECT_EQ(clicks, 1);
  desk.Host().ReleaseKey(VK_SPACE);
  EXPECT_EQ(b->ButtonState(), gisUp);
  desk.Key(VK_ESCAPE);
  EXPECT_EQ(clicks, 2);
}

TEST_F(Behaviour, TheAcceleratorClicksAndModalResultReachesTheForm) {
  auto* b = Button(10, 10, "&Internet");
  b->SetModalResult(mrOk);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  desk.Host().PressKey(VK_MENU);
  desk.Host().PressKey('I', U"i");
  desk.Host().ReleaseKey('I');
  desk.Host().ReleaseKey(VK_MENU);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form->ModalResult(), mrOk);
}

TEST_F(Behaviour, AnActionDrivesCaptionImageEnabledAndRunsOnClick) {
  auto* list = new TActionList(form);
  auto* kill = new TAction(form);
  kill->SetActionList(list);
  kill->SetCaption("Kill Process");
  kill->SetImageIndex(1);
  int runs = 0;
  kill->OnExecute = [&](TObject*) { ++runs; };
  auto* b = new TAdvGlowButton(form);
  b->SetParent(form);
  b->SetBounds(10, 10, 81, 45);
  b->SetAction(kill);
  EXPECT_EQ(b->Caption(), "Kill Process");
  EXPECT_EQ(b->ImageIndex(), 1);
  desk.Click(b);
  EXPECT_EQ(runs, 1);
  kill->SetCaption("End It");
  kill->SetImageIndex(2);
  kill->SetGroupIndex(4);
  EXPECT_EQ(b->Caption(), "End It");
  EXPECT_EQ(b->ImageIndex(), 2);
  EXPECT_EQ(b->GroupIndex(), 4);
  kill->SetChecked(true);
  EXPECT_TRUE(b->Down());
  kill->SetEnabled(false);
  EXPECT_FALSE(b->Enabled());
  EXPECT_EQ(b->ButtonState(), gisDisabled);
  desk.Click(b);
  EXPECT_EQ(runs, 1);
  kill->SetEnabled(true);
  EXPECT_EQ(b->ButtonState(), gisExclusive);
}

TEST_F(Behaviour, TheDropDownPartOpensTheMenuBelowTheButton) {
  auto* b = Button();
  auto* menu = new TPopupMenu(form);
  std::vector<std::string> events;
  menu->Add("First", [&](TObject*) { events.push_back("item"); });
  b->SetDropDownButton(true);
  b->SetDropDownMenu(menu);
  b->OnDropDown = [&](TObject*) {
    events.push_back("dropdown");
    EXPECT_FALSE(menu->IsOpen());
  };
  b->OnClick = [&](TObject*) { events.push_back("click"); };
  desk.Host().OnIdle = [&] {
    ASSERT_TRUE(menu->IsOpen());
    EXPECT_TRUE(b->MenuOpen());
    EXPECT_EQ(menu->Window()->BoundsRect().TopLeft(), b->ClientToScreen({0, 45}));
    desk.Release();
    TRect r = menu->ItemRect(0);
    desk.Click(menu->Window(), {r.Left + 5, r.Top + 5});
  };
  desk.MoveTo(b, {75, 20});
  desk.Press();
  EXPECT_EQ(events, (std::vector<std::string>{"dropdown", "item"}));
  EXPECT_FALSE(b->MenuOpen());
  EXPECT_FALSE(b->IsHot());
  // The main part of a split button is a push button.
  desk.Click(b, {20, 20});
  EXPECT_EQ(events.back(), "click");
}

TEST_F(Behaviour, F4AndTheAcceleratorOpenTheDropDownMenu) {
  auto* b = Button(10, 10, "&Tools");
  b->SetTabStop(true);
  auto* menu = new TPopupMenu(form);
  int items = 0, drops = 0, clicks = 0;
  menu->Add("&Go", [&](TObject*) { ++items; });
  b->SetDropDownMenu(menu);
  b->OnDropDown = [&](TObject*) { ++drops; };
  b->OnClick = [&](TObject*) { ++clicks; };
  desk.Host().OnIdle = [&] {
    EXPECT_EQ(b->ButtonState(), gisDown);
    desk.Type(U'g');
  };
  b->SetFocus();
  desk.Key(VK_F4);
  EXPECT_EQ(b->ButtonState(), gisUp);
  desk.Host().PressKey(VK_MENU);
  desk.Host().PressKey('T', U"t");
  desk.Host().ReleaseKey('T');
  desk.Host().ReleaseKey(VK_MENU);
  EXPECT_EQ(items, 2);
  EXPECT_EQ(drops, 2);
  EXPECT_EQ(clicks, 0);
}

TEST_F(Behaviour, KeyTipsSitByTheirPositionAndLetClicksThrough) {
  auto* b = Button();
  b->ShowKeyTip();
  ASSERT_NE(b->KeyTip(), nullptr);
  EXPECT_EQ(b->KeyTip()->Width(), 0);
  EXPECT_FALSE(b->KeyTip()->Showing());
  b->SetShortCutHint("K");
  const TRect anchor = TRect::Bounds(b->ClientOrigin().X, b->ClientOrigin().Y, 81, 45);
  for (TShortCutHintPos pos : {shpLeft, shpTop, shpRight, shpBottom}) {
    b->SetShortCutHintPos(pos);
    b->ShowKeyTip();
    TShortCutHintWindow* tip = b->KeyTip();
    const TSize size{tip->Width(), tip->Height()};
    EXPECT_EQ(tip->BoundsRect().TopLeft(), KeyTipPosition(pos, anchor, size)) << int(pos);
    EXPECT_TRUE(tip->Showing());
  }
  b->SetShortCutHintPos(shpTop);
  b->ShowKeyTip();
  TShortCutHintWindow* tip = b->KeyTip();
  const TSize text = tip->Canvas()->TextExtent("K");
  EXPECT_EQ(tip->Width(), text.cx + 6);
  EXPECT_EQ(tip->Height(), text.cy + 4);
  // The tip does not take the mouse from what lies below it.
  const TPoint centre = tip->ClientToScreen({tip->Width() / 2, tip->Height() / 2});
  EXPECT_EQ(desk.App().Windows().FindControlAt(centre, true), b);
  b->HideKeyTip();
  EXPECT_FALSE(tip->Showing());
}

TEST_F(Behaviour, DownSetWhileLoadingWaitsForTheEndOfLoading) {
  form->BeginLoading();
  auto* b = new TAdvGlowButton(form);
  b->SetParent(form);
  b->SetDown(true);
  b->SetGroupIndex(3);
  EXPECT_FALSE(b->Down());
  form->EndLoading();
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(b->ButtonState(), gisExclusive);
}

TEST_F(Behaviour, AutoSizeMeasuresTheContentAndTheHostMayAdjustIt) {
  auto* b = Button(10, 10, "Refresh");
  b->SizeHook = [](TAdvCustomGlowButton*, int& w, int& h) { h = std::max(h, 60); };
  b->SetAutoSize(true);
  const int shortWidth = b->Width();
  EXPECT_EQ(b->Height(), 60);
  EXPECT_EQ(b->Width(), b->SizeForState(bsLarge).cx);
  b->SetCaption("Refresh The Process List");
  EXPECT_GT(b->Width(), shortWidth);
  // Smaller states draw 16 x 16 images, bsGlyph without the caption.
  EXPECT_LT(b->SizeForState(bsGlyph).cx, b->SizeForState(bsLabel).cx);
  b->SetLayout(blGlyphTop);
  b->SetSizeState(bsLabel);
  EXPECT_EQ(b->Layout(), blGlyphLeft);
  b->SetSizeState(bsLarge);
  EXPECT_EQ(b->Layout(), blGlyphTop);
}

TEST_F(Behaviour, HostHooksRunAroundTheButtonsOwnHandling) {
  auto* b = Button();
  b->SetTabStop(true);
  std::vector<std::string> order;
  b->ClickHook = [&](TAdvCustomGlowButton*) { order.push_back("hook"); };
  b->OnClick = [&](TObject*) { order.push_back("click"); };
  uint16_t hooked = 0;
  EXPECT_EQ(b->Perform(WM_GETDLGCODE), 0);
  b->KeyDownHook = [&](TAdvCustomGlowButton*, uint16_t& key, TShiftState) { hooked = key; };
  EXPECT_EQ(b->Perform(WM_GETDLGCODE) & DLGC_WANTARROWS, DLGC_WANTARROWS);
  desk.Click(b);
  b->SetFocus();
  desk.Key(VK_RIGHT);
  EXPECT_EQ(order, (std::vector<std::string>{"hook", "click"}));
  EXPECT_EQ(hooked, VK_RIGHT);
}

TEST_F(Behaviour, OnDrawButtonFollowsEachPaintWithTheState) {
  auto* b = Button();
  std::vector<TGlowButtonState> states;
  b->OnDrawButton = [&](TObject*, TCanvas* canvas, TRect r, TGlowButtonState s) {
    EXPECT_EQ(r, b->ClientRect());
    EXPECT_TRUE(canvas->HandleAllocated());
    states.push_back(s);
  };
  b->Invalidate();
  desk.Paint();
  desk.MoveTo(b, {40, 20});
  desk.Paint();
  desk.Press();
  desk.Paint();
  desk.Release();
  ASSERT_EQ(states.size(), 3u);
  EXPECT_EQ(states, (std::vector<TGlowButtonState>{gsNormal, gsHot, gsDown}));
}

TEST_F(Behaviour, AFreedImageListOrMenuIsForgotten) {
  auto* b = Button();
  auto* menu = new TPopupMenu(form);
  b->SetDropDownMenu(menu);
  delete menu;
  delete images;
  EXPECT_EQ(b->Images(), nullptr);
  EXPECT_EQ(b->DropDownMenu(), nullptr);
  b->Invalidate();
  desk.Paint();
  desk.Key(VK_F4);
}

TEST_F(Behaviour, AClickHandlerMayFreeTheButton) {
  struct Case {
    const char* name;
    std::function<void(TAdvGlowButton*)> setUp;
    std::function<void(TAdvGlowButton*)> push;
  };
  const Case cases[] = {
      {"a released press", [](TAdvGlowButton*) {}, [&](TAdvGlowButton* b) { desk.Click(b); }},
      {"a repeated click", [](TAdvGlowButton* b) { b->SetRepeatClick(true); },
       [&](TAdvGlowButton* b) {
         desk.MoveTo(b, {40, 20});
         desk.Press();
         desk.Advance(400);
         desk.Release();
       }},
      {"Enter on the default button", [](TAdvGlowButton* b) { b->SetDefault(true); },
       [&](TAdvGlowButton*) { desk.Key(VK_RETURN); }},
      {"its accelerator", [](TAdvGlowButton* b) { b->SetCaption("&Go"); },
       [&](TAdvGlowButton*) {
         desk.Host().PressKey(VK_MENU);
         desk.Host().PressKey('G', U"g");
         desk.Host().ReleaseKey('G');
         desk.Host().ReleaseKey(VK_MENU);
       }},
  };
  for (const Case& c : cases) {
    auto* b = Button();
    c.setUp(b);
    int clicks = 0;
    b->OnClick = [&](TObject*) {
      ++clicks;
      delete b;
    };
    c.push(b);
    desk.Advance(300);
    EXPECT_EQ(clicks, 1) << c.name;
    EXPECT_EQ(form->ControlCount(), 0) << c.name;
  }
}

TEST_F(Behaviour, AFadeRepaintsOnlyTheButtonThatFades) {
  auto* a = Button(10, 10, "A");
  Button(100, 10, "B");
  desk.MoveTo(a, {40, 20});
  desk.Paint();
  const uint64_t before = desk.App().Windows().PaintCount();
  desk.Advance(30);
  EXPECT_EQ(desk.App().Windows().PaintCount() - before, 1u);
}

}  // namespace
