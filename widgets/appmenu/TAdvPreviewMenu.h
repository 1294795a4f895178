// The Office application menu as the application button drives it: it
// measures and shows its window at a screen point, tells whether that
// window is up, shows its key tips, and carries the two hooks the button
// installs (one draws the button's picture onto the menu's top band, one
// hears that the menu closed). The window's contents come with the menu's
// layout; until then the window is the size of the main window's menu.
#pragma once

#include <functional>
#include <string>

#include "core/Geometry.h"
#include "core/TComponent.h"
#include "core/TWeak.h"

class TAdvPreviewMenu;
class TCanvas;

using TPreviewPictureHook = std::function<void(TCanvas* Canvas, const TRect& Band)>;
using TPreviewHideHook = std::function<void(TAdvPreviewMenu* Menu)>;

class TAdvPreviewMenu : public TComponent {
 public:
  explicit TAdvPreviewMenu(TComponent* AOwner);
  std::string ClassName() const override { return "TAdvPreviewMenu"; }

  // The band at the top of the window that lies under the button.
  static constexpr int TopBandHeight = 16;

  // The window's width and height.
  TSize MeasureMenu() const { return {230, 189}; }
  // Shows the window with its top-left at (X, Y) on the screen.
  void ShowMenu(int X, int Y);
  // Hides the window (whatever hides it) and tells the hide hook.
  void HideMenu();
  bool IsMenuVisible() const { return visible_; }
  // Shows the item key tips while the window is up.
  void ShowMenuKeyTips();
  // Where the window was last shown; how often its key tips were asked for.
  TPoint ShownAt() const { return shownAt_; }
  int KeyTipShows() const { return keyTipShows_; }

  // The hooks belong to the component that installed them: only it takes
  // them out again, and they never run once it is gone.
  void InstallButtonHooks(TComponent* Installer, TPreviewPictureHook Picture, TPreviewHideHook Hide);
  void RemoveButtonHooks(const TComponent* Installer);
  // Whether hook slots are filled, whether or not their installer lives.
  bool HasButtonHooks() const { return pictureHook_ || hideHook_; }
  // Part of every paint of the window: the button draws itself on Canvas
  // relative to Band, the top band's rectangle.
  void DrawButtonPicture(TCanvas* Canvas, const TRect& Band);

  TNotifyEvent OnShowMenu;

 private:
  void ClearHooks();

  bool visible_ = false;
  TPoint shownAt_;
  int keyTipShows_ = 0;
  TWeak<TComponent> hookOwner_;
  TPreviewPictureHook pictureHook_;
  TPreviewHideHook hideHook_;
};
