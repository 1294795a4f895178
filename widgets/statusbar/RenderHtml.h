// The status bar's mini-HTML renderer: draws, measures and hit-tests one
// text of markup in a rectangle, one text run at a time, starting from the
// canvas's font. It keeps nothing between calls and leaves the canvas's
// font, brush and pen as it found them.
#pragma once

#include <string>
#include <string_view>

#include "core/Geometry.h"
#include "graphics/TColor.h"

class TCanvas;
class TCustomImageList;
class IHtmlPictureContainer;

struct THtmlRenderOptions {
  // Images named "IDX:n" and the named pictures; either may be absent.
  const TCustomImageList* Images = nullptr;
  const IHtmlPictureContainer* Pictures = nullptr;
  // The point to hit-test, (-1, -1) for none.
  TPoint Hit{-1, -1};
  // Off: text after "<BLINK>" takes the canvas's brush colour at entry.
  bool BlinkOn = true;
  // Lays out and hit-tests without drawing.
  bool MeasureOnly = false;
  TColor AnchorColor = clBlue;
  TColor ShadowColor = clGray;
  // Image sizes are given for 96 pixels per inch and scaled to this.
  int PixelsPerInch = 96;
};

struct THtmlRenderResult {
  bool OverAnchor = false;  // the hit point lies on an anchor's text or image
  std::string Anchor;       // that anchor's value
  int Width = 0;
  int Height = 0;
};

// Markup is UTF-8. Drawing never leaves R.
THtmlRenderResult RenderHtml(TCanvas& Canvas, std::string_view Text, const TRect& R,
                             const THtmlRenderOptions& Options = {});
