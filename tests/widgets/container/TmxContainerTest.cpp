// Containers on the headless desktop: client area, side lines, repaints
// on change, and the image of what lies behind see-through items.
#include <gtest/gtest.h>

#include <vector>

#include "PaintTarget.h"
#include "container/TmxContainer.h"
#include "desktop/HeadlessDesktop.h"
#include "ui/TCustomForm.h"
#include "ui/TGraphicControl.h"
#include "ui/TLabel.h"

namespace {

// Counts its own paints.
class CountingContainer : public TmxContainer {
 public:
  using TmxContainer::TmxContainer;
  int paints = 0;

 protected:
  void DoAfterPaint() override { ++paints; }
};

// A graphic control that paints past its edges (as text may) and counts
// its paints, and those it got as a copy.
class Patch : public TGraphicControl {
 public:
  Patch(TWinControl* parent, TRect bounds, TColor fill) : TGraphicControl(parent), fill_(fill) {
    SetParent(parent);
    SetBoundsRect(bounds);
  }
  int paints = 0, copies = 0;

 protected:
  void Paint() override {
    ++paints;
    if (ControlState().Contains(csPaintCopy)) ++copies;
    Canvas()->Brush()->SetColor(fill_);
    Canvas()->FillRect(ClientRect().Inflate(5, 5));
  }

 private:
  TColor fill_;
};

struct Desk : ::testing::Test {
  HeadlessDesktop desk;
  TForm* form = nullptr;
  void SetUp() override {
    form = new TForm(&desk.App());
    form->SetBounds(0, 0, 300, 200);
    form->Show();
  }
  template <class T = TmxContainer>
  T* Container(TWinControl* parent, TRect bounds, TColor colour) {
    auto* c = new T(form);
    c->SetParent(parent);
    c->SetBoundsRect(bounds);
    c->Background()->SetColor(colour);
    return c;
  }
};

}  // namespace

TEST(TmxContainerGeometry, LinesRunAlongTheOutermostClientPixels) {
  using S = TmxLineSegment;
  EXPECT_EQ(TmxCustomContainer::LineSegments({blBottom, blTop, blRight, blLeft}, 60, 40),
            (std::vector<S>{{{0, -5}, {0, 45}}, {{59, -5}, {59, 45}}, {{-5, 0}, {60, 0}}, {{-5, 39}, {65, 39}}}));
  EXPECT_TRUE(TmxCustomContainer::LineSegments({}, 60, 40).empty());
}

TEST_F(Desk, DrawsTheChosenSideLinesOnItsEdgePixels) {
  struct Case {
    TmxBorderLines Lines;
    bool Left, Right, Top, Bottom;
  };
  const Case cases[] = {
      {{}, false, false, false, false},
      {{blLeft}, true, false, false, false},
      {{blRight}, false, true, false, false},
      {{blTop}, false, false, true, false},
      {{blBottom}, false, false, false, true},
      {{blLeft, blRight, blTop, blBottom}, true, true, true, true},
  };
  auto* c = Container(form, {10, 10, 70, 50}, clWhite);
  c->SetLineColor(clRed);
  for (const Case& k : cases) {
    c->SetLines(k.Lines);
    auto red = [&](int x, int y) { return desk.Pixel(c, x, y) == clRed; };
    EXPECT_EQ(red(0, 20), k.Left);
    EXPECT_EQ(red(59, 20), k.Right);
    EXPECT_EQ(red(30, 0), k.Top);
    EXPECT_EQ(red(30, 39), k.Bottom);
    EXPECT_EQ(red(0, 0), k.Left || k.Top);
    EXPECT_EQ(red(59, 39), k.Right || k.Bottom);
    EXPECT_FALSE(red(1, 1));
    EXPECT_FALSE(red(58, 38));
    EXPECT_FALSE(red(-1, 20));  // clipped to the control
    EXPECT_FALSE(red(30, 40));
  }
}

TEST_F(Desk, ChildrenAreAlignedInsideTheBorder) {
  auto* c = Container(form, {10, 10, 130, 90}, clWhite);
  auto* fill = Container(c, {0, 0, 10, 10}, clBlue);
  fill->SetAlign(alClient);
  EXPECT_EQ(fill->BoundsRect(), (TRect{6, 6, 114, 74}));
  c->Border()->SetLeft(10);  // takes effect at once
  EXPECT_EQ(fill->BoundsRect(), (TRect{11, 6, 114, 74}));

  // A plain item keeps no extra pixel.
  auto* item = new TmxCustomTaskPaneItem(form);
  item->SetParent(form);
  item->SetBounds(150, 10, 100, 80);
  item->Border()->SetTop(5);
  auto* inner = Container(item, {0, 0, 10, 10}, clBlue);
  inner->SetAlign(alClient);
  EXPECT_EQ(inner->BoundsRect(), (TRect{0, 5, 100, 80}));
}

