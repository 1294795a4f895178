// Painting what a parent shows under one of its controls, for controls
// that are see-through in whole or in part.
#pragma once

#include <initializer_list>

#include "core/Geometry.h"
#include "core/TSet.h"

class TCanvas;
class TControl;
class TWinControl;

enum TParentImageOption {
  piClipToParent,  // also clip to the parent's client area
  piMarkCopies,    // the parent and its graphic children over the control paint with csPaintCopy set
};
using TParentImageOptions = TSet<TParentImageOption>;

// Paints into Canvas, in Control's client coordinates, what Parent paints
// under Control: its background (WM_ERASEBKGND), then its content with its
// graphic children (WM_PAINT). Parent is Control's parent or an ancestor
// further up. Only Control's own rectangle is painted, less the Excluded
// rectangles (in Control's coordinates); Canvas's state is kept.
void PaintParentImage(const TControl& Control, TWinControl& Parent, TCanvas& Canvas,
                      std::initializer_list<TRect> Excluded = {}, TParentImageOptions Options = {});
