#include "THintController.h"

#include <algorithm>
#include <cassert>

#include "TApplication.h"
#include "TControl.h"
#include "THintWindow.h"

namespace {

// The default place of a hint: this far below the cursor's hot spot, clear
// of the arrow.
constexpr int kBelowCursor = 20;

// R moved left and up as far as it sticks out of Area, then right and down
// as far as it starts before it.
TRect KeepInside(TRect R, const TRect& Area) {
  R = R.Offset(std::min(0, Area.Right - R.Right), std::min(0, Area.Bottom - R.Bottom));
  return R.Offset(std::max(0, Area.Left - R.Left), std::max(0, Area.Top - R.Top));
}

}  // namespace

THintController::THintController(TApplication& App) : app_(App), windowClass_(HintWindowClassOf<THintWindow>) {}

THintController::~THintController() {
  StopTimer(pauseTimer_);
  StopTimer(hideTimer_);
  StopTimer(reshowTimer_);
}

TControl* THintController::FindHintControl(TControl* Control) {
  for (TControl* c = Control; c; c = c->Parent())
    if (!c->Hint().empty() || c->PublishedObject("OfficeHint")) return c->ShowHint() ? c : nullptr;
  return nullptr;
}

void THintController::MouseMoved(TControl* Control, TPoint Screen) {
  cursor_ = Screen;
  if (!showHint_) return;
  TControl* hinted = FindHintControl(Control);
  if (hinted && control_ == hinted) {
    // Within the same control nothing changes, unless the mouse leaves the
    // part of it the shown hint is about.
    if (showing_ && !cursorRect_.Contains(Screen)) {
      HideHint();
      StartPause(hintShortPause_);
    }
    return;
  }
  const int64_t now = app_.Now();
  const bool quick = showing_ || (leftAt_ >= 0 && now - leftAt_ < hintPause_);
  if (showing_) leftAt_ = now;
  HideHint();
  StopTimer(pauseTimer_);
  control_ = hinted;
  if (hinted) StartPause(quick ? hintShortPause_ : hintPause_);
}

void THintController::CancelHint() {
  StopTimer(pauseTimer_);
  HideHint();
  control_.Reset();
  leftAt_ = -1;
}

void THintController::SetShowHint(bool Value) {
  if (showHint_ == Value) return;
  showHint_ = Value;
  if (Value) return;
  CancelHint();
  ReleaseWindow();
}

void THintController::SetHintWindowClass(THintWindowClass Value) {
  assert(Value);
  windowClass_ = Value;
}

void THintController::StartPause(int Ms) {
  StopTimer(pauseTimer_);
  pauseTimer_ = app_.StartTimer(
      static_cast<unsigned>(std::max(Ms, 0)),
      [this] {
        StopTimer(pauseTimer_);
        ActivateHint();
      },
      alive_);
}

void THintController::StopTimer(uintptr_t& Id) {
  if (Id) app_.StopTimer(Id);
  Id = 0;
}

void THintController::ActivateHint() {
  TControl* control = control_.Get();
  if (!control || !showHint_) return;
  const TRect work = app_.Windows().MonitorFor(TRect::Bounds(cursor_.X, cursor_.Y, 1, 1)).WorkareaRect;
  THintInfo info;
  info.HintControl = control;
  info.HintWindowClass = windowClass_;
  info.HintPos = {cursor_.X, cursor_.Y + kBelowCursor};
  info.HintMaxWidth = work.Width();
  info.HintColor = hintColor_;
  info.CursorRect = control->ClientRect();
  info.CursorPos = control->ScreenToClient(cursor_);
  info.HintStr = control->Hint();
  info.HideTimeout = hintHidePause_;
  bool canShow = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info)) == 0;
  // The handlers may free the control, end the hint or switch hints off.
  if (control_ != control) return;
  if (canShow && app_.OnShowHint) app_.OnShowHint(info.HintStr, canShow, info);
  if (!canShow || info.HintStr.empty() || !showHint_ || control_ != control) return;

  HideHint();
  THintWindow* window = WindowOf(info.HintWindowClass ? info.HintWindowClass : windowClass_);
  window->SetColor(info.HintColor);
  TRect r = window->CalcHintRect(info.HintMaxWidth, info.HintStr);
  r = KeepInside(r.Offset(info.HintPos.X, info.HintPos.Y), work);
  window->ActivateHint(r, info.HintStr);
  showing_ = true;
  const TPoint origin = control->ClientOrigin();
  cursorRect_ = info.CursorRect.Offset(origin.X, origin.Y);
  if (info.HideTimeout > 0)
    hideTimer_ = app_.StartTimer(static_cast<unsigned>(info.HideTimeout), [this] { HideHint(); }, alive_);
  if (info.ReshowTimeout > 0)
    reshowTimer_ = app_.StartTimer(static_cast<unsigned>(info.ReshowTimeout), [this] { ActivateHint(); }, alive_);
}

void THintController::HideHint() {
  StopTimer(hideTimer_);
  StopTimer(reshowTimer_);
  if (!showing_) return;
  showing_ = false;
  if (THintWindow* window = window_.Get()) window->Hide();
}

THintWindow* THintController::WindowOf(THintWindowClass Class) {
  if (window_ && windowMadeBy_ == Class) return window_.Get();
  ReleaseWindow();
  THintWindow* window = Class(&app_);
  assert(window && "a hint window class creates a window");
  window_ = window;
  windowMadeBy_ = Class;
  return window;
}

void THintController::ReleaseWindow() {
  HideHint();
  if (THintWindow* window = window_.Get()) app_.ReleaseComponent(window);
  window_.Reset();
  windowMadeBy_ = nullptr;
}
