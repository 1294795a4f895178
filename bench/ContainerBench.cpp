// One paint of the main window's large container: 574 x 423 pixels, a
// solid clWindow background and a border of 5, on the headless desktop.
#include <benchmark/benchmark.h>

#include "container/TmxContainer.h"
#include "host/THeadlessHost.h"
#include "ui/TApplication.h"
#include "ui/TClock.h"
#include "ui/TCustomForm.h"

namespace {

void PaintContainer(benchmark::State& State) {
  THeadlessHost host;
  TVirtualClock clock;
  TApplication app(host, clock);
  auto* form = new TForm(&app);
  form->SetBounds(0, 0, 574, 575);
  auto* container = new TmxContainer(form);
  container->SetParent(form);
  container->SetBounds(0, 133, 574, 423);
  container->Background()->SetColor(clWindow);
  form->Show();
  app.ProcessMessages();
  for (auto _ : State) {
    container->Invalidate();
    container->Update();
  }
  State.SetLabel("574 x 423, solid clWindow, border 5");
}
BENCHMARK(PaintContainer)->Unit(benchmark::kMicrosecond);

}  // namespace
