// A canvas's device-context state (viewport origin and clip), put back
// when the scope ends, however it ends.
#pragma once

#include "TCanvas.h"

class TSavedCanvasState {
 public:
  explicit TSavedCanvasState(TCanvas* Canvas) : canvas_(Canvas), level_(Canvas->SaveDC()) {}
  ~TSavedCanvasState() { canvas_->RestoreDC(level_); }
  TSavedCanvasState(const TSavedCanvasState&) = delete;
  TSavedCanvasState& operator=(const TSavedCanvasState&) = delete;

 private:
  TCanvas* canvas_;
  int level_;
};
