// Platform-internal: the Qt objects behind the 2-D drawing surface's
// types. Only .cpp files of the platform layer include this header.
#pragma once

#include <QImage>

#include "GpImage.h"

struct GpImageData {
  QImage image;  // ARGB32 premultiplied; null when the bytes were no image
  TGUID format;
};
