// The small glow button at either end of a row that does not fit (the
// pager's tabs, a page's toolbars): an arrow pointing the way it scrolls.
#pragma once

#include <functional>

#include "glowbutton/TAdvGlowButton.h"

class TStylerGlowAppearance;

class TAdvPageScrollButton : public TAdvGlowButton {
 public:
  TAdvPageScrollButton(TComponent* AOwner, bool Forward);
  std::string ClassName() const override { return "TAdvPageScrollButton"; }
  bool Forward() const { return forward_; }

  // Shows Button at Bounds in the styler's Look, or hides it when not
  // Shown; when there is none it is made on Parent, clicking to OnScroll.
  static void Place(TAdvPageScrollButton*& Button, TWinControl* Parent, bool Forward, bool Shown, TRect Bounds,
                    const TStylerGlowAppearance* Look, std::function<void()> OnScroll);
  TColor ArrowColor = clBlack;

 protected:
  void FillGlyph(TBitmap& Glyph) const override;

 private:
  bool forward_;
};
