#include "GpLineGradient.h"

#include <QLinearGradient>

#include "GdiPlusBridge.h"

GpLineGradient::GpLineGradient(const GpRectF& Rect, ARGB Color1, ARGB Color2, LinearGradientMode Mode)
    : rect_(Rect), color1_(Color1), color2_(Color2), mode_(Mode) {
  Build();
}

GpStatus GpLineGradient::SetWrapMode(WrapMode Mode) {
  if (Mode < WrapModeTile || Mode >= WrapModeClamp) return InvalidParameter;
  wrap_ = Mode;
  Build();
  return Ok;
}

void GpLineGradient::Build() {
  GpBrushData& d = MutableData();
  const bool validMode = mode_ >= LinearGradientModeHorizontal && mode_ <= LinearGradientModeBackwardDiagonal;
  if (!validMode || !(rect_.Width > 0) || !(rect_.Height > 0)) {
    d.status = validMode ? OutOfMemory : InvalidParameter;
    d.brush = QBrush();
    return;
  }
  // Defined on the unit square and mapped onto the rectangle.
  QPointF from(0, 0), to(1, 0);
  switch (mode_) {
    case LinearGradientModeHorizontal: break;
    case LinearGradientModeVertical: to = QPointF(0, 1); break;
    case LinearGradientModeForwardDiagonal: to = QPointF(1, 1); break;
    case LinearGradientModeBackwardDiagonal: from = QPointF(1, 0); to = QPointF(0, 1); break;
  }
  QLinearGradient g(from, to);
  g.setColorAt(0, ArgbToQColor(color1_));
  g.setColorAt(1, ArgbToQColor(color2_));
  g.setSpread(wrap_ == WrapModeTile ? QGradient::RepeatSpread : QGradient::ReflectSpread);
  d.brush = QBrush(g);
  d.brush.setTransform(QTransform(rect_.Width, 0, 0, rect_.Height, rect_.X, rect_.Y));
  d.gradient = true;
  d.status = Ok;
}
