// The pager's bands as pure functions of its size and settings: the
// caption bar, the tab row, the area the tabs may use, the page and the
// caption buttons. All in the pager's client coordinates.
#pragma once

#include "core/Geometry.h"

struct TPagerMetrics {
  int Width = 0;
  int Height = 0;
  bool CaptionVisible = true;
  int CaptionHeight = 27;
  int TabHeight = 26;
  int TabStartMargin = 60;
  int TabEndMargin = 0;
  int PageLeftMargin = 0;
  int PageRightMargin = 0;
  bool AutoMDIButtons = false;
  // A shown quick access toolbar placed below the pages.
  bool QATBelow = false;
};

// "No rectangle": every side -1.
constexpr TRect NoRect{-1, -1, -1, -1};

TRect CaptionRect(const TPagerMetrics& M);
TRect TabRowRect(const TPagerMetrics& M);
TRect TabAreaRect(const TPagerMetrics& M);
TRect PageRect(const TPagerMetrics& M);

// Where the three caption buttons go: close at the right, maximise and
// minimise to its left, 16 x 16 with 2 pixels between.
struct TCaptionButtonPlaces {
  TRect Close, Maximize, Minimize;
};
TCaptionButtonPlaces CaptionButtonPlaces(const TPagerMetrics& M);

// Non-client hit test of the pager: the strips along its top, left and
// right edges that let the form's resize zones through.
bool InPagerEdgeStrip(int Width, TPoint Client);
