#include "TWindowManager.h"

#include <algorithm>
#include <cassert>

#include "TApplication.h"
#include "TCustomForm.h"
#include "TWinControl.h"
#include "graphics/TPaintContext.h"
#include "graphics/TBitmap.h"

struct TWindowManager::Window {
  // The window's control detaches it before it goes (DestroyHandle).
  TWinControl* control = nullptr;
  THostWindow host = 0;
  std::unique_ptr<TBitmap> buffer;
  bool scheduled = false;
  bool cursorInside = false;
  TCursor cursor = crDefault;
  THostWindowKind kind = hwkFramed;
};

namespace {

bool IsChildWindow(const TControl* c, const TWinControl** out) {
  auto* w = dynamic_cast<const TWinControl*>(c);
  if (!w || w->IsTopLevel()) return false;
  *out = w;
  return true;
}

// The part of Control's client area that shows: inside every parent, not
// under a windowed sibling above it (or above a parent), and not under
// its own windowed children.
// The area a child window covers in its parent: its rectangle, or its shape.
TRegion Footprint(const TWinControl* Window) {
  if (const TRegion* shape = Window->WindowRgn()) return shape->Translated(Window->Left(), Window->Top());
  return TRegion(Window->BoundsRect());
}

TRegion VisibleRegion(const TWinControl* Control) {
  TRegion r(Control->ClientRect());
  if (const TRegion* shape = Control->WindowRgn()) r = r.Intersected(*shape);
  for (int i = 0; i < Control->ControlCount(); ++i) {
    const TWinControl* w;
    if (IsChildWindow(Control->Controls(i), &w) && w->Visible()) r = r.Subtracted(Footprint(w));
  }
  TPoint off;
  const TWinControl* cur = Control;
  while (!cur->IsTopLevel()) {
    const TWinControl* p = cur->Parent();
    if (!p->Visible()) return TRegion();
    off = off + TPoint{cur->Left(), cur->Top()};
    r = r.Intersected(TRegion(p->ClientRect().Offset(-off.X, -off.Y)));
    bool above = false;
    for (int i = 0; i < p->ControlCount(); ++i) {
      TControl* s = p->Controls(i);
      if (s == cur) {
        above = true;
        continue;
      }
      const TWinControl* w;
      if (above && IsChildWindow(s, &w) && w->Visible()) r = r.Subtracted(Footprint(w).Translated(-off.X, -off.Y));
    }
    cur = p;
  }
  return r;
}

intptr_t ShiftToMouseKeys(TShiftState s) {
  intptr_t k = 0;
  if (s.Contains(ssShift)) k |= MK_SHIFT;
  if (s.Contains(ssCtrl)) k |= MK_CONTROL;
  if (s.Contains(ssLeft)) k |= MK_LBUTTON;
  if (s.Contains(ssRight)) k |= MK_RBUTTON;
  if (s.Contains(ssMiddle)) k |= MK_MBUTTON;
  return k;
}

TCursor CursorForHitTest(int code) {
  switch (code) {
    case HTLEFT:
    case HTRIGHT: return crSizeWE;
    case HTTOP:
    case HTBOTTOM: return crSizeNS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return crSizeNWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return crSizeNESW;
    default: return crDefault;
  }
}

// The non-client messages of the left, right and middle buttons.
constexpr uint32_t kNonClientDown[] = {WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN};
constexpr uint32_t kNonClientUp[] = {WM_NCLBUTTONUP, WM_NCRBUTTONUP, WM_NCMBUTTONUP};
constexpr uint32_t kNonClientDoubleClick[] = {WM_NCLBUTTONDBLCLK, WM_NCRBUTTONDBLCLK, WM_NCMBUTTONDBLCLK};

bool IsLockKey(uint16_t key) { return key == VK_CAPITAL || key == VK_NUMLOCK || key == VK_SCROLL; }

constexpr uint8_t kKeyDown = 0x80;
constexpr uint8_t kKeyToggled = 0x01;

}  // namespace

