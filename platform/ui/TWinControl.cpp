#include "TWinControl.h"

#include <algorithm>

#include "TApplication.h"
#include "graphics/TCanvas.h"
#include "graphics/TSavedCanvasState.h"
#include "core/Exceptions.h"
#include "TCustomForm.h"

namespace {

TShiftState KeyDataShift(intptr_t KeyData) {
  TShiftState s;
  if (Application) {
    if (Application->Windows().IsKeyDown(VK_SHIFT)) s.Include(ssShift);
    if (Application->Windows().IsKeyDown(VK_CONTROL)) s.Include(ssCtrl);
  }
  if (KeyData & KF_ALTDOWN_LPARAM) s.Include(ssAlt);
  return s;
}

}  // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), brush_(std::make_unique<TBrush>()) {
  brush_->SetColor(Color());
}

TWinControl::~TWinControl() {
  Destroying();
  // Children go first, last inserted first, while this control is whole.
  while (!controls_.empty()) delete controls_.back();
  DestroyHandle();
}

void TWinControl::InsertControl(TControl* AControl) {
  if (!AControl || AControl->parent_ == this) return;
  if (AControl == this) throw EPlatformError("A control cannot have itself as its parent");
  controls_.push_back(AControl);
  AControl->parent_ = this;
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) tabList_.push_back(w);
  AControl->Perform(CM_PARENTCOLORCHANGED);
  AControl->Perform(CM_PARENTFONTCHANGED);
  AControl->Perform(CM_PARENTSHOWHINTCHANGED);
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    w->UpdateShowing();
    if (w->Showing()) w->NotifyChildrenShowing();
  }
  if (AControl->Align() != alNone) Realign();
  AControl->InvalidateControl(AControl->Visible(), false);
  Perform(CM_CONTROLCHANGE, reinterpret_cast<intptr_t>(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl) {
  auto it = std::find(controls_.begin(), controls_.end(), AControl);
  if (it == controls_.end()) return;
  Perform(CM_CONTROLCHANGE, reinterpret_cast<intptr_t>(AControl), 0);
  AControl->InvalidateControl(AControl->Visible(), false);
  controls_.erase(std::find(controls_.begin(), controls_.end(), AControl));
  tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), AControl), tabList_.end());
  AControl->parent_ = nullptr;
  if (Application) Application->Windows().ControlRemoved(AControl);
  if (AControl->Align() != alNone) Realign();
}

bool TWinControl::ContainsControl(const TControl* AControl) const {
  for (const TControl* c = AControl; c; c = c->parent_)
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint P, bool AllowDisabled, bool AllowWinControls) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    bool windowed = dynamic_cast<TWinControl*>(c) != nullptr;
    if (windowed && !AllowWinControls) continue;
    if (!c->Visible() || (!c->Enabled() && !AllowDisabled)) continue;
    if (!c->BoundsRect().Contains(P)) continue;
    if (c->Perform(CM_HITTEST, 0, PointToLParam(P - TPoint{c->Left(), c->Top()})) != 0) return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  for (size_t i = 0; i < controls_.size(); ++i) {
    controls_[i]->WindowProc(Message);
    if (Message.Result != 0) return;
  }
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (!Parent()) return;
  auto& list = Parent()->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  Value = std::clamp(Value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + Value, this);
}

void TWinControl::SetTabStop(bool Value) {
  if (tabStop_ == Value) return;
  tabStop_ = Value;
  Perform(CM_TABSTOPCHANGED);
}

std::vector<TWinControl*> TWinControl::TabList() const {
  std::vector<TWinControl*> out;
  for (TWinControl* c : tabList_) {
    out.push_back(c);
    auto inner = c->TabList();
    out.insert(out.end(), inner.begin(), inner.end());
  }
  return out;
}

