// The application's hints: waits for the mouse to rest on a control that
// has a hint, asks the control (CM_HINTSHOW) and the application
// (OnShowHint) what to show, shows it in a window of the requested class
// and hides it after a while, when the mouse leaves or when the user acts.
// Every pause runs on the application's clock.
#pragma once

#include <cstdint>
#include <memory>

#include "THintInfo.h"
#include "core/TWeak.h"

class TApplication;

class THintController {
 public:
  explicit THintController(TApplication& App);
  ~THintController();
  THintController(const THintController&) = delete;
  THintController& operator=(const THintController&) = delete;

  // The mouse moved to Screen over Control (nullptr: over no control of
  // the program, or outside its windows).
  void MouseMoved(TControl* Control, TPoint Screen);
  // Hides the hint and forgets its control: the next move offers a hint
  // anew after the full pause.
  void CancelHint();

  // Off hides the hint, frees its window and shows no more.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool Value);
  // From resting on a control to its hint.
  int HintPause() const { return hintPause_; }
  void SetHintPause(int Ms) { hintPause_ = Ms; }
  // From another hinted control while a hint shows or has just been left.
  int HintShortPause() const { return hintShortPause_; }
  void SetHintShortPause(int Ms) { hintShortPause_ = Ms; }
  // From showing to hiding, unless the control asks for another.
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int Ms) { hintHidePause_ = Ms; }
  TColor HintColor() const { return hintColor_; }
  void SetHintColor(TColor Value) { hintColor_ = Value; }
  // The class of the next hint's window unless the hint asks for another.
  THintWindowClass HintWindowClass() const { return windowClass_; }
  void SetHintWindowClass(THintWindowClass Value);

  // The control whose hint shows or is waiting for its pause.
  TControl* HintControl() const { return control_.Get(); }
  // The hint window, shown or hidden; nullptr before the first hint.
  THintWindow* HintWindow() const { return window_.Get(); }
  bool HintShowing() const { return showing_; }

  // The control whose hint is offered for the control under the mouse:
  // the nearest one at or above it that has a hint (a text or a published
  // "OfficeHint"), when its ShowHint holds.
  static TControl* FindHintControl(TControl* Control);

 private:
  // Asks the control and the application and shows the hint.
  void ActivateHint();
  void HideHint();
  // The window of Class: the one there is when of that class, else a new
  // one (the old one is freed at loop level).
  THintWindow* WindowOf(THintWindowClass Class);
  void ReleaseWindow();
  void StartPause(int Ms);
  void StopTimer(uintptr_t& Id);

  TApplication& app_;
  // Expires with the controller, so a timer of it never runs after.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
  bool showHint_ = true;
  int hintPause_ = 500;
  int hintShortPause_ = 50;
  int hintHidePause_ = 2500;
  TColor hintColor_ = clInfoBk;
  THintWindowClass windowClass_;
  TWeak<TControl> control_;
  TWeak<THintWindow> window_;
  THintWindowClass windowMadeBy_ = nullptr;
  bool showing_ = false;
  // The shown hint's cursor rectangle, on the screen.
  TRect cursorRect_;
  TPoint cursor_;
  // When a shown hint last ended by the mouse leaving its control; -1 none.
  int64_t leftAt_ = -1;
  uintptr_t pauseTimer_ = 0;
  uintptr_t hideTimer_ = 0;
  uintptr_t reshowTimer_ = 0;
};
