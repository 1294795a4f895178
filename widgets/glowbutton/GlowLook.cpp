#include "GlowLook.h"

#include "draw/OfficeColors.h"

namespace {

void BlendFaces(TGlowColorSet& Out, const TGlowColorSet& First, const TGlowColorSet& Second, int Percent) {
  Out.Color = BlendColor(First.Color, Second.Color, Percent);
  Out.ColorTo = BlendColor(First.ColorTo, Second.ColorTo, Percent);
  Out.ColorMirror = BlendColor(First.ColorMirror, Second.ColorMirror, Percent);
  Out.ColorMirrorTo = BlendColor(First.ColorMirrorTo, Second.ColorMirrorTo, Percent);
}

}  // namespace

TGlowInnerState EffectiveGlowState(TGlowInnerState Stored, bool Enabled, bool Down, int GroupIndex,
                                   TAdvButtonStyle Style) {
  if (!Enabled) return gisDisabled;
  TGlowInnerState s = Stored;
  if (s == gisDisabled) s = Down && GroupIndex != 0 ? gisExclusive : gisUp;
  if (Style == bsCheck && Down) s = gisDown;
  return s;
}

TGlowLook ResolveGlowLook(const TGlowButtonAppearance& A, const TGlowLookInputs& In) {
  const bool disabled = (In.State == gisDisabled || !In.Enabled) && In.ShowDisabled;
  const bool checkedDown = In.Style == bsCheck && In.State == gisDown;
  TGlowLook look;
  if (disabled) {
    look.Set = A.Disabled();
  } else if (In.State == gisDown && In.Style == bsButton) {
    look.Set = A.Down();
    look.Highlighted = true;
  } else if (In.State == gisExclusive || checkedDown) {
    look.Set = A.Checked();
    if (In.Fading && (In.MouseInside || (In.Style != bsCheck && (In.GroupIndex <= 0 || In.State == gisDown))))
      BlendFaces(look.Set, A.Checked(), A.Down(), In.DownFade);
  } else if (In.HotLook) {
    look.Set = A.Hot();
    look.Highlighted = true;
  } else {
    look.Set = A.Normal();
  }

  if (In.Fading) {
    if (!In.Pressed && !In.Transparent && In.State != gisExclusive && !checkedDown) {
      BlendFaces(look.Set, A.Hot(), A.Normal(), In.HotFade);
      look.Set.BorderColor = BlendColor(A.Hot().BorderColor, A.Normal().BorderColor, In.HotFade);
    } else if (In.Style == bsCheck && In.Pressed) {
      BlendFaces(look.Set, A.Down(), A.Checked(), In.DownFade);
    } else if (In.Style == bsButton && In.Pressed && In.State != gisExclusive) {
      BlendFaces(look.Set, A.Down(), A.Hot(), In.DownFade);
      look.Set.BorderColor = BlendColor(A.Down().BorderColor, A.Hot().BorderColor, In.DownFade);
    }
  }

  if (!In.Standalone && In.PressedInside) look.Set.BorderColor = A.Normal().BorderColor;
  if (disabled) look.Set = A.Disabled();
  if (In.FocusHot) {
    look.Set = A.Hot();
    look.Highlighted = true;
  }
  return look;
}
