#include "ToolBarLook.h"

#include "draw/OfficeColors.h"

namespace {

// Each hot colour that is set replaces its colour at rest.
void TakeSet(TColor& Into, TColor Hot) {
  if (Hot != clNone) Into = Hot;
}

TColor BlendUnlessNone(TColor Hot, TColor Normal, int Percent) {
  return Hot == clNone && Normal == clNone ? Normal : BlendColor(Hot, Normal, Percent);
}

TStylerGlowSet BlendSets(const TStylerGlowSet& From, const TStylerGlowSet& To, int Percent) {
  TStylerGlowSet s = From;
  s.Color = BlendColor(From.Color, To.Color, Percent);
  s.ColorTo = BlendColor(From.ColorTo, To.ColorTo, Percent);
  s.ColorMirror = BlendColor(From.ColorMirror, To.ColorMirror, Percent);
  s.ColorMirrorTo = BlendColor(From.ColorMirrorTo, To.ColorMirrorTo, Percent);
  s.BorderColor = BlendColor(From.BorderColor, To.BorderColor, Percent);
  return s;
}

}  // namespace

TToolBarColors ResolveToolBarColors(const TCaptionAppearanceValues& Caption, const TGradientBackgroundValues& Color,
                                    const TGradientBackgroundValues& ColorHot, TColor BorderColor,
                                    TColor BorderColorHot, const TToolBarLookState& S) {
  TToolBarColors c;
  c.CaptionColor = Caption.CaptionColor;
  c.CaptionColorTo = Caption.CaptionColorTo;
  c.CaptionBorder = Caption.CaptionBorderColor;
  c.CaptionText = Caption.CaptionTextColor;
  const int p = S.HotPercent;
  const bool focusLit = S.Focused && S.Enabled;
  auto takeCaption = [&] {
    TakeSet(c.CaptionColor, Caption.CaptionColorHot);
    TakeSet(c.CaptionColorTo, Caption.CaptionColorHotTo);
    TakeSet(c.CaptionBorder, Caption.CaptionBorderColorHot);
    TakeSet(c.CaptionText, Caption.CaptionTextColorHot);
  };
  if (S.Fading && Caption.CaptionColorHot != clNone && !S.Focused) {
    c.CaptionColor = BlendColor(Caption.CaptionColorHot, Caption.CaptionColor, p);
    c.CaptionColorTo = BlendColor(Caption.CaptionColorHotTo, Caption.CaptionColorTo, p);
    c.CaptionBorder = BlendUnlessNone(Caption.CaptionBorderColorHot, Caption.CaptionBorderColor, p);
    c.CaptionText = BlendUnlessNone(Caption.CaptionTextColorHot, Caption.CaptionTextColor, p);
  } else if (S.Hot) {
    takeCaption();
  }
  if (focusLit) takeCaption();

  c.Color = Color.Color;
  c.ColorTo = Color.ColorTo;
  c.Border = BorderColor;
  c.Steps = Color.Steps;
  if (S.Fading && ColorHot.Color != clNone && !S.Focused) {
    c.Color = BlendColor(ColorHot.Color, Color.Color, p);
    c.ColorTo = BlendColor(ColorHot.ColorTo, Color.ColorTo, p);
    c.Border = BlendUnlessNone(BorderColorHot, BorderColor, p);
    c.Steps = ColorHot.Steps;
  } else if (S.Hot || focusLit) {
    TakeSet(c.Color, ColorHot.Color);
    TakeSet(c.ColorTo, ColorHot.ColorTo);
    c.Border = BorderColorHot;
    c.Steps = ColorHot.Steps;
  }
  return c;
}

TOptionFace ResolveOptionFace(const TStylerGlowValues& Glow, const TCaptionAppearanceValues& Caption,
                              const TOptionButtonState& S) {
  TOptionFace f;
  const bool hovering = S.Mode == ofmHover, glowing = S.Mode == ofmGlow;
  if (S.Pressed || (S.Hot && glowing)) {
    f.Visible = true;
    f.Colors = glowing ? BlendSets(Glow.Down, Glow.Hot, S.Glow) : Glow.Down;
    return f;
  }
  if (S.Hot && !hovering) {
    f.Visible = true;
    f.Colors = Glow.Hot;
    return f;
  }
  if (!hovering) return f;
  // Hover fading in or out: from the caption band towards the hot face.
  const TColor from = Caption.CaptionColor;
  const TColor fromTo = Caption.CaptionColorTo == clNone ? Caption.CaptionColor : Caption.CaptionColorTo;
  const int v = S.Hover;
  f.Visible = true;
  f.Colors = Glow.Hot;
  f.Colors.Color = BlendColor(Glow.Hot.Color, from, v);
  f.Colors.ColorTo = BlendColor(Glow.Hot.ColorTo, fromTo, v);
  f.Colors.ColorMirror = BlendColor(Glow.Hot.ColorMirror, from, v);
  f.Colors.ColorMirrorTo = BlendColor(Glow.Hot.ColorMirrorTo, from, v);
  f.Colors.BorderColor = BlendColor(Glow.Hot.BorderColor, Glow.Normal.BorderColor, v);
  return f;
}
