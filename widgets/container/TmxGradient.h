// The gradient settings object a background owns.
#pragma once

#include "TmxCustomGradient.h"

class TmxGradient : public TmxCustomGradient {
 public:
  TmxGradient();
  std::string ClassName() const override { return "TmxGradient"; }
};
