#include "TCustomControl.h"

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), canvas_(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(TDeviceContext* DC) {
  canvas_->SetHandle(DC);
  struct Detach {
    TCanvas* c;
    ~Detach() { c->SetHandle(nullptr); }
  } detach{canvas_.get()};
  Paint();
}
