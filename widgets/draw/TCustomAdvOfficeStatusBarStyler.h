// The status bar styler's base: the bar's border colour and the light and
// dark panel looks, and the registry of status bars it repaints when they
// change. Each status bar keeps one as its fallback ("InternalStyler").
#pragma once

#include <vector>

#include "StatusBarVistaBackground.h"
#include "core/TComponent.h"
#include "core/TWeak.h"
#include "graphics/TColor.h"

class TCustomAdvOfficeStatusBarStyler : public TComponent {
 public:
  explicit TCustomAdvOfficeStatusBarStyler(TComponent* AOwner);
  ~TCustomAdvOfficeStatusBarStyler() override;
  std::string ClassName() const override { return "TCustomAdvOfficeStatusBarStyler"; }
  // Copies AutoThemeAdapt, both looks and BorderColor (which repaints).
  void Assign(const TPersistent* Source) override;

  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor Value);
  statusbar::TVistaBackground& PanelAppearanceLight() { return light_; }
  const statusbar::TVistaBackground& PanelAppearanceLight() const { return light_; }
  statusbar::TVistaBackground& PanelAppearanceDark() { return dark_; }
  const statusbar::TVistaBackground& PanelAppearanceDark() const { return dark_; }
  bool AutoThemeAdapt = false;

  void AddControl(TComponent* Control);
  void RemoveControl(TComponent* Control);
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  // Asks every registered status bar (an IStatusBarStylerClient) to repaint;
  // bars freed or unregistered during the walk are skipped.
  void NotifyControls();

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  std::vector<TWeak<TComponent>> controls_;
  TColor borderColor_ = 0x825A3B;
  statusbar::TVistaBackground light_, dark_;
};
