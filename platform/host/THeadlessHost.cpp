#include "THeadlessHost.h"

#include <algorithm>

#include "core/Exceptions.h"
#include "ui/Messages.h"

THeadlessHost::THeadlessHost() {
  monitors_ = {TMonitor{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true}};
}

THeadlessHost::~THeadlessHost() = default;

THostWindow THeadlessHost::CreateWindow(const THostWindowParams& Params) {
  THostWindow id = nextId_++;
  TWindowInfo info;
  info.Params = Params;
  info.Bounds = Params.Bounds;
  info.RestoredBounds = Params.Bounds;
  info.Title = Params.Title;
  windows_[id] = info;
  order_.push_back(id);
  return id;
}

void THeadlessHost::DestroyWindow(THostWindow Window) {
  windows_.erase(Window);
  order_.erase(std::remove(order_.begin(), order_.end(), Window), order_.end());
  if (active_ == Window) active_ = 0;
  if (hover_ == Window) hover_ = 0;
  if (grab_ == Window) grab_ = 0;
  if (mouseGrab_ == Window) mouseGrab_ = 0;
}

const THeadlessHost::TWindowInfo* THeadlessHost::Info(THostWindow Window) const {
  auto it = windows_.find(Window);
  return it == windows_.end() ? nullptr : &it->second;
}

void THeadlessHost::SetBounds(THostWindow Window, const TRect& Bounds) {
  auto it = windows_.find(Window);
  if (it == windows_.end()) return;
  it->second.Bounds = Bounds;
  if (it->second.State == hssNormal || it->second.State == hssHidden) it->second.RestoredBounds = Bounds;
}

void THeadlessHost::SetShowState(THostWindow Window, THostShowState State) {
  auto it = windows_.find(Window);
  if (it == windows_.end()) return;
  TWindowInfo& w = it->second;
  THostShowState old = w.State;
  if (old == State) return;
  w.State = State;
  if (State == hssHidden) {
    if (active_ == Window) {
      active_ = 0;
      if (listener_) listener_->HostActivated(Window, false);
      // The desktop hands activation to the topmost window left.
      for (auto o = order_.rbegin(); o != order_.rend(); ++o) {
        const TWindowInfo& next = windows_.at(*o);
        bool activates = next.Params.Kind == hwkFramed || next.Params.Kind == hwkFrameless;
        if (*o != Window && activates && next.State != hssHidden && next.State != hssMinimized) {
          Activate(*o);
          break;
        }
      }
    }
    return;
  }
  if (old == hssHidden) w.PresentsAtMap = w.Presents;
  // A desktop fits a maximised window to the work area and puts a
  // restored one back where it was.
  bool notify = State == hssMinimized || State == hssMaximized || (State == hssNormal && old != hssHidden);
  if (State == hssMaximized && ResizesMaximized) {
    if (old == hssNormal || old == hssHidden) w.RestoredBounds = w.Bounds;
    w.Bounds = monitors_.empty() ? w.Bounds : monitors_.front().WorkareaRect;
  } else if (State == hssNormal && old != hssHidden && ResizesMaximized) {
    w.Bounds = w.RestoredBounds;
  }
  Raise(Window);
  if (notify && listener_) listener_->HostGeometryChanged(Window, w.Bounds, State);
  bool activates = w.Params.Kind == hwkFramed || w.Params.Kind == hwkFrameless;
  if (old == hssHidden && activates && State != hssMinimized) Activate(Window);
}

void THeadlessHost::SetTransient(THostWindow Window, THostWindow Owner) {
  if (auto it = windows_.find(Window); it != windows_.end()) it->second.Params.Transient = Owner;
}

void THeadlessHost::SetTitle(THostWindow Window, const std::string& Title) {
  if (auto it = windows_.find(Window); it != windows_.end()) it->second.Title = Title;
}

void THeadlessHost::SetIcon(THostWindow Window, std::span<const uint8_t> Image) {
  if (auto it = windows_.find(Window); it != windows_.end()) it->second.IconBytes = Image.size();
}

void THeadlessHost::SetMask(THostWindow Window, const TRegion* Region) {
  auto it = windows_.find(Window);
  if (it == windows_.end()) return;
  it->second.Masked = Region != nullptr;
  it->second.Mask = Region ? *Region : TRegion();
}

void THeadlessHost::Present(THostWindow Window, const TBitmap& BackBuffer, const TRegion& Dirty) {
  auto it = windows_.find(Window);
  if (it == windows_.end()) return;
  it->second.Buffer = &BackBuffer;
  ++it->second.Presents;
}

void THeadlessHost::SetCursor(THostWindow Window, TCursor Cursor) {
  if (auto it = windows_.find(Window); it != windows_.end()) it->second.Cursor = Cursor;
}

void THeadlessHost::Raise(THostWindow Window) {
  auto it = std::find(order_.begin(), order_.end(), Window);
  if (it == order_.end()) return;
  order_.erase(it);
  order_.push_back(Window);
}

