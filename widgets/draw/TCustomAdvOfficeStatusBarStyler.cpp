#include "TCustomAdvOfficeStatusBarStyler.h"

#include <algorithm>
#include <cassert>

#include "IStatusBarStylerClient.h"

TCustomAdvOfficeStatusBarStyler::TCustomAdvOfficeStatusBarStyler(TComponent* AOwner) : TComponent(AOwner) {
  light_.OnChange = [this](TObject*) { NotifyControls(); };
  dark_.OnChange = [this](TObject*) { NotifyControls(); };
}

TCustomAdvOfficeStatusBarStyler::~TCustomAdvOfficeStatusBarStyler() {
  Destroying();
  // Bars still using this styler fall back before anything is freed.
  const auto snapshot = controls_;
  for (const auto& handle : snapshot)
    if (auto* client = dynamic_cast<IStatusBarStylerClient*>(handle.Get())) client->StatusBarStylerReleased(this);
  for (const auto& handle : controls_)
    if (TComponent* control = handle.Get()) control->RemoveFreeNotification(this);
  controls_.clear();
}

void TCustomAdvOfficeStatusBarStyler::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TCustomAdvOfficeStatusBarStyler*>(Source);
  if (!s) {
    TComponent::Assign(Source);
    return;
  }
  AutoThemeAdapt = s->AutoThemeAdapt;
  light_.Assign(&s->light_);
  dark_.Assign(&s->dark_);
  SetBorderColor(s->borderColor_);
}

void TCustomAdvOfficeStatusBarStyler::SetBorderColor(TColor Value) {
  if (borderColor_ == Value) return;
  borderColor_ = Value;
  NotifyControls();
}

void TCustomAdvOfficeStatusBarStyler::AddControl(TComponent* Control) {
  assert(Control);
  controls_.emplace_back(Control);
  Control->FreeNotification(this);
}

void TCustomAdvOfficeStatusBarStyler::RemoveControl(TComponent* Control) {
  auto it = std::find_if(controls_.begin(), controls_.end(), [&](const auto& h) { return h.RefersTo(Control); });
  if (it != controls_.end()) controls_.erase(it);
}

void TCustomAdvOfficeStatusBarStyler::NotifyControls() {
  const auto alive = AliveToken();
  const auto snapshot = controls_;
  for (const auto& handle : snapshot) {
    if (alive.expired()) return;
    TComponent* control = handle.Get();
    if (!control || std::none_of(controls_.begin(), controls_.end(), [&](const auto& h) { return h == control; }))
      continue;
    if (auto* client = dynamic_cast<IStatusBarStylerClient*>(control)) client->StatusBarStylerChanged();
  }
}

void TCustomAdvOfficeStatusBarStyler::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  std::erase_if(controls_, [&](const auto& h) { return h.RefersTo(AComponent) || !h; });
}
