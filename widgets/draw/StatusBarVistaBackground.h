// A look of the status bar's panels: the normal, hot and down fills, each
// two halves, their borders and text colours. The status bar's own class
// of this name, distinct from the pager's.
#pragma once

#include "TValueHolder.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

namespace statusbar {

struct TVistaBackgroundValues {
  TColor BorderColor = clNone;
  TColor BorderColorHot = clGray;
  TColor BorderColorDown = clGray;
  TColor Color = clWhite;
  TColor ColorTo = clWhite;
  TColor ColorHot = clWhite;
  TColor ColorHotTo = clWhite;
  TColor ColorDown = clWhite;
  TColor ColorDownTo = clWhite;
  TColor ColorMirror = clSilver;
  TColor ColorMirrorTo = clWhite;
  TColor ColorMirrorHot = clSilver;
  TColor ColorMirrorHotTo = clWhite;
  TColor ColorMirrorDown = clSilver;
  TColor ColorMirrorDownTo = clWhite;
  int Steps = 64;
  TColor TextColor = clBlack;
  TColor TextColorHot = clBlack;
  TColor TextColorDown = clBlack;
  TFontStyles TextStyle;
  friend bool operator==(const TVistaBackgroundValues&, const TVistaBackgroundValues&) = default;
};

class TVistaBackground : public TValueHolder<TVistaBackgroundValues> {
 public:
  std::string ClassName() const override { return "TVistaBackground"; }
};

}  // namespace statusbar
