#include "GpBrush.h"

#include "GdiPlusBridge.h"

GpBrush::GpBrush() : d_(std::make_unique<GpBrushData>()) {}
GpBrush::~GpBrush() = default;

GpStatus GpBrush::Status() const { return d_->status; }
