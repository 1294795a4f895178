// A program of the platform alone for the real-window tests of window
// states, owned windows and moving: a frameless main form titled "Windows
// main" that draws its own frame (a 24-pixel caption band and 6-pixel
// right and bottom edges to resize from) and that, half a second after it
// is on screen, does what its argument asks: "maximize" maximises it,
// "box" opens a message box titled "Windows box"; with no argument it
// only waits to be dragged.
#include <memory>
#include <string>

#include "graphics/TGraphicsRuntime.h"
#include "host/TQtHost.h"
#include "ui/Messages.h"
#include "ui/TApplication.h"
#include "ui/TClock.h"
#include "ui/TCustomForm.h"

namespace {

class TFramedForm : public TForm {
 public:
  using TForm::TForm;
  void WndProc(TMessage& M) override {
    if (M.Msg == WM_NCHITTEST) {
      const TPoint p = ScreenToClient(LParamToPoint(M.LParam));
      const bool right = p.X >= Width() - 6, bottom = p.Y >= Height() - 6;
      M.Result = right && bottom ? HTBOTTOMRIGHT : right ? HTRIGHT : bottom ? HTBOTTOM : p.Y < 24 ? HTCAPTION : HTCLIENT;
      return;
    }
    TForm::WndProc(M);
  }

 protected:
  void Paint() override {
    TForm::Paint();
    Canvas()->Brush()->SetColor(clTeal);
    Canvas()->FillRect({0, 0, Width(), 24});
  }
};

}  // namespace

int main(int argc, char** argv) {
  TGraphicsRuntime graphics(argc, argv, false);
  std::string what = argc > 1 ? argv[1] : "";
  TQtHost host;
  TMonotonicClock clock;
  TApplication app(host, clock);
  app.SetTitle("Windows main");
  auto* form = app.CreateForm<TFramedForm>();
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
