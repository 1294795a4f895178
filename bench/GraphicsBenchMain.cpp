// The main of the benchmarks that draw: the rasteriser starts offscreen,
// then Google Benchmark runs what the program registered.
#include <benchmark/benchmark.h>

#include "graphics/TGraphicsRuntime.h"

int main(int argc, char** argv) {
  TGraphicsRuntime runtime(argc, argv, true);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
