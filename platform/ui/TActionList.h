// A list of actions with the image list their image indexes refer to.
#pragma once

#include <vector>

#include "TAction.h"

class TCustomImageList;

class TActionList : public TComponent {
 public:
  explicit TActionList(TComponent* AOwner) : TComponent(AOwner) {}
  ~TActionList() override;
  std::string ClassName() const override { return "TActionList"; }

  int ActionCount() const { return static_cast<int>(actions_.size()); }
  TCustomAction* Actions(int Index) const { return actions_.at(Index); }
  TCustomImageList* Images() const { return images_.Get(); }
  void SetImages(TCustomImageList* Value);

  // Runs before an action's own handler; setting Handled stops it there.
  std::function<void(TBasicAction* Action, bool& Handled)> OnExecute;

 private:
  friend class TCustomAction;
  void AddAction(TCustomAction* A) { actions_.push_back(A); }
  void RemoveAction(TCustomAction* A);
  std::vector<TCustomAction*> actions_;
  TWeak<TCustomImageList> images_;
};