TEST_F(Desk, BorderWidthsAreSixteenBits) {
  auto* c = Container(form, {10, 10, 130, 90}, clWhite);
  auto* fill = Container(c, {0, 0, 10, 10}, clBlue);
  fill->SetAlign(alClient);
  c->Border()->SetLeft(65535);
  EXPECT_EQ(c->Border()->Left(), 65535);
  EXPECT_EQ(fill->Left(), 65536);
  EXPECT_EQ(fill->Width(), 0);
}

TEST_F(Desk, RepaintsOnlyWhenASettingChanges) {
  struct Case {
    const char* Name;
    void (*Set)(TmxContainer&);
    int Paints;
  };
  const Case cases[] = {
      {"same line colour", [](TmxContainer& c) { c.SetLineColor(clWhite); }, 0},
      {"new line colour", [](TmxContainer& c) { c.SetLineColor(clRed); }, 1},
      {"same lines", [](TmxContainer& c) { c.SetLines({}); }, 0},
      {"new lines", [](TmxContainer& c) { c.SetLines({blTop}); }, 1},
      {"same options", [](TmxContainer& c) { c.SetOptions({tiSetStyle}); }, 0},
      {"new options", [](TmxContainer& c) { c.SetOptions({}); }, 1},
      {"same border", [](TmxContainer& c) { c.Border()->SetTop(5); }, 0},
      {"new border", [](TmxContainer& c) { c.Border()->SetTop(6); }, 1},
      {"new background", [](TmxContainer& c) { c.Background()->SetColor(clAqua); }, 1},
      {"new gradient", [](TmxContainer& c) { c.Background()->Gradient()->SetDrawStyle(gtEllipse); }, 1},
  };
  for (const Case& k : cases) {
    auto* c = Container<CountingContainer>(form, {10, 10, 70, 50}, clWhite);
    desk.Paint();
    const int before = c->paints;
    k.Set(*c);
    desk.Paint();
    EXPECT_EQ(c->paints - before, k.Paints) << k.Name;
    delete c;
  }
}

TEST_F(Desk, OptionsChangeNeitherLookNorLayout) {
  auto* c = Container(form, {10, 10, 130, 90}, RGB(200, 100, 50));
  c->SetLines({blLeft, blTop});
  auto* child = Container(c, {0, 0, 10, 10}, clBlue);
  child->SetAlign(alTop);
  auto snapshot = [&] {
    std::vector<TColor> px;
    for (int y = 0; y < 90; y += 3)
      for (int x = 0; x < 130; x += 3) px.push_back(desk.Pixel(c, x, y));
    return px;
  };
  const auto look = snapshot();
  const TRect layout = child->BoundsRect();
  c->SetOptions({});
  EXPECT_EQ(snapshot(), look);
  EXPECT_EQ(child->BoundsRect(), layout);
}

TEST_F(Desk, ResizingRepaintsTheWholeContainer) {
  auto* c = Container(form, {10, 10, 90, 60}, clWhite);
  c->SetLines({blRight, blBottom});
  c->SetLineColor(clRed);
  ASSERT_EQ(desk.Pixel(c, 79, 20), clRed);
  c->SetBounds(10, 10, 60, 40);
  EXPECT_EQ(desk.Pixel(c, 59, 20), clRed);
  EXPECT_EQ(desk.Pixel(c, 30, 39), clRed);
}

TEST_F(Desk, AnswersEraseWithoutErasing) {
  auto* c = Container(form, {10, 10, 60, 40}, clWhite);
  PaintTarget t(20, 20, clLime);
  EXPECT_EQ(c->Perform(WM_ERASEBKGND, reinterpret_cast<intptr_t>(t.Canvas()->Handle())), 0);
  EXPECT_EQ(t.At(5, 5), clLime);
}

