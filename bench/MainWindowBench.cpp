// One paint of the whole main window (574 x 575) with a list of 100
// processes, every control repainted.
#include <benchmark/benchmark.h>

#include "TdlgMain.h"
#include "host/THeadlessHost.h"
#include "os/TFakeProcessSnapshotService.h"
#include "os/TFakeProcessTermination.h"
#include "os/TFakeShell.h"
#include "picture/TJPEGImage.h"
#include "ui/TApplication.h"

namespace {

// Marks every windowed control of the tree for repainting.
void InvalidateAll(TWinControl* w) {
  w->Invalidate();
  for (int i = 0; i < w->ControlCount(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(w->Controls(i))) InvalidateAll(child);
}

void PaintMainWindow(benchmark::State& State) {
  RegisterJPEGImage();
  THeadlessHost host;
  TVirtualClock clock;
  TApplication app(host, clock);
  TFakeProcessSnapshotService snapshots;
  for (uint32_t pid = 1; pid <= 100; ++pid)
    snapshots.Entries.push_back(TFakeProcessSnapshotService::MakeEntry(pid, 1, "/usr/bin/process-" + std::to_string(pid)));
  TFakeProcessTermination termination;
  TFakeShell shell;
  auto* form = app.CreateForm<TdlgMain>(TMainServices{snapshots, termination, shell});
  form->Show();
  app.ProcessMessages();
  for (auto _ : State) {
    InvalidateAll(form);
    app.Windows().PaintWindow(form);
  }
  UnregisterJPEGImage();
}
BENCHMARK(PaintMainWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
