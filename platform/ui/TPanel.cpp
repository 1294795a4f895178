#include "TPanel.h"

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 185, 41);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                                csDoubleClicks});
}

void TPanel::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());
}
