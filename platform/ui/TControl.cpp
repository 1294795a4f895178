#include "TControl.h"

#include "TAction.h"
#include "TActionLink.h"
#include "TApplication.h"
#include "TCustomForm.h"
#include "TPopupMenu.h"
#include "TWinControl.h"
#include "core/Exceptions.h"

TShiftState MouseKeysToShift(intptr_t Keys) {
  TShiftState s;
  if (Keys & MK_SHIFT) s.Include(ssShift);
  if (Keys & MK_CONTROL) s.Include(ssCtrl);
  if (Keys & MK_LBUTTON) s.Include(ssLeft);
  if (Keys & MK_RBUTTON) s.Include(ssRight);
  if (Keys & MK_MBUTTON) s.Include(ssMiddle);
  return s;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), font_(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
  Destroying();
  if (Application) Application->KillTimers(this);
  actionLink_.reset();
  if (parent_) parent_->RemoveControl(this);
}

intptr_t TControl::Perform(uint32_t Msg, intptr_t WParam, intptr_t LParam) {
  TMessage m{Msg, WParam, LParam, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: HandleMouseDown(M, mbLeft); return;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: HandleMouseDown(M, mbRight); return;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: HandleMouseDown(M, mbMiddle); return;
    case WM_LBUTTONUP: HandleMouseUp(M, mbLeft); return;
    case WM_RBUTTONUP: HandleMouseUp(M, mbRight); return;
    case WM_MBUTTONUP: HandleMouseUp(M, mbMiddle); return;
    case WM_MOUSEMOVE: {
      TPoint p = LParamToPoint(M.LParam);
      MouseMove(MouseKeysToShift(M.WParam), p.X, p.Y);
      return;
    }
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED:
      Changed();
      Invalidate();
      return;
    case CM_FONTCHANGED:
      Changed();
      Invalidate();
      return;
    case CM_PARENTFONTCHANGED:
      if (parentFont_ && parent_) {
        fontFromParent_ = true;
        font_->Assign(parent_->Font());
        fontFromParent_ = false;
      }
      return;
    case CM_PARENTCOLORCHANGED:
      if (parentColor_ && parent_ && color_ != parent_->Color()) {
        color_ = parent_->Color();
        Perform(CM_COLORCHANGED);
      }
      return;
    case CM_PARENTSHOWHINTCHANGED:
      if (parentShowHint_ && parent_) showHint_ = parent_->ShowHint();
      return;
    case CM_HITTEST: M.Result = HTCLIENT; return;
    case WM_CANCELMODE:
    case CM_CANCELMODE:
      // The press in progress ends without a click.
      controlState_.Exclude(csClicked);
      if (MouseCapture()) SetMouseCapture(false);
      return;
    default: break;
  }
  DefaultHandler(M);
}

void TControl::DefaultHandler(TMessage& M) {
  if (M.Msg == WM_NCHITTEST) M.Result = HTCLIENT;
}

void TControl::HandleMouseDown(TMessage& M, TMouseButton Button) {
  TPoint p = LParamToPoint(M.LParam);
  TShiftState shift = MouseKeysToShift(M.WParam);
  bool dbl = M.Msg == WM_LBUTTONDBLCLK || M.Msg == WM_RBUTTONDBLCLK || M.Msg == WM_MBUTTONDBLCLK;
  if (dbl) shift.Include(ssDouble);
  auto alive = AliveToken();
  if (Button == mbLeft) {
    if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (dbl) {
      if (controlStyle_.Contains(csClickEvents)) DblClick();
      if (!IsAlive(alive)) return;
    } else if (controlStyle_.Contains(csClickEvents)) {
      controlState_.Include(csClicked);
    }
  }
  MouseDown(Button, shift, p.X, p.Y);
}

