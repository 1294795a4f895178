#include "TAdvToolBar.h"

#include "TAdvPage.h"
#include "TAdvToolBarPager.h"
#include "draw/TCustomAdvToolBarStyler.h"

TAdvToolBar::TAdvToolBar(TComponent* AOwner)
    : TCustomControl(AOwner), fallbackStyler_(std::make_unique<TCustomAdvToolBarStyler>(nullptr)) {
  SetBounds(Left(), Top(), Width(), 26);
  fallbackStyler_->SetName("InternalStyler");
}

TAdvToolBar::~TAdvToolBar() { Destroying(); }

TAdvPage* TAdvToolBar::Page() const { return dynamic_cast<TAdvPage*>(Parent()); }

int TAdvToolBar::ToolBarIndex() const {
  const TAdvPage* page = Page();
  return page ? page->IndexOfToolBar(this) : -1;
}

void TAdvToolBar::SetToolBarIndex(int Value) {
  if (TAdvPage* page = Page()) page->MoveToolBar(this, Value);
}

void TAdvToolBar::SetToolBarStyler(TCustomAdvToolBarStyler* Value) {
  toolBarStyler_ = Value;
  Invalidate();
}

void TAdvToolBar::SetParentStyler(bool Value) {
  parentStyler_ = Value;
  Invalidate();
}

TCustomAdvToolBarStyler* TAdvToolBar::CurrentStyler() const {
  if (const TAdvPage* page = Page(); page && parentStyler_ && page->AdvToolBarPager())
    return page->AdvToolBarPager()->CurrentStyler();
  if (auto* s = toolBarStyler_.Get()) return s;
  return fallbackStyler_.get();
}

void TAdvToolBar::ApplyParentStyler() { Invalidate(); }

void TAdvToolBar::SetCompact(bool Value) {
  if (compact_ == Value) return;
  if (Value) fullWidth_ = Width();
  compact_ = Value;
  SetBounds(Left(), Top(), Value ? 45 : fullWidth_, Height());
}

void TAdvToolBar::ToolBarStylerChanged(int) { Invalidate(); }

void TAdvToolBar::ToolBarStylerReleased(TCustomAdvToolBarStyler*) { toolBarStyler_.Reset(); }

void TAdvToolBar::Loaded() {
  TCustomControl::Loaded();
  loaded_ = true;
}
