// The pager's caption bar at the main window's size: the 574 x 27 face in
// the Luna caption colours, and the window title drawn on it.
#include <benchmark/benchmark.h>

#include "draw/ToolBarSchemes.h"
#include "draw/TVistaTextBackground.h"
#include "graphics/TBitmap.h"
#include "pager/ToolBarFace.h"

namespace {

// The caption bar paints its face one row taller than the bitmap, so the
// bottom edge of the frame falls outside.
void BM_CaptionFace574x27(benchmark::State& state) {
  const TVistaBackgroundValues& c = SchemeOf(bsOffice2007Luna)->PagerCaption;
  TBitmap bar(574, 27);
  for (auto _ : state)
    DrawToolBarFace(*bar.Canvas(), {0, 0, 574, 28}, c.Color, c.ColorTo, c.ColorMirror, c.ColorMirrorTo,
                    c.Gradient, c.GradientMirror, c.BorderColor, false);
}
BENCHMARK(BM_CaptionFace574x27)->Unit(benchmark::kMicrosecond);

void BM_CaptionText(benchmark::State& state) {
  const TVistaTextBackground caption;
  TBitmap bar(574, 27);
  for (auto _ : state)
    DrawToolBarText(*bar.Canvas(), taCenter, {100, 0, 516, 27}, aaClearType, true, caption.Font(),
                    " Morvane by Tolvaris, Inc.");
}
BENCHMARK(BM_CaptionText)->Unit(benchmark::kMicrosecond);

}  // namespace
