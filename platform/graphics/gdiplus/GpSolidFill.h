// A brush of one colour.
#pragma once

#include "GpBrush.h"

class GpSolidFill : public GpBrush {
 public:
  explicit GpSolidFill(ARGB Color);
  ARGB Color() const { return color_; }
  GpStatus SetColor(ARGB Color);

 private:
  ARGB color_;
};
