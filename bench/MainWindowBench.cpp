// One paint of the whole main window (574 x 575) with a list of 100
// processes, every control repainted, beside a plain fill of the same
// size in the same run; and one paint of the pager's band alone.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "TdlgMain.h"
#include "host/THeadlessHost.h"
#include "os/TFakeProcessSnapshotService.h"
#include "os/TFakeProcessTermination.h"
#include "os/TFakeShell.h"
#include "graphics/TBitmap.h"
#include "pager/TAdvToolBarPager.h"
#include "picture/TJPEGImage.h"
#include "ui/TApplication.h"

namespace {

// Marks every windowed control of the tree for repainting.
void InvalidateAll(TWinControl* w) {
  w->Invalidate();
  for (int i = 0; i < w->ControlCount(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(w->Controls(i))) InvalidateAll(child);
}

// The main window on a headless desktop with 100 processes listed.
struct MainWindow {
  THeadlessHost host;
  TVirtualClock clock;
  TApplication app{host, clock};
  TFakeProcessSnapshotService snapshots;
  TFakeProcessTermination termination;
  TFakeShell shell;
  TdlgMain* form = nullptr;

  MainWindow() {
    for (uint32_t pid = 1; pid <= 100; ++pid)
      snapshots.Entries.push_back(
          TFakeProcessSnapshotService::MakeEntry(pid, 1, "/usr/bin/process-" + std::to_string(pid)));
    form = app.CreateForm<TdlgMain>(TMainServices{snapshots, termination, shell});
    form->Show();
    app.ProcessMessages();
  }
};

using Clock = std::chrono::steady_clock;

// Mean time of one plain fill of a W x H bitmap, in nanoseconds.
double PlainFillNs(int W, int H) {
  TBitmap b(W, H);
  b.Canvas()->Brush()->SetColor(clBtnFace);
  constexpr int rounds = 200;
  const auto start = Clock::now();
  for (int i = 0; i < rounds; ++i) {
    b.Canvas()->FillRect({0, 0, W, H});
    benchmark::DoNotOptimize(b.Canvas()->Pixel(i % W, i % H));
  }
  return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / rounds;
}

void PaintMainWindow(benchmark::State& State) {
  RegisterJPEGImage();
  {
    MainWindow w;
    double paintNs = 0;
    for (auto _ : State) {
      const auto start = Clock::now();
      InvalidateAll(w.form);
      w.app.Windows().PaintWindow(w.form);
      paintNs += std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    }
    State.counters["vs_plain_fill"] = paintNs / State.iterations() / PlainFillNs(w.form->Width(), w.form->Height());
  }
  UnregisterJPEGImage();
}
BENCHMARK(PaintMainWindow)->Unit(benchmark::kMicrosecond);

// The pager's band alone: the caption bar and its buttons.
void PaintPager(benchmark::State& State) {
  RegisterJPEGImage();
  {
    MainWindow w;
    for (auto _ : State) {
      InvalidateAll(w.form->AdvToolBarPager1);
      w.app.Windows().PaintWindow(w.form);
    }
  }
  UnregisterJPEGImage();
}
BENCHMARK(PaintPager)->Unit(benchmark::kMicrosecond);

}  // namespace
