#include "TMessageForm.h"

#include <algorithm>

#include "TApplication.h"
#include "TButton.h"
#include "TLabel.h"

namespace {
constexpr int kMargin = 12;
constexpr int kIcon = 32;
constexpr int kMaxTextWidth = 420;
}  // namespace

TMessageForm::TMessageForm(TComponent* AOwner, const std::string& Text, const std::string& Caption, bool ErrorIcon)
    : TForm(AOwner), errorIcon_(ErrorIcon) {
  SetBorderStyle(bsDialog);
  SetBorderIcons({biSystemMenu});
  SetPosition(poMainFormCenter);
  SetCaption(Caption);
  Font()->SetName("Tahoma");
  Font()->SetHeight(-11);

  message_ = new TLabel(this);
  message_->SetParent(this);
  message_->SetShowAccelChar(false);
  message_->SetWordWrap(true);
  message_->SetAutoSize(false);
  TCanvas measure;
  measure.Font()->Assign(Font());
  TRect r{0, 0, kMaxTextWidth, 0};
  measure.DrawText(Text.empty() ? std::string(" ") : Text, r, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  int textLeft = kMargin + (ErrorIcon ? kIcon + kMargin : 0);
  int textHeight = std::max(r.Height(), ErrorIcon ? kIcon : 0);
  message_->SetBounds(textLeft, kMargin + (textHeight - r.Height()) / 2, r.Width() + 1, r.Height());
  message_->SetCaption(Text);
  message_->SetTransparent(true);

  int width = std::max(textLeft + r.Width() + kMargin, 75 + 2 * kMargin);
  width = std::max(width, 160);
  ok_ = new TButton(this);
  ok_->SetParent(this);
  ok_->SetCaption("OK");
  ok_->SetModalResult(mrOk);
  ok_->SetDefault(true);
  ok_->SetCancel(true);
  int buttonTop = kMargin + textHeight + kMargin;
  ok_->SetBounds((width - 75) / 2, buttonTop, 75, 25);
  SetClientSize(width, buttonTop + 25 + kMargin);
  SetActiveControl(ok_);
}

void TMessageForm::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetColor(clWindow);
  c->FillRect({0, 0, Width(), ok_->Top() - kMargin / 2});
  if (!errorIcon_) return;
  // The error sign: a red disc with a white cross.
  TRect disc = TRect::Bounds(kMargin, kMargin, kIcon, kIcon);
  c->Pen()->SetColor(RGB(170, 20, 20));
  c->Brush()->SetColor(RGB(220, 40, 40));
  c->Ellipse(disc.Left, disc.Top, disc.Right, disc.Bottom);
  c->Pen()->SetColor(clWhite);
  c->Pen()->SetWidth(3);
  c->MoveTo(disc.Left + 10, disc.Top + 10);
  c->LineTo(disc.Right - 10, disc.Bottom - 10);
  c->MoveTo(disc.Right - 10, disc.Top + 10);
  c->LineTo(disc.Left + 10, disc.Bottom - 10);
  c->Pen()->SetWidth(1);
}

int ShowMessageForm(const std::string& Text, const std::string& Caption, int Flags) {
  if (!Application) return IDOK;
  auto* form = new TMessageForm(Application, Text, Caption, (Flags & MB_ICONERROR) != 0);
  auto alive = form->AliveToken();
  try {
    form->ShowModal();
  } catch (...) {
    if (IsAlive(alive)) delete form;
    throw;
  }
  if (IsAlive(alive)) delete form;
  return IDOK;
}
