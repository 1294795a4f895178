// What areas and text are filled with. The kinds are solid colour, linear
// gradient and path gradient; a brush that could not be made (Status not
// Ok) fills nothing.
#pragma once

#include <memory>

#include "GdiPlusTypes.h"

struct GpBrushData;

class GpBrush {
 public:
  virtual ~GpBrush();
  GpBrush(const GpBrush&) = delete;
  GpBrush& operator=(const GpBrush&) = delete;

  GpStatus Status() const;
  const GpBrushData& Data() const { return *d_; }

 protected:
  GpBrush();
  GpBrushData& MutableData() { return *d_; }

 private:
  std::unique_ptr<GpBrushData> d_;
};
