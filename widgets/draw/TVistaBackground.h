// The pager's page background: two gradient halves and a border.
#pragma once

#include "OfficeGradients.h"
#include "TValueHolder.h"
#include "graphics/TColor.h"

struct TVistaBackgroundValues {
  TColor BorderColor = clGray;
  TColor Color = clWhite;
  TColor ColorTo = clWhite;
  TColor ColorMirror = clSilver;
  TColor ColorMirrorTo = clWhite;
  TGDIPGradient Gradient = ggVertical;
  TGDIPGradient GradientMirror = ggVertical;
  int Steps = 64;
  friend bool operator==(const TVistaBackgroundValues&, const TVistaBackgroundValues&) = default;
};

class TVistaBackground : public TValueHolder<TVistaBackgroundValues> {
 public:
  std::string ClassName() const override { return "TVistaBackground"; }
};
