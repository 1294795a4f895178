#include "TPanel.h"

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 185, 41);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                                csDoubleClicks});
}

void TPanel::SetFramed(bool Value) {
  if (framed_ == Value) return;
  framed_ = Value;
  Invalidate();
}

void TPanel::SetFrameColor(TColor Value) {
  if (frameColor_ == Value) return;
  frameColor_ = Value;
  Invalidate();
}

void TPanel::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());
  if (!framed_) return;
  c->Brush()->SetColor(frameColor_);
  c->FrameRect(ClientRect());
}
