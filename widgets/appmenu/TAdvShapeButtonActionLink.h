// The link between an application button and its action: besides the
// enabled state, hint and visibility, the action's Checked drives Down and
// its GroupIndex the button's.
#pragma once

#include "ui/TActionLink.h"

class TAdvCustomShapeButton;

class TAdvShapeButtonActionLink : public TControlActionLink {
 public:
  explicit TAdvShapeButtonActionLink(TAdvCustomShapeButton* Button);

  // Linked while the button shows the action's value.
  bool IsCheckedLinked() const;
  bool IsGroupIndexLinked() const;

  void SetChecked(bool Value) override;
  void SetGroupIndex(int Value) override;

 private:
  TAdvCustomShapeButton* button_;
};
