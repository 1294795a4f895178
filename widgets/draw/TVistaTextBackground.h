// The pager's caption bar: a page background with a text colour and font.
#pragma once

#include "OfficeGradients.h"
#include "TFontedValueHolder.h"
#include "graphics/TColor.h"

struct TVistaTextBackgroundValues {
  TColor BorderColor = clGray;
  TColor Color = clWhite;
  TColor ColorTo = clWhite;
  TColor ColorMirror = clSilver;
  TColor ColorMirrorTo = clWhite;
  TGDIPGradient Gradient = ggVertical;
  TGDIPGradient GradientMirror = ggVertical;
  int Steps = 64;
  TColor TextColor = clBlue;
  bool SystemFont = true;
  friend bool operator==(const TVistaTextBackgroundValues&, const TVistaTextBackgroundValues&) = default;
};

class TVistaTextBackground : public TFontedValueHolder<TVistaTextBackgroundValues> {
 public:
  std::string ClassName() const override { return "TVistaTextBackground"; }
};
