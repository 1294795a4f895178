// Whether a widget's text goes through the 2-D drawing surface, and with
// which rendering hint.
#pragma once

#include <cstdint>
#include <memory>

#include "graphics/gdiplus/GdiPlusTypes.h"

class GpFont;
class TCanvas;
class TFont;

// Anything but aaNone draws text through the drawing surface when
// CanDrawGdipText allows it.
enum TAntiAlias : uint8_t { aaNone, aaClearType, aaAntiAlias };

// True when the canvas's current font is an outline font, not a device
// font, and installed for the screen.
bool CanDrawGdipText(TCanvas& Canvas);

// aaClearType: ClearType grid-fit; aaAntiAlias: anti-alias grid-fit;
// aaNone: the system default.
TextRenderingHint TextRenderingHintOf(TAntiAlias AntiAlias);

// The drawing surface's font for a canvas font, in points with its bold,
// italic and underline; a family or style the system lacks falls back to
// Arial.
std::unique_ptr<GpFont> SurfaceFont(const TFont& Font);
