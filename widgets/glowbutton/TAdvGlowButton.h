// The glow button as the layouts place it.
#pragma once

#include "TAdvCustomGlowButton.h"

class TAdvGlowButton : public TAdvCustomGlowButton {
 public:
  explicit TAdvGlowButton(TComponent* AOwner) : TAdvCustomGlowButton(AOwner) {}
  std::string ClassName() const override { return "TAdvGlowButton"; }
};
