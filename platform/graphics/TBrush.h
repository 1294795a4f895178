// The brush areas are filled with; bsClear fills nothing.
#pragma once

#include "TColor.h"
#include "core/TPersistent.h"

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TPersistent {
 public:
  std::string ClassName() const override { return "TBrush"; }
  TColor Color() const { return color_; }
  // Choosing a colour makes a hollow brush solid again.
  void SetColor(TColor Value) {
    if (color_ == Value && style_ == bsSolid) return;
    color_ = Value;
    style_ = bsSolid;
    Changed();
  }
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle Value) { if (style_ != Value) { style_ = Value; Changed(); } }

  void Assign(const TPersistent* Source) override;
  TNotifyEvent OnChange;

 private:
  void Changed() { if (OnChange) OnChange(this); }
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};