TWinControl* TWinControl::FindNextControl(TWinControl* Current, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const {
  auto list = TabList();
  if (list.empty()) return nullptr;
  int count = static_cast<int>(list.size());
  auto found = std::find(list.begin(), list.end(), Current);
  int start = found == list.end() ? (GoForward ? count - 1 : 0) : static_cast<int>(found - list.begin());
  int i = start;
  do {
    i = GoForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* c = list[i];
    if (c->CanFocus() && (!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this)) return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop) {
  if (TWinControl* next = FindNextControl(Current, GoForward, CheckTabStop, !CheckTabStop)) next->SetFocus();
}

bool TWinControl::CanFocus() const {
  TCustomForm* form = ParentForm();
  if (!form) return false;
  for (const TWinControl* c = this; c && c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return Application && Application->Windows().Focus() == this; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = ParentForm()) form->FocusControl(this);
  else if (Application) Application->Windows().SetFocus(this);
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0 && alignPending_) Realign();
}

void TWinControl::Realign() {
  if (alignDisabled_ > 0 || ComponentState().Contains(csLoading)) {
    alignPending_ = true;
    return;
  }
  ++alignDisabled_;
  TRect r = ClientRect();
  AdjustClientRect(r);
  AlignControls(nullptr, r);
  alignPending_ = false;
  --alignDisabled_;
}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  // Top first, then bottom, left, right, and what is left to the client.
  auto placeAll = [&](TAlign kind) {
    std::vector<TControl*> list;
    for (TControl* c : controls_)
      if (c->Align() == kind && c->Visible()) list.push_back(c);
    std::stable_sort(list.begin(), list.end(), [kind](TControl* a, TControl* b) {
      switch (kind) {
        case alTop: return a->Top() < b->Top();
        case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft: return a->Left() < b->Left();
        case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
        default: return false;
      }
    });
    for (TControl* c : list) {
      int w = c->Width(), h = c->Height();
      switch (kind) {
        case alTop:
          c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), h);
          Rect.Top += h;
          break;
        case alBottom:
          c->SetBounds(Rect.Left, Rect.Bottom - h, Rect.Width(), h);
          Rect.Bottom -= h;
          break;
        case alLeft:
          c->SetBounds(Rect.Left, Rect.Top, w, Rect.Height());
          Rect.Left += w;
          break;
        case alRight:
          c->SetBounds(Rect.Right - w, Rect.Top, w, Rect.Height());
          Rect.Right -= w;
          break;
        case alClient:
          c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
          break;
        default: break;
      }
    }
  };
  for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) placeAll(kind);
}

bool TWinControl::IsTopLevel() const {
  if (!Parent()) return true;
  TCreateParams p;
  CreateParams(p);
  return (p.Style & WS_POPUP) != 0;
}

void TWinControl::CreateParams(TCreateParams& Params) const {
  Params.Caption = Text();
  Params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (Parent()) Params.Style |= WS_CHILD;
  Params.WindowClassStyle = CS_DBLCLKS;
}

THostWindowKind TWinControl::HostWindowKind(const TCreateParams& Params) const {
  if (Params.ExStyle & WS_EX_TOOLWINDOW) return hwkPopup;
  if ((Params.Style & WS_CAPTION) == WS_CAPTION) return hwkFramed;
  return (Params.Style & WS_POPUP) ? hwkFrameless : hwkFramed;
}

void TWinControl::CreateHandle() {
  if (hostWindow_ || !Application) return;
  TCreateParams p;
  CreateParams(p);
  THostWindowParams hp;
  hp.Title = p.Caption;
  hp.Bounds = BoundsRect();
  hp.Kind = HostWindowKind(p);
  hp.DropShadow = (p.WindowClassStyle & CS_DROPSHADOW) != 0;
  hp.InputTransparent = (p.ExStyle & WS_EX_TRANSPARENT) != 0;
  hp.Transient = OwnerWindow();
  hostOwner_ = hp.Transient;
  hostWindow_ = Application->Windows().Attach(this, hp);
  if (!hostWindow_) return;
  if (windowRgn_) Application->Host().SetMask(hostWindow_, windowRgn_.get());
  // A window learns its first size as it is made.
  SendSize();
}

