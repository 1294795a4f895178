// Anti-aliased one-pixel frames of Office buttons, standing alone or in a
// row of grouped buttons. X, Y is the top-left corner and W, H the extent:
// a frame touches X to X + W and Y to Y + H inclusive. The caller sets the
// surface's smoothing.
#pragma once

#include <cstdint>

#include "graphics/TColor.h"

class GpGraphics;

// Selects the frame a button in a group draws.
enum TButtonPosition : uint8_t { bpStandalone, bpLeft, bpMiddle, bpRight };

// A closed frame with four corners of Radius; Radius 0 draws a plain
// rectangle.
void DrawRoundedFrame(GpGraphics& Graphics, TColor Color, int X, int Y, int W, int H, int Radius);
// The toolbar painters' frame: always the rounded figure, whatever Radius.
void DrawToolBarRoundedFrame(GpGraphics& Graphics, TColor Color, int X, int Y, int W, int H, int Radius);
// The rounded figure drawn with a dotted pen.
void DrawDottedRoundedFrame(GpGraphics& Graphics, TColor Color, int X, int Y, int W, int H, int Radius);

// First button of a group: rounded on the left, its right edge 5 % darker.
void DrawGroupFrameLeft(GpGraphics& Graphics, TColor Color, int X, int Y, int W, int H, int Radius);
// Inner button: square, its right edge 5 % darker; the left edge is 5 %
// darker when hot or down, else a short highlight in 0xE6E6E6. Radius is
// not used.
void DrawGroupFrameMiddle(GpGraphics& Graphics, TColor Color, int X, int Y, int W, int H, int Radius, bool HotOrDown);
// Last button: rounded on the right, the left edge as the inner button's.
void DrawGroupFrameRight(GpGraphics& Graphics, TColor Color, int X, int Y, int W, int H, int Radius, bool HotOrDown);
