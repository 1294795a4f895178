// The pager's tabs and the band behind them.
#pragma once

#include "TCustomTabAppearance.h"
#include "TGradientBackground.h"

class TTabAppearance : public TCustomTabAppearance {
 public:
  TTabAppearance();
  std::string ClassName() const override { return "TTabAppearance"; }
  TGradientBackground& BackGround() { return backGround_; }
  const TGradientBackground& BackGround() const { return backGround_; }

 protected:
  void AssignNested(const TValueHolder& Source) override;

 private:
  TGradientBackground backGround_;
};