void TWinControl::SetWindowRgn(const TRegion* Region) {
  if (Region ? windowRgn_ && *windowRgn_ == *Region : !windowRgn_) return;
  windowRgn_ = Region ? std::make_unique<TRegion>(*Region) : nullptr;
  if (IsTopLevel()) {
    if (HandleAllocated() && Application) Application->Host().SetMask(HostWindow(), windowRgn_.get());
  } else if (Parent()) {
    // What the old or the new shape uncovers is the parent's to paint.
    Parent()->InvalidateRect(BoundsRect(), true);
  }
  Invalidate();
}

THostWindow TWinControl::OwnerWindow() const {
  if (!Application) return 0;
  TCustomForm* owner = Parent() ? Parent()->ParentForm() : nullptr;
  if (!owner) {
    TCreateParams p;
    CreateParams(p);
    THostWindowKind kind = HostWindowKind(p);
    bool popup = kind == hwkPopup || kind == hwkMenu;
    TCustomForm* active = Application->Windows().ActiveForm();
    if (popup || Application->MainForm() != this) owner = active;
    auto* form = dynamic_cast<const TCustomForm*>(this);
    if (!owner && (popup || (form && form->Modal()))) owner = Application->MainForm();
  }
  if (!owner || owner == this || !owner->HandleAllocated()) return 0;
  return owner->HostWindow();
}

void TWinControl::DestroyHandle() {
  if (!hostWindow_) return;
  if (Application) Application->Windows().Detach(this);
  hostWindow_ = 0;
  hostShown_ = false;
  hostMapped_ = false;
  hostOwner_ = 0;
}

void TWinControl::UpdateShowing() {
  if (!IsTopLevel() || !Application) return;
  bool want = Visible() && !ComponentState().Contains(csDestroying);
  if (want == hostShown_) return;
  if (want) {
    CreateHandle();
    // A window shown again belongs to whichever form is active now.
    if (THostWindow owner = OwnerWindow(); hostWindow_ && owner != hostOwner_) {
      hostOwner_ = owner;
      Application->Host().SetTransient(hostWindow_, owner);
    }
    hostShown_ = true;
    holdMapping_ = true;
    auto alive = AliveToken();
    Perform(CM_SHOWINGCHANGED, 1);
    if (!IsAlive(alive)) return;
    holdMapping_ = false;
    if (!hostShown_ || !hostWindow_) return;  // OnShow hid it again
    Application->Host().SetBounds(hostWindow_, BoundsRect());
    NotifyChildrenShowing();
  } else {
    hostShown_ = false;
    Perform(CM_SHOWINGCHANGED, 0);
  }
  SyncMapping();
  Application->Windows().UpdateMouseControl();
}

void TWinControl::SyncMapping() {
  if (!hostWindow_ || !Application || holdMapping_) return;
  bool want = hostShown_ && width_ > 0 && height_ > 0;
  if (want == hostMapped_) return;
  if (!want) {
    hostMapped_ = false;
    Application->Host().SetShowState(hostWindow_, hssHidden);
    return;
  }
  // The first frame the desktop shows is the painted back buffer.
  Application->Windows().PaintWindow(this);
  if (!hostWindow_ || !hostShown_ || hostMapped_) return;  // the paint hid or mapped it
  hostMapped_ = true;
  Application->Host().SetShowState(hostWindow_, HostShowState());
}

void TWinControl::NotifyChildrenShowing() {
  // The pixels of a window that was not on screen are stale: paint all.
  InvalidateRect(ClientRect(), true);
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->IsTopLevel() && w->Visible()) w->NotifyChildrenShowing();
}

bool TWinControl::Showing() const {
  if (IsTopLevel()) return Visible() && hostShown_;
  return Visible() && Parent() && Parent()->Showing();
}

