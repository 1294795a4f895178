// What one tab paints with, resolved once from its tab appearance and its
// state: whether it has a face, the face's four colours and two gradient
// kinds, its border and its text colour.
#pragma once

#include "draw/OfficeGradients.h"
#include "draw/TCustomTabAppearance.h"
#include "graphics/TColor.h"

struct TTabState {
  bool Enabled = true;
  bool Active = false;
  bool Hot = false;
  bool Pressed = false;
  bool ShowNonSelectedTabs = false;
  bool PagerFocused = false;
  // The tab's fade timer runs in hover or glow mode; P and G its hover and
  // glow percentages.
  bool Hovering = false;
  bool Glowing = false;
  int Hover = 0;
  int Glow = 0;
  // The tab row's colours (the styler's tab background).
  TColor RowColor = clNone;
  TColor RowColorTo = clNone;
};

struct TTabLook {
  bool Fill = true;
  TColor Color = clNone, ColorTo = clNone, ColorMirror = clNone, ColorMirrorTo = clNone;
  TColor Border = clNone;
  TColor Text = clNone;
  TGDIPGradient Upper = ggRadial, Lower = ggRadial;
  bool Focused = false;
};

TTabLook ResolveTabLook(const TCustomTabAppearanceValues& A, const TTabState& S);
