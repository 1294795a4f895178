// The buttons drawn inside menus: at rest, under the mouse and pressed,
// with their caption font. Its values are stored as they come.
#pragma once

#include "MenuStylerTypes.h"
#include "TValueHolder.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

struct TMenuButtonAppearanceValues {
  TColor Color = clBtnFace;
  TColor ColorTo = clNone;
  TColor DownColor = 0xB59284;
  TColor DownColorTo = clNone;
  TColor HoverColor = 0xEFD3C6;
  TColor HoverColorTo = clNone;
  TMenuGradientDirection GradientDirection = TMenuGradientDirection::gdVertical;
  TColor BorderColor = clNone;
  TColor DownBorderColor = 0xC66931;
  TColor HoverBorderColor = 0xC66931;
  bool UseSystemFont = true;
  friend bool operator==(const TMenuButtonAppearanceValues&, const TMenuButtonAppearanceValues&) = default;
};

class TMenuButtonAppearance : public TValueHolder<TMenuButtonAppearanceValues> {
 public:
  TMenuButtonAppearance();
  std::string ClassName() const override { return "TMenuButtonAppearance"; }
  TFont& CaptionFont() { return captionFont_; }
  const TFont& CaptionFont() const { return captionFont_; }

 protected:
  void AssignNested(const TValueHolder& Source) override;

 private:
  TFont captionFont_;
};
