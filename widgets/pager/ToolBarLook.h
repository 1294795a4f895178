// The colours a page toolbar paints with, resolved from the styler's
// colour sets and the toolbar's state: its caption band and body (at rest,
// hot, fading, holding the focus) and its option button's face (hovered,
// pressed, glowing). Pure functions; the toolbar paints from the result.
#pragma once

#include <cstdint>

#include "draw/OfficeGradients.h"
#include "draw/TCaptionAppearance.h"
#include "draw/TGradientBackground.h"
#include "draw/TStylerGlowAppearance.h"
#include "graphics/TColor.h"

struct TToolBarLookState {
  bool Hot = false;      // the pointer is over the toolbar
  bool Fading = false;   // its hot fade runs
  int HotPercent = 0;
  bool Focused = false;  // the focus lies inside it
  bool Enabled = true;
};

struct TToolBarColors {
  TColor CaptionColor = clNone;
  TColor CaptionColorTo = clNone;
  TColor CaptionBorder = clNone;
  TColor CaptionText = clNone;
  TColor Color = clNone;
  TColor ColorTo = clNone;
  TColor Border = clNone;
  int Steps = 64;
};

TToolBarColors ResolveToolBarColors(const TCaptionAppearanceValues& Caption, const TGradientBackgroundValues& Color,
                                    const TGradientBackgroundValues& ColorHot, TColor BorderColor,
                                    TColor BorderColorHot, const TToolBarLookState& State);

// The option button's fade: hover (pointer on or off it), glow (a press
// and its release), or none running.
enum TOptionFadeMode : uint8_t { ofmHover, ofmGlow, ofmFinished };

struct TOptionButtonState {
  bool Hot = false;
  bool Pressed = false;
  TOptionFadeMode Mode = ofmFinished;
  int Hover = 0;
  int Glow = 0;
};

struct TOptionFace {
  bool Visible = false;
  TStylerGlowSet Colors;
};

// Glow holds the styler's glow button colours; Caption the caption band's
// colours at rest, which a hover fade starts from.
TOptionFace ResolveOptionFace(const TStylerGlowValues& Glow, const TCaptionAppearanceValues& Caption,
                              const TOptionButtonState& State);
