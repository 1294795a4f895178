// The optional vertical band along a menu's left edge: a caption and a
// picture on a gradient, split from the items by a line. Its values are
// stored as they come; no scheme assigns them.
#pragma once

#include <string>

#include "MenuStylerTypes.h"
#include "TValueHolder.h"
#include "graphics/TBitmap.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

struct TMenuSideBarValues {
  bool Visible = false;
  int Size = 20;  // the band's width in pixels
  std::string Caption;
  TColor Color = clBtnShadow;
  TColor ColorTo = clNone;
  TMenuGradientDirection GradientDirection = TMenuGradientDirection::gdVertical;
  TColor BorderColor = clNone;
  TColor SplitterColor = clNone;
  TColor SplitterColorTo = clNone;
  int SplitterWidth = 1;
  int SplitterMargin = 2;
  friend bool operator==(const TMenuSideBarValues&, const TMenuSideBarValues&) = default;
};

class TMenuSideBar : public TValueHolder<TMenuSideBarValues> {
 public:
  TMenuSideBar();
  std::string ClassName() const override { return "TMenuSideBar"; }
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  TBitmap& Image() { return image_; }
  const TBitmap& Image() const { return image_; }

 protected:
  void AssignNested(const TValueHolder& Source) override;

 private:
  TFont font_;
  TBitmap image_;
};
