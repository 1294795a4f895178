// The gradient's colour table, its twelve shapes and its settings.
#include <gtest/gtest.h>

#include <vector>

#include "PaintTarget.h"
#include "container/TmxGradient.h"

namespace {

struct Entry {
  int Index;
  TColor Expected;
};

void ExpectTable(const TmxGradient& G, const std::vector<Entry>& Entries) {
  for (const Entry& e : Entries) EXPECT_EQ(G.ColorTable()[e.Index], e.Expected) << "entry " << e.Index;
}

// Black to white: entry k (k >= 1) is grey k - 1, entry 0 black.
struct BlackToWhite : TmxGradient {
  explicit BlackToWhite(TmxGradientStyle Style) {
    SetBeginColor(clBlack);
    SetEndColor(clWhite);
    SetDrawStyle(Style);
  }
};

}  // namespace

TEST(TmxGradientTable, RunsFromTheFirstColourToOneStepShortOfTheSecond) {
  TmxGradient g;
  g.SetBeginColor(RGB(10, 200, 0));
  g.SetEndColor(RGB(255, 0, 127));
  ExpectTable(g, {{0, RGB(10, 200, 0)},
                  {1, RGB(10, 200, 0)},
                  {2, RGB(11, 199, 0)},
                  {100, RGB(105, 122, 49)},
                  {128, RGB(132, 100, 63)},
                  {255, RGB(254, 1, 127)}});
}

TEST(TmxGradientTable, InverseRunsFromTheSecondColour) {
  TmxGradient g;
  g.SetBeginColor(RGB(255, 0, 127));
  g.SetEndColor(RGB(10, 200, 0));
  g.SetDirection(gdInverse);
  ExpectTable(g, {{0, RGB(10, 200, 0)}, {2, RGB(11, 199, 0)}, {255, RGB(254, 1, 127)}});
}

TEST(TmxGradientTable, ToCentreStylesGoThereAndBack) {
  for (TmxGradientStyle style : {gtVerticalToCenter, gtHorizontalToCenter}) {
    TmxGradient g;
    g.SetBeginColor(RGB(10, 200, 0));
    g.SetEndColor(RGB(255, 0, 127));
    g.SetDrawStyle(style);
    ExpectTable(g, {{0, RGB(10, 200, 0)},
                    {1, RGB(10, 200, 0)},
                    {2, RGB(12, 198, 1)},
                    {127, RGB(253, 2, 126)},
                    {128, RGB(255, 0, 127)},
                    {129, RGB(253, 2, 126)},
                    {200, RGB(116, 113, 55)},
                    {255, RGB(10, 200, 0)}});
  }
}

TEST(TmxGradientTable, ResolvesSystemColours) {
  TmxGradient g;  // clBtnFace (240, 240, 240) to clBlue
  ExpectTable(g, {{0, RGB(240, 240, 240)}, {255, RGB(1, 1, 255)}});
}

TEST(TmxGradientDraw, LeftToRightOn255PixelsShowsEntryXPlusOneInColumnX) {
  BlackToWhite g(gtLeftToRight);
  PaintTarget t(265, 20, clRed);
  g.Draw(t.Canvas(), {5, 5, 260, 15});
  for (int x : {0, 1, 100, 200, 254}) EXPECT_EQ(t.Grey(5 + x, 10), x) << x;
  EXPECT_EQ(t.At(4, 10), clRed);
  EXPECT_EQ(t.At(260, 10), clRed);
  EXPECT_EQ(t.At(100, 4), clRed);
  EXPECT_EQ(t.At(100, 15), clRed);
}

// A few pixels of each shape, black to white on 254 or 255 pixels (grey
// g is entry g + 1). Bands and corners are exact; slanted shapes are
// checked within Tolerance grey levels.
struct ShapeCase {
  TmxGradientStyle Style;
  int W, H, Tolerance;
  std::vector<std::array<int, 3>> Pixels;  // x, y, grey
};