void TControl::HandleMouseUp(TMessage& M, TMouseButton Button) {
  TPoint p = LParamToPoint(M.LParam);
  TShiftState shift = MouseKeysToShift(M.WParam);
  auto alive = AliveToken();
  if (Button == mbLeft) {
    if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(false);
    if (controlState_.Contains(csClicked)) {
      controlState_.Exclude(csClicked);
      if (ClientRect().Contains(p)) Click();
      if (!IsAlive(alive)) return;
    }
  }
  MouseUp(Button, shift, p.X, p.Y);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
  else if (actionLink_) actionLink_->Execute(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::SetParent(TWinControl* AParent) {
  if (parent_ == AParent) return;
  if (AParent == this) throw EPlatformError("A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (AParent) AParent->InsertControl(this);
}

TPoint TControl::ClientOrigin() const {
  if (!parent_) return {left_, top_};
  return parent_->ClientOrigin() + TPoint{left_, top_};
}

TPoint TControl::ClientToParent(TPoint P, const TWinControl* Ancestor) const {
  const TControl* c = this;
  while (c && c != Ancestor) {
    P = P + TPoint{c->left_, c->top_};
    c = c->parent_;
  }
  return P;
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(0, AWidth);
  AHeight = std::max(0, AHeight);
  if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
  bool moved = ALeft != left_ || ATop != top_;
  bool resized = AWidth != width_ || AHeight != height_;
  InvalidateControl(visible_, false);
  left_ = ALeft;
  top_ = ATop;
  width_ = AWidth;
  height_ = AHeight;
  InvalidateControl(visible_, controlStyle_.Contains(csOpaque));
  BoundsChanged(moved, resized);
}

void TControl::BoundsChanged(bool Moved, bool Resized) {
  if (Resized && !ComponentState().Contains(csLoading)) Resize();
  if (parent_ && align_ != alNone) parent_->Realign();
  if (Application) Application->Windows().UpdateMouseControl();
}

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque) {
  if (IsVisible && parent_) parent_->InvalidateRect(BoundsRect(), !IsOpaque);
}

void TControl::SetAlign(TAlign Value) {
  if (align_ == Value) return;
  align_ = Value;
  if (parent_) parent_->Realign();
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetVisible(bool Value) {
  if (visible_ == Value) return;
  if (!Value) InvalidateControl(true, false);
  visible_ = Value;
  Perform(CM_VISIBLECHANGED, Value);
  if (Value) InvalidateControl(true, controlStyle_.Contains(csOpaque));
  if (parent_ && align_ != alNone) parent_->Realign();
  if (Application) Application->Windows().UpdateMouseControl();
}

void TControl::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  if (!Value && MouseCapture()) SetMouseCapture(false);
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& Value) {
  if (text_ == Value) return;
  text_ = Value;
  Perform(CM_TEXTCHANGED);
}

void TControl::FontChanged() {
  if (!fontFromParent_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool Value) {
  if (parentFont_ == Value) return;
  parentFont_ = Value;
  if (Value) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetColor(TColor Value) {
  if (color_ == Value) return;
  color_ = Value;
  parentColor_ = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
  if (parentColor_ == Value) return;
  parentColor_ = Value;
  if (Value) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetShowHint(bool Value) {
  parentShowHint_ = false;
  if (showHint_ == Value) return;
  showHint_ = Value;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value) {
  if (parentShowHint_ == Value) return;
  parentShowHint_ = Value;
  if (Value) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetCursor(TCursor Value) {
  if (cursor_ == Value) return;
  cursor_ = Value;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* Value) { popupMenu_ = Value; }

void TControl::Invalidate() { InvalidateControl(visible_, controlStyle_.Contains(csOpaque)); }

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

bool TControl::MouseCapture() const {
  return Application && Application->Windows().CaptureControl() == this;
}

void TControl::SetMouseCapture(bool Value) {
  if (!Application || MouseCapture() == Value) return;
  Application->Windows().SetCaptureControl(Value ? this : nullptr);
}

void TControl::SetStateFlag(TControlStateFlag Flag, bool On) {
  if (On) controlState_.Include(Flag); else controlState_.Exclude(Flag);
}

TBasicAction* TControl::Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }

void TControl::SetAction(TBasicAction* Value) {
  if (!Value) {
    actionLink_.reset();
    return;
  }
  if (!actionLink_) actionLink_ = CreateActionLink();
  actionLink_->SetAction(Value);
  actionLink_->OnChange = [this](TBasicAction* sender) { ActionChange(sender, false); };
  ActionChange(Value, Value->ComponentState().Contains(csLoading));
  Value->FreeNotification(this);
}

std::unique_ptr<TControlActionLink> TControl::CreateActionLink() {
  return std::make_unique<TControlActionLink>(this);
}

void TControl::ActionChange(TBasicAction* Sender, bool CheckDefaults) {
  auto* a = dynamic_cast<TCustomAction*>(Sender);
  if (!a) return;
  if (!CheckDefaults || text_.empty() || text_ == Name()) SetCaption(a->Caption());
  if (!CheckDefaults || enabled_) SetEnabled(a->Enabled());
  if (!CheckDefaults || hint_.empty()) SetHint(a->Hint());
  if (!CheckDefaults || visible_) SetVisible(a->Visible());
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (actionLink_ && AComponent == actionLink_->Action()) actionLink_.reset();
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (actionLink_) ActionChange(actionLink_->Action(), true);
}

void TControl::BringToFront() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.push_back(this);
  Invalidate();
}

void TControl::SendToBack() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.insert(list.begin(), this);
  parent_->InvalidateRect(BoundsRect(), true);
}

TCustomForm* TControl::ParentForm() const {
  const TControl* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}
