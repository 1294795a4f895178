// The named schemes of the toolbar styler as data, and the one function
// that writes a scheme into a styler.
#pragma once

#include <optional>

#include "TCustomAdvToolBarStyler.h"
#include "ToolBarStylerTypes.h"

struct TToolBarScheme {
  TGradientBackgroundValues Color, ColorHot, DockColor;
  std::optional<TColor> BorderColor;  // the 2003, XP and Whidbey schemes leave it
  TColor BorderColorHot;
  TColor RightHandleColor, RightHandleColorTo, RightHandleColorHot, RightHandleColorHotTo;
  std::optional<TColor> RightHandleColorDown, RightHandleColorDownTo;
  TColor FloatingWindowBorderColor;
  int FloatingWindowBorderWidth;
  TDragGripStyle DragGripStyle;
  TCaptionAppearanceValues Caption;
  bool AssignsCaptionBorder;
  TStylerGlowValues Glow;             // Disabled is not assigned
  std::optional<TStylerGlowValues> CompactLooks;  // hot, down and checked of the compact set
  TColor GroupColor, GroupTextColor;
  TColor TabBackGround, TabBackGroundTo;
  TColor TabColorSelected, TabTextColor;
  TVistaBackgroundValues Page;
  TVistaBackgroundValues PagerCaption;
  TQATAppearanceValues QAT;
  bool Rounded;
  int BevelKind;
  bool BevelVisible;
  int StyleCode;
  bool Dark;
};

// The table of Style; nullptr for bsCustom, which assigns no colour.
const TToolBarScheme* SchemeOf(TToolBarStyle Style);

// Writes Style's values into Styler through its setters (each change
// tells the controls), sets the style code, and ends with tcColors.
void ApplyScheme(TCustomAdvToolBarStyler& Styler, TToolBarStyle Style);
