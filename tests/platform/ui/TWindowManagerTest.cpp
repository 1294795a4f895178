// Routing of input and painting through the window manager on the
// headless desktop, and what becomes of the mouse and the keys when the
// control that held them is freed.
#include <gtest/gtest.h>

#include <functional>

#include "desktop/HeadlessDesktop.h"
#include "ui/TCustomControl.h"
#include "ui/TCustomForm.h"
#include "ui/TGraphicControl.h"
#include "ui/TPopupMenu.h"

namespace {

// A windowed control that fills itself with one colour and records what
// it received.
class Probe : public TCustomControl {
 public:
  explicit Probe(TComponent* owner, TColor fill = clRed) : TCustomControl(owner), fill_(fill) {
    SetControlStyle(ControlStyle().Include(csOpaque));
  }
  int paints = 0, enters = 0, leaves = 0, clicks = 0, keys = 0, cancelModes = 0;
  int hitTest = HTCLIENT;
  int wheels = 0;
  bool takesWheel = false;
  std::vector<TPoint> moves;
  // The LParam of each WM_CAPTURECHANGED: who took the capture.
  std::vector<TControl*> captureLostTo;
  // Runs before the message is handled.
  std::function<void(uint32_t Msg)> onMessage;
  void WndProc(TMessage& m) override {
    if (onMessage) onMessage(m.Msg);
    if (m.Msg == CM_MOUSEENTER) ++enters;
    if (m.Msg == CM_MOUSELEAVE) ++leaves;
    if (m.Msg == WM_MOUSEMOVE) moves.push_back(LParamToPoint(m.LParam));
    if (m.Msg == WM_KEYDOWN) ++keys;
    if (m.Msg == WM_CANCELMODE) ++cancelModes;
    if (m.Msg == WM_CAPTURECHANGED) captureLostTo.push_back(reinterpret_cast<TControl*>(m.LParam));
    if (m.Msg == WM_MOUSEWHEEL) {
      ++wheels;
      m.Result = takesWheel;
      return;
    }
    if (m.Msg == WM_NCHITTEST) {
      m.Result = hitTest;
      return;
    }
    TCustomControl::WndProc(m);
  }
  void Click() override { ++clicks; }

 protected:
  void Paint() override {
    ++paints;
    Canvas()->Brush()->SetColor(fill_);
    Canvas()->FillRect(ClientRect());
  }

 private:
  TColor fill_;
};

class Spot : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  int clicks = 0;
  void Click() override { ++clicks; }

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clLime);
    Canvas()->FillRect(ClientRect());
  }
};

struct Window : ::testing::Test {
  HeadlessDesktop desk;
  TForm* form = nullptr;
  Probe* a = nullptr;
  Probe* b = nullptr;
  Spot* spot = nullptr;
  void SetUp() override {
    form = new TForm(&desk.App());
    form->SetBounds(100, 100, 200, 100);
    a = new Probe(form, clRed);
    a->SetParent(form);
    a->SetBounds(10, 10, 50, 50);
    b = new Probe(form, clBlue);
    b->SetParent(form);
    b->SetBounds(100, 10, 50, 50);
    spot = new Spot(form);
    spot->SetParent(form);
    spot->SetBounds(70, 10, 20, 20);
    form->Show();
    desk.Paint();
  }
};

}  // namespace

TEST_F(Window, FirstShowPaintsEveryWindowAndItsGraphicChildren) {
  EXPECT_EQ(a->paints, 1);
  EXPECT_EQ(b->paints, 1);
  EXPECT_EQ(desk.Pixel(a, 0, 0), clRed);
  EXPECT_EQ(desk.Pixel(b, 49, 49), clBlue);
  EXPECT_EQ(desk.Pixel(spot, 5, 5), clLime);
  EXPECT_EQ(desk.Pixel(form, 5, 5), ColorToRGB(clBtnFace));
  auto* info = desk.Host().Info(form->HostWindow());
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->Title, "Test");
}

TEST_F(Window, InvalidatingOneWindowRepaintsOnlyThatWindow) {
  uint64_t before = desk.App().Windows().PaintCount();
  a->Invalidate();
  desk.Paint();
  EXPECT_EQ(a->paints, 2);
  EXPECT_EQ(b->paints, 1);
  EXPECT_EQ(desk.App().Windows().PaintCount() - before, 1u);
}

TEST_F(Window, ClickReachesTheControlUnderTheMouseAndGraphicChildren) {
  desk.Click(a);
  EXPECT_EQ(a->clicks, 1);
  EXPECT_EQ(b->clicks, 0);
  desk.Click(spot);
  EXPECT_EQ(spot->clicks, 1);
}

TEST_F(Window, PressDragOutAndReleaseOutsideDoesNotClick) {
  desk.MoveTo(a, {10, 10});
  desk.Press();
  desk.MoveTo(b, {10, 10});
  EXPECT_EQ(a->moves.back(), (TPoint{100, 10}));  // captured: a still hears the mouse
  desk.Release();
  EXPECT_EQ(a->clicks, 0);
  EXPECT_EQ(b->clicks, 0);
}

