#include "TAdvGlowButtonActionLink.h"

#include "TAdvCustomGlowButton.h"
#include "ui/TAction.h"

TAdvGlowButtonActionLink::TAdvGlowButtonActionLink(TAdvCustomGlowButton* Button)
    : TControlActionLink(Button), button_(Button) {}

bool TAdvGlowButtonActionLink::IsCheckedLinked() const {
  auto* a = CustomAction();
  bool linked = a && a->Checked() == button_->Down();
  button_->checkedLinked_ = linked;
  return linked;
}

bool TAdvGlowButtonActionLink::IsGroupIndexLinked() const {
  auto* a = CustomAction();
  bool linked = a && a->GroupIndex() == button_->GroupIndex();
  button_->groupIndexLinked_ = linked;
  return linked;
}

bool TAdvGlowButtonActionLink::IsImageIndexLinked() const {
  auto* a = CustomAction();
  return a && a->ImageIndex() == imageIndex_;
}

void TAdvGlowButtonActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) button_->SetDown(Value);
}

void TAdvGlowButtonActionLink::SetGroupIndex(int Value) {
  if (IsGroupIndexLinked()) button_->SetGroupIndex(Value);
}

void TAdvGlowButtonActionLink::SetImageIndex(int Value) {
  if (!IsImageIndexLinked()) return;
  imageIndex_ = Value;
  button_->SetImageIndex(Value);
}
