// A menu's separator line: its colours, width, fading and indent. Its
// values are stored as they come.
#pragma once

#include "MenuStylerTypes.h"
#include "TValueHolder.h"
#include "graphics/TColor.h"

struct TMenuSeparatorValues {
  TColor Color = clBtnShadow;
  TColor ColorTo = clNone;
  int Width = 1;
  TSeparatorGradientType GradientType = gtBoth;
  int GradientWidth = 0;  // pixels the fade takes; 0: the whole line
  int Margin = 2;
  friend bool operator==(const TMenuSeparatorValues&, const TMenuSeparatorValues&) = default;
};

class TMenuSeparator : public TValueHolder<TMenuSeparatorValues> {
 public:
  std::string ClassName() const override { return "TMenuSeparator"; }
};