TWindowManager::TWindowManager(IHost& Host) : host_(Host) {}
TWindowManager::~TWindowManager() = default;

TWindowManager::Window* TWindowManager::Find(const TWinControl* TopLevel) const {
  for (const auto& w : windows_)
    if (w->control == TopLevel) return w.get();
  return nullptr;
}

TWindowManager::Window* TWindowManager::Find(THostWindow Host) const {
  for (const auto& w : windows_)
    if (w->host == Host) return w.get();
  return nullptr;
}

THostWindow TWindowManager::Attach(TWinControl* TopLevel, const THostWindowParams& Params) {
  auto w = std::make_unique<Window>();
  w->control = TopLevel;
  w->host = host_.CreateWindow(Params);
  w->kind = Params.Kind;
  THostWindow id = w->host;
  windows_.push_back(std::move(w));
  return id;
}

void TWindowManager::Detach(TWinControl* TopLevel) {
  auto it = std::find_if(windows_.begin(), windows_.end(), [&](const auto& w) { return w->control == TopLevel; });
  if (it == windows_.end()) return;
  THostWindow host = (*it)->host;
  windows_.erase(it);
  if (mouseGrab_ == host) mouseGrab_ = 0;
  host_.DestroyWindow(host);
  ControlRemoved(TopLevel);
  if (activeForm_ == TopLevel) activeForm_.Reset();
}

TWinControl* TWindowManager::TopLevelOf(THostWindow HostWin) const {
  Window* w = Find(HostWin);
  return w ? w->control : nullptr;
}

std::vector<TWinControl*> TWindowManager::TopLevels() const {
  std::vector<TWinControl*> out;
  for (const auto& w : windows_) out.push_back(w->control);
  return out;
}

void TWindowManager::ControlRemoved(TControl* Control) {
  // A control that is going away is no longer reached through the
  // handles; this is for one that lives on outside its window.
  auto* tree = dynamic_cast<TWinControl*>(Control);
  auto within = [&](const TControl* c) { return c && (c == Control || (tree && tree->ContainsControl(c))); };
  if (within(capture_.Get())) SetCaptureControl(nullptr);
  if (within(mouseControl_.Get())) mouseControl_.Reset();
  if (within(focus_.Get())) focus_.Reset();
  if (within(keyboardGrab_.Get())) keyboardGrab_.Reset();
}

void TWindowManager::ScheduleRepaint(TWinControl* TopLevel) {
  if (Window* w = Find(TopLevel)) w->scheduled = true;
}

void TWindowManager::PaintPending() {
  for (size_t i = 0; i < windows_.size(); ++i)
    if (windows_[i]->scheduled) PaintWindow(windows_[i]->control);
}

TBitmap* TWindowManager::BackBuffer(const TWinControl* TopLevel) const {
  Window* w = Find(TopLevel);
  return w ? w->buffer.get() : nullptr;
}

void TWindowManager::PaintWindow(TWinControl* TopLevel) {
  Window* w = Find(TopLevel);
  if (!w) return;
  w->scheduled = false;
  if (!TopLevel->Showing() || TopLevel->Width() <= 0 || TopLevel->Height() <= 0) return;
  if (!w->buffer) w->buffer = std::make_unique<TBitmap>();
  if (w->buffer->Width() != TopLevel->Width() || w->buffer->Height() != TopLevel->Height()) {
    w->buffer->SetSize(TopLevel->Width(), TopLevel->Height());
    TopLevel->NotifyChildrenShowing();
    w->scheduled = false;
  }
  TRegion dirty;
  PaintTree(*w, TopLevel, {0, 0}, dirty);
  w->buffer->EndPainting();
  if (!dirty.IsEmpty()) host_.Present(w->host, *w->buffer, dirty);
}

