// The bordered container the layouts place: a solid, gradient, bitmap or
// see-through panel with an inner margin and optional side lines.
#pragma once

#include "TmxCustomContainer.h"

class TmxContainer : public TmxCustomContainer {
 public:
  explicit TmxContainer(TComponent* AOwner);
  std::string ClassName() const override { return "TmxContainer"; }
};
