// What the application button paints over a coloured parent: its pictures
// with their transparent colour showing the parent, and the dotted
// placeholder of a button without pictures.
#include <gtest/gtest.h>

#include "ShapeButtonFixture.h"

namespace {

struct ShapePaint : ShapeFixture {};

// Every pixel of the 55 x 49 button: the picture's own colour inside its
// 48 x 48 square at (3, 0), except where the picture has its transparent
// magenta, and the parent's colour elsewhere.
TEST_F(ShapePaint, ThePicturesLieOverTheParentWithoutTheirTransparentColour) {
  auto* b = Button();
  struct Case {
    const char* resource;
    bool hot;
  };
  for (Case c : {Case{"appbutton.bmp", false}, Case{"appbutton_hot.bmp", true}}) {
    if (c.hot) desk.MoveTo(b, {20, 20});
    auto picture = ResourceBitmap(c.resource);
    const TColor key = picture->Canvas()->Pixel(0, 47);
    ASSERT_EQ(key, clFuchsia);
    int wrong = 0, keyShowing = 0, pictureShowing = 0;
    for (int y = 0; y < 49; ++y)
      for (int x = 0; x < 55; ++x) {
        const TColor painted = desk.Pixel(b, x, y);
        const bool inPicture = x >= 3 && x < 51 && y < 48;
        const TColor source = inPicture ? picture->Canvas()->Pixel(x - 3, y) : key;
        const TColor expected = source == key ? FormColor : source;
        wrong += painted != expected;
        keyShowing += painted == key;
        pictureShowing += inPicture && source != key;
      }
    EXPECT_EQ(wrong, 0) << c.resource;
    EXPECT_EQ(keyShowing, 0) << c.resource;
    EXPECT_GT(pictureShowing, 1000) << c.resource;
  }
}

TEST_F(ShapePaint, WithoutPicturesADottedBlueOutlineShowsTheParentInside) {
  auto* b = new TAdvShapeButton(form);
  b->SetParent(form);
  b->SetBounds(7, 4, 55, 49);
  // The top and left edges have blue dots with the parent between them.
  struct Edge {
    TPoint from, step;
    int length;
  };
  for (Edge e : {Edge{{0, 0}, {1, 0}, 55}, Edge{{0, 0}, {0, 1}, 49}}) {
    int blue = 0, parent = 0;
    for (int i = 0; i < e.length; ++i) {
      const TColor c = desk.Pixel(b, e.from.X + e.step.X * i, e.from.Y + e.step.Y * i);
      blue += c == clBlue;
      parent += c == FormColor;
    }
    EXPECT_GT(blue, 4) << e.from.X << "," << e.from.Y;
    EXPECT_GT(parent, 4) << e.from.X << "," << e.from.Y;
    EXPECT_EQ(blue + parent, e.length);
  }
  EXPECT_EQ(desk.Pixel(b, 20, 20), FormColor);
}

}  // namespace
