#include "TCustomAdvToolBarStyler.h"

#include <algorithm>
#include <cassert>

#include "IToolBarStylerClient.h"
#include "SystemFontName.h"

TCustomAdvToolBarStyler::TCustomAdvToolBarStyler(TComponent* AOwner)
    : TComponent(AOwner), internalMenuStyler_(std::make_unique<TCustomAdvMenuStyler>(nullptr)) {
  internalMenuStyler_->SetName("InternalMenuStyler");
  colorHot_.Set(&TGradientBackgroundValues::Color, clNone);
  colorHot_.Set(&TGradientBackgroundValues::ColorTo, clNone);
  font_.SetName(SystemFontName());
  captionFont_.SetName(SystemFontName());

  auto route = [this](int Kind) { return [this, Kind](TObject*) { NotifyControls(Kind); }; };
  color_.OnChange = route(tcColors);
  colorHot_.OnChange = route(tcColors);
  dockColor_.OnChange = route(tcColors);
  captionAppearance_.OnChange = route(tcColors);
  containerAppearance_.OnChange = route(tcContainer);
  glowButtonAppearance_.OnChange = route(tcGlowButtons);
  compactGlowButtonAppearance_.OnChange = route(tcGlowButtons);
  tabAppearance_.OnChange = route(tcPager);
  pageAppearance_.OnChange = route(tcPager);
  groupAppearance_.OnChange = route(tcPager);
  pagerCaption_.OnChange = route(tcPagerCaption);
  qatAppearance_.OnChange = route(tcQAT);
}

TCustomAdvToolBarStyler::~TCustomAdvToolBarStyler() {
  // Controls reached from here must find the styler gone through their
  // weak handles; tell them before anything is freed.
  Destroying();
  ReleaseControls();
}

void TCustomAdvToolBarStyler::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TCustomAdvToolBarStyler*>(Source);
  if (!s) {
    TComponent::Assign(Source);
    return;
  }
  if (s->AdvMenuStyler()) CurrentMenuStyler()->Assign(s->AdvMenuStyler());
  color_.Assign(&s->color_);
  dockColor_.Assign(&s->dockColor_);
  backGround_.Assign(&s->backGround_);
  dragGripImage_.Assign(&s->dragGripImage_);
  rightHandleImage_.Assign(&s->rightHandleImage_);
  values_.BackGroundTransparent = s->values_.BackGroundTransparent;
  values_.BackGroundDisplay = s->values_.BackGroundDisplay;
  font_.Assign(&s->font_);
  values_.DragGripStyle = s->values_.DragGripStyle;
  values_.FloatingWindowBorderColor = s->values_.FloatingWindowBorderColor;
  values_.FloatingWindowBorderWidth = s->values_.FloatingWindowBorderWidth;
  captionAppearance_.Assign(&s->captionAppearance_);
  buttonAppearance_.Assign(&s->buttonAppearance_);
}

void TCustomAdvToolBarStyler::AddControl(TComponent* Control) {
  assert(Control);
  controls_.emplace_back(Control);
  Control->FreeNotification(this);
}

void TCustomAdvToolBarStyler::RemoveControl(TComponent* Control) {
  auto it = std::find_if(controls_.begin(), controls_.end(), [&](const auto& h) { return h == Control; });
  if (it != controls_.end()) controls_.erase(it);
}

bool TCustomAdvToolBarStyler::IsRegistered(const TComponent* Control) const {
  return std::any_of(controls_.begin(), controls_.end(), [&](const auto& h) { return h == Control; });
}

void TCustomAdvToolBarStyler::NotifyControls(int Kind) {
  // A handler may free or unregister other controls, or free this styler:
  // walk a copy, and re-check the registry and the styler at each step.
  const auto alive = AliveToken();
  const auto snapshot = controls_;
  for (const auto& handle : snapshot) {
    TComponent* control = handle.Get();
    if (!control || !IsRegistered(control)) continue;
    if (auto* client = dynamic_cast<IToolBarStylerClient*>(control)) client->ToolBarStylerChanged(Kind);
    if (!IsAlive(alive)) return;
  }
}

