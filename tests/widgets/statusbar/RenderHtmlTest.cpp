// The mini-HTML renderer: measured sizes and hit tests of markup, the
// pixels where colours matter, and markup that once looped, failed or
// left the rectangle.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "graphics/TBitmap.h"
#include "statusbar/IHtmlPictureContainer.h"
#include "statusbar/RenderHtml.h"
#include "ui/TCustomImageList.h"

namespace {

// A picture of any size that fills its rectangle with one colour.
class TSolidPicture : public TGraphic {
 public:
  TSolidPicture(int W, int H, TColor Color) : w_(W), h_(H), color_(Color) {}
  bool Empty() const override { return false; }
  int Width() const override { return w_; }
  int Height() const override { return h_; }
  void LoadFromStream(TStream&) override {}
  void SaveToStream(TStream&) const override {}
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TSolidPicture>(w_, h_, color_); }
  int draws = 0;

 protected:
  void Draw(TCanvas* C, const TRect& R) override {
    ++draws;
    C->Brush()->SetColor(color_);
    C->FillRect(R);
  }

 private:
  int w_, h_;
  TColor color_;
};

class TPictures : public IHtmlPictureContainer {
 public:
  TGraphic* FindPicture(std::string_view Name) const override {
    asked.emplace_back(Name);
    for (auto& [name, picture] : pictures)
      if (name == Name) return picture.get();
    return nullptr;
  }
  std::vector<std::pair<std::string, std::unique_ptr<TSolidPicture>>> pictures;
  mutable std::vector<std::string> asked;
};

class RenderHtmlTest : public ::testing::Test {
 protected:
  RenderHtmlTest() : bitmap(300, 100), images(nullptr) {
    Clear();
    TBitmap cell(16, 16);
    cell.Canvas()->Brush()->SetColor(clLime);
    cell.Canvas()->FillRect({0, 0, 16, 16});
    images.Add(cell);
  }
  TCanvas& Canvas() { return *bitmap.Canvas(); }
  void Clear() {
    Canvas().Brush()->SetColor(clWhite);
    Canvas().FillRect({0, 0, 300, 100});
  }
  // A run as the renderer measures it.
  int Width(std::string_view Text, TFontStyles Style = {}, int Points = 0) {
    TFont saved;
    saved.Assign(Canvas().Font());
    Canvas().Font()->SetStyle(Style);
    if (Points) Canvas().Font()->SetSize(Points);
    TRect r{0, 0, 0, 0};
    Canvas().DrawText(Text, r, DT_SINGLELINE | DT_EXPANDTABS | DT_BOTTOM | DT_CALCRECT | DT_EXTERNALLEADING);
    Canvas().Font()->Assign(&saved);
    return r.Width();
  }
  int LineHeight() {
    TRect r{0, 0, 0, 0};
    Canvas().DrawText("gh", r, DT_SINGLELINE | DT_CALCRECT | DT_EXTERNALLEADING);
    return std::max(r.Height(), Canvas().TextHeight("gh"));
  }
  THtmlRenderResult Measure(std::string_view Markup, TRect R = {0, 0, 300, 100}, TPoint Hit = {-1, -1}) {
    THtmlRenderOptions o;
    o.Images = &images;
    o.Pictures = &pictures;
    o.Hit = Hit;
    o.MeasureOnly = true;
    return RenderHtml(Canvas(), Markup, R, o);
  }
  THtmlRenderResult Draw(std::string_view Markup, TRect R = {0, 0, 300, 100}) {
    THtmlRenderOptions o;
    o.Images = &images;
    o.Pictures = &pictures;
    return RenderHtml(Canvas(), Markup, R, o);
  }
  TColor Pixel(int X, int Y) {
    bitmap.EndPainting();
    return Canvas().Pixel(X, Y);
  }
  // Whether any pixel of R is not white.
  bool Touched(const TRect& R) {
    bitmap.EndPainting();
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x)
        if (Canvas().Pixel(x, y) != clWhite) return true;
    return false;
  }
  int RedPixels(const TRect& R) {
    bitmap.EndPainting();
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) {
        TColor c = Canvas().Pixel(x, y);
        if (GetRValue(c) > 160 && GetGValue(c) < 90 && GetBValue(c) < 90) ++n;
      }
    return n;
  }

  TBitmap bitmap;
  TCustomImageList images;
  TPictures pictures;
};

}  // namespace

