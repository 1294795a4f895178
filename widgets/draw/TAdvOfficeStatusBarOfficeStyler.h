// The status bar styler placed on a window: a Style that selects a scheme,
// the style code receiver, and following the desktop's theme.
#pragma once

#include "IStyleReceiver.h"
#include "StatusBarSchemes.h"
#include "TCustomAdvOfficeStatusBarStyler.h"

class TAdvOfficeStatusBarOfficeStyler : public TCustomAdvOfficeStatusBarStyler, public IStyleReceiver {
 public:
  explicit TAdvOfficeStatusBarOfficeStyler(TComponent* AOwner);
  std::string ClassName() const override { return "TAdvOfficeStatusBarOfficeStyler"; }

  TOfficeStatusBarStyle Style() const { return style_; }
  // Applies the scheme; setting the style already set does nothing.
  void SetStyle(TOfficeStatusBarStyle Value);
  // The codes are the styles' ordinals; others are ignored.
  void ApplyStyleCode(int Code) override;
  // With AutoThemeAdapt, the 2003 scheme of the desktop's theme (XP
  // without one).
  void ApplyThemeStyle();

 protected:
  void Loaded() override;

 private:
  TOfficeStatusBarStyle style_ = psOffice2003Blue;
};
