// The small glyphs of the Office look, drawn with single pixels and
// one-pixel canvas lines.
#pragma once

#include "core/Geometry.h"
#include "graphics/TColor.h"

class TCanvas;

// A five-pixel arrow whose top-left is P, pointing down (three rows) or
// right (three columns), its diagonal edges softened with ShadeColor.
// Leaves the canvas's pen in ArrowColor.
void DrawDropArrow(TCanvas& Canvas, TPoint P, TColor ArrowColor, bool Down, TColor ShadeColor);
