// The link between a glow button and its action: besides caption,
// enabled state, hint and visibility, the action's Checked drives Down,
// and its GroupIndex and ImageIndex the button's.
#pragma once

#include "ui/TActionLink.h"

class TAdvCustomGlowButton;

class TAdvGlowButtonActionLink : public TControlActionLink {
 public:
  explicit TAdvGlowButtonActionLink(TAdvCustomGlowButton* Button);

  // Linked while the button shows the action's value; the answer is also
  // remembered on the button.
  bool IsCheckedLinked() const;
  bool IsGroupIndexLinked() const;
  // Linked while the action's image index is the one last passed on.
  bool IsImageIndexLinked() const;

  void SetChecked(bool Value) override;
  void SetGroupIndex(int Value) override;
  void SetImageIndex(int Value) override;

  // The image index the button last took from the action.
  int PassedImageIndex() const { return imageIndex_; }
  void SetPassedImageIndex(int Value) { imageIndex_ = Value; }

 private:
  TAdvCustomGlowButton* button_;
  int imageIndex_ = -1;
};
