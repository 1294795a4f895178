// The quick access toolbar, at its normal and its full size.
#pragma once

#include "TValueHolder.h"
#include "graphics/TColor.h"

struct TQATAppearanceValues {
  TColor BorderColor = clGray;
  TColor Color = clWhite;
  TColor ColorTo = clSilver;
  TColor FullSizeBorderColor = clGray;
  TColor FullSizeColor = clWhite;
  TColor FullSizeColorTo = clSilver;
  int Steps = 64;
  friend bool operator==(const TQATAppearanceValues&, const TQATAppearanceValues&) = default;
};

class TQATAppearance : public TValueHolder<TQATAppearanceValues> {
 public:
  std::string ClassName() const override { return "TQATAppearance"; }
};
