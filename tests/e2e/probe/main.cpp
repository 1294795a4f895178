// A frameless window that draws its own frame, for the real-window tests
// of moving and resizing: a 24-pixel caption and 6-pixel right and bottom
// edges, titled "Morvane probe".
#include "graphics/TGraphicsRuntime.h"
#include "host/TQtHost.h"
#include "ui/Messages.h"
#include "ui/TApplication.h"
#include "ui/TClock.h"
#include "ui/TCustomForm.h"

namespace {

class TProbeForm : public TForm {
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
    Canvas()->Brush()->SetColor(clTeal);
    Canvas()->FillRect({0, 0, Width(), 24});
    Canvas()->Brush()->SetColor(clSilver);
    Canvas()->FillRect({0, 24, Width(), Height()});
  }
};

}  // namespace

int main(int argc, char** argv) {
  TGraphicsRuntime graphics(argc, argv, false);
  TQtHost host;
  TMonotonicClock clock;
  TApplication app(host, clock);
  app.SetTitle("Morvane probe");
  auto* form = app.CreateForm<TProbeForm>();
  form->SetBorderStyle(bsNone);
  form->SetCaption("Morvane probe");
  form->SetBounds(200, 200, 300, 200);
  app.Run();
  return 0;
}
