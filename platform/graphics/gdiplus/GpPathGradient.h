// A gradient over an ellipse: the centre colour at the centre point,
// blending along each ray from there to the surround colour on the
// ellipse. Nothing is painted outside the ellipse. A degenerate ellipse
// gives a brush that is not Ok. Defaults: centre point the ellipse's
// centre, centre colour opaque black, surround colour opaque white.
#pragma once

#include "GpBrush.h"

class GpPathGradient : public GpBrush {
 public:
  explicit GpPathGradient(const GpRectF& Ellipse);

  GpRectF Ellipse() const { return ellipse_; }
  GpPointF CenterPoint() const { return center_; }
  GpStatus SetCenterPoint(GpPointF Point);
  ARGB CenterColor() const { return centerColor_; }
  GpStatus SetCenterColor(ARGB Color);
  // One colour for the whole boundary.
  ARGB SurroundColor() const { return surroundColor_; }
  GpStatus SetSurroundColor(ARGB Color);

 private:
  void Build();
  GpRectF ellipse_;
  GpPointF center_;
  ARGB centerColor_ = 0xFF000000u;
  ARGB surroundColor_ = 0xFFFFFFFFu;
};
