// The key tip: a small label over a tab or a button naming the letters
// that reach it from the keyboard. A borderless hint window painted with
// a white-to-silver face, the centred text and a grey rounded outline.
#pragma once

#include <string>

#include "ui/THintWindow.h"

class TShortCutHintWindow : public THintWindow {
 public:
  explicit TShortCutHintWindow(TComponent* AOwner);
  std::string ClassName() const override { return "TShortCutHintWindow"; }
  void CreateParams(TCreateParams& Params) const override;
  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
};
