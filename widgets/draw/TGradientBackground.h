// A two-colour background of toolbars and dock panels. Every write tells
// the owner, even one that stores the same value.
#pragma once

#include "TValueHolder.h"
#include "ToolBarStylerTypes.h"
#include "graphics/TColor.h"

struct TGradientBackgroundValues {
  TColor Color = clWhite;
  TColor ColorTo = clBtnFace;
  TGradientDirection Direction = gdHorizontal;
  int Steps = 64;
  friend bool operator==(const TGradientBackgroundValues&, const TGradientBackgroundValues&) = default;
};

class TGradientBackground : public TValueHolder<TGradientBackgroundValues> {
 public:
  TGradientBackground() : TValueHolder({}, true) {}
  std::string ClassName() const override { return "TGradientBackground"; }
};
