// The colours of the Office-look menus, as far as the toolbar styler
// needs them: a menu styler it can own privately and copy another into.
#pragma once

#include "OfficeGradients.h"
#include "OfficeText.h"
#include "core/TComponent.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

class TCustomAdvMenuStyler : public TComponent {
 public:
  explicit TCustomAdvMenuStyler(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomAdvMenuStyler"; }
  void Assign(const TPersistent* Source) override;

  TColor MenuBorderColor = 0x7C7C94;
  TAntiAlias AntiAlias = aaClearType;
  bool UseSystemFont = true;
  TFont& Font() { return font_; }
  TFont& NotesFont() { return notesFont_; }

 private:
  TFont font_, notesFont_;
};
