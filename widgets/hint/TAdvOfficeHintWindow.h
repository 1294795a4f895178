// The Office hint window: a borderless rounded pop-up on a vertical
// two-colour gradient with a grey frame, showing either the Office layout
// (bold title, picture, wrapped notes, help line) or the plain hint text.
// Its colours, font and content come from the application's TAdvOfficeHint.
#pragma once

#include <string>

#include "core/TWeak.h"
#include "ui/THintWindow.h"

class TAdvOfficeHint;

class TAdvOfficeHintWindow : public THintWindow {
 public:
  explicit TAdvOfficeHintWindow(TComponent* AOwner);
  std::string ClassName() const override { return "TAdvOfficeHintWindow"; }
  void CreateParams(TCreateParams& Params) const override;
  void WndProc(TMessage& Message) override;
  // Sizes Rect for the layout, keeps it on the work area under the cursor
  // and shows the window; shows nothing without a TAdvOfficeHint on the
  // main form.
  void ActivateHint(const TRect& Rect, const std::string& AHint) override;
  // Measures in the hint font, which the text is painted in.
  TRect CalcHintRect(int MaxWidth, const std::string& AHint) const override;

 protected:
  void Paint() override;

 private:
  bool painting_ = false;
  TWeak<TAdvOfficeHint> hint_;
  // The hint this window was activated for.
  int serial_ = -1;
};
