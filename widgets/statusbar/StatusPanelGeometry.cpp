#include "StatusPanelGeometry.h"

#include <algorithm>
#include <cmath>

std::vector<TRect> PanelRects(const std::vector<int>& Widths, int StretchPanel, int W, int H) {
  const int n = static_cast<int>(Widths.size());
  const int stretch = StretchPanel >= 0 && StretchPanel < n ? StretchPanel : -1;
  int others = 0;
  for (int i = 0; i < n; ++i)
    if (i != stretch) others += Widths[i];
  std::vector<TRect> rects;
  int x = 0;
  for (int i = 0; i < n; ++i) {
    int w = Widths[i];
    if (i == stretch) w = std::max(0, W - others);
    int right = stretch < 0 && i == n - 1 ? W : x + w;
    int left = x == 0 ? 1 : x;
    if (right == W - 1) right = W - 2;
    rects.push_back({left, 0, right, H - 1});
    x += w;
  }
  return rects;
}

int GaugePercent(int Min, int Max, int Position) {
  if (Max <= Min) return 0;
  const long long span = static_cast<long long>(Max) - Min;
  const long long at = std::clamp(static_cast<long long>(Position), static_cast<long long>(Min),
                                  static_cast<long long>(Max)) - Min;
  return static_cast<int>(at * 100 / span);
}

int GaugeFill(int InnerWidth, int Percent) {
  return static_cast<int>(std::lround(std::max(0, InnerWidth) * std::clamp(Percent, 0, 100) / 100.0));
}
