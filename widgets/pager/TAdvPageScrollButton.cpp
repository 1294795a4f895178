#include "TAdvPageScrollButton.h"

#include "graphics/TBitmap.h"

TAdvPageScrollButton::TAdvPageScrollButton(TComponent* AOwner, bool Forward)
    : TAdvGlowButton(AOwner), forward_(Forward) {
  SetTabStop(false);
  SetCaption("");
}

void TAdvPageScrollButton::FillGlyph(TBitmap& Glyph) const {
  // A three-column arrow, five pixels tall at its base, on a transparent
  // ground.
  constexpr TColor ground = 0xFF00FF;
  Glyph.SetSize(3, 5);
  TCanvas& c = *Glyph.Canvas();
  c.Brush()->SetColor(ground);
  c.FillRect({0, 0, 3, 5});
  for (int col = 0; col < 3; ++col) {
    const int x = forward_ ? col : 2 - col;
    for (int y = col; y < 5 - col; ++y) c.SetPixel(x, y, ArrowColor);
  }
  Glyph.EndPainting();
  Glyph.SetTransparentColor(ground);
}
