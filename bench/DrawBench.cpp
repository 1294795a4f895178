// The Office primitives at the sizes the main window paints them: a glow
// button face, the pager's stepped gradient and the container's solid
// fill. Needs the rasteriser, started offscreen before the benchmarks.
#include <benchmark/benchmark.h>

#include "draw/OfficeFrames.h"
#include "draw/OfficeGradients.h"
#include "graphics/TBitmap.h"
#include "graphics/gdiplus/GpGraphics.h"
#include "graphics/gdiplus/GpSolidFill.h"

namespace {

// An 81 x 45 face as a glow button paints it: the mirrored fill without
// smoothing, then the anti-aliased rounded frame.
void BM_GlowFace81x45(benchmark::State& state) {
  const auto kind = static_cast<TGDIPGradient>(state.range(0));
  TBitmap face(81, 45);
  for (auto _ : state) {
    GpGraphics g(*face.Canvas());
    FillMirrorGradient(g, {0, 0, 81, 45}, 0xFFF9F5, 0xFDEBDB, 0xF5D9BF, 0xFBF3EA, kind, kind);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    DrawRoundedFrame(g, 0xB99D7F, 0, 0, 80, 44, 3);
  }
  state.SetLabel(kind == ggRadial ? "radial halves" : "vertical halves");
}
BENCHMARK(BM_GlowFace81x45)->Arg(ggVertical)->Arg(ggRadial)->Unit(benchmark::kMicrosecond);

void BM_StepGradient566x75(benchmark::State& state) {
  TBitmap b(566, 75);
  const int steps = static_cast<int>(state.range(0));
  for (auto _ : state) DrawStepGradient(*b.Canvas(), 0xFFEFE3, 0xE5C7A7, steps, {0, 0, 566, 75}, false);
}
BENCHMARK(BM_StepGradient566x75)->Arg(32)->Arg(128)->Unit(benchmark::kMicrosecond);

void BM_SolidFill574x423(benchmark::State& state) {
  TBitmap b(574, 423);
  GpSolidFill fill(0xFFF0F0F0u);
  for (auto _ : state) {
    GpGraphics g(*b.Canvas());
    g.FillRectangle(fill, 0, 0, 574, 423);
  }
}
BENCHMARK(BM_SolidFill574x423)->Unit(benchmark::kMicrosecond);

}  // namespace
