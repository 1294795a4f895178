// Components: objects with an owner that frees them, a name, a loading
// state, and notifications when a component they refer to goes away.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "TPersistent.h"
#include "TSet.h"

enum TComponentStateFlag { csLoading, csReading, csDestroying, csDesigning, csUpdating };
using TComponentState = TSet<TComponentStateFlag>;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  std::string ClassName() const override { return "TComponent"; }

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string Value) { name_ = std::move(Value); }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int Index) const { return components_.at(Index); }
  TComponent* FindComponent(std::string_view Name) const;
  TComponentState ComponentState() const { return state_; }
  int Tag = 0;

  // Asks to be told (Notification with opRemove) when AComponent is freed.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Loading as from a layout: every component owned by this one (and this
  // one) carries csLoading until EndLoading, which calls Loaded on each in
  // creation order.
  void BeginLoading();
  void EndLoading();

  // Frees every owned component, last created first.
  void DestroyComponents();

  // A token that expires when this component starts going away; lets code
  // that calls an event handler find out whether the handler freed the
  // sender, and is what weak handles (TWeak) stand on.
  std::weak_ptr<void> AliveToken() const { return alive_; }

 protected:
  // Marks the component as going away (csDestroying) and expires its
  // token. A class whose destructor sends messages calls it first, so that
  // nothing reaches the half-destroyed object through a weak handle.
  void Destroying();
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  virtual void Loaded();
  void SetDesigning(bool Value);
  void IncludeState(TComponentStateFlag Flag) { state_.Include(Flag); }
  void ExcludeState(TComponentStateFlag Flag) { state_.Exclude(Flag); }

 private:
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  void SetLoadingTree(bool Loading);
  void LoadedTree();

  TComponent* owner_ = nullptr;
  std::string name_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  TComponentState state_;
  std::shared_ptr<void> alive_;
};

// True while the component behind Token still exists.
inline bool IsAlive(const std::weak_ptr<void>& Token) { return !Token.expired(); }
