// Painting a parent's pixels under a see-through control: exactly the
// parent's image, only inside the control less its exclusions, from an
// ancestor further up, and with the options the container uses.
#include "ui/PaintParentImage.h"

#include <gtest/gtest.h>

#include <vector>

#include "desktop/HeadlessDesktop.h"
#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"
#include "ui/TCustomControl.h"
#include "ui/TCustomForm.h"
#include "ui/TGraphicControl.h"

namespace {

constexpr TColor kUntouched = clFuchsia;

// Its colour as background; red and lime columns, 4 px wide, over its
// left half and past its top, left and bottom edges (as text may).
class Backdrop : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  bool paintedAsCopy = false;

 protected:
  void Paint() override {
    paintedAsCopy = ControlState().Contains(csPaintCopy);
    for (int x = -48; x < 100; x += 4) {
      Canvas()->Brush()->SetColor(x / 4 % 2 ? clRed : clLime);
      Canvas()->FillRect({x, -50, x + 4, Height() + 100});
    }
  }
};

class Spot : public TGraphicControl {
 public:
  Spot(TWinControl* parent, TRect bounds) : TGraphicControl(parent) {
    SetParent(parent);
    SetBoundsRect(bounds);
  }
  bool paintedAsCopy = false;

 protected:
  void Paint() override {
    paintedAsCopy = ControlState().Contains(csPaintCopy);
    Canvas()->Brush()->SetColor(clYellow);
    Canvas()->FillRect(ClientRect());
  }
};

struct ParentImage : ::testing::Test {
  HeadlessDesktop desk;
  TForm* form = nullptr;
  Backdrop* backdrop = nullptr;
  Spot* spot = nullptr;
  void SetUp() override {
    form = new TForm(&desk.App());
    form->SetBounds(0, 0, 300, 250);
    form->Show();
    backdrop = new Backdrop(form);
    backdrop->SetParent(form);
    backdrop->SetBounds(0, 0, 200, 150);
    backdrop->SetColor(clBlue);
    spot = new Spot(backdrop, {60, 30, 140, 60});
  }
  // A control that is only painted into, through the calls under test.
  template <class T = TCustomControl>
  T* Hidden(TWinControl* parent, TRect bounds) {
    auto* c = new T(form);
    c->Hide();
    c->SetParent(parent);
    c->SetBoundsRect(bounds);
    return c;
  }
  // The backdrop as the paint pass shows it.
  std::vector<TColor> Shown() {
    std::vector<TColor> px;
    for (int y = 0; y < 150; ++y)
      for (int x = 0; x < 200; ++x) px.push_back(desk.Pixel(backdrop, x, y));
    return px;
  }
  static TColor At(const std::vector<TColor>& px, int x, int y) { return px[y * 200 + x]; }
};

}  // namespace

TEST_F(ParentImage, PaintsExactlyTheParentsPixelsInsideTheControlLessItsExclusions) {
  struct Case {
    const char* Name;
    std::initializer_list<TRect> Excluded;
  };
  const Case cases[] = {
      {"none", {}},
      {"a corner and a band past the edge", {{0, 0, 10, 10}, {100, 70, 130, 75}}},
  };
  const TRect glassBounds{40, 20, 160, 100};
  auto* glass = Hidden(backdrop, glassBounds);
  const std::vector<TColor> shown = Shown();
  for (const Case& k : cases) {
    // The canvas is as large as the backdrop, with the glass's origin at the
    // glass's place, so each pixel compares with the backdrop's own.
    TBitmap bitmap(200, 150);
    TCanvas& c = *bitmap.Canvas();
    c.Brush()->SetColor(kUntouched);
    c.FillRect({0, 0, 200, 150});
    c.SetViewportOrg(glassBounds.TopLeft());
    const TRect clip = c.ClipRect();
    PaintParentImage(*glass, *backdrop, c, k.Excluded);
    EXPECT_EQ(c.ViewportOrg(), glassBounds.TopLeft()) << k.Name;
    EXPECT_EQ(c.ClipRect(), clip) << k.Name;
    c.SetViewportOrg({});

    int mismatches = 0;
    for (int y = 0; y < 150; ++y)
      for (int x = 0; x < 200; ++x) {
        const TPoint inGlass{x - glassBounds.Left, y - glassBounds.Top};
        bool painted = glassBounds.Contains({x, y});
        for (const TRect& r : k.Excluded) painted = painted && !r.Contains(inGlass);
        if (c.Pixel(x, y) != (painted ? At(shown, x, y) : kUntouched) && ++mismatches <= 5)
          ADD_FAILURE() << k.Name << ": pixel (" << x << ", " << y << ") painted " << painted;
      }
    EXPECT_EQ(mismatches, 0) << k.Name;
  }
  // The image holds the background, both stripes and the graphic child.
  EXPECT_EQ(At(shown, 150, 90), clBlue);
  EXPECT_EQ(At(shown, 41, 21), clLime);
  EXPECT_EQ(At(shown, 45, 21), clRed);
  EXPECT_EQ(At(shown, 100, 40), clYellow);
}

TEST_F(ParentImage, AnAncestorPaintsInItsOwnCoordinatesWithTheChosenOptions) {
  // The glass lies at the backdrop's (30, 120)-(90, 180), past its bottom
  // edge at 150, over a corner of a second spot at (40, 130)-(60, 140).
  auto* corner = new Spot(backdrop, {40, 130, 60, 140});
  auto* middle = Hidden(backdrop, {20, 100, 140, 200});
  auto* glass = Hidden(middle, {10, 20, 70, 80});
  const std::vector<TColor> shown = Shown();
  struct Case {
    TParentImageOptions Options;
  };
  const Case cases[] = {{{}}, {{piClipToParent}}, {{piMarkCopies}}, {{piClipToParent, piMarkCopies}}};
  for (const Case& k : cases) {
    const bool clipped = k.Options.Contains(piClipToParent), marked = k.Options.Contains(piMarkCopies);
    SCOPED_TRACE(testing::Message() << "clip to parent " << clipped << ", mark copies " << marked);
    TBitmap bitmap(60, 60);
    TCanvas& c = *bitmap.Canvas();
    c.Brush()->SetColor(kUntouched);
    c.FillRect({0, 0, 60, 60});
    PaintParentImage(*glass, *backdrop, c, {}, k.Options);

    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 60; ++x) ASSERT_EQ(c.Pixel(x, y), At(shown, 30 + x, 120 + y)) << x << ", " << y;
    // Below the backdrop only its stripes reach, unless clipped to it.
    EXPECT_EQ(c.Pixel(2, 40), clipped ? kUntouched : clLime);
    EXPECT_EQ(c.Pixel(6, 59), clipped ? kUntouched : clRed);

    // The parent and its graphic children over the glass paint as copies
    // for the length of the call only.
    EXPECT_EQ(backdrop->paintedAsCopy, marked);
    EXPECT_EQ(corner->paintedAsCopy, marked);
    EXPECT_FALSE(backdrop->ControlState().Contains(csPaintCopy));
    EXPECT_FALSE(corner->ControlState().Contains(csPaintCopy));
  }
  EXPECT_EQ(At(shown, 45, 135), clYellow);
}
