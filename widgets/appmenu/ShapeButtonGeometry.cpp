#include "ShapeButtonGeometry.h"

#include <algorithm>
#include <limits>

TPoint CentredPicture(TSize Client, TSize Picture) {
  return {(Client.cx - Picture.cx) / 2, (Client.cy - Picture.cy) / 2};
}

TRect NearestWorkArea(const std::vector<TMonitor>& Monitors, TPoint Point, const TRect& Fallback) {
  const TMonitor* best = nullptr;
  long long bestDistance = std::numeric_limits<long long>::max();
  for (const TMonitor& m : Monitors) {
    const TRect& b = m.BoundsRect;
    // Distance to the nearest pixel of the bounds; 0 inside.
    const long long dx = Point.X < b.Left ? b.Left - Point.X : Point.X >= b.Right ? Point.X - (b.Right - 1) : 0;
    const long long dy = Point.Y < b.Top ? b.Top - Point.Y : Point.Y >= b.Bottom ? Point.Y - (b.Bottom - 1) : 0;
    const long long distance = dx * dx + dy * dy;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = &m;
    }
  }
  return best ? best->WorkareaRect : Fallback;
}

TAppMenuPlacement PlaceAppMenu(TPoint ButtonScreen, int ButtonHeight, int BandHeight, TSize Menu,
                               const TRect& WorkArea) {
  TAppMenuPlacement p;
  p.At = {ButtonScreen.X - 3, ButtonScreen.Y + ButtonHeight - BandHeight + 2};
  if (p.At.X + Menu.cx > WorkArea.Right) {
    p.Shift = WorkArea.Right - (p.At.X + Menu.cx);
    p.At.X += p.Shift;
  }
  return p;
}