TPoint TWinControl::ClientOrigin() const {
  if (IsTopLevel()) return {left_, top_};
  return TControl::ClientOrigin();
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (IsTopLevel()) {
    AWidth = std::max(0, AWidth);
    AHeight = std::max(0, AHeight);
    if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
    bool moved = ALeft != left_ || ATop != top_;
    bool resized = AWidth != width_ || AHeight != height_;
    left_ = ALeft;
    top_ = ATop;
    width_ = AWidth;
    height_ = AHeight;
    if (hostWindow_ && Application) Application->Host().SetBounds(hostWindow_, BoundsRect());
    if (resized) InvalidateRect(ClientRect(), true);
    BoundsChanged(moved, resized);
    if (resized) SyncMapping();
    return;
  }
  TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TWinControl::BoundsChanged(bool Moved, bool Resized) {
  if (Resized) SendSize();
  if (Moved) Perform(WM_MOVE, 0, PointToLParam({left_, top_}));
  if (!IsTopLevel() && Parent() && Align() != alNone) Parent()->Realign();
  if (Application) Application->Windows().UpdateMouseControl();
}

void TWinControl::SendSize() {
  auto* form = dynamic_cast<TCustomForm*>(this);
  int kind = form && form->WindowState() == wsMaximized   ? SIZE_MAXIMIZED
             : form && form->WindowState() == wsMinimized ? SIZE_MINIMIZED
                                                          : SIZE_RESTORED;
  Perform(WM_SIZE, kind, (width_ & 0xFFFF) | (height_ << 16));
}

void TWinControl::Invalidate() { InvalidateRect(ClientRect(), !ControlStyle().Contains(csOpaque)); }

void TWinControl::InvalidateRect(const TRect& R, bool Erase) {
  if (!Showing() || !Application) return;
  TRect clipped = R.Intersect(ClientRect());
  if (clipped.IsEmpty()) return;
  updateRegion_.Unite(clipped);
  eraseRequested_ = eraseRequested_ || Erase;
  const TWinControl* top = this;
  while (!top->IsTopLevel()) top = top->Parent();
  Application->Windows().ScheduleRepaint(const_cast<TWinControl*>(top));
}

void TWinControl::InvalidateRegion(const TRegion& R, bool Erase) {
  for (const TRect& r : R.Rects()) InvalidateRect(r, Erase);
}

void TWinControl::Update() {
  if (!Application || !Showing()) return;
  const TWinControl* top = this;
  while (!top->IsTopLevel()) top = top->Parent();
  Application->Windows().PaintWindow(const_cast<TWinControl*>(top));
}

void TWinControl::PaintHandler(TMessage& Message) {
  auto* dc = reinterpret_cast<TDeviceContext*>(Message.WParam);
  if (!dc) return;
  PaintWindow(dc);
  PaintControls(dc, nullptr);
}

void TWinControl::PaintControls(TDeviceContext* DC, TControl* First) {
  auto start = First ? std::find(controls_.begin(), controls_.end(), First) : controls_.begin();
  TCanvas canvas;  // a view of DC, to move its origin and clip per control
  canvas.SetHandle(DC);
  TRect clip = canvas.ClipRect();
  for (auto it = start; it != controls_.end(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
    if (!c->BoundsRect().Intersects(clip)) continue;
    TSavedCanvasState saved(&canvas);
    canvas.SetViewportOrg(canvas.ViewportOrg() + TPoint{c->Left(), c->Top()});
    canvas.IntersectClipRect({0, 0, c->Width(), c->Height()});
    c->Perform(WM_PAINT, reinterpret_cast<intptr_t>(DC));
  }
}

bool TWinControl::IsControlMouseMsg(TMessage& Message) {
  TControl* target = nullptr;
  TControl* capture = Application ? Application->Windows().CaptureControl() : nullptr;
  if (capture && capture != this) {
    if (capture->Parent() == this) target = capture;
  } else if (!capture) {
    target = ControlAtPos(LParamToPoint(Message.LParam), false);
  }
  if (!target) return false;
  TPoint p = LParamToPoint(Message.LParam) - TPoint{target->Left(), target->Top()};
  Message.Result = target->Perform(Message.Msg, Message.WParam, PointToLParam(p));
  return true;
}

void TWinControl::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      if (IsControlMouseMsg(M)) return;
      break;
    case WM_PAINT: PaintHandler(M); return;
    case WM_ERASEBKGND: {
      TCanvas canvas;
      canvas.SetHandle(reinterpret_cast<TDeviceContext*>(M.WParam));
      canvas.Brush()->SetColor(Color());
      canvas.FillRect(ClientRect());
      M.Result = 1;
      return;
    }
    case WM_SIZE:
      Realign();
      if (!ComponentState().Contains(csLoading)) Resize();
      return;
    case WM_SETFOCUS:
      if (TCustomForm* form = ParentForm()) form->SetFocusedControl(this);
      Invalidate();
      return;
    case WM_KILLFOCUS: Invalidate(); return;
    case CM_ENTER: DoEnter(); return;
    case CM_EXIT: DoExit(); return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: HandleChildKey(M, CM_DIALOGKEY); return;
    case CN_CHAR: {
      M.Result = 1;
      if ((Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0) {
        TCustomForm* form = ParentForm();
        if (form && form->Perform(CM_DIALOGCHAR, M.WParam, M.LParam) != 0) return;
      }
      M.Result = 0;
      return;
    }
    case CN_SYSCHAR:
      if (M.WParam != VK_SPACE)
        if (TCustomForm* form = ParentForm()) M.Result = form->Perform(CM_DIALOGCHAR, M.WParam, M.LParam);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (!DoKeyDown(M)) DefaultHandler(M);
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (!DoKeyUp(M)) DefaultHandler(M);
      return;
    case WM_CHAR:
    case WM_SYSCHAR:
      if (!DoKeyPress(M)) DefaultHandler(M);
      return;
    case CM_CHILDKEY:
      if (Parent()) Parent()->WindowProc(M);
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
      Broadcast(M);
      return;
    case CM_COLORCHANGED:
      brush_->SetColor(Color());
      for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(CM_PARENTCOLORCHANGED);
      break;
    case CM_FONTCHANGED:
      TControl::WndProc(M);
      for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(CM_PARENTFONTCHANGED);
      return;
    case CM_SHOWHINTCHANGED:
      for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(CM_PARENTSHOWHINTCHANGED);
      return;
    case CM_PARENTSHOWHINTCHANGED:
      TControl::WndProc(M);
      for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(CM_PARENTSHOWHINTCHANGED);
      return;
    case CM_ENABLEDCHANGED:
      if (!Enabled() && Focused())
        if (TCustomForm* form = ParentForm()) form->FocusControl(nullptr);
      break;
    case CM_VISIBLECHANGED:
      if (IsTopLevel()) UpdateShowing();
      else if (Visible() && Showing()) NotifyChildrenShowing();
      if (!Visible() && Focused())
        if (TCustomForm* form = ParentForm()) form->FocusControl(nullptr);
      return;
    default: break;
  }
  TControl::WndProc(M);
}

void TWinControl::DefaultHandler(TMessage& M) {
  const int hit = static_cast<int>(M.WParam);
  switch (M.Msg) {
    case WM_NCHITTEST: M.Result = HTCLIENT; return;
    case WM_GETDLGCODE: M.Result = 0; return;
    // A press outside the client area becomes the system command of its
    // place: a move from the caption, a resize from an edge, the system
    // menu from its box; the caption boxes act on their release.
    case WM_NCLBUTTONDOWN:
      if (hit == HTCAPTION) Perform(WM_SYSCOMMAND, SC_MOVE + HTCAPTION, M.LParam);
      else if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) Perform(WM_SYSCOMMAND, SC_SIZE + (hit - HTLEFT + 1), M.LParam);
      else if (hit == HTSYSMENU) Perform(WM_SYSCOMMAND, SC_MOUSEMENU, M.LParam);
      return;
    case WM_NCLBUTTONUP:
      if (hit == HTCLOSE) Perform(WM_SYSCOMMAND, SC_CLOSE, M.LParam);
      else if (hit == HTMINBUTTON) Perform(WM_SYSCOMMAND, SC_MINIMIZE, M.LParam);
      return;
    case WM_NCRBUTTONUP:
      if (hit == HTCAPTION || hit == HTSYSMENU) Perform(WM_SYSCOMMAND, SC_MOUSEMENU, M.LParam);
      return;
    case WM_SYSCHAR:
      // Alt+Space: the system menu of the window the key was typed in.
      if (M.WParam == ' ')
        if (TCustomForm* form = ParentForm()) form->Perform(WM_SYSCOMMAND, SC_KEYMENU, ' ');
      return;
    case WM_SYSCOMMAND:
      if (!IsTopLevel() || !HandleAllocated() || !Application) return;
      // The desktop moves or resizes the window where it can; elsewhere the
      // platform does, while the pointer moves.
      if ((M.WParam & 0xFFF0) == SC_MOVE) {
        if (!Application->Host().StartSystemMove(HostWindow())) Application->Windows().BeginFrameDrag(this, HTCAPTION);
      } else if ((M.WParam & 0xFFF0) == SC_SIZE) {
        // The edge of the press; from the menu or the keyboard, the corner.
        const int edge = static_cast<int>(M.WParam & 0xF);
        const int hit = edge ? HTLEFT + edge - 1 : HTBOTTOMRIGHT;
        if (!Application->Host().StartSystemResize(HostWindow(), hit)) Application->Windows().BeginFrameDrag(this, hit);
      }
      return;
    default: break;
  }
  TControl::DefaultHandler(M);
}

