// The named schemes of the toolbar styler as data, and the one function
// that writes a scheme into a styler. A scheme holds whole value sets; the
// apply function writes only the fields every scheme assigns, plus those
// a scheme's flags say it assigns, and leaves the others as they are.
#pragma once

#include "TCustomAdvToolBarStyler.h"
#include "ToolBarStylerTypes.h"

struct TToolBarScheme {
  TGradientBackgroundValues Color, ColorHot, DockColor;
  bool AssignsColorSteps;             // the 2003, XP and Whidbey schemes do
  TColor BorderColor;
  bool AssignsBorderColor;            // the 2003, XP and Whidbey schemes do not
  TColor BorderColorHot;
  TColor RightHandleColor, RightHandleColorTo, RightHandleColorHot, RightHandleColorHotTo;
  TColor RightHandleColorDown, RightHandleColorDownTo;
  bool AssignsRightHandleDown;        // 2003 silver and olive do not
  TColor FloatingWindowBorderColor;
  int FloatingWindowBorderWidth;
  TDragGripStyle DragGripStyle;
  TCaptionAppearanceValues Caption;
  bool AssignsCaptionBorder;
  TButtonAppearanceValues Buttons;
  bool AssignsButtons;
  bool AssignsButtonBorders;          // down, hot (and checked below)
  bool AssignsButtonCheckedBorder;
  TStylerGlowValues Glow;             // Disabled is not assigned
  bool AssignsGlowCheckedBorder;
  TStylerGlowValues CompactLooks;     // hot, down, checked of the compact set
  bool HasCompactLooks;
  TGroupAppearanceValues Group;       // all but SystemFont
  TCaptionAppearanceValues GroupCaption;  // all but the border colours
  TVistaBackgroundValues GroupPage;   // all but Steps
  TCustomTabAppearanceValues GroupTabs;
  TToolBarAppearanceValues GroupToolBarBorders;
  TColor GroupToolBarColor, GroupToolBarColorTo, GroupToolBarHot, GroupToolBarHotTo;
  TCustomTabAppearanceValues Tabs;
  TColor TabBackGround, TabBackGroundTo;
  bool AssignsTabBackGroundDirection;  // to gdVertical
  TVistaBackgroundValues Page;         // all but Steps
  TVistaBackgroundValues PagerCaption; // all but Steps
  TQATAppearanceValues QAT;            // all but Steps
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
