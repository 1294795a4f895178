// A toolbar's own plain buttons at rest, hot, down and checked.
#pragma once

#include "TValueHolder.h"
#include "ToolBarStylerTypes.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

struct TButtonAppearanceValues {
  TColor Color = clNone;
  TColor ColorTo = clNone;
  TColor ColorChecked = 0xD8D5D4;
  TColor ColorCheckedTo = clNone;
  TColor ColorDown = 0xB59285;
  TColor ColorDownTo = clNone;
  TColor ColorHot = 0xD2BDB6;
  TColor ColorHotTo = clNone;
  TColor CaptionTextColor = clBlack;
  TColor CaptionTextColorHot = clBlack;
  TColor CaptionTextColorDown = clBlack;
  TColor CaptionTextColorChecked = clBlack;
  TGradientDirection GradientDirection = gdVertical;
  TGradientDirection GradientDirectionHot = gdVertical;
  TGradientDirection GradientDirectionDown = gdVertical;
  TGradientDirection GradientDirectionChecked = gdVertical;
  TColor BorderColor = clNone;
  TColor BorderDownColor = 0x6A240A;
  TColor BorderHotColor = 0x6A240A;
  TColor BorderCheckedColor = 0x6A240A;
  bool SystemFont = true;
  friend bool operator==(const TButtonAppearanceValues&, const TButtonAppearanceValues&) = default;
};

class TButtonAppearance : public TValueHolder<TButtonAppearanceValues> {
 public:
  TButtonAppearance();
  std::string ClassName() const override { return "TButtonAppearance"; }
  TFont& CaptionFont() { return captionFont_; }
  const TFont& CaptionFont() const { return captionFont_; }

 protected:
  void AssignNested(const TValueHolder& Source) override;

 private:
  TFont captionFont_;
};
