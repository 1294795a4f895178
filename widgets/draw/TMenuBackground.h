// A menu's body: a two-colour gradient and an optional picture placed in
// it. Its values are stored as they come; nothing is told.
#pragma once

#include "MenuStylerTypes.h"
#include "TValueHolder.h"
#include "graphics/TBitmap.h"
#include "graphics/TColor.h"

struct TMenuBackgroundValues {
  TColor Color = clWindow;
  TColor ColorTo = clNone;
  TMenuGradientDirection GradientDirection = TMenuGradientDirection::gdHorizontal;
  TMenuBackgroundPosition Position = bpTopLeft;
  int OffsetX = 0;
  int OffsetY = 0;
  int MarginX = 0;
  int MarginY = 0;
  friend bool operator==(const TMenuBackgroundValues&, const TMenuBackgroundValues&) = default;
};

class TMenuBackground : public TValueHolder<TMenuBackgroundValues> {
 public:
  std::string ClassName() const override { return "TMenuBackground"; }
  TBitmap& Image() { return image_; }
  const TBitmap& Image() const { return image_; }

 protected:
  void AssignNested(const TValueHolder& Source) override;

 private:
  TBitmap image_;
};