TEST_F(Window, EnterAndLeaveFollowTheCursorAlsoWhileCaptured) {
  desk.MoveTo(a, {5, 5});
  EXPECT_EQ(a->enters, 1);
  desk.Press();
  desk.MoveTo(form, {5, 80});
  EXPECT_EQ(a->leaves, 1);
  desk.MoveTo(a, {6, 6});
  EXPECT_EQ(a->enters, 2);
  desk.Release();
}

TEST_F(Window, TransparentHitTestLetsThePointThroughToTheParent) {
  b->hitTest = HTTRANSPARENT;
  desk.MoveTo(b, {5, 5});
  EXPECT_EQ(b->enters, 0);
  EXPECT_EQ(desk.App().Windows().MouseControl(), form);
}

TEST_F(Window, DisabledWindowGetsNoInputButCountsForHover) {
  a->SetEnabled(false);
  desk.Click(a);
  EXPECT_EQ(a->clicks, 0);
  EXPECT_EQ(desk.App().Windows().FindControlAt(HeadlessDesktop::ScreenPoint(a, {1, 1}), true), a);
}

TEST_F(Window, TheControlThatLosesTheCaptureIsToldWhoTookIt) {
  struct Case {
    const char* name;
    std::function<void()> lose;
    TControl* taker;
  };
  const Case cases[] = {
      {"another control takes it", [&] { b->SetMouseCapture(true); }, b},
      {"the holder lets it go", [&] { a->SetMouseCapture(false); }, nullptr},
      {"the holder leaves its window", [&] { a->SetParent(nullptr); }, nullptr},
  };
  TWindowManager& wm = desk.App().Windows();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    a->SetParent(form);
    wm.SetCaptureControl(nullptr);
    a->SetMouseCapture(true);
    a->captureLostTo.clear();
    c.lose();
    EXPECT_EQ(a->captureLostTo, std::vector<TControl*>{c.taker});
    EXPECT_EQ(wm.CaptureControl(), c.taker);
  }
}

TEST_F(Window, AHolderFreedWhileTheMouseMovesIsNotReachedAndHoldsNoLonger) {
  desk.MoveTo(a, {5, 5});
  desk.Press();
  ASSERT_EQ(desk.App().Windows().CaptureControl(), a);
  b->onMessage = [&](uint32_t msg) {
    if (msg == CM_MOUSEENTER && a) {
      delete a;
      a = nullptr;
    }
  };
  desk.MoveTo(b, {5, 5});
  EXPECT_EQ(desk.App().Windows().CaptureControl(), nullptr);
  EXPECT_EQ(b->moves.size(), 1u);  // the move goes where the mouse is
  desk.Release();
  b->SetMouseCapture(true);  // a freed holder is sent nothing
  EXPECT_EQ(desk.App().Windows().CaptureControl(), b);
}

TEST_F(Window, AMoveDoesNotReachAControlFreedByTheLeaveItCaused) {
  desk.MoveTo(a, {5, 5});
  a->onMessage = [&](uint32_t msg) {
    if (msg == CM_MOUSELEAVE && b) {
      delete b;
      b = nullptr;
    }
  };
  desk.MoveTo(form, {105, 15});  // where b was
  EXPECT_EQ(a->leaves, 1);
  EXPECT_EQ(desk.App().Windows().MouseControl(), nullptr);
  desk.MoveTo(form, {106, 16});
  EXPECT_EQ(desk.App().Windows().MouseControl(), form);
}

TEST_F(Window, APressDoesNotReachAControlFreedByTheActivationItCaused) {
  auto* other = new TForm(&desk.App());
  other->SetBounds(400, 400, 100, 100);
  other->Show();
  ASSERT_FALSE(form->Active());
  desk.MoveTo(a, {5, 5});
  form->OnActivate = [&](TObject*) {
    delete a;
    a = nullptr;
  };
  desk.Press();
  desk.Release();
  EXPECT_TRUE(form->Active());
  EXPECT_EQ(desk.App().Windows().CaptureControl(), nullptr);
}

