// Bold text reads bold at the layout's small sizes: a bold word leaves
// clearly more ink than the same word regular, through the canvas and
// through the drawing surface.
#include <gtest/gtest.h>

#include <functional>

#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"
#include "graphics/TGraphicsRuntime.h"
#include "graphics/gdiplus/GpFont.h"
#include "graphics/gdiplus/GpGraphics.h"
#include "graphics/gdiplus/GpSolidFill.h"

namespace {

constexpr const char* kWord = "Selected Process Information";

// Pixels darker than mid-grey, and the darkness of all pixels together.
struct TInk {
  int dark = 0;
  long darkness = 0;
};

TInk InkOf(TBitmap& B) {
  TInk ink;
  for (int y = 0; y < B.Height(); ++y)
    for (int x = 0; x < B.Width(); ++x) {
      const TColor c = B.Canvas()->Pixel(x, y);
      const int grey = (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
      ink.dark += grey < 128;
      ink.darkness += 255 - grey;
    }
  return ink;
}

TInk CanvasInk(int Pixels, bool Bold) {
  TBitmap b(260, 24);
  TCanvas* c = b.Canvas();
  c->Font()->SetName("Tahoma");
  c->Font()->SetHeight(-Pixels);
  c->Font()->SetStyle(Bold ? TFontStyles{fsBold} : TFontStyles{});
  c->Brush()->SetStyle(bsClear);
  c->TextOut(2, 4, kWord);
  return InkOf(b);
}

TInk SurfaceInk(int Pixels, bool Bold) {
  TBitmap b(260, 24);
  GpGraphics g(*b.Canvas());
  g.SetTextRenderingHint(TextRenderingHintAntiAliasGridFit);
  GpFont font(GpFontFamily("Tahoma"), static_cast<float>(Pixels), Bold ? FontStyleBold : FontStyleRegular, UnitPixel);
  GpSolidFill black(0xFF000000u);
  g.DrawString(kWord, font, {2, 2, 256, 20}, nullptr, black);
  return InkOf(b);
}

}  // namespace

TEST(BoldText, LeavesClearlyMoreInkThanRegularAt11And12Pixels) {
  struct Path {
    const char* name;
    std::function<TInk(int, bool)> ink;
  };
  const Path paths[] = {{"canvas", CanvasInk}, {"drawing surface", SurfaceInk}};
  for (const Path& p : paths) {
    for (int px : {11, 12}) {
      const TInk regular = p.ink(px, false);
      const TInk bold = p.ink(px, true);
      ASSERT_GT(regular.dark, 0) << p.name << " " << px;
      EXPECT_GT(bold.dark, regular.dark * 6 / 5) << p.name << " " << px << " px";
      EXPECT_GT(bold.darkness, regular.darkness * 13 / 10) << p.name << " " << px << " px";
    }
  }
}

// The main window's layout sizes its bold labels (Tahoma, 12 pixels) for
// a bold face: emboldened text keeps close to those widths.
TEST(BoldText, KeepsTheWidthsTheLayoutGivesItsBoldLabels) {
  struct Case {
    const char* text;
    int width;
  };
  const Case cases[] = {
      {"Selected Process Information", 180}, {"Click to Select a Process", 147}, {"Flags", 30},
      {"Usage Count", 78},                   {"Process ID", 64},                 {"Default Heap ID", 98},
      {"Module ID", 63},                     {"Thread Count", 84},               {"Parent Process ID", 109},
      {"Base Priority", 77},
  };
  if (!TGraphicsRuntime::IsScreenFont("Tahoma")) GTEST_SKIP() << "Tahoma (fonts-wine) is not installed";
  TCanvas measure;
  measure.Font()->SetName("Tahoma");
  measure.Font()->SetHeight(-12);
  measure.Font()->SetStyle({fsBold});
  for (const Case& c : cases) EXPECT_NEAR(measure.TextWidth(c.text), c.width, 4) << c.text;
}
