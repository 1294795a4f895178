// Colour arithmetic of the Office look. Colours are resolved (system
// colours become their red-green-blue value) before any arithmetic; the
// results are plain red-green-blue values unless an input is returned
// unchanged.
#pragma once

#include "graphics/TColor.h"
#include "graphics/gdiplus/GdiPlusTypes.h"

// Opaque alpha-red-green-blue of the resolved colour.
ARGB ColorToArgb(TColor Color);

// Percent of Col1 mixed with the rest of Col2, per channel. At 100 or
// more Col1 is returned as given, at 0 or less Col2.
TColor BlendColor(TColor Col1, TColor Col2, int Percent);

// Darkens each channel by its percentage (negative darkens; positive
// percentages leave non-zero channels as they are). A zero channel takes
// a non-negative percentage as its value. Channels stay within 0..255.
TColor ScaleColor(TColor Color, int Percent);
TColor ScaleColorRGB(TColor Color, int RedPercent, int GreenPercent, int BluePercent);
