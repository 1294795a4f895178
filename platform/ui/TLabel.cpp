#include "TLabel.h"

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 65, 17);
  SetControlStyle(ControlStyle().Include(csReplicatable));
}

void TLabel::WndProc(TMessage& M) {
  TGraphicControl::WndProc(M);
  if (M.Msg == CM_TEXTCHANGED || M.Msg == CM_FONTCHANGED) AdjustBounds();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

uint32_t TLabel::TextFlags() const {
  uint32_t f = DT_EXPANDTABS;
  if (wordWrap_) f |= DT_WORDBREAK;
  if (!showAccelChar_) f |= DT_NOPREFIX;
  if (alignment_ == taCenter) f |= DT_CENTER;
  else if (alignment_ == taRightJustify) f |= DT_RIGHT;
  return f;
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || ComponentState().Contains(csLoading)) return;
  TCanvas measure;
  measure.Font()->Assign(Font());
  TRect r{0, 0, wordWrap_ ? Width() : 0, 0};
  std::string text = Caption().empty() ? std::string(" ") : Caption();
  measure.DrawText(text, r, TextFlags() | DT_CALCRECT);
  int x = Left();
  if (alignment_ == taRightJustify) x = Left() + Width() - r.Width();
  SetBounds(x, Top(), r.Width(), r.Height());
}

void TLabel::Paint() {
  TCanvas* c = Canvas();
  if (!transparent_) {
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
  }
  c->Brush()->SetStyle(bsClear);
  c->Font()->Assign(Font());
  if (!Enabled()) c->Font()->SetColor(clGrayText);
  TRect r = ClientRect();
  if (layout_ != tlTop) {
    TRect calc = r;
    c->DrawText(Caption(), calc, TextFlags() | DT_CALCRECT);
    int dy = layout_ == tlBottom ? r.Height() - calc.Height() : (r.Height() - calc.Height()) / 2;
    r.Top += dy;
  }
  c->DrawText(Caption(), r, TextFlags());
}

void TLabel::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  Invalidate();
}

void TLabel::SetAutoSize(bool Value) {
  if (autoSize_ == Value) return;
  autoSize_ = Value;
  AdjustBounds();
}

void TLabel::SetLayout(TTextLayout Value) {
  if (layout_ == Value) return;
  layout_ = Value;
  Invalidate();
}

void TLabel::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  Invalidate();
}

void TLabel::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetShowAccelChar(bool Value) {
  if (showAccelChar_ == Value) return;
  showAccelChar_ = Value;
  AdjustBounds();
  Invalidate();
}
