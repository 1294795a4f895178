// A linear two-colour gradient over a rectangle: Color1 on the start
// edge (left, top, top-left or top-right corner by mode), Color2 on the
// opposite one; the diagonal modes scale with the rectangle, so the
// corners carry the pure colours. Outside the rectangle the gradient
// repeats (tile wrap by default). An empty rectangle gives a brush that
// is not Ok.
#pragma once

#include "GpBrush.h"

class GpLineGradient : public GpBrush {
 public:
  GpLineGradient(const GpRectF& Rect, ARGB Color1, ARGB Color2, LinearGradientMode Mode);

  GpRectF Rectangle() const { return rect_; }
  ARGB Color1() const { return color1_; }
  ARGB Color2() const { return color2_; }
  LinearGradientMode Mode() const { return mode_; }
  WrapMode GetWrapMode() const { return wrap_; }
  // Clamp is not a wrap mode of linear gradients (InvalidParameter).
  GpStatus SetWrapMode(WrapMode Mode);

 private:
  void Build();
  GpRectF rect_;
  ARGB color1_;
  ARGB color2_;
  LinearGradientMode mode_;
  WrapMode wrap_ = WrapModeTile;
};
