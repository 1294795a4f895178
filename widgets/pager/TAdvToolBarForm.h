// The borderless Office form: no desktop title bar (the pager on top draws
// the caption and its buttons), a rounded outline in the pager's caption
// text colour, resize zones along its edges, and a maximised size that
// fits the monitor's work area. The older-system paths (a client inset and
// a rounded window shape) run where IsVistaOrLater is false.
#pragma once

#include "ui/TCustomForm.h"

class TAdvToolBarPager;

class TAdvToolBarForm : public TForm {
 public:
  using TForm::TForm;
  std::string ClassName() const override { return "TAdvToolBarForm"; }
  void WndProc(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) const override;
  void AdjustClientRect(TRect& Rect) const override;

  // The outline's colour: the caption text colour of the last pager
  // child's styler (white becomes black), else grey.
  TColor OutlineColor() const;
  // The resize zone of a client point for a window of outer size W x H,
  // or Base where no zone rule matches.
  static int HitTestZone(TPoint Client, int W, int H, int Base);

 protected:
  void CreateHandle() override;
  void Paint() override;

 private:
  TAdvToolBarPager* FirstPager() const;
};
