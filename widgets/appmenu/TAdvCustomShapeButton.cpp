#include "TAdvCustomShapeButton.h"

#include "ShapeButtonGeometry.h"
#include "TAdvPreviewMenu.h"
#include "TAdvShapeButtonActionLink.h"
#include "glowbutton/GlowButtonLayout.h"
#include "pager/TShortCutHintWindow.h"
#include "picture/TGDIPPicture.h"
#include "ui/PaintParentImage.h"
#include "ui/TAction.h"
#include "ui/TApplication.h"

TAdvCustomShapeButton::TAdvCustomShapeButton(TComponent* AOwner)
    : TCustomControl(AOwner),
      picture_(std::make_unique<TGDIPPicture>()),
      pictureHot_(std::make_unique<TGDIPPicture>()),
      pictureDown_(std::make_unique<TGDIPPicture>()),
      pictureDisabled_(std::make_unique<TGDIPPicture>()) {
  // The button clicks on its own release (by the client rectangle), so the
  // platform's click events stay off.
  SetControlStyle(TControlStyle{csCaptureMouse, csDoubleClicks});
  SetBounds(0, 0, 23, 22);
  Font()->SetName("Tahoma");
  DoubleBuffered = true;
  // The normal and disabled pictures show at rest; the others only in
  // states that repaint when they begin.
  picture_->OnChange = [this](TObject*) { Invalidate(); };
  pictureDisabled_->OnChange = [this](TObject*) { Invalidate(); };
}

TAdvCustomShapeButton::~TAdvCustomShapeButton() {
  // The menu outlives its button in many layouts: it must not call back.
  if (TAdvPreviewMenu* menu = menu_.Get()) menu->RemoveButtonHooks(this);
  delete keyTip_.Get();
}

bool TAdvCustomShapeButton::Designing() const { return ComponentState().Contains(csDesigning); }

// ---------------------------------------------------------------------------
// Properties.

void TAdvCustomShapeButton::SetAdvPreviewMenu(TAdvPreviewMenu* Value) {
  if (menu_ == Value) return;
  if (TAdvPreviewMenu* old = menu_.Get()) {
    old->RemoveButtonHooks(this);
    old->RemoveFreeNotification(this);
  }
  menu_ = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  Value->InstallButtonHooks(
      this, [this](TCanvas* Canvas, const TRect& Band) { if (Canvas) DrawOnMenu(*Canvas, Band); },
      [this](TAdvPreviewMenu*) { Invalidate(); });
}

void TAdvCustomShapeButton::SetPicture(const TGDIPPicture* Value) { picture_->Assign(Value); }
void TAdvCustomShapeButton::SetPictureHot(const TGDIPPicture* Value) { pictureHot_->Assign(Value); }
void TAdvCustomShapeButton::SetPictureDown(const TGDIPPicture* Value) { pictureDown_->Assign(Value); }
void TAdvCustomShapeButton::SetPictureDisabled(const TGDIPPicture* Value) { pictureDisabled_->Assign(Value); }

void TAdvCustomShapeButton::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  // A freed menu reads empty already; the picture may have shown it open.
  if (Operation == opRemove && menu_.RefersTo(AComponent)) {
    menu_.Reset();
    Invalidate();
  }
}

// ---------------------------------------------------------------------------
// Down, groups and styles.

void TAdvCustomShapeButton::SetDown(bool Value) {
  if (ComponentState().Contains(csLoading)) {
    downPending_ = true;
    pendingDown_ = Value;
    return;
  }
  if (groupIndex_ == 0 && style_ == tasButton) Value = false;
  if (style_ == tasCheck) {
    down_ = Value;
    Invalidate();
    return;
  }
  if (Value == down_ || (down_ && !allowAllUp_)) return;
  down_ = Value;
  Invalidate();
  if (Value) NotifyGroup();
}

void TAdvCustomShapeButton::SetAllowAllUp(bool Value) {
  if (allowAllUp_ == Value) return;
  allowAllUp_ = Value;
  NotifyGroup();
}

void TAdvCustomShapeButton::SetGroupIndex(int Value) {
  if (groupIndex_ == Value) return;
  groupIndex_ = Value;
  NotifyGroup();
}