void THeadlessHost::Activate(THostWindow Window) {
  auto it = windows_.find(Window);
  if (it == windows_.end() || it->second.State == hssHidden) return;
  if (it->second.Params.Kind == hwkPopup) return;
  Raise(Window);
  if (active_ == Window) return;
  THostWindow old = active_;
  active_ = Window;
  if (!listener_) return;
  if (old) listener_->HostActivated(old, false);
  listener_->HostActivated(Window, true);
}

void THeadlessHost::SetMouseGrab(THostWindow Window, bool Grab) {
  if (Grab && windows_.count(Window)) mouseGrab_ = Window;
  else if (!Grab && mouseGrab_ == Window) mouseGrab_ = 0;
}

void THeadlessHost::ProcessEvents(int TimeoutMs) {
  if (TimeoutMs == 0) return;
  if (!OnIdle) throw EPlatformError("The headless desktop has no input to wait for");
  OnIdle();
}

THostWindow THeadlessHost::WindowAt(TPoint Screen) const {
  for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
    const TWindowInfo& w = windows_.at(*it);
    if (w.State == hssHidden || w.State == hssMinimized || w.Params.InputTransparent) continue;
    if (!w.Bounds.Contains(Screen)) continue;
    if (w.Masked && !w.Mask.Contains(Screen - w.Bounds.TopLeft())) continue;
    return *it;
  }
  return 0;
}

TShiftState THeadlessHost::Shift() const {
  TShiftState s;
  if (keys_.count(VK_SHIFT)) s.Include(ssShift);
  if (keys_.count(VK_CONTROL)) s.Include(ssCtrl);
  if (keys_.count(VK_MENU)) s.Include(ssAlt);
  if (buttons_.count(mbLeft)) s.Include(ssLeft);
  if (buttons_.count(mbRight)) s.Include(ssRight);
  if (buttons_.count(mbMiddle)) s.Include(ssMiddle);
  return s;
}

void THeadlessHost::SendMouse(THostWindow Window, THostMouseKind Kind, TMouseButton Button, int Delta) {
  if (!listener_ || !windows_.count(Window)) return;
  THostMouseEvent e;
  e.Kind = Kind;
  e.Button = Button;
  e.Screen = cursor_;
  e.Pos = cursor_ - windows_.at(Window).Bounds.TopLeft();
  e.Shift = Shift();
  e.WheelDelta = Delta;
  listener_->HostMouse(Window, e);
}

void THeadlessHost::MoveMouse(TPoint Screen) {
  cursor_ = Screen;
  if (grab_) {
    SendMouse(grab_, hmMove, mbLeft);
    return;
  }
  THostWindow now = WindowAt(Screen);
  if (hover_ && hover_ != now) SendMouse(hover_, hmLeave, mbLeft);
  hover_ = now;
  if (now) SendMouse(now, hmMove, mbLeft);
}

void THeadlessHost::PressMouse(TMouseButton Button, bool DoubleClick) {
  THostWindow target = grab_ ? grab_ : WindowAt(cursor_);
  buttons_.insert(Button);
  if (!target) return;
  grab_ = target;
  SendMouse(target, DoubleClick ? hmDoubleClick : hmPress, Button);
}

void THeadlessHost::ReleaseMouse(TMouseButton Button) {
  THostWindow target = grab_;
  buttons_.erase(Button);
  if (buttons_.empty()) grab_ = 0;
  if (target) SendMouse(target, hmRelease, Button);
  if (!grab_) {
    // After an implicit grab the window under the cursor may have changed.
    THostWindow now = WindowAt(cursor_);
    if (hover_ && hover_ != now) SendMouse(hover_, hmLeave, mbLeft);
    if (now && now != hover_) {
      hover_ = now;
      SendMouse(now, hmMove, mbLeft);
    }
    hover_ = now;
  }
}

void THeadlessHost::Wheel(int Delta) {
  THostWindow target = grab_ ? grab_ : WindowAt(cursor_);
  if (target) SendMouse(target, hmWheel, mbLeft, Delta);
}

void THeadlessHost::PressKey(uint16_t Key, std::u32string Text) {
  bool repeat = keys_.count(Key) != 0;
  keys_.insert(Key);
  if (!listener_ || !active_) return;
  THostKeyEvent e;
  e.Down = true;
  e.Key = Key;
  e.Shift = Shift();
  e.AutoRepeat = repeat;
  e.Text = std::move(Text);
  listener_->HostKey(active_, e);
}

void THeadlessHost::ReleaseKey(uint16_t Key) {
  keys_.erase(Key);
  if (!listener_ || !active_) return;
  THostKeyEvent e;
  e.Down = false;
  e.Key = Key;
  e.Shift = Shift();
  listener_->HostKey(active_, e);
}

void THeadlessHost::SetLiveKeyState(uint16_t Key, bool Down) {
  if (Down) keys_.insert(Key);
  else keys_.erase(Key);
}

void THeadlessHost::ChangeGeometry(THostWindow Window, const TRect& Bounds, THostShowState State) {
  auto it = windows_.find(Window);
  if (it == windows_.end()) return;
  it->second.Bounds = Bounds;
  it->second.State = State;
  if (listener_) listener_->HostGeometryChanged(Window, Bounds, State);
}

void THeadlessHost::RequestClose(THostWindow Window) {
  if (listener_ && windows_.count(Window)) listener_->HostCloseRequest(Window);
}
