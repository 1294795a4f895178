#include "GpPathGradient.h"

#include <QRadialGradient>

#include "GdiPlusBridge.h"

GpPathGradient::GpPathGradient(const GpRectF& Ellipse)
    : ellipse_(Ellipse), center_{Ellipse.X + Ellipse.Width / 2, Ellipse.Y + Ellipse.Height / 2} {
  Build();
}

GpStatus GpPathGradient::SetCenterPoint(GpPointF Point) {
  center_ = Point;
  Build();
  return Ok;
}

GpStatus GpPathGradient::SetCenterColor(ARGB Color) {
  centerColor_ = Color;
  Build();
  return Ok;
}

GpStatus GpPathGradient::SetSurroundColor(ARGB Color) {
  surroundColor_ = Color;
  Build();
  return Ok;
}

void GpPathGradient::Build() {
  GpBrushData& d = MutableData();
  if (!(ellipse_.Width > 0) || !(ellipse_.Height > 0)) {
    d.status = OutOfMemory;
    d.brush = QBrush();
    return;
  }
  // On a circle the blend from a point to the boundary along each ray is
  // a focal radial gradient; an affine map keeps the ratios along rays,
  // so the ellipse is the unit circle under a scale and a translation.
  const double rx = ellipse_.Width / 2.0, ry = ellipse_.Height / 2.0;
  const double cx = ellipse_.X + rx, cy = ellipse_.Y + ry;
  QRadialGradient g(QPointF(0, 0), 1.0, QPointF((center_.X - cx) / rx, (center_.Y - cy) / ry));
  g.setColorAt(0, ArgbToQColor(centerColor_));
  g.setColorAt(1, ArgbToQColor(surroundColor_));
  g.setSpread(QGradient::PadSpread);
  d.brush = QBrush(g);
  d.brush.setTransform(QTransform(rx, 0, 0, ry, cx, cy));
  d.gradient = true;
  d.bounded = true;
  d.bound = QPainterPath();
  d.bound.addEllipse(QRectF(ellipse_.X, ellipse_.Y, ellipse_.Width, ellipse_.Height));
  d.status = Ok;
}
