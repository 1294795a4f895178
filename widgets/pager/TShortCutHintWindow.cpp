#include "TShortCutHintWindow.h"

#include "draw/OfficeGradients.h"
#include "graphics/TCanvas.h"

TShortCutHintWindow::TShortCutHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

void TShortCutHintWindow::CreateParams(TCreateParams& Params) const {
  THintWindow::CreateParams(Params);
  Params.Style &= ~WS_BORDER;
}

void TShortCutHintWindow::WndProc(TMessage& M) {
  if (M.Msg == WM_ERASEBKGND) {
    M.Result = 1;
    return;
  }
  THintWindow::WndProc(M);
}

void TShortCutHintWindow::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  DrawStepGradient(*c, clWhite, clSilver, 32, r, false);
  c->Brush()->SetStyle(bsClear);
  // The window's own font stays in the canvas; later sizes measure with it.
  c->Font()->Assign(Font());
  TRect t = r;
  c->DrawText(Text(), t, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  c->Pen()->SetColor(clGray);
  c->RoundRect(r.Left, r.Top, r.Right, r.Bottom, 3, 3);
}
