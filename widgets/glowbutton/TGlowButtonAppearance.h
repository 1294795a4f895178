// The colour sets of a glow button's looks: normal, hot, down, checked
// and disabled, each two gradient halves and a border. Changing a colour
// does not repaint by itself; SystemFont and Assign tell the owner.
#pragma once

#include <string>

#include "core/TPersistent.h"
#include "draw/OfficeGradients.h"
#include "graphics/TColor.h"

// One look: the upper half from Color to ColorTo, the lower half from
// ColorMirrorTo (at the split) to ColorMirror, the border, and the kind
// of each half.
struct TGlowColorSet {
  TColor Color = clWhite;
  TColor ColorTo = clWhite;
  TColor ColorMirror = clWhite;
  TColor ColorMirrorTo = clWhite;
  TColor BorderColor = clWhite;
  TGDIPGradient Gradient = ggRadial;
  TGDIPGradient GradientMirror = ggRadial;
  friend bool operator==(const TGlowColorSet&, const TGlowColorSet&) = default;
};

class TGlowButtonAppearance : public TPersistent {
 public:
  TGlowButtonAppearance();
  std::string ClassName() const override { return "TGlowButtonAppearance"; }
  void Assign(const TPersistent* Source) override;

  const TGlowColorSet& Normal() const { return normal_; }
  const TGlowColorSet& Hot() const { return hot_; }
  const TGlowColorSet& Down() const { return down_; }
  const TGlowColorSet& Checked() const { return checked_; }
  const TGlowColorSet& Disabled() const { return disabled_; }
  void SetNormal(const TGlowColorSet& Value) { normal_ = Value; }
  void SetHot(const TGlowColorSet& Value) { hot_ = Value; }
  void SetDown(const TGlowColorSet& Value) { down_ = Value; }
  void SetChecked(const TGlowColorSet& Value) { checked_ = Value; }
  void SetDisabled(const TGlowColorSet& Value) { disabled_ = Value; }

  TColor Color() const { return normal_.Color; }
  void SetColor(TColor V) { normal_.Color = V; }
  TColor ColorTo() const { return normal_.ColorTo; }
  void SetColorTo(TColor V) { normal_.ColorTo = V; }
  TColor ColorMirror() const { return normal_.ColorMirror; }
  void SetColorMirror(TColor V) { normal_.ColorMirror = V; }
  TColor ColorMirrorTo() const { return normal_.ColorMirrorTo; }
  void SetColorMirrorTo(TColor V) { normal_.ColorMirrorTo = V; }
  TColor BorderColor() const { return normal_.BorderColor; }
  void SetBorderColor(TColor V) { normal_.BorderColor = V; }
  TGDIPGradient Gradient() const { return normal_.Gradient; }
  void SetGradient(TGDIPGradient V) { normal_.Gradient = V; }
  TGDIPGradient GradientMirror() const { return normal_.GradientMirror; }
  void SetGradientMirror(TGDIPGradient V) { normal_.GradientMirror = V; }

  TColor ColorHot() const { return hot_.Color; }
  void SetColorHot(TColor V) { hot_.Color = V; }
  TColor ColorHotTo() const { return hot_.ColorTo; }
  void SetColorHotTo(TColor V) { hot_.ColorTo = V; }
  TColor ColorMirrorHot() const { return hot_.ColorMirror; }
  void SetColorMirrorHot(TColor V) { hot_.ColorMirror = V; }
  TColor ColorMirrorHotTo() const { return hot_.ColorMirrorTo; }
  void SetColorMirrorHotTo(TColor V) { hot_.ColorMirrorTo = V; }
  TColor BorderColorHot() const { return hot_.BorderColor; }
  void SetBorderColorHot(TColor V) { hot_.BorderColor = V; }
  TGDIPGradient GradientHot() const { return hot_.Gradient; }
  void SetGradientHot(TGDIPGradient V) { hot_.Gradient = V; }
  TGDIPGradient GradientMirrorHot() const { return hot_.GradientMirror; }
  void SetGradientMirrorHot(TGDIPGradient V) { hot_.GradientMirror = V; }

