#include "TAdvPageScrollButton.h"

#include "draw/TStylerGlowAppearance.h"
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

void TAdvPageScrollButton::Place(TAdvPageScrollButton*& Button, TWinControl* Parent, bool Forward, bool Shown,
                                 TRect Bounds, const TStylerGlowAppearance* Look, std::function<void()> OnScroll) {
  if (!Shown) {
    if (Button) Button->SetVisible(false);
    return;
  }
  if (!Button) {
    Button = new TAdvPageScrollButton(Parent, Forward);
    Button->SetParent(Parent);
    // Set once: a click's own scrolling places the button again.
    Button->OnClick = [OnScroll = std::move(OnScroll)](TObject*) { OnScroll(); };
  }
  if (Look) Button->Appearance()->Assign(Look);
  Button->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
  Button->SetVisible(true);
  Button->BringToFront();
}