TEST_F(Desk, SeeThroughItemsShowTheFirstSolidContainerBehindThem) {
  auto* solid = Container(form, {10, 10, 250, 170}, RGB(200, 100, 50));
  auto* patch = new Patch(solid, {40, 40, 70, 60}, clYellow);
  auto* outer = Container(solid, {20, 20, 220, 140}, clBlue);
  outer->Background()->SetStyle(btTransparent);
  auto* inner = Container(outer, {10, 10, 150, 100}, clBlue);
  inner->Background()->SetStyle(btTransparent);
  // inner's (0, 0) is solid's (30, 30): the patch lies at (10, 10)-(40, 30).
  EXPECT_EQ(desk.Pixel(inner, 5, 5), RGB(200, 100, 50));
  EXPECT_EQ(desk.Pixel(inner, 10, 10), clYellow);
  EXPECT_EQ(desk.Pixel(inner, 39, 29), clYellow);
  EXPECT_EQ(desk.Pixel(inner, 40, 20), RGB(200, 100, 50));
  EXPECT_EQ(desk.Pixel(inner, 45, 35), RGB(200, 100, 50));
  EXPECT_EQ(desk.Pixel(inner, 120, 80), RGB(200, 100, 50));
  EXPECT_GT(patch->copies, 0);
  EXPECT_FALSE(patch->ControlState().Contains(csPaintCopy));
  EXPECT_FALSE(solid->ControlState().Contains(csPaintCopy));

  // A change behind them reaches the nested item too.
  solid->Background()->SetColor(clNavy);
  EXPECT_EQ(desk.Pixel(inner, 120, 80), clNavy);
}

TEST_F(Desk, GraphicSiblingsOverTheItemArePaintedOnceAsCopies) {
  auto* solid = Container(form, {10, 10, 250, 170}, clWhite);
  auto* over = new Patch(solid, {40, 40, 70, 60}, clYellow);
  auto* hidden = new Patch(solid, {30, 30, 60, 50}, clRed);
  hidden->Hide();
  auto* outside = new Patch(solid, {200, 10, 230, 30}, clRed);
  auto* item = Container(solid, {20, 20, 240, 140}, clBlue);
  item->Background()->SetAlphaBlend(128);
  desk.Paint();
  item->SetBounds(20, 20, 160, 120);  // its parent image keeps the larger size
  desk.Paint();
  const int overPaints = over->paints, overCopies = over->copies, outsidePaints = outside->paints;
  item->Invalidate();
  desk.Paint();
  EXPECT_EQ(over->paints - overPaints, 1);
  EXPECT_EQ(over->copies - overCopies, 1);
  EXPECT_EQ(outside->paints, outsidePaints);
  EXPECT_EQ(hidden->paints, 0);
  EXPECT_EQ(desk.Pixel(item, 15, 15), RGB(126, 126, 254));  // white behind, not the hidden red
}

TEST_F(Desk, TextBehindASeeThroughItemLooksAsBesideIt) {
  auto* solid = Container(form, {0, 0, 300, 200}, clWhite);
  auto label = [&](int top) {
    auto* l = new TLabel(form);
    l->SetParent(solid);
    l->SetTransparent(true);
    l->SetBounds(10, top, 10, 10);
    l->SetCaption("Selected Process Information");
    return l;
  };
  TLabel* beside = label(20);
  label(60);
  auto* item = Container(solid, {0, 50, 300, 40}, clBlue);
  item->Background()->SetStyle(btTransparent);
  int inked = 0;
  for (int y = 0; y < beside->Height(); ++y)
    for (int x = 0; x < beside->Width(); ++x) {
      const TColor outsideItem = desk.Pixel(solid, 10 + x, 20 + y);
      if (outsideItem != clWhite) ++inked;
      ASSERT_EQ(desk.Pixel(item, 10 + x, 10 + y), outsideItem) << x << "," << y;
    }
  EXPECT_GT(inked, 50);
}

TEST_F(Desk, BlendedItemMixesItsColourWithTheImageBehind) {
  auto* solid = Container(form, {10, 10, 250, 170}, RGB(200, 100, 50));
  new Patch(solid, {40, 40, 70, 60}, clWhite);
  auto* item = Container(solid, {30, 30, 150, 100}, clBlack);
  item->Background()->SetAlphaBlend(0);
  EXPECT_EQ(desk.Pixel(item, 5, 5), RGB(199, 99, 49));
  EXPECT_EQ(desk.Pixel(item, 15, 15), RGB(254, 254, 254));
  EXPECT_EQ(desk.Pixel(item, 45, 15), RGB(199, 99, 49));
}

TEST_F(Desk, PublishesClicks) {
  auto* c = Container(form, {10, 10, 60, 40}, clWhite);
  int clicks = 0;
  c->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, c);
    ++clicks;
  };
  desk.Click(c);
  EXPECT_EQ(clicks, 1);
}
