// A bitmap to paint on in the container tests, filled with one colour.
#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"
#include "graphics/TColor.h"

struct PaintTarget {
  TBitmap bitmap;
  PaintTarget(int W, int H, TColor Fill) : bitmap(W, H) {
    bitmap.Canvas()->Brush()->SetColor(Fill);
    bitmap.Canvas()->FillRect({0, 0, W, H});
  }
  TCanvas* Canvas() { return bitmap.Canvas(); }
  TColor At(int X, int Y) { return bitmap.Canvas()->Pixel(X, Y); }
  // The grey level of a pixel, or -1 when the pixel is not grey.
  int Grey(int X, int Y) {
    TColor c = At(X, Y);
    return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c) ? GetRValue(c) : -1;
  }
};
