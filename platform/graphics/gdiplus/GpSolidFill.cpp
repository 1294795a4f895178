#include "GpSolidFill.h"

#include "GdiPlusBridge.h"

GpSolidFill::GpSolidFill(ARGB Color) : color_(Color) { MutableData().brush = QBrush(ArgbToQColor(Color)); }

GpStatus GpSolidFill::SetColor(ARGB Color) {
  color_ = Color;
  MutableData().brush = QBrush(ArgbToQColor(Color));
  return Ok;
}