  TColor ColorDown() const { return down_.Color; }
  void SetColorDown(TColor V) { down_.Color = V; }
  TColor ColorDownTo() const { return down_.ColorTo; }
  void SetColorDownTo(TColor V) { down_.ColorTo = V; }
  TColor ColorMirrorDown() const { return down_.ColorMirror; }
  void SetColorMirrorDown(TColor V) { down_.ColorMirror = V; }
  TColor ColorMirrorDownTo() const { return down_.ColorMirrorTo; }
  void SetColorMirrorDownTo(TColor V) { down_.ColorMirrorTo = V; }
  TColor BorderColorDown() const { return down_.BorderColor; }
  void SetBorderColorDown(TColor V) { down_.BorderColor = V; }
  TGDIPGradient GradientDown() const { return down_.Gradient; }
  void SetGradientDown(TGDIPGradient V) { down_.Gradient = V; }
  TGDIPGradient GradientMirrorDown() const { return down_.GradientMirror; }
  void SetGradientMirrorDown(TGDIPGradient V) { down_.GradientMirror = V; }

  TColor ColorChecked() const { return checked_.Color; }
  void SetColorChecked(TColor V) { checked_.Color = V; }
  TColor ColorCheckedTo() const { return checked_.ColorTo; }
  void SetColorCheckedTo(TColor V) { checked_.ColorTo = V; }
  TColor ColorMirrorChecked() const { return checked_.ColorMirror; }
  void SetColorMirrorChecked(TColor V) { checked_.ColorMirror = V; }
  TColor ColorMirrorCheckedTo() const { return checked_.ColorMirrorTo; }
  void SetColorMirrorCheckedTo(TColor V) { checked_.ColorMirrorTo = V; }
  TColor BorderColorChecked() const { return checked_.BorderColor; }
  void SetBorderColorChecked(TColor V) { checked_.BorderColor = V; }
  TGDIPGradient GradientChecked() const { return checked_.Gradient; }
  void SetGradientChecked(TGDIPGradient V) { checked_.Gradient = V; }
  TGDIPGradient GradientMirrorChecked() const { return checked_.GradientMirror; }
  void SetGradientMirrorChecked(TGDIPGradient V) { checked_.GradientMirror = V; }

  TColor ColorDisabled() const { return disabled_.Color; }
  void SetColorDisabled(TColor V) { disabled_.Color = V; }
  TColor ColorDisabledTo() const { return disabled_.ColorTo; }
  void SetColorDisabledTo(TColor V) { disabled_.ColorTo = V; }
  TColor ColorMirrorDisabled() const { return disabled_.ColorMirror; }
  void SetColorMirrorDisabled(TColor V) { disabled_.ColorMirror = V; }
  TColor ColorMirrorDisabledTo() const { return disabled_.ColorMirrorTo; }
  void SetColorMirrorDisabledTo(TColor V) { disabled_.ColorMirrorTo = V; }
  TColor BorderColorDisabled() const { return disabled_.BorderColor; }
  void SetBorderColorDisabled(TColor V) { disabled_.BorderColor = V; }
  TGDIPGradient GradientDisabled() const { return disabled_.Gradient; }
  void SetGradientDisabled(TGDIPGradient V) { disabled_.Gradient = V; }
  TGDIPGradient GradientMirrorDisabled() const { return disabled_.GradientMirror; }
  void SetGradientMirrorDisabled(TGDIPGradient V) { disabled_.GradientMirror = V; }

  // With the button's own font, its name becomes the system's UI face.
  bool SystemFont() const { return systemFont_; }
  void SetSystemFont(bool Value);

  TNotifyEvent OnChange;

 private:
  void Changed();
  TGlowColorSet normal_, hot_, down_, checked_, disabled_;
  bool systemFont_ = true;
};
