#include "TCustomForm.h"

#include <algorithm>

#include "SystemMenu.h"

#include "TApplication.h"
#include "graphics/TCanvas.h"

TCustomForm::TCustomForm(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm() {
  if (Application && Application->MainForm() == this) Application->Terminate();
  Destroying();
  // Owned components go while the form is still whole, so their
  // notifications reach a complete form.
  SetVisible(false);
  DestroyComponents();
}

void TCustomForm::CreateParams(TCreateParams& Params) const {
  TCustomControl::CreateParams(Params);
  Params.Style &= ~WS_CHILD;
  switch (borderStyle_) {
    case bsNone: Params.Style |= WS_POPUP; break;
    case bsSingle:
    case bsToolWindow: Params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable:
    case bsSizeToolWin: Params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog: Params.Style |= WS_POPUP | WS_CAPTION | WS_DLGFRAME; break;
  }
  if (borderIcons_.Contains(biSystemMenu)) Params.Style |= WS_SYSMENU;
  if (borderIcons_.Contains(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
  if (borderIcons_.Contains(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
  if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) Params.ExStyle |= WS_EX_TOOLWINDOW;
}

void TCustomForm::CreateHandle() {
  TCustomControl::CreateHandle();
  if (!HandleAllocated() || !Application) return;
  // The taskbar shows the application's title for a form without its own.
  const std::string& title = Text().empty() ? Application->Title() : Text();
  Application->Host().SetTitle(HostWindow(), title);
  if (!Application->Icon().empty()) Application->Host().SetIcon(HostWindow(), Application->Icon());
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) { borderStyle_ = Value; }

void TCustomForm::SetWindowState(TWindowState Value) {
  if (windowState_ == Value) return;
  if (windowState_ == wsNormal) restoredBounds_ = BoundsRect();
  windowState_ = Value;
  // A hidden form takes the state when it goes on screen.
  if (!HostMapped() || !Application) return;
  TSize before{Width(), Height()};
  auto alive = AliveToken();
  Application->Host().SetShowState(HostWindow(), HostShowState());
  if (!IsAlive(alive) || windowState_ != Value) return;
  // A desktop without a window manager only records the state: the
  // platform sizes the window itself (a window manager has mostly done so
  // already, and the same bounds change nothing).
  if (Value == wsMaximized) SetBoundsRect(MaximizedBounds());
  else if (Value == wsNormal) SetBoundsRect(restoredBounds_);
  if (IsAlive(alive) && windowState_ == Value && Width() == before.cx && Height() == before.cy) SendSize();
}

void TCustomForm::SyncWindowState(TWindowState Value) {
  if (windowState_ == wsNormal && Value != wsNormal) restoredBounds_ = BoundsRect();
  windowState_ = Value;
}

THostShowState TCustomForm::HostShowState() const {
  return windowState_ == wsMaximized ? hssMaximized : windowState_ == wsMinimized ? hssMinimized : hssNormal;
}

TRect TCustomForm::MaximizedBounds() {
  if (!Application) return BoundsRect();
  TWindowManager& wm = Application->Windows();
  TMonitor m = wm.MonitorFor(windowState_ == wsNormal ? BoundsRect() : restoredBounds_);
  TRect screen = m.BoundsRect;
  for (const TMonitor& other : wm.Monitors()) screen = screen.Union(other.BoundsRect);
  MINMAXINFO info;
  info.ptMaxSize = {m.WorkareaRect.Width(), m.WorkareaRect.Height()};
  info.ptMaxPosition = m.WorkareaRect.TopLeft() - m.BoundsRect.TopLeft();
  // The span of the screens and a sizing border's width on each side, so a
  // window may be maximised a little past its monitor's edges.
  constexpr int frame = 8;
  info.ptMaxTrackSize = {screen.Width() + 2 * frame, screen.Height() + 2 * frame};
  Perform(WM_GETMINMAXINFO, 0, reinterpret_cast<intptr_t>(&info));
  int w = std::clamp(info.ptMaxSize.X, info.ptMinTrackSize.X, std::max(info.ptMinTrackSize.X, info.ptMaxTrackSize.X));
  int h = std::clamp(info.ptMaxSize.Y, info.ptMinTrackSize.Y, std::max(info.ptMinTrackSize.Y, info.ptMaxTrackSize.Y));
  return TRect::Bounds(m.BoundsRect.Left + info.ptMaxPosition.X, m.BoundsRect.Top + info.ptMaxPosition.Y, w, h);
}

void TCustomForm::PlaceOnScreen() {
  if (placed_ || !Application) return;
  placed_ = true;
  if (position_ != poScreenCenter && position_ != poDesktopCenter && position_ != poMainFormCenter &&
      position_ != poOwnerFormCenter)
    return;
  TMonitor m = Application->Windows().PrimaryMonitor();
  TRect area = m.BoundsRect;
  if ((position_ == poMainFormCenter || position_ == poOwnerFormCenter) && Application->MainForm() &&
      Application->MainForm() != this)
    area = Application->MainForm()->BoundsRect();
  SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::ShowSystemMenu(TPoint Screen) {
  auto alive = AliveToken();
  const int command = TrackSystemMenu(*this, Screen);
  if (command && IsAlive(alive)) Perform(WM_SYSCOMMAND, command, 0);
}

void TCustomForm::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_CLOSE: Close(); return;
    // Not freed here: whoever handles or hooks this message still holds
    // the form.
    case CM_RELEASE:
      if (Application) Application->ReleaseComponent(this);
      return;
    case CM_SHOWINGCHANGED:
      if (M.WParam) {
        bool first = !placed_;
        PlaceOnScreen();
        // A form maximised before its first showing comes up maximised and
        // returns to where it was placed.
        if (first && windowState_ != wsNormal) restoredBounds_ = BoundsRect();
        if (windowState_ == wsMaximized) SetBoundsRect(MaximizedBounds());
        DoShow();
      } else {
        DoHide();
      }
      return;
    case WM_ACTIVATE:
      if (M.WParam) {
        TWinControl* active = activeControl_.Get();
        if (!active || !active->CanFocus()) activeControl_ = active = FindNextControl(nullptr, true, true, false);
        if (Application) Application->Windows().SetFocus(active ? active : this);
        if (OnActivate) OnActivate(this);
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      return;
    case WM_NCLBUTTONDBLCLK:
      // A double click on the caption maximises or restores, where the
      // form may be maximised; on the system menu's box it closes.
      if (M.WParam == HTCAPTION) {
        const int command = windowState_ == wsNormal ? SC_MAXIMIZE : SC_RESTORE;
        if (SystemCommandEnabled(*this, command)) Perform(WM_SYSCOMMAND, command, M.LParam);
        return;
      }
      if (M.WParam == HTSYSMENU) {
        Perform(WM_SYSCOMMAND, SC_CLOSE, M.LParam);
        return;
      }
      break;
    case WM_NCLBUTTONUP:
      if (M.WParam == HTMAXBUTTON) {
        Perform(WM_SYSCOMMAND, windowState_ == wsMaximized ? SC_RESTORE : SC_MAXIMIZE, M.LParam);
        return;
      }
      break;
    case WM_SYSCOMMAND:
      switch (M.WParam & 0xFFF0) {
        case SC_CLOSE: Close(); return;
        case SC_MINIMIZE: SetWindowState(wsMinimized); return;
        case SC_MAXIMIZE: SetWindowState(wsMaximized); return;
        case SC_RESTORE: SetWindowState(wsNormal); return;
        case SC_KEYMENU:
          if (M.LParam == ' ') ShowSystemMenu(ClientToScreen({0, 0}));
          return;
        case SC_MOUSEMENU: ShowSystemMenu(LParamToPoint(M.LParam)); return;
        default: break;  // moving and sizing: the window's own handling
      }
      break;
    case CM_DIALOGKEY: {
      bool alt = Application && Application->Windows().IsKeyDown(VK_MENU);
      bool ctrl = Application && Application->Windows().IsKeyDown(VK_CONTROL);
      bool shift = Application && Application->Windows().IsKeyDown(VK_SHIFT);
      TWinControl* active = activeControl_.Get();
      if (!alt && M.WParam == VK_TAB && !ctrl) {
        SelectNext(active, !shift, true);
        M.Result = 1;
        return;
      }
      if (!alt && (M.WParam == VK_LEFT || M.WParam == VK_RIGHT || M.WParam == VK_UP || M.WParam == VK_DOWN)) {
        if (active && active->Parent()) {
          active->Parent()->SelectNext(active, M.WParam == VK_RIGHT || M.WParam == VK_DOWN, false);
          M.Result = 1;
        }
        return;
      }
      break;
    }
    default: break;
  }
  TCustomControl::WndProc(M);
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  auto alive = AliveToken();
  if (OnClose) OnClose(this, action);
  if (!IsAlive(alive) || action == caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
  }
}

TModalResult TCustomForm::ShowModal() {
  if (!Application) return mrNone;
  modalResult_ = mrNone;
  modal_ = true;
  auto alive = AliveToken();
  Application->Windows().CancelModes();
  if (!IsAlive(alive)) return mrCancel;
  Application->Windows().PushModal(this);
  Show();
  if (!IsAlive(alive)) return mrCancel;
  Application->Windows().ActivateForm(this);
  try {
    while (modalResult_ == mrNone && !Application->Terminated()) {
      Application->HandleMessage();
      if (!IsAlive(alive)) return mrCancel;
    }
  } catch (...) {
    if (IsAlive(alive)) {
      Application->Windows().PopModal(this);
      modal_ = false;
      Hide();
    }
    throw;
  }
  Application->Windows().PopModal(this);
  modal_ = false;
  Hide();
  return modalResult_ == mrNone ? mrCancel : modalResult_;
}

void TCustomForm::Release() {
  if (Application) Application->PostMessage(this, CM_RELEASE);
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (activeControl_ == Control) return;
  activeControl_ = Control;
  if (Active() && Application && Control) Application->Windows().SetFocus(Control);
}

void TCustomForm::FocusControl(TWinControl* Control) {
  activeControl_ = Control;
  if (Active() && Application) Application->Windows().SetFocus(Control ? Control : this);
}

bool TCustomForm::Active() const { return Application && Application->Windows().ActiveForm() == this; }

void TCustomForm::SetFocusedControl(TWinControl* Control) {
  if (!Control) return;
  activeControl_ = Control == this ? nullptr : Control;
  if (Control->ControlState().Contains(csFocusing)) return;
  Control->SetStateFlag(csFocusing, true);
  struct Clear {
    TWeak<TWinControl> c;
    ~Clear() {
      if (c) c->SetStateFlag(csFocusing, false);
    }
  } clear{Control};
  // When the control entered last is gone (freed, so never left), the
  // way in starts again at the form.
  if (!focusedControl_) focusedControl_ = this;
  if (focusedControl_ == Control) return;
  // Leave every control that does not hold the new one, innermost first;
  // then enter each control on the way down to it. The handlers may free
  // any of them, the new one too.
  while (focusedControl_ && clear.c && !focusedControl_->ContainsControl(Control)) {
    TWinControl* leaving = focusedControl_.Get();
    focusedControl_ = leaving->Parent();
    leaving->Perform(CM_EXIT);
  }
  while (focusedControl_ && clear.c && focusedControl_ != Control) {
    TWinControl* next = Control;
    while (next->Parent() != focusedControl_.Get()) next = next->Parent();
    focusedControl_ = next;
    next->Perform(CM_ENTER);
  }
  if (clear.c) Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(Control));
}
