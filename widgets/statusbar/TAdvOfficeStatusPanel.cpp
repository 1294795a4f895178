#include "TAdvOfficeStatusPanel.h"

#include "ui/TCustomImageList.h"

TAdvOfficeStatusPanel::TAdvOfficeStatusPanel() {
  progress_.OnChange = [this] {
    if (OnChange) OnChange();
  };
}

void TAdvOfficeStatusPanel::SetText(const std::string& Value) {
  if (text_ == Value) return;
  text_ = Value;
  if (OnTextChanged) OnTextChanged();
}

void TAdvOfficeStatusPanel::SetAutoSize(bool Value) {
  if (autoSize_ == Value) return;
  autoSize_ = Value;
  if (Value && OnTextChanged) OnTextChanged();
  if (OnChange) OnChange();
}

void TAdvOfficeStatusPanel::SetAnimationImages(TCustomImageList* Value) {
  animationImages_ = Value;
  if (OnChange) OnChange();
}

void TAdvOfficeStatusPanel::SetAnimationDelay(int Value) {
  if (Value < 0) return;
  Store(animationDelay_, Value);
}

void TAdvOfficeStatusPanel::SetImageIndexes(std::vector<int> Value) { Store(imageIndexes_, Value); }
