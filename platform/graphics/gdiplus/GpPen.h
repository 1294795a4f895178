// The pen outlines are drawn with: a colour, a width in pixels (thinner
// than one pixel draws one pixel wide), flat caps, mitred joins and a
// dash style whose pattern is in multiples of the width.
#pragma once

#include <span>
#include <vector>

#include "GdiPlusTypes.h"

class GpPen {
 public:
  explicit GpPen(ARGB Color, float Width = 1.0f);

  ARGB Color() const { return color_; }
  GpStatus SetColor(ARGB Color);
  float Width() const { return width_; }
  GpStatus SetWidth(float Width);
  DashStyle GetDashStyle() const { return dash_; }
  GpStatus SetDashStyle(DashStyle Style);
  // Dash and gap lengths, alternating; switches the style to custom.
  GpStatus SetDashPattern(std::span<const float> Pattern);
  // The on-off lengths of the current style; empty for a solid pen.
  std::vector<float> DashPattern() const;

 private:
  ARGB color_;
  float width_;
  DashStyle dash_ = DashStyleSolid;
  std::vector<float> custom_;
};