TEST_F(RenderHtmlTest, MeasuresLinesRunsAndImages) {
  const int lh = LineHeight();
  const int space = Width(" ");
  struct Case {
    const char* name;
    std::string markup;
    TRect r;
    int width, height;
  };
  const Case cases[] = {
      {"empty", "", {0, 0, 300, 100}, 0, Canvas().TextHeight("gh") + 2},
      {"status panel text", "Version 2.0.0.0 Build 2", {0, 0, 150, 15},
       Width("Version ") + Width("2.0.0.0 ") + Width("Build ") + Width("2") + 2, lh + 2},
      {"trailing space not counted", "ab ", {0, 0, 300, 100}, Width("ab ") - space + 2, lh + 2},
      {"bold run", "<B>ab</B>", {0, 0, 300, 100}, Width("ab", {fsBold}) + 2, lh + 2},
      {"two lines", "abc<BR>a", {0, 0, 300, 100}, Width("abc") + 2, 2 * lh + 2},
      {"carriage return", "abc\r\na", {0, 0, 300, 100}, Width("abc") + 2, 2 * lh + 2},
      {"words wrap at the right edge", "abcd abcd", {0, 0, Width("abcd ") + 3, 100}, Width("abcd") + 2, 2 * lh + 2},
      {"nbsp joins words", "abcd&nbsp;abcd", {0, 0, Width("abcd ") + 3, 100}, Width("abcd abcd") + 2, lh + 2},
      {"a word wider than the line stays", "abcdefghijkl", {0, 0, 10, 100}, Width("abcdefghijkl") + 2, lh + 2},
      {"hidden text takes no width", "a<Z>bbbb</Z>", {0, 0, 300, 100}, Width("a") + 2, lh + 2},
      {"image list image", "<IMG SRC=\"IDX:0\">", {0, 0, 300, 100}, 16 + 2, std::max(lh, 16) + 2},
      {"stretched picture size", "<IMG SRC=\"IDX:0\" WIDTH=\"30\" HEIGHT=\"20\">", {0, 0, 300, 100}, 30 + 2,
       std::max(lh, 20) + 2},
      {"tab position", "a<IND x=\"50\">b", {0, 0, 300, 100}, 50 + Width("b") + 2, lh + 2},
      {"second line below the rectangle is dropped", "a<BR>b<BR>c", {0, 0, 300, lh}, Width("a") + 2, lh + 2},
      {"list item indents", "<UL><LI>a</LI></UL>", {0, 0, 300, 100}, 12 + Width("a") + 2, 3 * lh + 2},
  };
  for (const Case& k : cases) {
    THtmlRenderResult m = Measure(k.markup, k.r);
    EXPECT_EQ(m.Width, k.width) << k.name;
    EXPECT_EQ(m.Height, k.height) << k.name;
  }
  // Font sizes: 12 points (the HTML size 3) is taller than the 8-point base.
  EXPECT_GT(Measure("<FONT SIZE=\"3\">ab</FONT>").Height, lh + 2);
}

TEST_F(RenderHtmlTest, ImagesScaleWithTheDevice) {
  THtmlRenderOptions o;
  o.Images = &images;
  o.MeasureOnly = true;
  o.PixelsPerInch = 120;
  THtmlRenderResult m = RenderHtml(Canvas(), "<IMG SRC=\"IDX:0\">", {0, 0, 300, 100}, o);
  EXPECT_EQ(m.Width, 20 + 2);
  EXPECT_EQ(m.Height, 20 + 2);
}

