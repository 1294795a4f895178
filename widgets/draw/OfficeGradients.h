// The Office faces: stepped two-colour gradients drawn with the canvas,
// and the half and mirrored fills drawn with the 2-D drawing surface.
#pragma once

#include <cstdint>
#include <vector>

#include "core/Geometry.h"
#include "graphics/TColor.h"
#include "graphics/gdiplus/GdiPlusTypes.h"

class TCanvas;
class GpGraphics;

enum TGDIPGradient : uint8_t { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };

// Where the stepped gradient's bands differ between the painters that use it:
//   sgvStandard     bands overlap their successor by one pixel; the last may
//                   reach one pixel beyond the rectangle
//   sgvToolBar      the rectangle's far edge moves in by one pixel first, so
//                   the last band ends on the rectangle's own edge
//   sgvStatusPanel  a vertical gradient at most one pixel wide is drawn as a
//                   one-pixel column at the rectangle's left
//   sgvHtml         bands are truncate(width) + 1 long, cut at the far edge
//   sgvHint         as sgvHtml, nothing for an empty rectangle, and the last
//                   band has exactly the end colour
enum TStepGradientVariant : uint8_t { sgvStandard, sgvToolBar, sgvStatusPanel, sgvHtml, sgvHint };

struct TGradientBand {
  TColor Color;
  TRect Rect;  // the pixels the band covers
  friend bool operator==(const TGradientBand&, const TGradientBand&) = default;
};

// The bands of a stepped gradient in drawing order, Horizontal from left
// to right, otherwise from top to bottom. Zero steps count as one.
std::vector<TGradientBand> StepGradientBands(TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                                             bool Horizontal, TStepGradientVariant Variant = sgvStandard);

// Each draws the bands of its variant with the canvas's pen and brush
// both set to the band's colour; the canvas keeps the last band's colour.
void DrawStepGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R, bool Horizontal);
void DrawToolBarStepGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                             bool Horizontal);
void DrawStatusPanelStepGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                                 bool Horizontal);
// Then outlines R in BorderColor unless it is clNone (leaving the brush
// hollow and the pen in the border colour).
void DrawHtmlStepGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, TColor BorderColor, int Steps,
                          const TRect& R, bool Horizontal);
void DrawHintStepGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                          bool Horizontal);

// The two halves of a mirrored face: the lower one starts a row above the
// split and is drawn first, the upper one is drawn over it.
struct TMirrorHalves {
  TRect Upper;
  TRect Lower;
};
TMirrorHalves MirrorGradientHalves(const TRect& R);

// The ellipse and centre of a radial half: the glow sits on the middle of
// the half's outer edge. The ellipse takes R's right and bottom as its
// extent, which is exact for a face at the origin.
struct TRadialGlow {
  GpRectF Ellipse;
  GpPointF Center;
};
TRadialGlow RadialGlowGeometry(const TRect& R, bool Upper);

// A solid base (ColorFrom for the upper half, ColorTo for the lower) with
// the gradient from ColorFrom to ColorTo over it. The fills take R's right
// and bottom as their extent. The surface's smoothing is left as it is.
void FillHalfGradient(GpGraphics& Graphics, const TRect& R, TColor ColorFrom, TColor ColorTo, TGDIPGradient Gradient,
                      bool Upper);

// The two-half Office face: Color to ColorTo down to the split, then
// ColorMirrorTo to ColorMirror down to the bottom edge.
void FillMirrorGradient(GpGraphics& Graphics, const TRect& R, TColor Color, TColor ColorTo, TColor ColorMirror,
                        TColor ColorMirrorTo, TGDIPGradient Gradient, TGDIPGradient GradientMirror);
