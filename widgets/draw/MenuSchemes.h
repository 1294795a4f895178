// The named schemes of the menu styler as data, and the one function that
// writes a scheme into a styler. A scheme holds whole value sets; the
// apply function writes only the fields every scheme assigns, plus those
// a scheme's flags say it assigns, and leaves the others as they are.
#pragma once

#include "MenuStylerTypes.h"
#include "TCustomAdvMenuStyler.h"

struct TMenuScheme {
  TColor MenuBorderColor;
  TMenuBackgroundValues Background;        // Color, ColorTo
  TMenuRootItemValues RootItem;            // the colours but the selected text colour
  bool AssignsRootItemDirection;           // Office XP does not
  TMenuSelectedItemValues SelectedItem;    // the colours
  TMenuIconBarValues IconBar;              // body and check colours
  bool AssignsIconBarRadio;                // Office XP does not
  bool AssignsIconBarSeparator;            // the 2007 schemes and Vista do
  TMenuSeparatorValues Separator;          // Color, ColorTo
  TMenuButtonAppearanceValues Buttons;     // the hover and down looks
};

// The table of Style; nullptr for osCustom, which assigns nothing.
const TMenuScheme* MenuSchemeOf(TOfficeStyle Style);

// Writes Style's values into Styler (the menu bar's hot and selected
// colours tell its menu as they change), then redraws a main menu's bar.
void ApplyMenuScheme(TCustomAdvMenuStyler& Styler, TOfficeStyle Style);
