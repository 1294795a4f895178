#include "TAdvShapeButtonActionLink.h"

#include "TAdvCustomShapeButton.h"
#include "ui/TAction.h"

TAdvShapeButtonActionLink::TAdvShapeButtonActionLink(TAdvCustomShapeButton* Button)
    : TControlActionLink(Button), button_(Button) {}

bool TAdvShapeButtonActionLink::IsCheckedLinked() const {
  auto* a = CustomAction();
  return a && a->Checked() == button_->Down();
}

bool TAdvShapeButtonActionLink::IsGroupIndexLinked() const {
  auto* a = CustomAction();
  return a && a->GroupIndex() == button_->GroupIndex();
}

void TAdvShapeButtonActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) button_->SetDown(Value);
}

void TAdvShapeButtonActionLink::SetGroupIndex(int Value) {
  if (IsGroupIndexLinked()) button_->SetGroupIndex(Value);
}
