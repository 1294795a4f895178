// The image column at the left of a menu, with the boxes behind checked
// and radio items' marks. Its values are stored as they come.
#pragma once

#include "MenuStylerTypes.h"
#include "TValueHolder.h"
#include "graphics/TColor.h"

struct TMenuIconBarValues {
  TColor Color = clBtnFace;
  TColor ColorTo = clNone;
  TMenuGradientDirection GradientDirection = TMenuGradientDirection::gdHorizontal;
  TColor CheckColor = clBtnFace;
  TColor CheckColorTo = clNone;
  TColor CheckBorder = clNavy;
  TMenuGradientDirection CheckGradientDirection = TMenuGradientDirection::gdVertical;
  TColor RadioColor = clBtnFace;
  TColor RadioColorTo = clNone;
  TColor RadioBorder = clNavy;
  TMenuGradientDirection RadioGradientDirection = TMenuGradientDirection::gdVertical;
  TColor SeparatorColor = clBtnShadow;
  int Size = 24;  // the column's width in pixels
  friend bool operator==(const TMenuIconBarValues&, const TMenuIconBarValues&) = default;
};

class TMenuIconBar : public TValueHolder<TMenuIconBarValues> {
 public:
  std::string ClassName() const override { return "TMenuIconBar"; }
};
