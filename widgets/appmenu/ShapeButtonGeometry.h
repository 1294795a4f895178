// Where the application button draws its picture and where its menu opens:
// pure arithmetic on rectangles, kept apart from the button's behaviour.
#pragma once

#include <vector>

#include "core/Geometry.h"
#include "ui/IHost.h"

// The top-left of a picture of size Picture centred in a client area of
// size Client; each half truncates toward zero.
TPoint CentredPicture(TSize Client, TSize Picture);

// The work area of the monitor that holds Point, else of the monitor whose
// bounds lie nearest to it; Fallback when there are no monitors.
TRect NearestWorkArea(const std::vector<TMonitor>& Monitors, TPoint Point, const TRect& Fallback);

struct TAppMenuPlacement {
  TPoint At;      // the menu window's top-left on the screen
  int Shift = 0;  // zero or negative: how far it moved left to fit
};

// The menu opens 3 px left of the button's left edge with its top band
// (BandHeight high) reaching 2 px less than that into the button's bottom;
// a menu that would stick out past the work area's right edge moves left
// until it meets it.
TAppMenuPlacement PlaceAppMenu(TPoint ButtonScreen, int ButtonHeight, int BandHeight, TSize Menu,
                               const TRect& WorkArea);
