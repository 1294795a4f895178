// A path of figures. Lines and arcs added one after another continue the
// current figure, joined to its last point by a straight segment; a
// rectangle or an ellipse is a closed figure of its own. CloseFigure
// closes the current figure and StartFigure leaves it open; either way
// the next piece starts a new one. Angles are in degrees, clockwise from
// the positive x axis, measured from the centre of the arc's box.
#pragma once

#include <memory>

#include "GdiPlusTypes.h"

struct GpPathData;

class GpPath {
 public:
  explicit GpPath(FillMode Mode = FillModeAlternate);
  ~GpPath();
  GpPath(const GpPath&) = delete;
  GpPath& operator=(const GpPath&) = delete;

  GpStatus AddLine(float X1, float Y1, float X2, float Y2);
  // A box without area adds nothing (InvalidParameter).
  GpStatus AddArc(float X, float Y, float Width, float Height, float StartAngle, float SweepAngle);
  GpStatus AddBezier(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4);
  GpStatus AddRectangle(const GpRectF& Rect);
  GpStatus AddEllipse(float X, float Y, float Width, float Height);
  GpStatus StartFigure();
  GpStatus CloseFigure();
  GpStatus Reset();

  FillMode GetFillMode() const;
  GpStatus SetFillMode(FillMode Mode);
  // The smallest rectangle holding every point of the path.
  GpRectF Bounds() const;
  bool Empty() const;

  const GpPathData& Data() const { return *d_; }

 private:
  std::unique_ptr<GpPathData> d_;
};
