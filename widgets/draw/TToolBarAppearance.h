// The toolbars inside a tab group: background at rest and hot, borders.
#pragma once

#include "TGradientBackground.h"
#include "TValueHolder.h"
#include "graphics/TColor.h"

struct TToolBarAppearanceValues {
  TColor BorderColor = clNone;
  TColor BorderColorHot = clNone;
  friend bool operator==(const TToolBarAppearanceValues&, const TToolBarAppearanceValues&) = default;
};

class TToolBarAppearance : public TValueHolder<TToolBarAppearanceValues> {
 public:
  TToolBarAppearance();
  std::string ClassName() const override { return "TToolBarAppearance"; }
  TGradientBackground& Color() { return color_; }
  const TGradientBackground& Color() const { return color_; }
  TGradientBackground& ColorHot() { return colorHot_; }
  const TGradientBackground& ColorHot() const { return colorHot_; }

 protected:
  void AssignNested(const TValueHolder& Source) override;

 private:
  TGradientBackground color_, colorHot_;
};
