// The glow button colours a styler hands to the glow buttons on its
// toolbars: five looks, each two gradient halves and a border. A toolbar
// copies them into its buttons' own appearance.
#pragma once

#include "OfficeGradients.h"
#include "TValueHolder.h"
#include "graphics/TColor.h"

struct TStylerGlowSet {
  TColor Color = clWhite;
  TColor ColorTo = clWhite;
  TColor ColorMirror = clSilver;
  TColor ColorMirrorTo = clWhite;
  TColor BorderColor = clSilver;
  TGDIPGradient Gradient = ggVertical;
  TGDIPGradient GradientMirror = ggVertical;
  friend bool operator==(const TStylerGlowSet&, const TStylerGlowSet&) = default;
};

struct TStylerGlowValues {
  TStylerGlowSet Normal;
  TStylerGlowSet Hot;
  TStylerGlowSet Down;
  TStylerGlowSet Checked;
  TStylerGlowSet Disabled;
  friend bool operator==(const TStylerGlowValues&, const TStylerGlowValues&) = default;
};

class TStylerGlowAppearance : public TValueHolder<TStylerGlowValues> {
 public:
  std::string ClassName() const override { return "TStylerGlowAppearance"; }
  // Schemes write the looks without telling anyone; the scheme's closing
  // notification covers them.
  void SetSilently(const TStylerGlowValues& Values);
};
