#include "GpPen.h"

GpPen::GpPen(ARGB Color, float Width) : color_(Color), width_(Width) {}

GpStatus GpPen::SetColor(ARGB Color) {
  color_ = Color;
  return Ok;
}

GpStatus GpPen::SetWidth(float Width) {
  if (!(Width >= 0)) return InvalidParameter;
  width_ = Width;
  return Ok;
}

GpStatus GpPen::SetDashStyle(DashStyle Style) {
  if (Style < DashStyleSolid || Style > DashStyleCustom) return InvalidParameter;
  dash_ = Style;
  return Ok;
}

GpStatus GpPen::SetDashPattern(std::span<const float> Pattern) {
  if (Pattern.empty()) return InvalidParameter;
  for (float v : Pattern)
    if (!(v > 0)) return InvalidParameter;
  custom_.assign(Pattern.begin(), Pattern.end());
  dash_ = DashStyleCustom;
  return Ok;
}

std::vector<float> GpPen::DashPattern() const {
  switch (dash_) {
    case DashStyleDash: return {3, 1};
    case DashStyleDot: return {1, 1};
    case DashStyleDashDot: return {3, 1, 1, 1};
    case DashStyleDashDotDot: return {3, 1, 1, 1, 1, 1};
    case DashStyleCustom: return custom_;
    default: return {};
  }
}