TEST_F(RenderHtmlTest, HitTestsAnchorTextAndImages) {
  const int lh = LineHeight();
  const int link = Width("link ");
  const std::string markup = "<A HREF=\"http://Example.com\">link </A>plain <A \"go\"><IMG SRC=\"IDX:0\"></A>";
  const int imageLeft = 1 + link + Width("plain ");
  const int y = std::max(lh, 16) - 3;
  struct Case { const char* name; TPoint hit; bool over; const char* anchor; };
  const Case cases[] = {
      {"on the link", {1 + link / 2, y}, true, "http://Example.com"},
      {"on plain text", {1 + link + 3, y}, false, ""},
      {"on the image", {imageLeft + 8, 8}, true, "go"},
      {"right of everything", {imageLeft + 40, y}, false, ""},
      {"above the text's cell", {1 + link / 2, -5}, false, ""},
      {"nowhere", {-1, -1}, false, ""},
  };
  for (const Case& k : cases) {
    THtmlRenderResult m = Measure(markup, {0, 0, 300, 100}, k.hit);
    EXPECT_EQ(m.OverAnchor, k.over) << k.name;
    EXPECT_EQ(m.Anchor, k.anchor) << k.name;
  }
}

TEST_F(RenderHtmlTest, MeasuringGivesWhatDrawingGives) {
  const char* markups[] = {
      "Version 2.0.0.0 Build 2",
      "<P ALIGN=\"CENTER\">mid</P><P ALIGN=\"RIGHT\" INDENT=\"4\">right</P>",
      "x<SUB>2</SUB> y<SUP>3</SUP> <SHAD>shade</SHAD> <E>err</E>",
      "<UL><LI>one<LI>two</UL><HR>end",
      "<FONT FACE=\"Tahoma\" SIZE=\"4\" COLOR=\"clred\" BGCOLOR=\"#00FF00\">big</FONT> <HI>hi</HI>",
  };
  for (const char* markup : markups) {
    THtmlRenderResult measured = Measure(markup, {0, 0, 120, 100});
    Clear();
    THtmlRenderResult drawn = Draw(markup, {0, 0, 120, 100});
    EXPECT_EQ(measured.Width, drawn.Width) << markup;
    EXPECT_EQ(measured.Height, drawn.Height) << markup;
  }
}

TEST_F(RenderHtmlTest, ColoursAndBackgrounds) {
  Draw("<FONT COLOR=\"#FF0000\">MMMM</FONT>");
  EXPECT_GT(RedPixels({0, 0, 60, 20}), 5) << "#FF0000 is red";
  Clear();
  Draw("<FONT COLOR=\"clRED\">MMMM</FONT>");
  EXPECT_GT(RedPixels({0, 0, 60, 20}), 5) << "a colour name in any case";
  Clear();
  Draw("<FONT COLOR=\"#FF00\">MMMM</FONT>");
  EXPECT_EQ(RedPixels({0, 0, 60, 20}), 0) << "not six digits is black";

  Clear();
  Draw("<BODY BGCOLOR=\"#0000FF\">x", {10, 10, 50, 30});
  EXPECT_EQ(Pixel(10, 10), clBlue);
  EXPECT_EQ(Pixel(49, 29), clBlue);
  EXPECT_EQ(Pixel(9, 10), clWhite) << "the fill stays inside the rectangle";
  EXPECT_EQ(Pixel(50, 29), clWhite);

  Clear();
  Draw("<BODY BGCOLOR=\"#000000\" BGCOLORTO=\"#FFFFFF\">", {0, 0, 64, 10});
  EXPECT_LT(GetRValue(Pixel(1, 5)), 16) << "a horizontal gradient starts dark";
  EXPECT_GT(GetRValue(Pixel(62, 5)), 230) << "and ends light";

  Clear();
  Draw("<P BGCOLOR=\"clLime\">a</P>");
  EXPECT_EQ(Pixel(250, 2), clLime) << "a paragraph's band runs across the rectangle";

  Clear();
  pictures.pictures.emplace_back("tile", std::make_unique<TSolidPicture>(7, 5, clFuchsia));
  Draw("<BODY BACKGROUND=\"tile\">", {3, 3, 40, 20});
  EXPECT_EQ(Pixel(3, 3), clFuchsia);
  EXPECT_EQ(Pixel(39, 19), clFuchsia);
  EXPECT_EQ(Pixel(40, 19), clWhite);
}

