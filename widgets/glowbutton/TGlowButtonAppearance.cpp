#include "TGlowButtonAppearance.h"

#include "draw/OfficeColors.h"
#include "draw/TStylerGlowAppearance.h"

namespace {

TGlowColorSet Scaled(const TGlowColorSet& From, int R, int G, int B) {
  TGlowColorSet s = From;
  s.Color = ScaleColorRGB(From.Color, R, G, B);
  s.ColorTo = ScaleColorRGB(From.ColorTo, R, G, B);
  s.ColorMirror = ScaleColorRGB(From.ColorMirror, R, G, B);
  s.ColorMirrorTo = ScaleColorRGB(From.ColorMirrorTo, R, G, B);
  return s;
}

}  // namespace

TGlowButtonAppearance::TGlowButtonAppearance() {
  normal_ = {clWhite, clWhite, clSilver, clWhite, clSilver, ggVertical, ggVertical};
  hot_ = {0xF5F0E1, 0xF9D2B2, 0xF5C8AD, 0xFFF8F4, clBlue, ggRadial, ggRadial};
  // Down and checked are the hot colours with less red and green.
  down_ = Scaled(hot_, -10, -10, 0);
  down_.BorderColor = clNavy;
  checked_ = Scaled(hot_, -10, -10, 0);
  checked_.BorderColor = clBlue;
  checked_.GradientMirror = ggVertical;
  disabled_ = Scaled(normal_, -5, -5, -5);
  disabled_.BorderColor = clGray;
  disabled_.Gradient = ggRadial;
  disabled_.GradientMirror = ggRadial;
}

void TGlowButtonAppearance::Assign(const TPersistent* Source) {
  if (auto* a = dynamic_cast<const TGlowButtonAppearance*>(Source)) {
    normal_ = a->normal_;
    hot_ = a->hot_;
    down_ = a->down_;
    checked_ = a->checked_;
    disabled_ = a->disabled_;
    systemFont_ = a->systemFont_;
    Changed();
    return;
  }
  // A styler's glow colours: the five looks, the font rule stays.
  if (auto* a = dynamic_cast<const TStylerGlowAppearance*>(Source)) {
    auto copy = [](const TStylerGlowSet& From) {
      return TGlowColorSet{From.Color,       From.ColorTo,  From.ColorMirror,   From.ColorMirrorTo,
                           From.BorderColor, From.Gradient, From.GradientMirror};
    };
    const TStylerGlowValues& v = a->Values();
    normal_ = copy(v.Normal);
    hot_ = copy(v.Hot);
    down_ = copy(v.Down);
    checked_ = copy(v.Checked);
    disabled_ = copy(v.Disabled);
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

void TGlowButtonAppearance::SetSystemFont(bool Value) {
  if (systemFont_ == Value) return;
  systemFont_ = Value;
  Changed();
}

void TGlowButtonAppearance::Changed() {
  if (OnChange) OnChange(this);
}
