#include "TCustomAdvMenuStyler.h"

#include <cassert>

#include "IMenuStylerClient.h"
#include "SystemFontName.h"

TCustomAdvMenuStyler::TCustomAdvMenuStyler(TComponent* AOwner) : TComponent(AOwner) {
  font_.SetName(SystemFontName());
  notesFont_.SetName(SystemFontName());
  notesFont_.SetColor(clGray);
  rootItem_.OnChange = [this](TObject*) {
    if (auto* menu = dynamic_cast<IMenuStylerClient*>(menu_.Get())) menu->MenuStylerChanged();
  };
}

void TCustomAdvMenuStyler::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TCustomAdvMenuStyler*>(Source);
  if (!s) {
    TComponent::Assign(Source);
    return;
  }
  MenuBorderColor = s->MenuBorderColor;
  AntiAlias = s->AntiAlias;
  UseSystemFont = s->UseSystemFont;
  font_.Assign(&s->font_);
  notesFont_.Assign(&s->notesFont_);
  background_.Assign(&s->background_);
  buttonAppearance_.Assign(&s->buttonAppearance_);
  iconBar_.Assign(&s->iconBar_);
  selectedItem_.Assign(&s->selectedItem_);
  rootItem_.Assign(&s->rootItem_);
  glyphs_.Assign(&s->glyphs_);
  sideBar_.Assign(&s->sideBar_);
  separator_.Assign(&s->separator_);
}

void TCustomAdvMenuStyler::SetMenu(TComponent* Value) {
  assert((!Value || dynamic_cast<IMenuStylerClient*>(Value)) && "a menu styler serves menus only");
  menu_ = Value;
}

void TCustomAdvMenuStyler::RedrawMenuBar() {
  auto* menu = dynamic_cast<IMenuStylerClient*>(menu_.Get());
  if (menu && menu->IsMainMenu()) menu->DrawMenuBar();
}
