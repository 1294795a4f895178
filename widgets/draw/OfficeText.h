// Whether a widget's text goes through the 2-D drawing surface, and with
// which rendering hint.
#pragma once

#include <cstdint>

#include "graphics/gdiplus/GdiPlusTypes.h"

class TCanvas;

// Anything but aaNone draws text through the drawing surface when
// CanDrawGdipText allows it.
enum TAntiAlias : uint8_t { aaNone, aaClearType, aaAntiAlias };

// True when the canvas's current font is an outline font, not a device
// font, and installed for the screen.
bool CanDrawGdipText(TCanvas& Canvas);

// aaClearType: ClearType grid-fit; aaAntiAlias: anti-alias grid-fit;
// aaNone: the system default.
TextRenderingHint TextRenderingHintOf(TAntiAlias AntiAlias);
