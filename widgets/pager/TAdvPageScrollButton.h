// The small glow button at either end of a row that does not fit (the
// pager's tabs, a page's toolbars): an arrow pointing the way it scrolls.
#pragma once

#include "glowbutton/TAdvGlowButton.h"

class TAdvPageScrollButton : public TAdvGlowButton {
 public:
  TAdvPageScrollButton(TComponent* AOwner, bool Forward);
  std::string ClassName() const override { return "TAdvPageScrollButton"; }
  bool Forward() const { return forward_; }
  TColor ArrowColor = clBlack;

 protected:
  void FillGlyph(TBitmap& Glyph) const override;

 private:
  bool forward_;
};
