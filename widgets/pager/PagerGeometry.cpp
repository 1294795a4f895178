#include "PagerGeometry.h"

namespace {

int CaptionBand(const TPagerMetrics& M) { return M.CaptionVisible ? M.CaptionHeight : 0; }

}  // namespace

TRect CaptionRect(const TPagerMetrics& M) {
  if (!M.CaptionVisible) return NoRect;
  return {0, 0, M.Width, M.CaptionHeight};
}

TRect TabRowRect(const TPagerMetrics& M) {
  const int c = CaptionBand(M);
  return {0, c, M.Width, c + M.TabHeight};
}

TRect TabAreaRect(const TPagerMetrics& M) {
  const int c = CaptionBand(M);
  int right = M.Width - M.TabEndMargin - M.PageRightMargin - 4;
  if (M.AutoMDIButtons) right -= 59;
  return {M.TabStartMargin + M.PageLeftMargin + 4, c + 4, right, c + M.TabHeight + 4};
}

TRect PageRect(const TPagerMetrics& M) {
  int bottom = M.Height - 5;
  if (M.QATBelow) bottom -= M.CaptionHeight - 2;
  return {M.PageLeftMargin + 4, CaptionBand(M) + M.TabHeight, M.Width - M.PageRightMargin - 4, bottom};
}

TCaptionButtonPlaces CaptionButtonPlaces(const TPagerMetrics& M) {
  constexpr int size = 16, gap = 2;
  const int top = CaptionRect(M).Top + 4;
  const int close = M.Width - size - 6;
  const int maximize = close - size - gap;
  const int minimize = maximize - size - gap;
  return {TRect::Bounds(close, top, size, size), TRect::Bounds(maximize, top, size, size),
          TRect::Bounds(minimize, top, size, size)};
}

bool InPagerEdgeStrip(int Width, TPoint Client) { return Client.Y < 3 || Client.X < 3 || Client.X > Width - 6; }