// A tag that ends a line is part of that line: a line that left it in the
// text found it again first and never advanced.
TEST_F(RenderHtmlTest, TagsThatEndALineAreConsumed) {
  const int lh = LineHeight();
  struct Case { const char* markup; int lines; };
  const Case cases[] = {
      {"a<BR>b", 2},          {"<BR><BR>", 2},    {"a<HR>b", 2},          {"<LI>a</LI>b", 2},
      {"<P>a</P>b", 2},       {"<UL>a", 2},       {"a<BR", 1},            {"a<", 1},
      {"<LI>a<LI>b<LI>c", 3}, {"<IMG SRC=\"IDX:0\" WRAP><IMG SRC=\"IDX:0\" WRAP>", 1},
  };
  for (const Case& k : cases) {
    THtmlRenderResult m = Measure(k.markup, {0, 0, 300, 1000});
    EXPECT_EQ(m.Height, k.lines * lh + 2) << k.markup;
  }
  // An image that does not fit what is left of a line goes to the next one.
  EXPECT_EQ(Measure("<IMG SRC=\"IDX:0\"><IMG SRC=\"IDX:0\">", {0, 0, 30, 100}).Height, 2 * std::max(lh, 16) + 2);
}

// Tags too short for attributes, and attributes without a quoted value.
TEST_F(RenderHtmlTest, ShortTagsAndBareAttributesAreNoError) {
  for (const char* markup : {"<F>a", "<BO>a", "<P>a", "<IM>a", "<IN>a", "<OF>a", "<A>a</A>", "<R>a", "<FO", "<",
                             "<IMG SRC>a", "<BODY BACKGROUND>a", "<BODY BGTOPRIGHT BGTOPLEFT>a", "<FONT FACE>a"}) {
    THtmlRenderResult m;
    EXPECT_NO_THROW(m = Draw(markup)) << markup;
    EXPECT_GT(m.Height, 0) << markup;
  }
}

TEST_F(RenderHtmlTest, NumbersAreClampedAndDrawingStaysInside) {
  const TRect r{100, 40, 160, 60};
  const char* markups[] = {
      "<FONT SIZE=\"99999999999999999999\">W</FONT>",
      "<OF x=\"-99999999999\">a<OF x=\"2147483647\">b",
      "<IND x=\"99999999999999\">a",
      "<P INDENT=\"2147483647\">a<P INDENT=\"-2147483648\">b",
      "<IMG SRC=\"IDX:0\" WIDTH=\"99999999999\" HEIGHT=\"-99999999999\">x",
      "<BODY BGCOLOR=\"#FF0000\"><UL><UL><UL><LI>deep",
      "<E>errors under a long text that runs on past the right edge</E>",
      "<SHAD>shadow</SHAD><HR>",
  };
  for (const char* markup : markups) {
    Clear();
    THtmlRenderResult m = Draw(markup, r);
    EXPECT_FALSE(Touched({0, 0, 300, r.Top})) << markup;
    EXPECT_FALSE(Touched({0, r.Bottom, 300, 100})) << markup;
    EXPECT_FALSE(Touched({0, r.Top, r.Left, r.Bottom})) << markup;
    EXPECT_FALSE(Touched({r.Right, r.Top, 300, r.Bottom})) << markup;
    EXPECT_LE(m.Width, 32767 * 2) << markup;
  }
  // 200 points at most: a 200-point line is far shorter than a clamped huge one.
  EXPECT_LT(Measure("<FONT SIZE=\"99999999\">W</FONT>").Height, 400);
}

