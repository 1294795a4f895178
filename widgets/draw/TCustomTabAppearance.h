// The pager's tabs at rest, hot, selected and disabled, each two gradient
// halves; also the tabs of a tab group.
#pragma once

#include "OfficeGradients.h"
#include "TFontedValueHolder.h"
#include "graphics/TColor.h"

struct TCustomTabAppearanceValues {
  TColor BorderColor = clBtnFace;
  TColor BorderColorHot = clBlue;
  TColor BorderColorSelected = clBtnFace;
  TColor BorderColorSelectedHot = clNone;
  TColor BorderColorDisabled = clNone;
  TColor BorderColorDown = clNone;
  TColor Color = clBtnFace;
  TColor ColorTo = clWhite;
  TColor ColorSelected = clWhite;
  TColor ColorSelectedTo = clBtnFace;
  TColor ColorDisabled = clNone;
  TColor ColorDisabledTo = clNone;
  TColor ColorHot = clYellow;
  TColor ColorHotTo = clNone;
  TColor ColorMirror = clWhite;
  TColor ColorMirrorTo = clWhite;
  TColor ColorMirrorHot = clNone;
  TColor ColorMirrorHotTo = clNone;
  TColor ColorMirrorSelected = clWhite;
  TColor ColorMirrorSelectedTo = clWhite;
  TColor ColorMirrorDisabled = clNone;
  TColor ColorMirrorDisabledTo = clNone;
  TGDIPGradient Gradient = ggVertical;
  TGDIPGradient GradientMirror = ggVertical;
  TGDIPGradient GradientHot = ggVertical;
  TGDIPGradient GradientMirrorHot = ggVertical;
  TGDIPGradient GradientSelected = ggVertical;
  TGDIPGradient GradientMirrorSelected = ggVertical;
  TGDIPGradient GradientDisabled = ggVertical;
  TGDIPGradient GradientMirrorDisabled = ggVertical;
  bool SystemFont = true;
  TColor TextColor = clBlue;
  TColor TextColorHot = clBlue;
  TColor TextColorSelected = clBlue;
  TColor TextColorDisabled = clWhite;
  friend bool operator==(const TCustomTabAppearanceValues&, const TCustomTabAppearanceValues&) = default;
};

class TCustomTabAppearance : public TFontedValueHolder<TCustomTabAppearanceValues> {
 public:
  std::string ClassName() const override { return "TCustomTabAppearance"; }

  // BorderColorHot is a plain field: storing it tells nobody.
  template <class F>
  void Set(F TCustomTabAppearanceValues::*Field, std::type_identity_t<F> Value) {
    if constexpr (std::is_same_v<F, TColor>) {
      if (Field == &TCustomTabAppearanceValues::BorderColorHot) {
        MutableValues().BorderColorHot = Value;
        return;
      }
    }
    TFontedValueHolder::Set(Field, Value);
  }
};
