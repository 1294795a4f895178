#include "TCustomAdvMenuStyler.h"

#include "SystemFontName.h"

TCustomAdvMenuStyler::TCustomAdvMenuStyler(TComponent* AOwner) : TComponent(AOwner) {
  font_.SetName(SystemFontName());
  notesFont_.SetName(SystemFontName());
}

void TCustomAdvMenuStyler::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TCustomAdvMenuStyler*>(Source)) {
    MenuBorderColor = s->MenuBorderColor;
    AntiAlias = s->AntiAlias;
    UseSystemFont = s->UseSystemFont;
    font_.Assign(&s->font_);
    notesFont_.Assign(&s->notesFont_);
    return;
  }
  TComponent::Assign(Source);
}
