// The pager's caption bar: a page background with a text colour and font.
#pragma once

#include "OfficeGradients.h"
#include "TValueHolder.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

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

class TVistaTextBackground : public TValueHolder<TVistaTextBackgroundValues> {
 public:
  TVistaTextBackground();
  std::string ClassName() const override { return "TVistaTextBackground"; }
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }

 protected:
  void AssignNested(const TValueHolder& Source) override;

 private:
  TFont font_;
};