TEST(TmxGradientDraw, EachShapePutsItsColoursWhereItShould) {
  const std::vector<ShapeCase> cases = {
      {gtTopToBottom, 10, 255, 0, {{5, 0, 0}, {5, 100, 100}, {5, 254, 254}}},
      {gtHorizontalToCenter, 255, 10, 0, {{0, 5, 0}, {126, 5, 253}, {127, 5, 255}, {190, 5, 129}, {254, 5, 0}}},
      {gtVerticalToCenter, 10, 255, 0, {{5, 0, 0}, {5, 126, 253}, {5, 127, 255}, {5, 254, 0}}},
      {gtCornerTopLeft, 255, 255, 0, {{0, 0, 254}, {10, 3, 245}, {254, 0, 1}, {254, 254, 1}}},
      {gtCornerTopRight, 255, 255, 0, {{254, 0, 253}, {100, 100, 99}, {200, 100, 155}, {0, 254, 0}}},
      {gtCornerBottomRight, 255, 255, 0, {{254, 254, 253}, {10, 200, 9}, {100, 100, 99}, {0, 0, 0}}},
      {gtCornerBottomLeft, 255, 255, 0, {{0, 254, 253}, {50, 200, 199}, {254, 0, 0}}},
      {gtDiagonalFalling, 254, 254, 0, {{0, 0, 0}, {100, 100, 99}, {127, 127, 127}, {253, 1, 127}, {200, 200, 200}, {253, 253, 253}}},
      {gtDiagonalRising, 254, 254, 3, {{0, 253, 0}, {127, 127, 127}, {0, 0, 127}, {253, 253, 127}, {253, 0, 253}}},
      {gtPyramid, 100, 100, 4, {{50, 10, 62}, {10, 50, 62}, {50, 90, 190}, {90, 50, 190}}},
  };
  for (const ShapeCase& c : cases) {
    BlackToWhite g(c.Style);
    PaintTarget t(c.W, c.H, clRed);
    g.Draw(t.Canvas(), {0, 0, c.W, c.H});
    for (const auto& [x, y, grey] : c.Pixels) {
      int got = t.Grey(x, y);
      EXPECT_NEAR(got, grey, c.Tolerance) << "style " << c.Style << " at " << x << "," << y;
    }
  }
}

TEST(TmxGradientDraw, EllipseRingsShrinkToTheCentreAndLeaveTheCorners) {
  BlackToWhite g(gtEllipse);
  PaintTarget t(100, 100, clRed);
  g.Draw(t.Canvas(), {0, 0, 100, 100});
  EXPECT_NEAR(t.Grey(50, 50), 248, 5);
  EXPECT_NEAR(t.Grey(50, 1), 9, 5);
  EXPECT_NEAR(t.Grey(1, 50), 9, 5);
  for (auto [x, y] : {std::pair{0, 0}, {99, 0}, {0, 99}, {99, 99}}) EXPECT_EQ(t.At(x, y), clRed) << x << "," << y;
}

TEST(TmxGradientDraw, EllipseNineWideOrLessDrawsNothing) {
  for (int w : {4, 5, 9}) {
    BlackToWhite g(gtEllipse);
    PaintTarget t(12, 12, clRed);
    g.Draw(t.Canvas(), {1, 1, 1 + w, 11});
    for (int x = 0; x < 12; ++x) EXPECT_EQ(t.At(x, 6), clRed) << "width " << w << " x " << x;
  }
}

TEST(TmxGradientSettings, NotifyOnChangeExceptTheColoursWhichAlwaysDo) {
  struct Case {
    const char* Name;
    void (*Set)(TmxGradient&);
    int Notices;
  };
  const Case cases[] = {
      {"same begin colour", [](TmxGradient& g) { g.SetBeginColor(clBtnFace); }, 1},
      {"same end colour", [](TmxGradient& g) { g.SetEndColor(clBlue); }, 1},
      {"same style", [](TmxGradient& g) { g.SetDrawStyle(gtLeftToRight); }, 0},
      {"new style", [](TmxGradient& g) { g.SetDrawStyle(gtPyramid); }, 1},
      {"same direction", [](TmxGradient& g) { g.SetDirection(gdNormal); }, 0},
      {"new direction", [](TmxGradient& g) { g.SetDirection(gdInverse); }, 1},
  };
  for (const Case& c : cases) {
    TmxGradient g;
    int notices = 0;
    g.OnChangeParameter = [&](TObject* sender) {
      EXPECT_EQ(sender, &g);
      ++notices;
    };
    c.Set(g);
    EXPECT_EQ(notices, c.Notices) << c.Name;
  }
}

TEST(TmxGradientSettings, StyleAndDirectionRebuildTheTable) {
  BlackToWhite g(gtLeftToRight);
  g.SetDrawStyle(gtVerticalToCenter);
  EXPECT_EQ(g.ColorTable()[128], clWhite);
  g.SetDirection(gdInverse);
  EXPECT_EQ(g.ColorTable()[0], clWhite);
  EXPECT_EQ(g.ColorTable()[128], clBlack);
}

TEST(TmxGradientSettings, AssignCopiesEverySettingAndNotifiesOnce) {
  TmxGradient source;
  source.SetBeginColor(clRed);
  source.SetEndColor(clLime);
  source.SetDrawStyle(gtEllipse);
  source.SetDirection(gdInverse);
  TmxGradient g;
  int notices = 0;
  g.OnChangeParameter = [&](TObject*) { ++notices; };
  g.Assign(&source);
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(g.BeginColor(), clRed);
  EXPECT_EQ(g.EndColor(), clLime);
  EXPECT_EQ(g.DrawStyle(), gtEllipse);
  EXPECT_EQ(g.Direction(), gdInverse);
  EXPECT_EQ(g.ColorTable(), source.ColorTable());
}
