// The background settings object a container item owns.
#pragma once

#include "TmxCustomBackground.h"

class TmxBackground : public TmxCustomBackground {
 public:
  TmxBackground();
  std::string ClassName() const override { return "TmxBackground"; }
};
