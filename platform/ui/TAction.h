// Actions: commands with a caption, an enabled state, an image index and
// an execute handler, shared by every control linked to them.
#pragma once

#include <string>
#include <vector>

#include "core/TComponent.h"
#include "core/TWeak.h"

class TActionList;
class TBasicActionLink;

class TBasicAction : public TComponent {
 public:
  explicit TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}
  ~TBasicAction() override;
  std::string ClassName() const override { return "TBasicAction"; }

  // Runs OnExecute; true when something handled the action.
  virtual bool Execute();
  // The control that runs the action during Execute.
  TComponent* ActionComponent() const { return actionComponent_.Get(); }
  void SetActionComponent(TComponent* Value) { actionComponent_ = Value; }

  TNotifyEvent OnExecute;

 protected:
  friend class TBasicActionLink;
  void RegisterLink(TBasicActionLink* Link);
  void UnregisterLink(TBasicActionLink* Link);
  // Calls Apply on every link, copying the list first: a link may go away.
  template <class F>
  void ForEachLink(F Apply) {
    auto links = links_;
    for (TBasicActionLink* l : links)
      if (std::find(links_.begin(), links_.end(), l) != links_.end()) Apply(l);
  }
  void Changed();

 private:
  std::vector<TBasicActionLink*> links_;
  TWeak<TComponent> actionComponent_;
};

class TCustomAction : public TBasicAction {
 public:
  explicit TCustomAction(TComponent* AOwner) : TBasicAction(AOwner) {}
  ~TCustomAction() override;
  std::string ClassName() const override { return "TCustomAction"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  bool Checked() const { return checked_; }
  void SetChecked(bool Value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int Value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value);
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);

  TActionList* ActionList() const { return actionList_; }
  void SetActionList(TActionList* Value);
  bool Execute() override;

 private:
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  int groupIndex_ = 0;
  std::string hint_;
  int imageIndex_ = -1;
  bool visible_ = true;
  TActionList* actionList_ = nullptr;
};

class TAction : public TCustomAction {
 public:
  explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}
  std::string ClassName() const override { return "TAction"; }
};
