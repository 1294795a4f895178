// A plain container: its colour and its children.
#pragma once

#include "TCustomControl.h"

class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* AOwner);
  std::string ClassName() const override { return "TPanel"; }

 protected:
  void Paint() override;
};
