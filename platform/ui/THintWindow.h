// The window hints are shown in: a small custom-painted top-level pop-up
// that never takes the activation, the focus or the mouse (clicks pass
// through it). It sizes itself to its text whenever the text changes.
#pragma once

#include <string>

#include "TCustomControl.h"

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* AOwner);
  std::string ClassName() const override { return "THintWindow"; }
  void CreateParams(TCreateParams& Params) const override;
  void WndProc(TMessage& Message) override;

  // Takes the text, places the window at Rect (screen coordinates) and
  // shows it.
  virtual void ActivateHint(const TRect& Rect, const std::string& AHint);
  // The window's size for a text: its width + 6 by its height + 4 in the
  // canvas's current font.
  TSize TextSize(const std::string& AHint) const;
  // The window's rectangle at (0, 0) for a hint: its text wrapped at
  // MaxWidth, with the same margins as TextSize.
  virtual TRect CalcHintRect(int MaxWidth, const std::string& AHint) const;

 protected:
  void Paint() override;
};
