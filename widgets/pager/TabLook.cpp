#include "TabLook.h"

#include "draw/OfficeColors.h"

namespace {

using A_t = TCustomTabAppearanceValues;

void Set(TTabLook& L, TColor C, TColor CTo, TColor M, TColor MTo, TColor Border, TGDIPGradient Upper,
         TGDIPGradient Lower, TColor Text) {
  L.Color = C;
  L.ColorTo = CTo;
  L.ColorMirror = M;
  L.ColorMirrorTo = MTo;
  L.Border = Border;
  L.Upper = Upper;
  L.Lower = Lower;
  L.Text = Text;
}

void SetHot(TTabLook& L, const A_t& A) {
  Set(L, A.ColorHot, A.ColorHotTo, A.ColorMirrorHot, A.ColorMirrorHotTo, A.BorderColorHot, A.GradientHot,
      A.GradientMirrorHot, A.TextColorHot);
}

// From normal towards hot by P percent.
void BlendFromNormal(TTabLook& L, const A_t& A, int P) {
  L.Color = BlendColor(A.ColorHot, A.Color, P);
  L.ColorTo = BlendColor(A.ColorHotTo, A.ColorTo, P);
  L.ColorMirror = BlendColor(A.ColorMirrorHot, A.ColorMirror, P);
  L.ColorMirrorTo = BlendColor(A.ColorMirrorHotTo, A.ColorMirrorTo, P);
  L.Border = BlendColor(A.BorderColorHot, A.BorderColor, P);
}

// From the tab row's colour towards hot by P percent.
void BlendFromRow(TTabLook& L, const A_t& A, const TTabState& S) {
  const int P = S.Hover;
  L.Color = BlendColor(A.ColorHot, S.RowColor, P);
  L.ColorTo = BlendColor(A.ColorHotTo, S.RowColorTo == clNone ? S.RowColor : S.RowColorTo, P);
  L.ColorMirror = BlendColor(A.ColorMirrorHot, S.RowColor, P);
  L.ColorMirrorTo = BlendColor(A.ColorMirrorHotTo, S.RowColor, P);
  L.Border = BlendColor(A.BorderColorHot, S.RowColor, P);
}

}  // namespace

TTabLook ResolveTabLook(const A_t& A, const TTabState& S) {
  TTabLook L;
  if (S.Enabled || !S.ShowNonSelectedTabs) {
    if (S.Active) {
      Set(L, A.ColorSelected, A.ColorSelectedTo, A.ColorMirrorSelected, A.ColorMirrorSelectedTo,
          S.Hot ? A.BorderColorSelectedHot : A.BorderColorSelected, A.GradientSelected, A.GradientMirrorSelected,
          A.TextColorSelected);
      if (S.Glowing) {
        L.Color = BlendColor(L.Color, A.ColorHot, S.Glow);
        L.ColorTo = BlendColor(L.ColorTo, A.ColorHotTo, S.Glow);
        L.ColorMirror = BlendColor(L.ColorMirror, A.ColorMirrorHot, S.Glow);
        L.ColorMirrorTo = BlendColor(L.ColorMirrorTo, A.ColorMirrorHotTo, S.Glow);
        L.Border = BlendColor(L.Border, A.BorderColorHot, S.Glow);
      } else if (S.Hovering) {
        L.Border = BlendColor(A.BorderColorSelectedHot, A.BorderColorSelected, S.Hover);
      }
      if (S.Pressed) L.Border = A.BorderColorDown;
    } else if (S.Hot) {
      SetHot(L, A);
      if (S.Hovering) {
        if (S.ShowNonSelectedTabs) BlendFromNormal(L, A, S.Hover);
        else BlendFromRow(L, A, S);
      }
    } else if (S.ShowNonSelectedTabs) {
      Set(L, A.Color, A.ColorTo, A.ColorMirror, A.ColorMirrorTo, A.BorderColor, A.Gradient, A.GradientMirror,
          A.TextColor);
      if (S.Hovering) BlendFromNormal(L, A, S.Hover);
    } else {
      L.Fill = false;
      L.Text = S.Enabled ? A.TextColor : A.TextColorDisabled;
      L.Upper = A.GradientHot;
      L.Lower = A.GradientMirrorHot;
      // A tab fading out still shows its fading face.
      if (S.Hovering) {
        BlendFromRow(L, A, S);
        L.Fill = true;
      }
    }
  } else {
    Set(L, A.ColorDisabled, A.ColorDisabledTo, A.ColorMirrorDisabled, A.ColorMirrorDisabledTo, A.BorderColorDisabled,
        A.GradientDisabled, A.GradientMirrorDisabled, A.TextColorDisabled);
  }
  if (S.PagerFocused && S.Active) {
    SetHot(L, A);
    L.Border = A.BorderColorSelectedHot;
    L.Focused = true;
  }
  return L;
}