void TAdvCustomShapeButton::SetStyle(TAdvToolButtonStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  Invalidate();
}

void TAdvCustomShapeButton::Loaded() {
  TCustomControl::Loaded();
  if (!downPending_) return;
  downPending_ = false;
  SetDown(pendingDown_);
}

void TAdvCustomShapeButton::NotifyGroup() {
  TWinControl* p = Parent();
  if (!p || groupIndex_ == 0) return;
  // A member's handling may free controls of the parent: each sibling is
  // looked up again before it hears of the press.
  auto alive = AliveToken();
  std::vector<TWeak<TControl>> siblings;
  for (int i = 0; i < p->ControlCount(); ++i) siblings.emplace_back(p->Controls(i));
  const intptr_t sender = reinterpret_cast<intptr_t>(static_cast<TControl*>(this));
  for (const TWeak<TControl>& c : siblings) {
    if (!IsAlive(alive) || Parent() != p) return;
    if (TControl* sibling = c.Get(); sibling && sibling != this) sibling->Perform(CM_BUTTONPRESSED, groupIndex_, sender);
  }
}

void TAdvCustomShapeButton::ButtonPressed(TAdvCustomShapeButton* Sender) {
  if (!Sender || Sender == this) return;
  if (Sender->Down() && down_) {
    down_ = false;
    auto alive = AliveToken();
    if (auto* a = dynamic_cast<TCustomAction*>(Action())) a->SetChecked(false);
    if (!IsAlive(alive)) return;
    Invalidate();
  }
  allowAllUp_ = Sender->AllowAllUp();
}

// ---------------------------------------------------------------------------
// Painting.

const TGDIPPicture* TAdvCustomShapeButton::ChoosePicture(bool WithFocus) const {
  if (!Enabled() && !pictureDisabled_->Empty()) return pictureDisabled_.get();
  const TAdvPreviewMenu* menu = menu_.Get();
  if (((pressed_ && hot_) || (menu && menu->IsMenuVisible())) && !pictureDown_->Empty()) return pictureDown_.get();
  if ((hot_ || (WithFocus && Focused())) && !pictureHot_->Empty()) return pictureHot_.get();
  return picture_.get();
}

void TAdvCustomShapeButton::Paint() {
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  if (Parent()) PaintParentImage(*this, *Parent(), *c);
  auto* picture = const_cast<TGDIPPicture*>(ChoosePicture(true));
  if (picture->Empty()) {
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(clBlue);
    c->Pen()->SetStyle(psDot);
    c->Rectangle(r.Left, r.Top, r.Right, r.Bottom);
    c->Pen()->SetStyle(psSolid);
    return;
  }
  const TPoint at = CentredPicture({r.Width(), r.Height()}, {picture->Width(), picture->Height()});
  c->Draw(at.X, at.Y, picture);
}

void TAdvCustomShapeButton::DrawOnMenu(TCanvas& Canvas, const TRect& Band) const {
  auto* picture = const_cast<TGDIPPicture*>(ChoosePicture(false));
  if (picture->Empty()) return;
  // The button's own place on the screen, seen from the menu window that
  // its click placed.
  const TPoint centred = CentredPicture({Width(), Height()}, {picture->Width(), picture->Height()});
  const int x = Band.Left + centred.X - menuShift_ + 3;
  const int y = Band.Top + TAdvPreviewMenu::TopBandHeight + centred.Y - Height() - 2;
  Canvas.Draw(x, y, picture);
}

// ---------------------------------------------------------------------------
// Mouse.

bool TAdvCustomShapeButton::Hovering() const { return Application && Application->TimerActive(this, HoverTimerId); }

bool TAdvCustomShapeButton::CursorInClient() const {
  if (!Application) return false;
  return ClientRect().Contains(ScreenToClient(Application->Windows().CursorPos()));
}

void TAdvCustomShapeButton::MouseEnter() {
  hot_ = true;
  if (Enabled()) Invalidate();
  if (Application) Application->SetTimer(this, HoverTimerId, HoverInterval);
  if (OnMouseEnter) OnMouseEnter(this);
}

