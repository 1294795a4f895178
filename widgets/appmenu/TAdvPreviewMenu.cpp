#include "TAdvPreviewMenu.h"

TAdvPreviewMenu::TAdvPreviewMenu(TComponent* AOwner) : TComponent(AOwner) {}

void TAdvPreviewMenu::ShowMenu(int X, int Y) {
  shownAt_ = {X, Y};
  visible_ = true;
  if (OnShowMenu) OnShowMenu(this);
}

void TAdvPreviewMenu::HideMenu() {
  if (!visible_) return;
  visible_ = false;
  // A copy: the hook may take itself out or free its installer.
  if (hookOwner_ && hideHook_) {
    TPreviewHideHook hook = hideHook_;
    hook(this);
  }
}

void TAdvPreviewMenu::ShowMenuKeyTips() {
  if (visible_) ++keyTipShows_;
}

void TAdvPreviewMenu::InstallButtonHooks(TComponent* Installer, TPreviewPictureHook Picture, TPreviewHideHook Hide) {
  hookOwner_ = Installer;
  pictureHook_ = std::move(Picture);
  hideHook_ = std::move(Hide);
}

void TAdvPreviewMenu::RemoveButtonHooks(const TComponent* Installer) {
  if (hookOwner_.RefersTo(Installer)) ClearHooks();
}

void TAdvPreviewMenu::ClearHooks() {
  hookOwner_.Reset();
  pictureHook_ = nullptr;
  hideHook_ = nullptr;
}

void TAdvPreviewMenu::DrawButtonPicture(TCanvas* Canvas, const TRect& Band) {
  if (!hookOwner_ || !pictureHook_) return;
  TPreviewPictureHook hook = pictureHook_;
  hook(Canvas, Band);
}
