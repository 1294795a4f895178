// Routing of input and painting through the window manager on the
// headless desktop.
#include <gtest/gtest.h>

#include "desktop/HeadlessDesktop.h"
#include "ui/TCustomControl.h"
#include "ui/TCustomForm.h"
#include "ui/TGraphicControl.h"

namespace {

// A windowed control that fills itself with one colour and records what
// it received.
class Probe : public TCustomControl {
 public:
  explicit Probe(TComponent* owner, TColor fill = clRed) : TCustomControl(owner), fill_(fill) {
    SetControlStyle(ControlStyle().Include(csOpaque));
  }
  int paints = 0, enters = 0, leaves = 0, clicks = 0;
  int hitTest = HTCLIENT;
  std::vector<TPoint> moves;
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_MOUSEENTER) ++enters;
    if (m.Msg == CM_MOUSELEAVE) ++leaves;
    if (m.Msg == WM_MOUSEMOVE) moves.push_back(LParamToPoint(m.LParam));
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
