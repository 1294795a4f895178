#include "GpPath.h"

#include <algorithm>
#include <cmath>

#include "GdiPlusBridge.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// The parameter angle of the point that lies at geometric angle A (both
// clockwise, degrees) on an ellipse with radii Rx, Ry; monotonic in A.
double ParameterAngle(double A, double Rx, double Ry) {
  double turns = std::floor(A / 360.0);
  double a = (A - 360.0 * turns) * kPi / 180.0;
  double t = std::atan2(Rx * std::sin(a), Ry * std::cos(a)) * 180.0 / kPi;
  if (t < 0) t += 360.0;
  return t + 360.0 * turns;
}

}  // namespace

GpPath::GpPath(FillMode Mode) : d_(std::make_unique<GpPathData>()) { SetFillMode(Mode); }
GpPath::~GpPath() = default;

GpStatus GpPath::AddLine(float X1, float Y1, float X2, float Y2) {
  QPainterPath& p = d_->path;
  if (d_->newFigure) {
    p.moveTo(X1, Y1);
    d_->newFigure = false;
  } else if (p.currentPosition() != QPointF(X1, Y1)) {
    p.lineTo(X1, Y1);
  }
  p.lineTo(X2, Y2);
  return Ok;
}

GpStatus GpPath::AddArc(float X, float Y, float Width, float Height, float StartAngle, float SweepAngle) {
  if (!(Width > 0) || !(Height > 0)) return InvalidParameter;
  double sweep = std::clamp<double>(SweepAngle, -360.0, 360.0);
  double rx = Width / 2.0, ry = Height / 2.0;
  double t0 = ParameterAngle(StartAngle, rx, ry);
  double t1 = ParameterAngle(StartAngle + sweep, rx, ry);
  if (std::fabs(sweep) >= 360.0) t1 = t0 + sweep;
  // The painter measures counter-clockwise on the screen.
  QRectF box(X, Y, Width, Height);
  QPainterPath& p = d_->path;
  if (d_->newFigure) {
    p.arcMoveTo(box, -t0);
    d_->newFigure = false;
  }
  p.arcTo(box, -t0, -(t1 - t0));
  return Ok;
}

GpStatus GpPath::AddBezier(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4) {
  QPainterPath& p = d_->path;
  if (d_->newFigure) {
    p.moveTo(X1, Y1);
    d_->newFigure = false;
  } else if (p.currentPosition() != QPointF(X1, Y1)) {
    p.lineTo(X1, Y1);
  }
  p.cubicTo(X2, Y2, X3, Y3, X4, Y4);
  return Ok;
}

GpStatus GpPath::AddRectangle(const GpRectF& Rect) {
  if (Rect.Width == 0 || Rect.Height == 0) return Ok;
  d_->path.addRect(QRectF(Rect.X, Rect.Y, Rect.Width, Rect.Height));
  d_->newFigure = true;
  return Ok;
}

GpStatus GpPath::AddEllipse(float X, float Y, float Width, float Height) {
  d_->path.addEllipse(QRectF(X, Y, Width, Height));
  d_->newFigure = true;
  return Ok;
}

GpStatus GpPath::StartFigure() {
  d_->newFigure = true;
  return Ok;
}

GpStatus GpPath::CloseFigure() {
  if (!d_->newFigure) d_->path.closeSubpath();
  d_->newFigure = true;
  return Ok;
}

GpStatus GpPath::Reset() {
  FillMode mode = GetFillMode();
  d_->path = QPainterPath();
  d_->newFigure = true;
  return SetFillMode(mode);
}

FillMode GpPath::GetFillMode() const {
  return d_->path.fillRule() == Qt::WindingFill ? FillModeWinding : FillModeAlternate;
}

GpStatus GpPath::SetFillMode(FillMode Mode) {
  d_->path.setFillRule(Mode == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
  return Ok;
}

GpRectF GpPath::Bounds() const {
  QRectF r = d_->path.boundingRect();
  return {float(r.x()), float(r.y()), float(r.width()), float(r.height())};
}

bool GpPath::Empty() const { return d_->path.isEmpty(); }
