// The lines between a toolbar's containers.
#pragma once

#include "TValueHolder.h"
#include "graphics/TColor.h"

struct TContainerAppearanceValues {
  TColor LineColor = clBtnShadow;
  bool Line3D = true;
  friend bool operator==(const TContainerAppearanceValues&, const TContainerAppearanceValues&) = default;
};

class TContainerAppearance : public TValueHolder<TContainerAppearanceValues> {
 public:
  std::string ClassName() const override { return "TContainerAppearance"; }
};
