// One paint of an 81 x 45 action glow button (24 x 24 image, caption) in
// the main window's Luna colours, and one frame of a hot fade, on the
// headless desktop; also the paints a fade frame costs the window.
#include <benchmark/benchmark.h>

#include <memory>

#include "Resources.h"
#include "glowbutton/TAdvGlowButton.h"
#include "graphics/TGraphicsRuntime.h"
#include "host/THeadlessHost.h"
#include "ui/TApplication.h"
#include "ui/TClock.h"
#include "ui/TCustomForm.h"
#include "ui/TCustomImageList.h"

namespace {

// The window of the benchmarks: a form with two action buttons.
struct Desk {
  THeadlessHost host;
  TVirtualClock clock;
  TApplication app{host, clock};
  TForm* form = nullptr;
  TAdvGlowButton* kill = nullptr;
  TAdvGlowButton* help = nullptr;

  Desk() {
    form = new TForm(&app);
    form->SetBounds(0, 0, 348, 69);
    auto* images = new TCustomImageList(form);
    images->SetSize(24, 24);
    images->AddImages(FindResource("iml_normal.png"));
    kill = Button(images, 5, "Kill Process", 1);
    help = Button(images, 175, "Help", 2);
    form->Show();
    app.ProcessMessages();
  }
  TAdvGlowButton* Button(TCustomImageList* Images, int Left, const char* Caption, int Image) {
    auto* b = new TAdvGlowButton(form);
    b->SetParent(form);
    b->SetBounds(Left, 5, 81, 45);
    b->ApplyStyleCode(4);
    b->SetFocusType(ftHot);
    b->SetCaption(Caption);
    b->SetImages(Images);
    b->SetImageIndex(Image);
    return b;
  }
  // Lets every fade end away from the buttons, then puts the cursor over
  // Button and lets its hot fade run two ticks.
  void HalfwayHot(TAdvGlowButton* Button) {
    host.MoveMouse(form->ClientToScreen({340, 60}));
    app.AdvanceTime(300);
    host.MoveMouse(Button->ClientToScreen({40, 20}));
    app.AdvanceTime(60);
  }
};

std::unique_ptr<Desk> desk;

void PaintActionButton(benchmark::State& State) {
  for (auto _ : State) {
    desk->kill->Invalidate();
    desk->kill->Update();
  }
  State.SetLabel("81 x 45, 24 x 24 image, caption on two lines");
}
BENCHMARK(PaintActionButton)->Unit(benchmark::kMicrosecond);

void PaintFadeFrame(benchmark::State& State) {
  desk->HalfwayHot(desk->help);
  if (!desk->help->Fading()) State.SkipWithError("the button is not fading");
  const uint64_t paints = desk->app.Windows().PaintCount();
  for (auto _ : State) {
    desk->help->Invalidate();
    desk->help->Update();
  }
  State.counters["paints_per_frame"] =
      double(desk->app.Windows().PaintCount() - paints) / double(State.iterations());
  State.SetLabel("hot fade at " + std::to_string(desk->help->HotFade()) + " %");
}
BENCHMARK(PaintFadeFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  TGraphicsRuntime runtime(argc, argv, true);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  desk = std::make_unique<Desk>();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  desk.reset();
  return 0;
}
