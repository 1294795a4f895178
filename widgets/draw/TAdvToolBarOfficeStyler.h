// The toolbar styler placed on a window: a Style that selects a scheme,
// the style code receiver, and following the desktop's theme.
#pragma once

#include "IStyleReceiver.h"
#include "TCustomAdvToolBarStyler.h"

class TAdvToolBarOfficeStyler : public TCustomAdvToolBarStyler, public IStyleReceiver {
 public:
  explicit TAdvToolBarOfficeStyler(TComponent* AOwner);
  std::string ClassName() const override { return "TAdvToolBarOfficeStyler"; }

  TToolBarStyle Style() const { return style_; }
  // Applies the scheme; setting the style already set does nothing.
  void SetStyle(TToolBarStyle Value);
  // Selects the style of that ordinal; codes outside the styles are ignored.
  void ApplyStyleCode(int Code) override;

  bool AutoThemeAdapt = false;
  // With AutoThemeAdapt, selects the 2003 scheme of the desktop's theme
  // (Classic without one).
  void ApplyThemeStyle();

 protected:
  void Loaded() override;

 private:
  TToolBarStyle style_ = bsOffice2003Blue;
};