void TCustomAdvToolBarStyler::ReleaseControls() {
  const auto snapshot = controls_;
  for (const auto& handle : snapshot) {
    TComponent* control = handle.Get();
    if (!control || !IsRegistered(control)) continue;
    if (auto* client = dynamic_cast<IToolBarStylerClient*>(control)) client->ToolBarStylerReleased(this);
  }
  for (const auto& handle : controls_)
    if (TComponent* control = handle.Get()) control->RemoveFreeNotification(this);
  controls_.clear();
}

void TCustomAdvToolBarStyler::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  std::erase_if(controls_, [&](const auto& h) { return h == AComponent || !h; });
  if (AComponent && AComponent == advMenuStylerId_) SetAdvMenuStyler(nullptr);
}

void TCustomAdvToolBarStyler::SetCaptionAppearance(const TCaptionAppearance& Value) {
  using C = TCaptionAppearanceValues;
  TCaptionAppearance copy;
  copy.Assign(&Value);
  copy.Set(&C::CaptionColorHotTo, captionAppearance_.Values().CaptionColorHotTo);
  copy.Set(&C::CaptionTextColorHot, captionAppearance_.Values().CaptionTextColorHot);
  captionAppearance_.Assign(&copy);
  captionAppearance_.Set(&C::CaptionColorHotTo, Value.Values().CaptionColorHotTo);
  captionAppearance_.Set(&C::CaptionTextColorHot, Value.Values().CaptionTextColorHot);
}

void TCustomAdvToolBarStyler::SetBackGround(const TBitmap& Value) {
  backGround_.Assign(&Value);
  NotifyControls(tcBackground);
}

void TCustomAdvToolBarStyler::SetRightHandleImage(const TBitmap& Value) {
  rightHandleImage_.Assign(&Value);
  NotifyControls(tcColors);
}

void TCustomAdvToolBarStyler::SetFont(const TFont& Value) {
  font_.Assign(&Value);
  NotifyControls(tcBackground);
}

void TCustomAdvToolBarStyler::SetCaptionFont(const TFont& Value) {
  captionFont_.Assign(&Value);
  NotifyControls(tcColors);
}

void TCustomAdvToolBarStyler::SetSystemFont(bool Value) {
  systemFont_ = Value;
  if (!Value) return;
  font_.SetName(SystemFontName());
  captionFont_.SetName(SystemFontName());
}

void TCustomAdvToolBarStyler::ApplySystemFonts() {
  const std::string name = SystemFontName();
  if (tabAppearance_.Values().SystemFont) tabAppearance_.Font().SetName(name);
  if (pagerCaption_.Values().SystemFont) pagerCaption_.Font().SetName(name);
  if (groupAppearance_.Values().SystemFont) groupAppearance_.Font().SetName(name);
  if (buttonAppearance_.Values().SystemFont) buttonAppearance_.CaptionFont().SetName(name);
  if (systemFont_) {
    font_.SetName(name);
    captionFont_.SetName(name);
  }
}

void TCustomAdvToolBarStyler::SetAdvMenuStyler(TCustomAdvMenuStyler* Value) {
  if (TCustomAdvMenuStyler* old = advMenuStyler_.Get()) old->RemoveFreeNotification(this);
  advMenuStyler_ = Value;
  advMenuStylerId_ = Value;
  if (Value) Value->FreeNotification(this);
  NotifyControls(tcMenuStyler);
}

TCustomAdvMenuStyler* TCustomAdvToolBarStyler::CurrentMenuStyler() const {
  if (TCustomAdvMenuStyler* assigned = advMenuStyler_.Get()) return assigned;
  return internalMenuStyler_.get();
}