TEST_F(RenderHtmlTest, ImageIndexesOutsideTheListTakeNoRoom) {
  const int a = Width("a");
  for (const char* markup : {"<IMG SRC=\"IDX:1\">a", "<IMG SRC=\"IDX:-1\">a"})
    EXPECT_EQ(Measure(markup).Width, a + 2) << markup;
  EXPECT_EQ(Measure("<IMG SRC=\"IDX:0\">a").Width, 16 + a + 2);
}

TEST_F(RenderHtmlTest, NoSourceNamesAFileToOpen) {
  const int a = Width("a");
  for (const char* markup : {"<IMG SRC=\"SSYS:/etc/passwd\">a", "<IMG SRC=\"LSYS:.txt\">a",
                             "<IMG SRC=\"file:///etc/passwd\">a", "<IMG SRC=\"http://example.com/x.png\">a",
                             "<IMG SRC=\"C:\\boot.ini\">a"})
    EXPECT_EQ(Measure(markup).Width, a + 2) << markup;
  // Only names without a colon reach the picture container, and only by name.
  EXPECT_EQ(pictures.asked, std::vector<std::string>{});
  Measure("<IMG SRC=\"/etc/passwd\">a");
  ASSERT_FALSE(pictures.asked.empty());
  for (const std::string& name : pictures.asked) EXPECT_EQ(name, "/etc/passwd");
}

// Rotation tags keep a stack of the fonts before them: closes without an
// open change nothing, nested ones each restore their own, and whatever
// is left open is dropped when the call ends.
TEST_F(RenderHtmlTest, FontStackSurvivesNestedAndUnmatchedRotations) {
  const int a = Width("WW"), big = Width("WW", {}, 16), mid = Width("WW", {}, 10);
  ASSERT_LT(a, mid);
  ASSERT_LT(mid, big);
  struct Case { const char* markup; int width; };
  const Case cases[] = {
      {"</R></R>WW", a + 2},
      {"<R \"90\"><FONT SIZE=\"5\">WW</R>WW", big + a + 2},
      {"<R \"90\"><FONT SIZE=\"5\"><R \"45\"><FONT SIZE=\"2\">WW</R>WW</R>WW", mid + big + a + 2},
      {"<FONT SIZE=\"5\"><R \"90\"></FONT></R>WW", big + 2},
  };
  for (const Case& k : cases) EXPECT_EQ(Measure(k.markup).Width, k.width) << k.markup;

  TFont before;
  before.Assign(Canvas().Font());
  Draw("<R \"90\"><R \"45\"><B><I><FONT FACE=\"Courier\" SIZE=\"5\" COLOR=\"clRed\">open");
  EXPECT_TRUE(Canvas().Font()->SameAs(before));
  EXPECT_EQ(Measure("WW").Width, a + 2) << "the next call starts from the base font";
}

TEST_F(RenderHtmlTest, TilingAPictureWithoutWidthOrHeightDrawsNothing) {
  pictures.pictures.emplace_back("flat", std::make_unique<TSolidPicture>(0, 5, clFuchsia));
  pictures.pictures.emplace_back("thin", std::make_unique<TSolidPicture>(5, 0, clFuchsia));
  Draw("<BODY BACKGROUND=\"flat\"><BODY BACKGROUND=\"thin\">", {0, 0, 40, 40});
  EXPECT_EQ(pictures.pictures[0].second->draws, 0);
  EXPECT_EQ(pictures.pictures[1].second->draws, 0);
}

TEST_F(RenderHtmlTest, LeavesTheCanvasAsItFoundIt) {
  Canvas().Brush()->SetColor(clYellow);
  Canvas().Pen()->SetColor(clNavy);
  Draw("<BODY BGCOLOR=\"#00FF00\"><P BGCOLOR=\"#FF0000\"><HI>x</HI><E>y</E><HR>");
  EXPECT_EQ(Canvas().Brush()->Color(), clYellow);
  EXPECT_EQ(Canvas().Brush()->Style(), bsSolid);
  EXPECT_EQ(Canvas().Pen()->Color(), clNavy);
}
