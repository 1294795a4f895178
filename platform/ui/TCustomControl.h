// A windowed control that paints itself on its Canvas in Paint.
#pragma once

#include <memory>

#include "TWinControl.h"
#include "graphics/TCanvas.h"

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  std::string ClassName() const override { return "TCustomControl"; }
  TCanvas* Canvas() const { return canvas_.get(); }

 protected:
  virtual void Paint() {}
  void PaintWindow(TDeviceContext* DC) override;

 private:
  std::unique_ptr<TCanvas> canvas_;
};
