// The menu styler placed on a window: a Style that selects a scheme, the
// style code receiver, and following the desktop's theme.
#pragma once

#include "IStyleReceiver.h"
#include "MenuStylerTypes.h"
#include "TCustomAdvMenuStyler.h"

class TAdvMenuOfficeStyler : public TCustomAdvMenuStyler, public IStyleReceiver {
 public:
  explicit TAdvMenuOfficeStyler(TComponent* AOwner);
  std::string ClassName() const override { return "TAdvMenuOfficeStyler"; }

  TOfficeStyle Style() const { return style_; }
  // Applies the scheme, also when it is the style already set: that
  // restores the scheme's colours.
  void SetStyle(TOfficeStyle Value);
  // Takes a toolbar style code (its low seven bits): the 2003 and 2007
  // codes select their schemes, 3, 6 and 7 Office XP; other codes, 8 (no
  // style) among them, are ignored.
  void ApplyStyleCode(int Code) override;

  bool AutoThemeAdapt = false;
  // With AutoThemeAdapt, selects the 2003 scheme of the desktop's theme
  // (Office XP without one).
  void ApplyThemeStyle();

 protected:
  void Loaded() override;

 private:
  TOfficeStyle style_ = osOffice2003Blue;
};
