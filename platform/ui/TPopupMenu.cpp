#include "TPopupMenu.h"

#include <algorithm>

#include "TApplication.h"
#include "Accelerator.h"
#include "TCustomControl.h"
#include "TMenuItem.h"
#include "graphics/TCanvas.h"

// The menu's window: a top-level menu window that holds the mouse
// capture and the keyboard focus while the menu is open.
class TPopupMenu::TMenuWindow : public TCustomControl {
 public:
  explicit TMenuWindow(TPopupMenu* Menu) : TCustomControl(nullptr), menu_(Menu) {
    SetVisible(false);
    SetControlStyle(TControlStyle{csOpaque});
  }
  std::string ClassName() const override { return "TPopupMenuWindow"; }

  void CreateParams(TCreateParams& Params) const override {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.ExStyle = WS_EX_TOPMOST;
    Params.WindowClassStyle = CS_SAVEBITS | CS_DROPSHADOW;
  }
  THostWindowKind HostWindowKind(const TCreateParams&) const override { return hwkMenu; }

  void WndProc(TMessage& M) override {
    switch (M.Msg) {
      case WM_MOUSEMOVE: {
        TPoint p = LParamToPoint(M.LParam);
        menu_->Highlight(menu_->ItemAt(p));
        return;
      }
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
      case WM_RBUTTONDBLCLK:
      case WM_MBUTTONDBLCLK:
        if (!ClientRect().Contains(LParamToPoint(M.LParam))) menu_->Dismiss();
        return;
      case WM_LBUTTONUP:
      case WM_RBUTTONUP: {
        // The release of the press that opened the menu lands here too;
        // only a release over an item chooses it.
        int index = menu_->ItemAt(LParamToPoint(M.LParam));
        if (index >= 0) menu_->Choose(index);
        return;
      }
      case WM_MBUTTONUP: return;
      case CN_KEYDOWN:
      case CN_SYSKEYDOWN:
        M.Result = 1;
        switch (M.WParam) {
          case VK_ESCAPE:
          case VK_MENU:
          case VK_F10: menu_->Dismiss(); return;
          case VK_UP: menu_->MoveHighlight(-1); return;
          case VK_DOWN: menu_->MoveHighlight(1); return;
          case VK_RETURN:
          case VK_SPACE:
            if (menu_->highlight_ >= 0) menu_->Choose(menu_->highlight_);
            return;
          default: M.Result = 0; return;
        }
      case CN_CHAR:
      case CN_SYSCHAR:
        M.Result = 1;
        for (int i = 0; i < menu_->Count(); ++i)
          if (menu_->Items(i)->Selectable() && IsAccel(static_cast<char32_t>(M.WParam), menu_->Items(i)->Caption())) {
            menu_->Choose(i);
            return;
          }
        return;
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
      case WM_KEYUP:
      case WM_SYSKEYUP:
      case WM_CHAR:
      case WM_SYSCHAR: return;
      case WM_CLOSE: menu_->Dismiss(); return;
      case WM_ERASEBKGND: M.Result = 1; return;
      default: break;
    }
    TCustomControl::WndProc(M);
  }

 protected:
  void Paint() override {
    TCanvas* c = Canvas();
    const TRect r = ClientRect();
    c->Brush()->SetColor(clMenu);
    c->FillRect(r);
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(r);
    c->Font()->Assign(menu_->Font());
    for (int i = 0; i < menu_->Count(); ++i) {
      const TMenuItem* item = menu_->Items(i);
      TRect ir = menu_->ItemRect(i);
      if (ir.IsEmpty()) continue;
      if (item->IsSeparator()) {
        c->Brush()->SetColor(clBtnShadow);
        c->FillRect({ir.Left + TextLeft - 4, ir.Top + ir.Height() / 2, ir.Right - 4, ir.Top + ir.Height() / 2 + 1});
        continue;
      }
      bool hot = i == menu_->highlight_;
      if (hot) {
        c->Brush()->SetColor(clHighlight);
        c->FillRect(ir);
      }
      c->Brush()->SetStyle(bsClear);
      c->Font()->SetColor(!item->Enabled() ? clGrayText : hot ? clHighlightText : clMenuText);
      TRect tr{ir.Left + TextLeft, ir.Top, ir.Right - TextRight, ir.Bottom};
      c->DrawText(item->Caption(), tr, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
  }

 private:
  TPopupMenu* menu_;
};

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), font_(std::make_unique<TFont>()) {}

TPopupMenu::~TPopupMenu() {
  window_.reset();
  for (TMenuItem* item : items_) item->menu_ = nullptr;
  items_.clear();
}

TMenuItem* TPopupMenu::Add(const std::string& Caption, TNotifyEvent OnClick) {
  auto* item = new TMenuItem(this);
  item->SetCaption(Caption);
  item->OnClick = std::move(OnClick);
  Add(item);
  return item;
}

void TPopupMenu::Add(TMenuItem* Item) {
  if (!Item || Item->menu_ == this) return;
  if (Item->menu_) Item->menu_->Remove(Item);
  Item->menu_ = this;
  items_.push_back(Item);
  if (Item->Owner() != this) Item->FreeNotification(this);
  ItemChanged();
}

void TPopupMenu::Remove(TMenuItem* Item) {
  auto it = std::find(items_.begin(), items_.end(), Item);
  if (it == items_.end()) return;
  items_.erase(it);
  Item->menu_ = nullptr;
  if (chosen_ == Item) chosen_ = nullptr;
  ItemChanged();
}

void TPopupMenu::Clear() {
  for (TMenuItem* item : std::vector<TMenuItem*>(items_)) {
    if (item->Owner() == this) delete item;
    else Remove(item);
  }
}

TWinControl* TPopupMenu::Window() const { return window_.get(); }

void TPopupMenu::ItemChanged() {
  if (highlight_ >= Count() || (highlight_ >= 0 && !Items(highlight_)->Selectable())) highlight_ = -1;
  if (!window_) return;
  TSize size = MenuSize();
  window_->SetBounds(window_->Left(), window_->Top(), size.cx, size.cy);
  window_->Invalidate();
}

int TPopupMenu::MenuWidth() const {
  TCanvas measure;
  measure.Font()->Assign(font_.get());
  int text = 0;
  for (const TMenuItem* item : items_) {
    if (!item->Visible() || item->IsSeparator()) continue;
    TRect r{0, 0, 0, 0};
    measure.DrawText(item->Caption(), r, DT_SINGLELINE | DT_CALCRECT);
    text = std::max(text, r.Width());
  }
  return std::max(MinWidth, TextLeft + text + TextRight);
}

TSize TPopupMenu::MenuSize() const {
  int height = 2;
  for (const TMenuItem* item : items_)
    if (item->Visible()) height += item->IsSeparator() ? SeparatorHeight : ItemHeight;
  return {MenuWidth(), height};
}

TRect TPopupMenu::ItemRect(int Index) const {
  if (Index < 0 || Index >= Count()) return {};
  const int width = MenuWidth();
  int top = 1;
  for (int i = 0; i < Index; ++i)
    if (items_[i]->Visible()) top += items_[i]->IsSeparator() ? SeparatorHeight : ItemHeight;
  const TMenuItem* item = items_[Index];
  if (!item->Visible()) return {};
  return {1, top, width - 1, top + (item->IsSeparator() ? SeparatorHeight : ItemHeight)};
}

int TPopupMenu::ItemAt(TPoint P) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[i]->Selectable() && ItemRect(i).Contains(P)) return i;
  return -1;
}

