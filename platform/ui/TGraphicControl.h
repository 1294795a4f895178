// A control without a window of its own: its parent paints it, on the
// parent's device context, and forwards its mouse messages to it.
#pragma once

#include <memory>

#include "TControl.h"
#include "graphics/TCanvas.h"

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  std::string ClassName() const override { return "TGraphicControl"; }
  TCanvas* Canvas() const { return canvas_.get(); }
  void WndProc(TMessage& Message) override;

 protected:
  virtual void Paint() {}

 private:
  std::unique_ptr<TCanvas> canvas_;
};