TEST_F(Window, AFreedHolderOfTheMouseOrTheKeysIsForgotten) {
  struct Case {
    const char* name;
    // Makes the victim hold something; returns the holder as the manager
    // reports it.
    std::function<TControl*(TControl* Victim)> hold;
    std::function<TControl*()> held;
  };
  TWindowManager& wm = desk.App().Windows();
  const Case cases[] = {
      {"capture", [&](TControl* v) { v->SetMouseCapture(true); return wm.CaptureControl(); },
       [&] { return wm.CaptureControl(); }},
      {"mouse control", [&](TControl* v) { desk.MoveTo(v, {2, 2}); return wm.MouseControl(); },
       [&] { return wm.MouseControl(); }},
      {"focus", [&](TControl* v) { static_cast<TWinControl*>(v)->SetFocus(); return wm.Focus(); },
       [&] { return wm.Focus(); }},
      {"keyboard grab",
       [&](TControl* v) { wm.SetKeyboardGrab(static_cast<TWinControl*>(v)); return wm.KeyboardGrab(); },
       [&] { return wm.KeyboardGrab(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* victim = new Probe(form);
    victim->SetParent(form);
    victim->SetBounds(10, 70, 20, 20);
    ASSERT_EQ(c.hold(victim), victim);
    delete victim;
    EXPECT_EQ(c.held(), nullptr);
    // Input goes where it would have gone without the victim.
    int clicks = b->clicks, keys = b->keys;
    desk.Click(b);
    b->SetFocus();
    desk.Key('X', U"x");
    EXPECT_EQ(b->clicks, clicks + 1);
    EXPECT_EQ(b->keys, keys + 1);
  }
}

TEST_F(Window, AFreedModalFormNoLongerHoldsTheInput) {
  TWindowManager& wm = desk.App().Windows();
  auto* modal = new TForm(&desk.App());
  modal->SetBounds(400, 400, 100, 100);
  modal->Show();
  wm.PushModal(modal);
  desk.Click(b);
  ASSERT_EQ(b->clicks, 0);
  delete modal;
  EXPECT_EQ(wm.ModalForm(), nullptr);
  desk.Click(b);
  EXPECT_EQ(b->clicks, 1);
}

TEST_F(Window, LeavingTheProgramOrEnteringAModalLoopCancelsTheModeOfTheHolderAndTheFocus) {
  struct Case {
    const char* name;
    std::function<void()> interrupt;
  };
  TWindowManager& wm = desk.App().Windows();
  auto* menu = new TPopupMenu(form);
  menu->Add("&Open", nullptr);
  const Case cases[] = {
      {"the program is deactivated", [&] { wm.HostActivated(form->HostWindow(), false); }},
      {"a modal form is shown",
       [&] {
         auto* modal = new TForm(&desk.App());
         modal->SetBounds(400, 400, 100, 100);
         desk.Host().OnIdle = [modal] { modal->Close(); };
         modal->ShowModal();
         delete modal;
       }},
      {"a pop-up menu opens",
       [&] {
         desk.Host().OnIdle = [menu] { menu->CloseMenu(); };
         menu->Popup(300, 300);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    desk.Host().Activate(form->HostWindow());
    desk.MoveTo(a, {5, 5});
    desk.Press();
    b->SetFocus();
    ASSERT_EQ(wm.CaptureControl(), a);
    a->cancelModes = b->cancelModes = 0;
    c.interrupt();
    EXPECT_EQ(a->cancelModes, 1);
    // The modal form's activation deactivates the form: that cancels too.
    EXPECT_GE(b->cancelModes, 1);
    EXPECT_EQ(wm.CaptureControl(), nullptr);
    desk.Release();
    EXPECT_EQ(a->clicks, 0);
  }
}

TEST_F(Window, TheDesktopGrabsTheMouseForACapturedWindowButNotForAPopup) {
  TWindowManager& wm = desk.App().Windows();
  a->SetMouseCapture(true);
  EXPECT_EQ(desk.Host().MouseGrab(), form->HostWindow());
  b->SetMouseCapture(true);  // the same window keeps the grab
  EXPECT_EQ(desk.Host().MouseGrab(), form->HostWindow());
  b->SetMouseCapture(false);
  EXPECT_EQ(desk.Host().MouseGrab(), 0u);

  auto* menu = new TPopupMenu(form);
  menu->Add("&Open", nullptr);
  a->SetMouseCapture(true);
  desk.Host().OnIdle = [&] {
    // A menu takes the mouse through its own kind of window.
    EXPECT_EQ(wm.CaptureControl(), menu->Window());
    EXPECT_EQ(desk.Host().MouseGrab(), 0u);
    menu->CloseMenu();
  };
  menu->Popup(300, 300);
  EXPECT_EQ(desk.Host().MouseGrab(), 0u);

  a->SetMouseCapture(true);
  delete form;  // a window that goes gives the grab back
  form = nullptr;
  EXPECT_EQ(desk.Host().MouseGrab(), 0u);
}

TEST_F(Window, AWheelThatNoControlTakesRisesThroughTheParentsToTheForm) {
  // inner lies in a, which lies in the form.
  auto* inner = new Probe(form);
  inner->SetParent(a);
  inner->SetBounds(5, 5, 20, 20);
  int formWheels = 0;
  auto handler = form->WindowProc;
  form->WindowProc = [&, handler](TMessage& m) {
    if (m.Msg == WM_MOUSEWHEEL) ++formWheels;
    handler(m);
  };
  struct Case {
    const char* name;
    bool aTakesIt;
    int aWheels, formWheels;
  };
  const Case cases[] = {
      {"nobody takes it", false, 1, 1},
      {"a parent takes it", true, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    inner->wheels = a->wheels = formWheels = 0;
    a->takesWheel = c.aTakesIt;
    desk.MoveTo(inner, {5, 5});
    desk.Host().Wheel(-120);
    EXPECT_EQ(inner->wheels, 1);
    EXPECT_EQ(a->wheels, c.aWheels);
    EXPECT_EQ(formWheels, c.formWheels);
  }
}