void TWindowManager::PaintTree(Window& W, TWinControl* Control, TPoint Offset, TRegion& Dirty) {
  if (!Control->Visible()) return;
  if (!Control->updateRegion_.IsEmpty()) {
    TRegion clip = Control->updateRegion_.Intersected(VisibleRegion(Control));
    bool erase = Control->eraseRequested_;
    Control->updateRegion_.Clear();
    Control->eraseRequested_ = false;
    if (!clip.IsEmpty()) {
      TPaintContext dc(*W.buffer, Offset, clip);
      ++paintCount_;
      Application->Guarded([&] {
        if (erase) Control->Perform(WM_ERASEBKGND, reinterpret_cast<intptr_t>(dc.Handle()));
        Control->Perform(WM_PAINT, reinterpret_cast<intptr_t>(dc.Handle()));
      });
      Dirty = Dirty.United(clip.Translated(Offset.X, Offset.Y));
    }
  }
  std::vector<TWinControl*> children;
  for (int i = 0; i < Control->ControlCount(); ++i) {
    const TWinControl* c;
    if (IsChildWindow(Control->Controls(i), &c)) children.push_back(const_cast<TWinControl*>(c));
  }
  for (TWinControl* c : children)
    if (Control->ContainsControl(c)) PaintTree(W, c, Offset + TPoint{c->Left(), c->Top()}, Dirty);
}

void TWindowManager::SetCaptureControl(TControl* Control) {
  TControl* old = capture_.Get();
  if (old == Control) return;
  capture_ = Control;
  UpdateMouseGrab();
  // The loser learns it lost the mouse; LParam names the new holder.
  if (old) old->Perform(WM_CAPTURECHANGED, 0, reinterpret_cast<intptr_t>(Control));
}

void TWindowManager::UpdateMouseGrab() {
  THostWindow want = 0;
  if (TControl* c = capture_.Get()) {
    while (c->Parent() && !(dynamic_cast<TWinControl*>(c) && static_cast<TWinControl*>(c)->IsTopLevel()))
      c = c->Parent();
    if (Window* w = Find(dynamic_cast<TWinControl*>(c)); w && w->kind != hwkPopup && w->kind != hwkMenu)
      want = w->host;
  }
  if (want == mouseGrab_) return;
  if (mouseGrab_) host_.SetMouseGrab(mouseGrab_, false);
  mouseGrab_ = want;
  if (want) host_.SetMouseGrab(want, true);
}

void TWindowManager::CancelModes() {
  TWeak<TControl> holder = capture_.Get();
  TWeak<TWinControl> focus = focus_.Get();
  if (holder) holder->Perform(WM_CANCELMODE);
  if (focus && focus != holder.Get()) focus->Perform(WM_CANCELMODE);
}

TPoint TWindowManager::CursorPos() const { return host_.CursorPos(); }

int16_t TWindowManager::GetKeyState(uint16_t Key) const {
  if (Key >= keyState_.size()) return 0;
  uint8_t s = keyState_[Key];
  return static_cast<int16_t>(((s & kKeyDown) ? 0x8000 : 0) | (s & kKeyToggled));
}

void TWindowManager::SetKeyState(uint16_t Key, bool Down, bool AutoRepeat) {
  if (Key == 0 || Key >= keyState_.size()) return;
  uint8_t& s = keyState_[Key];
  if (Down && !(s & kKeyDown) && !AutoRepeat && IsLockKey(Key)) s ^= kKeyToggled;
  s = Down ? (s | kKeyDown) : (s & ~kKeyDown);
}

void TWindowManager::SyncKeyState(TShiftState Shift, bool Buttons) {
  SetKeyState(VK_SHIFT, Shift.Contains(ssShift));
  SetKeyState(VK_CONTROL, Shift.Contains(ssCtrl));
  SetKeyState(VK_MENU, Shift.Contains(ssAlt));
  if (!Buttons) return;
  SetKeyState(VK_LBUTTON, Shift.Contains(ssLeft));
  SetKeyState(VK_RBUTTON, Shift.Contains(ssRight));
  SetKeyState(VK_MBUTTON, Shift.Contains(ssMiddle));
}

