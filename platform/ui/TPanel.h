// A plain container: its colour, an optional one-pixel frame, children.
#pragma once

#include "TCustomControl.h"

class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* AOwner);
  std::string ClassName() const override { return "TPanel"; }
  bool Framed() const { return framed_; }
  void SetFramed(bool Value);
  TColor FrameColor() const { return frameColor_; }
  void SetFrameColor(TColor Value);

 protected:
  void Paint() override;

 private:
  bool framed_ = false;
  TColor frameColor_ = clBtnShadow;
};
