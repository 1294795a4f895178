// The link between a control and its action: the action pushes its
// caption, enabled state and the rest through the link, and the control
// runs the action through it.
#pragma once

#include <functional>
#include <string>

#include "core/TObject.h"

class TBasicAction;
class TCustomAction;
class TControl;
class TComponent;

class TBasicActionLink : public TObject {
 public:
  ~TBasicActionLink() override;
  TBasicAction* Action() const { return action_; }
  void SetAction(TBasicAction* Value);
  virtual bool Execute(TComponent* AComponent);
  // Called after the action changed (OnChange of the control).
  std::function<void(TBasicAction* Sender)> OnChange;

  virtual void SetCaption(const std::string& Value) {}
  virtual void SetChecked(bool Value) {}
  virtual void SetEnabled(bool Value) {}
  virtual void SetGroupIndex(int Value) {}
  virtual void SetHint(const std::string& Value) {}
  virtual void SetImageIndex(int Value) {}
  virtual void SetVisible(bool Value) {}
  void Change();

 protected:
  TCustomAction* CustomAction() const;

 private:
  TBasicAction* action_ = nullptr;
};

class TControlActionLink : public TBasicActionLink {
 public:
  explicit TControlActionLink(TControl* Client) : client_(Client) {}
  TControl* Client() const { return client_; }

  // A property is linked while the control shows the action's value.
  virtual bool IsCaptionLinked() const;
  virtual bool IsEnabledLinked() const;
  virtual bool IsHintLinked() const;
  virtual bool IsVisibleLinked() const;

  void SetCaption(const std::string& Value) override;
  void SetEnabled(bool Value) override;
  void SetHint(const std::string& Value) override;
  void SetVisible(bool Value) override;

 private:
  TControl* client_;
};