TWinControl* TWindowManager::HitTestWindow(TWinControl* Root, TPoint Screen, bool AllowDisabled) const {
  for (int i = Root->ControlCount() - 1; i >= 0; --i) {
    const TWinControl* cw;
    if (!IsChildWindow(Root->Controls(i), &cw)) continue;
    auto* w = const_cast<TWinControl*>(cw);
    if (!w->Visible() || (!w->Enabled() && !AllowDisabled)) continue;
    const TPoint p = w->ScreenToClient(Screen);
    if (!w->ClientRect().Contains(p) || (w->WindowRgn() && !w->WindowRgn()->Contains(p))) continue;
    if (TWinControl* hit = HitTestWindow(w, Screen, AllowDisabled)) return hit;
  }
  if (!Root->IsTopLevel() && Root->Perform(WM_NCHITTEST, 0, PointToLParam(Screen)) == HTTRANSPARENT) return nullptr;
  return Root;
}

int TWindowManager::FrameZoneAt(TWinControl* Top, TPoint Screen) const {
  // A frameless window has no desktop border to resize from: in a band
  // along its outer edges its own hit test is asked before its children,
  // and a resize zone it names there wins.
  constexpr int band = 5;
  TCreateParams p;
  Top->CreateParams(p);
  if (Top->HostWindowKind(p) != hwkFrameless) return HTNOWHERE;
  const TPoint c = Screen - Top->BoundsRect().TopLeft();
  if (c.X >= band && c.Y >= band && c.X < Top->Width() - band && c.Y < Top->Height() - band) return HTNOWHERE;
  const int hit = static_cast<int>(Top->Perform(WM_NCHITTEST, 0, PointToLParam(Screen)));
  return hit >= HTLEFT && hit <= HTBOTTOMRIGHT ? hit : HTNOWHERE;
}

TControl* TWindowManager::FindControlAt(TPoint Screen, bool AllowDisabled) const {
  // Popups lie above forms; later windows above earlier ones.
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    TWinControl* top = (*it)->control;
    if (!top->Showing() || !top->BoundsRect().Contains(Screen)) continue;
    if (top->WindowRgn() && !top->WindowRgn()->Contains(Screen - top->BoundsRect().TopLeft())) continue;
    TCreateParams p;
    top->CreateParams(p);
    if (p.ExStyle & WS_EX_TRANSPARENT) continue;
    if (FrameZoneAt(top, Screen) != HTNOWHERE) return top;
    TWinControl* w = HitTestWindow(top, Screen, AllowDisabled);
    if (!w) return nullptr;
    TControl* c = w->ControlAtPos(w->ScreenToClient(Screen), AllowDisabled);
    return c ? c : w;
  }
  return nullptr;
}

void TWindowManager::UpdateMouseControl() {
  bool inside = false;
  for (const auto& w : windows_) inside = inside || w->cursorInside;
  TControl* now = inside ? FindControlAt(lastCursor_, true) : nullptr;
  TControl* old = mouseControl_.Get();
  if (now == old) return;
  mouseControl_ = now;
  if (old) old->Perform(CM_MOUSELEAVE);
  // Unless the leave freed it or moved the mouse control on.
  if (now && mouseControl_ == now) now->Perform(CM_MOUSEENTER);
}

void TWindowManager::DeliverMouse(TControl* Target, uint32_t Msg, TPoint Screen, intptr_t Keys) {
  // A windowless control gets its mouse messages through its parent.
  TControl* receiver = Target;
  if (!dynamic_cast<TWinControl*>(Target)) receiver = Target->Parent();
  if (!receiver) return;
  TPoint local = receiver->ScreenToClient(Screen);
  Application->Guarded([&] { receiver->Perform(Msg, Keys, PointToLParam(local)); });
}

