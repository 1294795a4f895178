// A toolbar's caption band at rest and hot; the frame outline reads its
// text colour.
#pragma once

#include "TValueHolder.h"
#include "graphics/TColor.h"

struct TCaptionAppearanceValues {
  TColor CaptionColor = clGray;
  TColor CaptionColorTo = clNone;
  TColor CaptionTextColor = clWhite;
  TColor CaptionBorderColor = clNone;
  TColor CaptionColorHot = clNone;
  TColor CaptionColorHotTo = clNone;
  TColor CaptionTextColorHot = clWhite;
  TColor CaptionBorderColorHot = clNone;
  friend bool operator==(const TCaptionAppearanceValues&, const TCaptionAppearanceValues&) = default;
};

class TCaptionAppearance : public TValueHolder<TCaptionAppearanceValues> {
 public:
  std::string ClassName() const override { return "TCaptionAppearance"; }
};
