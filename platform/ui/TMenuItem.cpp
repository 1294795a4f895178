#include "TMenuItem.h"

#include "TPopupMenu.h"

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
  if (menu_) menu_->Remove(this);
}

void TMenuItem::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  Changed();
}

void TMenuItem::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  Changed();
}

void TMenuItem::SetVisible(bool Value) {
  if (visible_ == Value) return;
  visible_ = Value;
  Changed();
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

void TMenuItem::Changed() {
  if (menu_) menu_->ItemChanged();
}