bool TWindowManager::AcceptsInput(const TWinControl* TopLevel) const {
  TCustomForm* modal = ModalForm();
  if (!modal) return true;
  return TopLevel == modal || !dynamic_cast<const TCustomForm*>(TopLevel);
}

void TWindowManager::BeginFrameDrag(TWinControl* TopLevel, int Hit) {
  assert(TopLevel && TopLevel->IsTopLevel());
  frameDrag_ = {TopLevel, Hit, lastCursor_, TopLevel->BoundsRect()};
}

TRect TWindowManager::DraggedFrame(const TRect& Start, int Hit, TPoint Delta) {
  constexpr int kMin = 32;
  if (Hit == HTCAPTION) return Start.Offset(Delta.X, Delta.Y);
  TRect r = Start;
  if (Hit == HTLEFT || Hit == HTTOPLEFT || Hit == HTBOTTOMLEFT) r.Left = std::min(r.Left + Delta.X, r.Right - kMin);
  if (Hit == HTRIGHT || Hit == HTTOPRIGHT || Hit == HTBOTTOMRIGHT) r.Right = std::max(r.Right + Delta.X, r.Left + kMin);
  if (Hit == HTTOP || Hit == HTTOPLEFT || Hit == HTTOPRIGHT) r.Top = std::min(r.Top + Delta.Y, r.Bottom - kMin);
  if (Hit == HTBOTTOM || Hit == HTBOTTOMLEFT || Hit == HTBOTTOMRIGHT) r.Bottom = std::max(r.Bottom + Delta.Y, r.Top + kMin);
  return r;
}

bool TWindowManager::FrameDragKey(const THostKeyEvent& E) {
  TWinControl* dragged = frameDrag_.Window.Get();
  if (!dragged) return false;
  if (!E.Down) return true;
  // The arrows move the window's side or sides by 8 pixels (the whole
  // window for a move); Enter keeps the result, Escape goes back.
  constexpr int kStep = 8;
  TPoint by;
  switch (E.Key) {
    case VK_LEFT: by = {-kStep, 0}; break;
    case VK_RIGHT: by = {kStep, 0}; break;
    case VK_UP: by = {0, -kStep}; break;
    case VK_DOWN: by = {0, kStep}; break;
    case VK_ESCAPE:
      Application->Guarded([&] {
        const TRect& r = frameDrag_.Bounds;
        dragged->SetBounds(r.Left, r.Top, r.Width(), r.Height());
      });
      frameDrag_ = {};
      return true;
    case VK_RETURN: frameDrag_ = {}; return true;
    default: return true;
  }
  frameDrag_.Start = frameDrag_.Start - by;  // as if the pointer had moved by that much
  const TRect r = DraggedFrame(frameDrag_.Bounds, frameDrag_.Hit, lastCursor_ - frameDrag_.Start);
  Application->Guarded([&] { dragged->SetBounds(r.Left, r.Top, r.Width(), r.Height()); });
  return true;
}

