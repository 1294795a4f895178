#include "TButton.h"

#include "TApplication.h"

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csOpaque});
}

void TButton::SetDefault(bool Value) {
  default_ = Value;
  active_ = Value;
  Invalidate();
}

void TButton::Click() {
  if (TCustomForm* form = ParentForm()) form->SetModalResult(modalResult_);
  TCustomControl::Click();
}

void TButton::SetPressed(bool Pressed, bool Inside) {
  if (pressed_ == Pressed && inside_ == Inside) return;
  pressed_ = Pressed;
  inside_ = Inside;
  Invalidate();
}

void TButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    if (CanFocus()) SetFocus();
    SetPressed(true, true);
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButton::MouseMove(TShiftState Shift, int X, int Y) {
  if (pressed_) SetPressed(true, ClientRect().Contains({X, Y}));
  TCustomControl::MouseMove(Shift, X, Y);
}

void TButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) SetPressed(false, false);
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TButton::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_SPACE) {
    spaceDown_ = true;
    SetPressed(true, true);
  }
  TCustomControl::KeyDown(Key, Shift);
}

void TButton::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_SPACE && spaceDown_) {
    spaceDown_ = false;
    SetPressed(false, false);
    auto alive = AliveToken();
    Click();
    if (!IsAlive(alive)) return;
  }
  TCustomControl::KeyUp(Key, Shift);
}

void TButton::WndProc(TMessage& M) {
  switch (M.Msg) {
    case CM_DIALOGKEY:
      if (((M.WParam == VK_RETURN && active_) || (M.WParam == VK_ESCAPE && cancel_)) && CanFocus()) {
        Click();
        M.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<char32_t>(M.WParam), Caption()) && CanFocus()) {
        Click();
        M.Result = 1;
        return;
      }
      break;
    case CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<TWinControl*>(M.LParam);
      bool wasActive = active_;
      active_ = dynamic_cast<TButton*>(focused) ? focused == this : default_;
      if (wasActive != active_) Invalidate();
      return;
    }
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      hot_ = M.Msg == CM_MOUSEENTER;
      Invalidate();
      return;
    case WM_KILLFOCUS:
      spaceDown_ = false;
      SetPressed(false, false);
      break;
    default: break;
  }
  TCustomControl::WndProc(M);
}

void TButton::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  bool down = Pressed();
  bool enabled = Enabled();
  // A face of two bands in the system's light greys, a darker outline.
  TColor top = !enabled ? RGB(244, 244, 244) : down ? RGB(229, 244, 252) : hot_ ? RGB(234, 246, 253) : RGB(242, 242, 242);
  TColor bottom = !enabled ? RGB(244, 244, 244) : down ? RGB(196, 229, 246) : hot_ ? RGB(190, 230, 253) : RGB(221, 221, 221);
  TColor border = !enabled ? RGB(173, 178, 181) : down || hot_ ? RGB(60, 127, 177) : active_ ? RGB(51, 153, 255) : RGB(112, 112, 112);
  c->Brush()->SetColor(Parent() ? Parent()->Color() : clBtnFace);
  c->FillRect(r);
  c->Brush()->SetColor(top);
  c->FillRect({r.Left + 1, r.Top + 1, r.Right - 1, r.Top + r.Height() / 2});
  c->Brush()->SetColor(bottom);
  c->FillRect({r.Left + 1, r.Top + r.Height() / 2, r.Right - 1, r.Bottom - 1});
  c->Pen()->SetColor(border);
  c->Brush()->SetStyle(bsClear);
  c->RoundRect(r.Left, r.Top, r.Right, r.Bottom, 4, 4);
  c->Font()->Assign(Font());
  if (!enabled) c->Font()->SetColor(clGrayText);
  TRect text = r;
  if (down) text = text.Offset(1, 1);
  c->DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (Focused()) {
    c->Pen()->SetColor(clBlack);
    c->Pen()->SetStyle(psDot);
    c->Rectangle(r.Inflate(-3, -3));
    c->Pen()->SetStyle(psSolid);
  }
}
