// A program of the platform alone for the real-window tests of window
// states and owned windows: a frameless main form titled "Windows main"
// that, half a second after it is on screen, does what its argument asks:
// "maximize" maximises it, "box" opens a message box titled "Windows box".
#include <memory>
#include <string>

#include "graphics/TGraphicsRuntime.h"
#include "host/TQtHost.h"
#include "ui/TApplication.h"
#include "ui/TClock.h"
#include "ui/TCustomForm.h"

int main(int argc, char** argv) {
  TGraphicsRuntime graphics(argc, argv, false);
  std::string what = argc > 1 ? argv[1] : "";
  TQtHost host;
  TMonotonicClock clock;
  TApplication app(host, clock);
  app.SetTitle("Windows main");
  auto* form = app.CreateForm<TForm>();
  form->SetBorderStyle(bsNone);
  form->SetCaption("Windows main");
  form->SetColor(clNavy);
  form->SetBounds(40, 40, 320, 200);
  auto alive = std::make_shared<int>(0);
  uintptr_t timer = 0;
  timer = app.StartTimer(
      500,
      [&] {
        app.StopTimer(timer);
        if (what == "maximize") form->SetWindowState(wsMaximized);
        if (what == "box") app.MessageBox("Owned by the main window", "Windows box", 0);
      },
      alive);
  app.Run();
  return 0;
}