void TWindowManager::HostMouse(THostWindow HostWin, const THostMouseEvent& E) {
  Window* win = Find(HostWin);
  if (!win || !Application) return;
  lastCursor_ = E.Screen;
  if (E.Kind != hmLeave) SyncKeyState(E.Shift, true);
  // While the platform moves or resizes a window itself, the pointer moves
  // the window and the next release or press ends it.
  if (TWinControl* dragged = frameDrag_.Window.Get(); dragged && E.Kind != hmLeave && E.Kind != hmWheel) {
    if (E.Kind == hmMove) {
      const TRect r = DraggedFrame(frameDrag_.Bounds, frameDrag_.Hit, E.Screen - frameDrag_.Start);
      Application->Guarded([&] { dragged->SetBounds(r.Left, r.Top, r.Width(), r.Height()); });
    } else {
      frameDrag_ = {};
    }
    return;
  }
  // Hints follow the control under the mouse; a press ends the hint.
  THintController& hints = Application->Hints();
  if (E.Kind == hmLeave) {
    win->cursorInside = false;
    Application->Guarded([&] {
      UpdateMouseControl();
      hints.MouseMoved(mouseControl_.Get(), E.Screen);
    });
    return;
  }
  win->cursorInside = true;
  if (E.Kind == hmPress || E.Kind == hmDoubleClick) Application->Guarded([&] { hints.CancelHint(); });
  if (!AcceptsInput(win->control)) {
    if (E.Kind == hmMove) Application->Guarded([&] { hints.MouseMoved(nullptr, E.Screen); });
    return;
  }
  // Enter and leave, and the activation a press brings, run handlers that
  // may free controls, this window's too: the target is found after them.
  if (E.Kind == hmMove)
    Application->Guarded([&] {
      UpdateMouseControl();
      hints.MouseMoved(mouseControl_.Get(), E.Screen);
    });
  if (E.Kind == hmPress || E.Kind == hmDoubleClick)
    if (auto* form = dynamic_cast<TCustomForm*>(win->control); form && form != activeForm_) ActivateForm(form);
  win = Find(HostWin);
  if (!win) return;
  TWinControl* top = win->control;
  intptr_t keys = ShiftToMouseKeys(E.Shift);
  TControl* target = capture_.Get();
  int hit = HTCLIENT;
  if (!target && (hit = FrameZoneAt(top, E.Screen)) != HTNOWHERE) target = top;
  if (!target) {
    TWinControl* w = HitTestWindow(top, E.Screen, false);
    hit = w == top ? static_cast<int>(top->Perform(WM_NCHITTEST, 0, PointToLParam(E.Screen))) : HTCLIENT;
    target = w;
  }
  // Outside the client area the window gets the non-client messages of the
  // place, with its hit-test code.
  const bool nonClient =
      target == top && hit != HTCLIENT && hit != HTNOWHERE && hit != HTTRANSPARENT && hit != HTERROR;
  if (nonClient && E.Kind != hmMove && E.Kind != hmWheel) {
    const int button = E.Button == mbLeft ? 0 : E.Button == mbRight ? 1 : 2;
    const uint32_t msg = E.Kind == hmRelease       ? kNonClientUp[button]
                         : E.Kind == hmDoubleClick ? kNonClientDoubleClick[button]
                                                   : kNonClientDown[button];
    Application->Guarded([&] { top->Perform(msg, hit, PointToLParam(E.Screen)); });
    return;
  }
  switch (E.Kind) {
    case hmMove: {
      TCursor cursor = CursorForHitTest(hit);
      if (cursor == crDefault)
        for (TControl* c = mouseControl_.Get(); c && cursor == crDefault; c = c->Parent()) cursor = c->Cursor();
      if (cursor != win->cursor) {
        win->cursor = cursor;
        host_.SetCursor(win->host, cursor);
      }
      if (nonClient) Application->Guarded([&] { top->Perform(WM_NCMOUSEMOVE, hit, PointToLParam(E.Screen)); });
      else if (target) DeliverMouse(target, WM_MOUSEMOVE, E.Screen, keys);
      return;
    }
    case hmPress:
    case hmDoubleClick: {
      if (!target) return;
      bool dbl = E.Kind == hmDoubleClick && target->ControlStyle().Contains(csDoubleClicks);
      uint32_t msg = E.Button == mbLeft    ? (dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN)
                     : E.Button == mbRight ? (dbl ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN)
                                           : (dbl ? WM_MBUTTONDBLCLK : WM_MBUTTONDOWN);
      DeliverMouse(target, msg, E.Screen, keys);
      return;
    }
    case hmRelease: {
      if (!target) return;
      uint32_t msg = E.Button == mbLeft ? WM_LBUTTONUP : E.Button == mbRight ? WM_RBUTTONUP : WM_MBUTTONUP;
      DeliverMouse(target, msg, E.Screen, keys);
      return;
    }
    case hmWheel: {
      TWinControl* w = dynamic_cast<TWinControl*>(target);
      if (!w) return;
      intptr_t wp = (static_cast<intptr_t>(static_cast<int16_t>(E.WheelDelta)) << 16) | (keys & 0xFFFF);
      // A control that does not take the wheel (Result 0) leaves it to its
      // parent, up to the top-level window.
      Application->Guarded([&] {
        for (TWeak<TWinControl> cur = w; cur;) {
          if (cur->Perform(WM_MOUSEWHEEL, wp, PointToLParam(E.Screen)) != 0 || !cur || cur->IsTopLevel()) return;
          cur = cur->Parent();
        }
      });
      return;
    }
    default: return;
  }
}