void TAdvCustomShapeButton::MouseLeave() {
  StopHover();
  hot_ = false;
  if (Enabled()) Invalidate();
  if (OnMouseLeave) OnMouseLeave(this);
}

void TAdvCustomShapeButton::StopHover() {
  if (Application) Application->KillTimer(this, HoverTimerId);
}

void TAdvCustomShapeButton::HoverTick() {
  // A leave can go missing (the cursor went straight onto another window):
  // the timer notices the cursor outside and ends the hot state.
  if (CursorInClient()) return;
  StopHover();
  hot_ = false;
  if (Enabled()) Invalidate();
}

void TAdvCustomShapeButton::ResyncHover() {
  if (!Application) return;
  TWindowManager& wm = Application->Windows();
  const bool over = wm.FindControlAt(wm.CursorPos(), true) == this;
  if (over && !hot_) Perform(CM_MOUSEENTER);
  else if (!over && hot_) Perform(CM_MOUSELEAVE);
}

void TAdvCustomShapeButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  auto alive = AliveToken();
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (!IsAlive(alive) || Designing() || Button != mbLeft || !Enabled()) return;
  pressed_ = tracking_ = true;
  Invalidate();
}

void TAdvCustomShapeButton::MouseMove(TShiftState Shift, int X, int Y) {
  if (!Designing()) {
    if (tracking_) {
      Invalidate();
    } else if (!hot_) {
      auto alive = AliveToken();
      ResyncHover();
      if (!IsAlive(alive)) return;
    }
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

// The ways a left press ends:
//
//   release inside the client rectangle   click (a group or tasCheck toggles Down first)
//   release outside                        no click (tasCheck still toggles)
//   capture lost (another control took     no click, no toggle
//     the mouse, cancel mode, disabled)
//
// Each leaves the button neither pressed nor tracking.
void TAdvCustomShapeButton::LeftButtonUp(TMessage& M) {
  auto alive = AliveToken();
  const bool wasTracking = tracking_;
  // Cleared before the platform gives the mouse back, so the capture
  // change that follows reads as this release and not as a lost press.
  pressed_ = tracking_ = false;
  Invalidate();
  TCustomControl::WndProc(M);
  if (!IsAlive(alive) || Designing()) return;
  if (wasTracking) {
    const bool inside = ClientRect().Contains(LParamToPoint(M.LParam));
    if ((groupIndex_ != 0 && inside) || style_ == tasCheck) {
      SetDown(!down_);
      if (!IsAlive(alive)) return;
    }
    if (inside) {
      Click();
      if (!IsAlive(alive)) return;
    }
  }
  ResyncHover();
}

void TAdvCustomShapeButton::CancelPress() {
  if (!pressed_ && !tracking_) return;
  pressed_ = tracking_ = false;
  Invalidate();
}

// ---------------------------------------------------------------------------
// Keyboard and click.

void TAdvCustomShapeButton::KeyDown(uint16_t& Key, TShiftState Shift) {
  auto alive = AliveToken();
  TCustomControl::KeyDown(Key, Shift);
  if (!IsAlive(alive)) return;
  if ((Key == VK_RETURN || Key == VK_SPACE) && Focused()) KeyboardClick();
}

void TAdvCustomShapeButton::KeyboardClick() {
  auto alive = AliveToken();
  keyboardClick_ = true;
  try {
    Click();
  } catch (...) {
    if (IsAlive(alive)) keyboardClick_ = false;
    throw;
  }
  if (IsAlive(alive)) keyboardClick_ = false;
}

void TAdvCustomShapeButton::Click() {
  auto alive = AliveToken();
  const bool keyTipShown = keyTip_ && keyTip_->Showing() && !keyboardClick_;
  if (!keyboardClick_) {
    TCustomControl::Click();
    if (!IsAlive(alive)) return;
  }
  TAdvPreviewMenu* menu = menu_.Get();
  if (!menu) return;
  menuShift_ = 0;
  const TSize size = menu->MeasureMenu();
  const TPoint origin = ClientToScreen({0, 0});
  const TPoint anchor = ClientToScreen({0, Height() - TAdvPreviewMenu::TopBandHeight + 2});
  const TRect work = Application ? NearestWorkArea(Application->Windows().Monitors(), anchor,
                                                   Application->Windows().PrimaryMonitor().WorkareaRect)
                                 : TRect{};
  const TAppMenuPlacement place = PlaceAppMenu(origin, Height(), TAdvPreviewMenu::TopBandHeight, size, work);
  menuShift_ = place.Shift;
  // The shown menu changes the picture rules.
  Invalidate();
  menu->ShowMenu(place.At.X, place.At.Y);
  if (!IsAlive(alive)) return;
  if (keyTipShown)
    if (TAdvPreviewMenu* shown = menu_.Get()) shown->ShowMenuKeyTips();
}

// ---------------------------------------------------------------------------
// Key tips.

void TAdvCustomShapeButton::ShowKeyTip() {
  if (!keyTip_) {
    auto* tip = new TShortCutHintWindow(this);
    tip->SetParent(Parent());
    keyTip_ = tip;
  }
  TShortCutHintWindow* tip = keyTip_.Get();
  tip->SetCaption(shortCutHint_);
  const TPoint org = ClientToScreen({0, 0});
  const TSize size{tip->Width(), tip->Height()};
  const TPoint at = KeyTipPosition(shortCutHintPos_, TRect::Bounds(org.X, org.Y, Width(), Height()), size);
  tip->SetBounds(at.X, at.Y, size.cx, size.cy);
  // A tip without text has no size and stays hidden.
  if (size.cx > 0 && size.cy > 0) {
    tip->Show();
    tip->Invalidate();
  }
}

void TAdvCustomShapeButton::HideKeyTip() {
  TShortCutHintWindow* tip = keyTip_.Get();
  keyTip_.Reset();
  delete tip;
}

// ---------------------------------------------------------------------------
// Actions.

std::unique_ptr<TControlActionLink> TAdvCustomShapeButton::CreateActionLink() {
  return std::make_unique<TAdvShapeButtonActionLink>(this);
}

void TAdvCustomShapeButton::ActionChange(TBasicAction* Sender, bool CheckDefaults) {
  TCustomControl::ActionChange(Sender, CheckDefaults);
  auto* a = dynamic_cast<TCustomAction*>(Sender);
  if (a && (!CheckDefaults || groupIndex_ == 0)) SetGroupIndex(a->GroupIndex());
}

// ---------------------------------------------------------------------------
// Messages.

void TAdvCustomShapeButton::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_ERASEBKGND: M.Result = 1; return;
    case WM_TIMER:
      if (M.WParam == static_cast<intptr_t>(HoverTimerId)) HoverTick();
      return;
    case CM_MOUSEENTER:
      if (!Designing()) MouseEnter();
      return;
    case CM_MOUSELEAVE:
      if (!Designing()) MouseLeave();
      return;
    case WM_LBUTTONDBLCLK: {
      // A double click is also a press: its release clicks again.
      auto alive = AliveToken();
      if (!Designing()) DblClick();
      if (!IsAlive(alive)) return;
      break;
    }
    case WM_LBUTTONUP: LeftButtonUp(M); return;
    case WM_CAPTURECHANGED:
      // The button's own release ends the press before it gives the mouse
      // back; anything else that takes the mouse ends it without a click.
      if (reinterpret_cast<TControl*>(M.LParam) != this) CancelPress();
      break;
    case CM_ENABLEDCHANGED:
      if (!Enabled()) CancelPress();
      break;
    case CM_HINTSHOW:
      // The pager's key-tip command; any other hint goes the usual way.
      if (M.WParam == 1) {
        if (M.LParam == 1) ShowKeyTip();
        else if (M.LParam == 0) HideKeyTip();
        M.Result = 1;
        return;
      }
      break;
    case CM_BUTTONPRESSED:
      if (M.WParam == groupIndex_ && groupIndex_ != 0)
        ButtonPressed(dynamic_cast<TAdvCustomShapeButton*>(reinterpret_cast<TControl*>(M.LParam)));
      return;
    default: break;
  }
  TCustomControl::WndProc(M);
}