void TWinControl::HandleChildKey(TMessage& M, uint32_t DialogMessage) {
  // A key the focused control does not claim goes to the form's dialog
  // pass (Tab, arrows, Enter, Escape, accelerators, Alt and F10).
  M.Result = 1;
  if (Perform(CM_CHILDKEY, M.WParam, reinterpret_cast<intptr_t>(this)) != 0) return;
  TCustomForm* form = ParentForm();
  if (M.Msg == CN_SYSKEYDOWN) {
    if (form && form->Perform(DialogMessage, M.WParam, M.LParam) != 0) return;
    M.Result = 0;
    return;
  }
  int mask = 0;
  switch (M.WParam) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_ESCAPE: mask = DLGC_WANTALLKEYS; break;
    default: break;
  }
  if (mask && Perform(CM_WANTSPECIALKEY, M.WParam) == 0 && (Perform(WM_GETDLGCODE) & mask) == 0 && form &&
      form->Perform(DialogMessage, M.WParam, M.LParam) != 0)
    return;
  M.Result = 0;
}

bool TWinControl::DoKeyDown(TMessage& M) {
  TCustomForm* form = ParentForm();
  if (form && form != static_cast<TControl*>(this) && form->KeyPreview && form->DoKeyDown(M)) return true;
  uint16_t key = static_cast<uint16_t>(M.WParam);
  KeyDown(key, KeyDataShift(M.LParam));
  M.WParam = key;
  return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& M) {
  TCustomForm* form = ParentForm();
  if (form && form != static_cast<TControl*>(this) && form->KeyPreview && form->DoKeyUp(M)) return true;
  uint16_t key = static_cast<uint16_t>(M.WParam);
  KeyUp(key, KeyDataShift(M.LParam));
  M.WParam = key;
  return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& M) {
  TCustomForm* form = ParentForm();
  if (form && form != static_cast<TControl*>(this) && form->KeyPreview && form->DoKeyPress(M)) return true;
  char32_t key = static_cast<char32_t>(M.WParam);
  KeyPress(key);
  M.WParam = static_cast<intptr_t>(key);
  return key == 0;
}

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}
void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}
void TWinControl::KeyPress(char32_t& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}
void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}
void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::Notification(TComponent* AComponent, TOperation Operation) {
  TControl::Notification(AComponent, Operation);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  if (alignPending_) Realign();
}