void TWindowManager::HostKey(THostWindow HostWin, const THostKeyEvent& E) {
  // The modifiers as the event reports them, then the key itself, which
  // may be one of them.
  SyncKeyState(E.Shift, false);
  SetKeyState(E.Key, E.Down, E.AutoRepeat);
  if (!Application) return;
  if (E.Down) Application->Guarded([&] { Application->Hints().CancelHint(); });
  if (FrameDragKey(E)) return;
  TWinControl* top = TopLevelOf(HostWin);
  TWinControl* target = keyboardGrab_.Get();
  if (!target) target = focus_.Get();
  if (!target) target = activeForm_.Get();
  if (!target) target = top;
  if (!target) return;
  if (TCustomForm* modal = ModalForm(); modal && target != keyboardGrab_ && !modal->ContainsControl(target)) return;
  bool alt = E.Shift.Contains(ssAlt);
  bool sys = alt || E.Key == VK_F10 || E.Key == VK_MENU;
  intptr_t keyData = 1 | (alt ? KF_ALTDOWN_LPARAM : 0) | (E.AutoRepeat ? intptr_t{1} << 30 : 0);
  auto alive = target->AliveToken();
  Application->Guarded([&] {
    if (!E.Down) {
      target->Perform(sys ? WM_SYSKEYUP : WM_KEYUP, E.Key, keyData | (intptr_t{1} << 31));
      return;
    }
    if (target->Perform(sys ? CN_SYSKEYDOWN : CN_KEYDOWN, E.Key, keyData) != 0 || !IsAlive(alive)) return;
    target->Perform(sys ? WM_SYSKEYDOWN : WM_KEYDOWN, E.Key, keyData);
    for (char32_t ch : E.Text) {
      if (!IsAlive(alive)) return;
      if (ch < 0x20 && ch != 8 && ch != 9 && ch != 13 && ch != 27) continue;
      if (target->Perform(alt ? CN_SYSCHAR : CN_CHAR, static_cast<intptr_t>(ch), keyData) != 0) continue;
      if (IsAlive(alive)) target->Perform(alt ? WM_SYSCHAR : WM_CHAR, static_cast<intptr_t>(ch), keyData);
    }
  });
}

void TWindowManager::HostCloseRequest(THostWindow HostWin) {
  TWinControl* top = TopLevelOf(HostWin);
  if (!top || !Application || !AcceptsInput(top)) return;
  Application->Guarded([&] { top->Perform(WM_CLOSE); });
}

