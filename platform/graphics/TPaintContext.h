// A device context on a bitmap, for a window's paint pass: the painted
// control's (0, 0) lies at Offset of the bitmap and its drawing is clipped
// to Clip (in the control's own coordinates). Its handle is what WM_PAINT
// carries; the context itself stays opaque above the graphics layer.
#pragma once

#include <memory>

#include "TRegion.h"
#include "core/Geometry.h"

class TBitmap;
class TDeviceContext;

class TPaintContext {
 public:
  TPaintContext(TBitmap& Target, TPoint Offset, const TRegion& Clip);
  ~TPaintContext();
  TPaintContext(const TPaintContext&) = delete;
  TPaintContext& operator=(const TPaintContext&) = delete;

  TDeviceContext* Handle() const { return dc_.get(); }

 private:
  std::unique_ptr<TDeviceContext> dc_;
};
