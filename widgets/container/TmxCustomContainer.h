// A container item: it holds child controls, keeps them one pixel inside
// its border, and can draw a one-pixel line along any of its sides.
#pragma once

#include <string>
#include <vector>

#include "TmxCustomTaskPaneItem.h"
#include "core/TSet.h"
#include "graphics/TColor.h"

enum TmxBorderLine { blLeft, blRight, blTop, blBottom };
using TmxBorderLines = TSet<TmxBorderLine>;

struct TmxLineSegment {
  TPoint From;
  TPoint To;
  friend bool operator==(const TmxLineSegment&, const TmxLineSegment&) = default;
};

class TmxCustomContainer : public TmxCustomTaskPaneItem {
 public:
  explicit TmxCustomContainer(TComponent* AOwner);
  std::string ClassName() const override { return "TmxCustomContainer"; }
  void AdjustClientRect(TRect& Rect) const override;

  TColor LineColor() const { return lineColor_; }
  void SetLineColor(TColor Value);
  TmxBorderLines Lines() const { return lines_; }
  void SetLines(TmxBorderLines Value);

  // The side lines of a W x H client area in drawing order (left, right,
  // top, bottom). Each excludes its end point; some reach past the
  // corners, where the control's clip stops them.
  static std::vector<TmxLineSegment> LineSegments(TmxBorderLines Lines, int W, int H);

 protected:
  void Paint() override;
  // Also re-aligns the children, so that a new border takes effect.
  void Changed() override;

 private:
  TColor lineColor_ = clWhite;
  TmxBorderLines lines_;
};