void TWindowManager::HostGeometryChanged(THostWindow HostWin, const TRect& Bounds, THostShowState State) {
  Window* w = Find(HostWin);
  if (!w || !Application) return;
  TWinControl* top = w->control;
  bool stateChanged = false;
  if (auto* form = dynamic_cast<TCustomForm*>(top)) {
    TWindowState ws = State == hssMaximized ? wsMaximized : State == hssMinimized ? wsMinimized : wsNormal;
    stateChanged = form->WindowState() != ws;
    form->SyncWindowState(ws);
  }
  bool moved = Bounds.Left != top->left_ || Bounds.Top != top->top_;
  bool resized = Bounds.Width() != top->width_ || Bounds.Height() != top->height_;
  // A new state is told by WM_SIZE of its kind even when the size stays.
  if (stateChanged && !resized) Application->Guarded([&] { top->SendSize(); });
  if (!moved && !resized) return;
  top->left_ = Bounds.Left;
  top->top_ = Bounds.Top;
  top->width_ = Bounds.Width();
  top->height_ = Bounds.Height();
  Application->Guarded([&] {
    if (resized) top->InvalidateRect(top->ClientRect(), true);
    top->BoundsChanged(moved, resized);
  });
}

void TWindowManager::HostActivated(THostWindow HostWin, bool Active) {
  auto* form = dynamic_cast<TCustomForm*>(TopLevelOf(HostWin));
  if (!form || !Application) return;
  Application->Guarded([&] {
    if (Active) {
      TCustomForm* modal = ModalForm();
      ActivateForm(modal && modal != form ? modal : form);
    } else if (activeForm_ == form) {
      Application->Hints().CancelHint();
      CancelModes();
      // The keys held now go up elsewhere, unseen; a lock keeps its state.
      for (uint8_t& s : keyState_) s &= kKeyToggled;
      if (activeForm_ != form) return;
      activeForm_.Reset();
      TWeak<TCustomForm> deactivated = form;
      SetFocus(nullptr);
      if (deactivated) form->Perform(WM_ACTIVATE, 0);
    }
  });
}

void TWindowManager::ActivateForm(TCustomForm* Form) {
  TCustomForm* old = activeForm_.Get();
  if (old == Form) return;
  activeForm_ = Form;
  if (old) old->Perform(WM_ACTIVATE, 0);
  if (Form && activeForm_ == Form) {
    if (Form->HandleAllocated()) host_.Activate(Form->HostWindow());
    Form->Perform(WM_ACTIVATE, 1);
  }
}

void TWindowManager::SetFocus(TWinControl* Control) {
  TWeak<TWinControl> old = focus_.Get();
  if (old == Control) return;
  focus_ = Control;
  if (old) old->Perform(WM_KILLFOCUS, reinterpret_cast<intptr_t>(Control));
  // Unless the loser's handler freed the control or moved the focus on.
  if (Control && focus_ == Control) Control->Perform(WM_SETFOCUS, reinterpret_cast<intptr_t>(old.Get()));
}

void TWindowManager::SetKeyboardGrab(TWinControl* Control) { keyboardGrab_ = Control; }

void TWindowManager::PushModal(TCustomForm* Form) {
  std::erase_if(modal_, [](const TWeak<TCustomForm>& m) { return !m; });
  modal_.push_back(Form);
}

void TWindowManager::PopModal(TCustomForm* Form) {
  std::erase_if(modal_, [&](const TWeak<TCustomForm>& m) { return !m || m == Form; });
}

TCustomForm* TWindowManager::ModalForm() const {
  for (auto it = modal_.rbegin(); it != modal_.rend(); ++it)
    if (TCustomForm* form = it->Get()) return form;
  return nullptr;
}

TMonitor TWindowManager::PrimaryMonitor() const {
  auto all = host_.Monitors();
  for (const TMonitor& m : all)
    if (m.Primary) return m;
  return all.empty() ? TMonitor{{0, 0, 1024, 768}, {0, 0, 1024, 768}, true} : all.front();
}

TMonitor TWindowManager::MonitorFor(const TRect& ScreenRect) const {
  TMonitor best = PrimaryMonitor();
  long bestArea = -1;
  for (const TMonitor& m : host_.Monitors()) {
    TRect i = m.BoundsRect.Intersect(ScreenRect);
    long area = static_cast<long>(i.Width()) * i.Height();
    if (area > bestArea) {
      bestArea = area;
      best = m;
    }
  }
  return bestArea > 0 ? best : PrimaryMonitor();
}
