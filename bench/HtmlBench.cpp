// The status bar's HTML renderer: the version panel's plain markup as it
// is painted, measured for auto-sizing and hit-tested under the mouse, and
// a long marked-up text that wraps over many lines.
#include <benchmark/benchmark.h>

#include <string>

#include "graphics/TBitmap.h"
#include "statusbar/RenderHtml.h"

namespace {

constexpr const char* kVersion = "Version 2.0.0.0 Build 2";

void BM_VersionPanel(benchmark::State& state) {
  TBitmap panel(150, 19);
  THtmlRenderOptions o;
  const int mode = static_cast<int>(state.range(0));
  TRect r{4, 4, 148, 17};
  if (mode == 1) {
    o.MeasureOnly = true;
    r = {0, 0, 1000, 100};
  } else if (mode == 2) {
    o.MeasureOnly = true;
    o.Hit = {40, 10};
    r = {1, 1, 150, 18};
  }
  for (auto _ : state) benchmark::DoNotOptimize(RenderHtml(*panel.Canvas(), kVersion, r, o));
  state.SetLabel(mode == 0 ? "paint" : mode == 1 ? "auto-size" : "hit test");
}
BENCHMARK(BM_VersionPanel)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

std::string LongMarkup() {
  std::string s;
  for (int i = 0; i < 20; ++i)
    s += "<P ALIGN=\"LEFT\">Process <B>morvane</B> uses <FONT COLOR=\"#C00000\" SIZE=\"3\">12&nbsp;MB</FONT>, "
         "see <A HREF=\"http://example.com\">details</A> &amp; <I>notes</I> x<SUB>2</SUB> "
         "<UL><LI>first item<LI>second <SHAD>item</SHAD></UL></P>";
  return s;
}

void BM_LongMarkup(benchmark::State& state) {
  const std::string markup = LongMarkup();
  TBitmap target(400, 2000);
  THtmlRenderOptions o;
  o.MeasureOnly = state.range(0) == 1;
  for (auto _ : state) benchmark::DoNotOptimize(RenderHtml(*target.Canvas(), markup, {0, 0, 400, 2000}, o));
  state.SetLabel(o.MeasureOnly ? "measure" : "paint");
  state.counters["bytes"] = static_cast<double>(markup.size());
}
BENCHMARK(BM_LongMarkup)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
