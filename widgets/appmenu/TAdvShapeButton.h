// The application button as the layouts place it.
#pragma once

#include "TAdvCustomShapeButton.h"

class TAdvShapeButton : public TAdvCustomShapeButton {
 public:
  explicit TAdvShapeButton(TComponent* AOwner) : TAdvCustomShapeButton(AOwner) {}
  std::string ClassName() const override { return "TAdvShapeButton"; }
};
