#include "TGraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& Message) {
  if (Message.Msg == WM_PAINT) {
    auto* dc = reinterpret_cast<TDeviceContext*>(Message.WParam);
    if (!dc) return;
    canvas_->SetHandle(dc);
    struct Detach {
      TCanvas* c;
      ~Detach() { c->SetHandle(nullptr); }
    } detach{canvas_.get()};
    Paint();
    return;
  }
  TControl::WndProc(Message);
}
