// Repainting the process list: with 10,000 items it costs what 30 cost,
// because only the rows in view are painted.
#include <benchmark/benchmark.h>

#include <string>

#include "host/THeadlessHost.h"
#include "ui/TApplication.h"
#include "ui/TCustomForm.h"
#include "ui/TListBox.h"

namespace {

void PaintList(benchmark::State& State) {
  THeadlessHost host;
  TVirtualClock clock;
  TApplication app(host, clock);
  auto* form = new TForm(&app);
  form->SetBounds(0, 0, 300, 420);
  auto* list = new TListBox(form);
  list->SetParent(form);
  list->SetBounds(15, 24, 238, 379);
  list->BeginUpdate();
  for (int i = 0; i < State.range(0); ++i) list->Items()->Add("process-" + std::to_string(i));
  list->EndUpdate();
  form->Show();
  app.ProcessMessages();
  for (auto _ : State) {
    list->Invalidate();
    list->Update();
  }
  State.SetLabel(std::to_string(State.range(0)) + " items");
}
BENCHMARK(PaintList)->Arg(30)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
