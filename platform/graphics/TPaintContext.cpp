#include "TPaintContext.h"

#include "QtBridge.h"
#include "TBitmap.h"

TPaintContext::TPaintContext(TBitmap& Target, TPoint Offset, const TRegion& Clip)
    : dc_(std::make_unique<TDeviceContext>(&Target.Data().surface, Offset)) {
  dc_->SetClip(&ToQRegion(Clip));
}

TPaintContext::~TPaintContext() = default;
