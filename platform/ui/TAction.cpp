// Actions, action lists and the links that tie them to controls.
#include "TAction.h"

#include <algorithm>

#include "TActionLink.h"
#include "TActionList.h"
#include "TControl.h"
#include "TCustomImageList.h"

TBasicAction::~TBasicAction() {
  for (TBasicActionLink* l : std::vector<TBasicActionLink*>(links_)) l->SetAction(nullptr);
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

void TBasicAction::RegisterLink(TBasicActionLink* Link) { links_.push_back(Link); }

void TBasicAction::UnregisterLink(TBasicActionLink* Link) {
  links_.erase(std::remove(links_.begin(), links_.end(), Link), links_.end());
}

void TBasicAction::Changed() {
  ForEachLink([](TBasicActionLink* l) { l->Change(); });
}

TCustomAction::~TCustomAction() { SetActionList(nullptr); }

void TCustomAction::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  ForEachLink([&](TBasicActionLink* l) { l->SetCaption(Value); });
  caption_ = Value;
  Changed();
}

void TCustomAction::SetChecked(bool Value) {
  if (checked_ == Value) return;
  ForEachLink([&](TBasicActionLink* l) { l->SetChecked(Value); });
  checked_ = Value;
  Changed();
}

void TCustomAction::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  ForEachLink([&](TBasicActionLink* l) { l->SetEnabled(Value); });
  enabled_ = Value;
  Changed();
}

void TCustomAction::SetGroupIndex(int Value) {
  if (groupIndex_ == Value) return;
  ForEachLink([&](TBasicActionLink* l) { l->SetGroupIndex(Value); });
  groupIndex_ = Value;
  Changed();
}

void TCustomAction::SetHint(const std::string& Value) {
  if (hint_ == Value) return;
  ForEachLink([&](TBasicActionLink* l) { l->SetHint(Value); });
  hint_ = Value;
  Changed();
}

void TCustomAction::SetImageIndex(int Value) {
  if (imageIndex_ == Value) return;
  ForEachLink([&](TBasicActionLink* l) { l->SetImageIndex(Value); });
  imageIndex_ = Value;
  Changed();
}

void TCustomAction::SetVisible(bool Value) {
  if (visible_ == Value) return;
  ForEachLink([&](TBasicActionLink* l) { l->SetVisible(Value); });
  visible_ = Value;
  Changed();
}

void TCustomAction::SetActionList(TActionList* Value) {
  if (actionList_ == Value) return;
  if (actionList_) actionList_->RemoveAction(this);
  actionList_ = Value;
  if (actionList_) actionList_->AddAction(this);
}

bool TCustomAction::Execute() {
  if (!enabled_) return false;
  if (actionList_ && actionList_->OnExecute) {
    bool handled = false;
    actionList_->OnExecute(this, handled);
    if (handled) return true;
  }
  return TBasicAction::Execute();
}

TActionList::~TActionList() {
  for (TCustomAction* a : std::vector<TCustomAction*>(actions_)) a->SetActionList(nullptr);
}

void TActionList::RemoveAction(TCustomAction* A) {
  actions_.erase(std::remove(actions_.begin(), actions_.end(), A), actions_.end());
}

void TActionList::SetImages(TCustomImageList* Value) { images_ = Value; }

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (action_ == Value) return;
  if (action_) action_->UnregisterLink(this);
  action_ = Value;
  if (action_) action_->RegisterLink(this);
}

bool TBasicActionLink::Execute(TComponent* AComponent) {
  if (!action_) return false;
  auto alive = action_->AliveToken();
  TBasicAction* a = action_;
  a->SetActionComponent(AComponent);
  bool handled = false;
  try {
    handled = a->Execute();
  } catch (...) {
    if (IsAlive(alive)) a->SetActionComponent(nullptr);
    throw;
  }
  if (IsAlive(alive)) a->SetActionComponent(nullptr);
  return handled;
}

void TBasicActionLink::Change() {
  if (OnChange && action_) OnChange(action_);
}

TCustomAction* TBasicActionLink::CustomAction() const { return dynamic_cast<TCustomAction*>(action_); }

bool TControlActionLink::IsCaptionLinked() const {
  auto* a = CustomAction();
  return a && client_->Caption() == a->Caption();
}
bool TControlActionLink::IsEnabledLinked() const {
  auto* a = CustomAction();
  return a && client_->Enabled() == a->Enabled();
}
bool TControlActionLink::IsHintLinked() const {
  auto* a = CustomAction();
  return a && client_->Hint() == a->Hint();
}
bool TControlActionLink::IsVisibleLinked() const {
  auto* a = CustomAction();
  return a && client_->Visible() == a->Visible();
}

void TControlActionLink::SetCaption(const std::string& Value) {
  if (IsCaptionLinked()) client_->SetCaption(Value);
}
void TControlActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) client_->SetEnabled(Value);
}
void TControlActionLink::SetHint(const std::string& Value) {
  if (IsHintLinked()) client_->SetHint(Value);
}
void TControlActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) client_->SetVisible(Value);
}