void TPopupMenu::Highlight(int Index) {
  if (Index == highlight_) return;
  highlight_ = Index;
  if (window_) window_->Invalidate();
}

void TPopupMenu::MoveHighlight(int Delta) {
  const int n = Count();
  if (n == 0) return;
  int i = highlight_;
  for (int step = 0; step < n; ++step) {
    i = i < 0 ? (Delta > 0 ? 0 : n - 1) : (i + Delta + n) % n;
    if (items_[i]->Selectable()) {
      Highlight(i);
      return;
    }
  }
}

void TPopupMenu::Choose(int Index) {
  if (Index < 0 || Index >= Count() || !items_[Index]->Selectable()) return;
  chosen_ = items_[Index];
  done_ = true;
}

void TPopupMenu::Dismiss() { done_ = true; }

void TPopupMenu::CloseMenu() {
  if (window_) Dismiss();
}

void TPopupMenu::Popup(int X, int Y) {
  auto alive = AliveToken();
  // Closing the window runs handlers too; the item may not outlive them.
  TWeak<TMenuItem> item = Open(X, Y);
  if (IsAlive(alive) && item && item->Selectable()) item->Click();
}

TMenuItem* TPopupMenu::TrackPopup(int X, int Y) {
  TWeak<TMenuItem> item = Open(X, Y);
  return item && item->Selectable() ? item.Get() : nullptr;
}

TWeak<TMenuItem> TPopupMenu::Open(int X, int Y) {
  if (!Application || window_) return nullptr;
  auto alive = AliveToken();
  if (OnPopup) {
    OnPopup(this);
    if (!IsAlive(alive) || window_) return nullptr;
  }
  if (std::none_of(items_.begin(), items_.end(), [](const TMenuItem* i) { return i->Visible(); })) return nullptr;

  TWindowManager& wm = Application->Windows();
  const TSize size = MenuSize();
  const TRect work = wm.MonitorFor(TRect::Bounds(X, Y, 1, 1)).WorkareaRect;
  const int left = X + size.cx > work.Right ? std::max(work.Left, X - size.cx) : X;
  const int top = Y + size.cy > work.Bottom ? std::max(work.Top, Y - size.cy) : Y;

  window_ = std::make_unique<TMenuWindow>(this);
  window_->SetBounds(left, top, size.cx, size.cy);
  return Track();
}

TWeak<TMenuItem> TPopupMenu::Track() {
  TWindowManager& wm = Application->Windows();
  auto alive = AliveToken();
  done_ = false;
  chosen_ = nullptr;
  highlight_ = -1;
  // Whatever ends the loop, the window goes and gives back mouse and keys.
  struct Close {
    TPopupMenu* menu;
    std::weak_ptr<void> alive;
    ~Close() {
      if (!IsAlive(alive) || !menu->window_ || !Application) return;
      TWindowManager& w = Application->Windows();
      TWinControl* win = menu->window_.get();
      if (w.CaptureControl() == win) w.SetCaptureControl(nullptr);
      if (w.KeyboardGrab() == win) w.SetKeyboardGrab(nullptr);
      menu->window_.reset();
      menu->highlight_ = -1;
    }
  } close{this, alive};

  wm.CancelModes();
  if (!IsAlive(alive) || !window_) return nullptr;
  window_->Show();
  wm.SetCaptureControl(window_.get());
  wm.SetKeyboardGrab(window_.get());
  while (!done_ && !Application->Terminated()) {
    Application->HandleMessage();
    if (!IsAlive(alive)) return nullptr;
  }
  TWeak<TMenuItem> item = chosen_;
  chosen_ = nullptr;
  return item;
}
