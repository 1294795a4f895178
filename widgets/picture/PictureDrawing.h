// The kit's picture-drawing primitive: a stored picture scaled into a
// rectangle of a canvas.
#pragma once

#include "core/Geometry.h"

class GpGraphics;
class TCanvas;
class TGDIPPicture;

// Draws Picture's bytes into R: a BMP stretched on Canvas with the colour
// of its bottom-left pixel left out, any other format scaled by Graphics
// (a surface over Canvas) with its alpha. Raises EOutOfMemory "Could not
// allocate memory for image" when there is no memory to decode from.
void DrawPictureGdip(GpGraphics& Graphics, TCanvas& Canvas, const TRect& R, const TGDIPPicture& Picture);
