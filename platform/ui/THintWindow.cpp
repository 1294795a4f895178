#include "THintWindow.h"

#include <algorithm>

#include "graphics/TCanvas.h"

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  SetBounds(0, 0, 0, 0);
  SetColor(clInfoBk);
  // The canvas measures with the system's hint font until a paint
  // selects the window's own.
  Canvas()->Font()->SetName("Tahoma");
  Canvas()->Font()->SetSize(8);
}

void THintWindow::CreateParams(TCreateParams& Params) const {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT;
  Params.WindowClassStyle |= CS_SAVEBITS | CS_DROPSHADOW;
}

void THintWindow::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_NCHITTEST: M.Result = HTTRANSPARENT; return;
    case CM_TEXTCHANGED: {
      TSize s = TextSize(Text());
      SetBounds(Left(), Top(), s.cx, s.cy);
      Invalidate();
      return;
    }
    default: break;
  }
  TCustomControl::WndProc(M);
}

TSize THintWindow::TextSize(const std::string& AHint) const {
  TSize t = Canvas()->TextExtent(AHint);
  return {t.cx + 6, t.cy + 4};
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint) const {
  TRect r{0, 0, std::max(MaxWidth - 6, 1), 0};
  Canvas()->DrawText(AHint, r, DT_CALCRECT | DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
  return {0, 0, r.Width() + 6, r.Height() + 4};
}

void THintWindow::ActivateHint(const TRect& Rect, const std::string& AHint) {
  SetCaption(AHint);
  SetBoundsRect(Rect);
  Show();
  Invalidate();
}

void THintWindow::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  c->Brush()->SetColor(clBlack);
  c->FrameRect(r);
  c->Font()->Assign(Font());
  c->Font()->SetColor(clInfoText);
  c->Brush()->SetStyle(bsClear);
  TRect t = r.Inflate(-2, -2);
  c->DrawText(Text(), t, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}
