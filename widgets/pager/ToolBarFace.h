// The pager's painters: the two-half face of its caption bar, tabs and
// toolbars, and the one line of text drawn on such a face.
#pragma once

#include <cstdint>
#include <string>

#include "core/Geometry.h"
#include "draw/OfficeGradients.h"
#include "draw/OfficeText.h"
#include "graphics/TColor.h"
#include "ui/ControlTypes.h"

class TCanvas;
class TFont;

// Fills R as an upper half from Color to ColorTo and a lower half from
// ColorMirror to ColorMirrorTo, each a plain fill with the gradient of its
// kind over it, then frames R (rounded at radius 3, or square) in
// BorderColor unless it is clNone. The frame touches R's last column and
// row; the fills reach up to two rows below R, so callers paint into a
// bitmap that ends at R.Bottom or have that strip covered.
void DrawToolBarFace(TCanvas& Canvas, TRect R, TColor Color, TColor ColorTo, TColor ColorMirror,
                     TColor ColorMirrorTo, TGDIPGradient Upper, TGDIPGradient Lower, TColor BorderColor,
                     bool Rounded);

// One line of Text in R, centred vertically and aligned across by
// Alignment. With AntiAlias other than aaNone it goes through the 2-D
// drawing surface ("&x" underlines x, no trimming, grey 0x808080 when not
// Enabled); with aaNone through the canvas in Font's colour, whatever
// Enabled says. The canvas is left with Font. Nothing for an empty Text.
void DrawToolBarText(TCanvas& Canvas, TAlignment Alignment, TRect R, TAntiAlias AntiAlias, bool Enabled,
                     const TFont& Font, const std::string& Text);
