// A tab group of the pager: its own colours and the caption, page, tab and
// toolbar looks of the pages in it. A change anywhere inside reaches the
// group's owner.
#pragma once

#include "OfficeGradients.h"
#include "TCaptionAppearance.h"
#include "TCustomTabAppearance.h"
#include "TToolBarAppearance.h"
#include "TFontedValueHolder.h"
#include "TVistaBackground.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

struct TGroupAppearanceValues {
  TColor BorderColor = 0xA3B8AC;
  TColor Color = clWhite;
  TColor ColorTo = clWhite;
  TColor ColorMirror = clSilver;
  TColor ColorMirrorTo = clWhite;
  TGDIPGradient Gradient = ggVertical;
  TGDIPGradient GradientMirror = ggVertical;
  TColor TextColor = clBlue;
  bool SystemFont = true;
  friend bool operator==(const TGroupAppearanceValues&, const TGroupAppearanceValues&) = default;
};

class TGroupAppearance : public TFontedValueHolder<TGroupAppearanceValues> {
 public:
  TGroupAppearance();
  std::string ClassName() const override { return "TGroupAppearance"; }
  TCaptionAppearance& CaptionAppearance() { return caption_; }
  const TCaptionAppearance& CaptionAppearance() const { return caption_; }
  TVistaBackground& PageAppearance() { return page_; }
  const TVistaBackground& PageAppearance() const { return page_; }
  TCustomTabAppearance& TabAppearance() { return tab_; }
  const TCustomTabAppearance& TabAppearance() const { return tab_; }
  TToolBarAppearance& ToolBarAppearance() { return toolBar_; }
  const TToolBarAppearance& ToolBarAppearance() const { return toolBar_; }

 protected:
  void AssignNested(const TValueHolder& Source) override;

 private:
  TCaptionAppearance caption_;
  TVistaBackground page_;
  TCustomTabAppearance tab_;
  TToolBarAppearance toolBar_;
};
