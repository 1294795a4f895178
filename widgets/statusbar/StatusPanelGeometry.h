// Where the status bar's panels lie: each its width, the stretch panel (or
// the last) what is left, kept one pixel off the bar's outer edges.
#pragma once

#include <vector>

#include "core/Geometry.h"

// Painted rectangles of panels of the given widths in a bar W x H:
// top 0, bottom H - 1.
std::vector<TRect> PanelRects(const std::vector<int>& Widths, int StretchPanel, int W, int H);
// Percent filled of a gauge from Min to Max at Position, 0 to 100; an
// empty or reversed range is empty.
int GaugePercent(int Min, int Max, int Position);
// The filled width of an inner width at Percent.
int GaugeFill(int InnerWidth, int Percent);
