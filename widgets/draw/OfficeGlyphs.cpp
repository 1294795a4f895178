#include "OfficeGlyphs.h"

#include "graphics/TCanvas.h"

void DrawDropArrow(TCanvas& Canvas, TPoint P, TColor ArrowColor, bool Down, TColor ShadeColor) {
  // Offsets along and across the arrow; pointing right exchanges them.
  auto at = [&](int along, int across) -> TPoint {
    return Down ? TPoint{P.X + along, P.Y + across} : TPoint{P.X + across, P.Y + along};
  };
  auto line = [&](TPoint a, TPoint b) {
    Canvas.MoveTo(a.X, a.Y);
    Canvas.LineTo(b.X, b.Y);
  };
  Canvas.Pen()->SetColor(ArrowColor);
  line(at(0, 0), at(5, 0));
  line(at(1, 1), at(4, 1));
  TPoint tip = at(2, 2);
  Canvas.SetPixel(tip.X, tip.Y, ArrowColor);
  for (TPoint s : {at(0, 1), at(4, 1), at(1, 2), at(3, 2), at(2, 3)}) Canvas.SetPixel(s.X, s.Y, ShadeColor);
}
