#include "TComponent.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) : alive_(std::make_shared<char>(0)) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Tell every component that watches this one, then those it watches
  // forget it.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    auto& back = other->freeNotifies_;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Destroying() {
  state_.Include(csDestroying);
  alive_.reset();
}

TComponent* TComponent::FindComponent(std::string_view Name) const {
  for (TComponent* c : components_)
    if (!Name.empty() && c->name_ == Name) return c;
  return nullptr;
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent) == freeNotifies_.end()) {
    freeNotifies_.push_back(AComponent);
    AComponent->freeNotifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), AComponent),
                      freeNotifies_.end());
  auto& back = AComponent->freeNotifies_;
  back.erase(std::remove(back.begin(), back.end(), this), back.end());
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* c = components_.back();
    // Removes itself from components_ through RemoveComponent.
    delete c;
  }
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // Owned components hear of every component joining or leaving the owner.
  for (size_t i = 0; i < components_.size(); ++i)
    if (components_[i] != AComponent) components_[i]->Notification(AComponent, Operation);
}

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::SetDesigning(bool Value) {
  if (Value) state_.Include(csDesigning); else state_.Exclude(csDesigning);
}

void TComponent::BeginLoading() { SetLoadingTree(true); }

void TComponent::EndLoading() { LoadedTree(); }

void TComponent::SetLoadingTree(bool Loading) {
  if (Loading) state_.Include(csLoading); else state_.Exclude(csLoading);
  for (TComponent* c : components_) c->SetLoadingTree(Loading);
}

void TComponent::LoadedTree() {
  // The owner first, then what it owns, in creation order.
  if (state_.Contains(csLoading)) Loaded();
  state_.Exclude(csLoading);
  for (size_t i = 0; i < components_.size(); ++i) components_[i]->LoadedTree();
}

void TComponent::InsertComponent(TComponent* AComponent) {
  AComponent->owner_ = this;
  // A component made while its owner loads is part of what is loaded.
  if (state_.Contains(csLoading)) AComponent->state_.Include(csLoading);
  components_.push_back(AComponent);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  Notification(AComponent, opRemove);
  components_.erase(std::remove(components_.begin(), components_.end(), AComponent),
                    components_.end());
  AComponent->owner_ = nullptr;
}
