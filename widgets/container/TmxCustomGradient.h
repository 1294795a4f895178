// Two-colour gradients in twelve shapes, drawn from a table of 256
// colours that is rebuilt whenever a setting changes.
#pragma once

#include <array>
#include <string>

#include "core/Geometry.h"
#include "core/TObject.h"
#include "core/TPersistent.h"
#include "graphics/TColor.h"

class TCanvas;

enum TmxGradientStyle {
  gtCornerTopLeft,
  gtCornerTopRight,
  gtCornerBottomRight,
  gtCornerBottomLeft,
  gtDiagonalRising,
  gtDiagonalFalling,
  gtEllipse,
  gtPyramid,
  gtVerticalToCenter,
  gtHorizontalToCenter,
  gtLeftToRight,
  gtTopToBottom
};
enum TmxGradientDirection { gdNormal, gdInverse };

class TmxCustomGradient : public TPersistent {
 public:
  static constexpr int kTableSize = 256;
  using TColorTable = std::array<TColor, kTableSize>;

  TmxCustomGradient();
  std::string ClassName() const override { return "TmxCustomGradient"; }
  // Copies both colours, the shape and the direction, then notifies once.
  void Assign(const TPersistent* Source) override;

  TColor BeginColor() const { return beginColor_; }
  // Both colours rebuild the table and notify even when unchanged.
  void SetBeginColor(TColor Value);
  TColor EndColor() const { return endColor_; }
  void SetEndColor(TColor Value);
  TmxGradientStyle DrawStyle() const { return drawStyle_; }
  void SetDrawStyle(TmxGradientStyle Value);
  TmxGradientDirection Direction() const { return direction_; }
  void SetDirection(TmxGradientDirection Value);

  // Plain 0x00BBGGRR colours, resolved from the settings.
  const TColorTable& ColorTable() const { return table_; }

  // Paints the shape over R (the ellipse leaves R's corners untouched).
  virtual void Draw(TCanvas* Canvas, const TRect& R);

  TNotifyEvent OnChangeParameter;

 protected:
  void BuildColorTable();
  void NotifyChange();
  // Paints the shape into a W x H canvas whose origin is its top-left.
  void PaintShape(TCanvas* Canvas, int W, int H) const;

 private:
  TColor beginColor_ = clBtnFace;
  TColor endColor_ = clBlue;
  TmxGradientStyle drawStyle_ = gtLeftToRight;
  TmxGradientDirection direction_ = gdNormal;
  TColorTable table_{};
};
