// The pen lines and outlines are drawn with.
#pragma once

#include "TColor.h"
#include "core/TPersistent.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmCopy, pmNot, pmXor, pmMask, pmMerge };

class TPen : public TPersistent {
 public:
  std::string ClassName() const override { return "TPen"; }
  TColor Color() const { return color_; }
  void SetColor(TColor Value) { if (color_ != Value) { color_ = Value; Changed(); } }
  int Width() const { return width_; }
  void SetWidth(int Value) { if (width_ != Value) { width_ = Value; Changed(); } }
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle Value) { if (style_ != Value) { style_ = Value; Changed(); } }
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode Value) { if (mode_ != Value) { mode_ = Value; Changed(); } }

  void Assign(const TPersistent* Source) override;
  TNotifyEvent OnChange;

 private:
  void Changed() { if (OnChange) OnChange(this); }
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};
