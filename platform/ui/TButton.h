// A plain push button: clicked by the mouse, Space, its accelerator, or
// Enter and Escape when it is the default or cancel button of its form.
#pragma once

#include "Accelerator.h"
#include "TCustomControl.h"
#include "TCustomForm.h"

class TButton : public TCustomControl {
 public:
  explicit TButton(TComponent* AOwner);
  std::string ClassName() const override { return "TButton"; }
  void WndProc(TMessage& Message) override;
  void Click() override;

  bool Default() const { return default_; }
  void SetDefault(bool Value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool Value) { cancel_ = Value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  bool Pressed() const { return pressed_ && inside_; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;

 private:
  void SetPressed(bool Pressed, bool Inside);
  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;  // Enter clicks this button
  bool pressed_ = false;
  bool inside_ = false;
  bool hot_ = false;
  bool spaceDown_ = false;
  TModalResult modalResult_ = mrNone;
};
