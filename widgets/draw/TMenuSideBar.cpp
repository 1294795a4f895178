#include "TMenuSideBar.h"

#include "SystemFontName.h"

TMenuSideBar::TMenuSideBar() {
  font_.SetName(SystemFontName());
  font_.SetSize(8);
  font_.SetColor(clWhite);
}

void TMenuSideBar::AssignNested(const TValueHolder& Source) {
  const auto& s = static_cast<const TMenuSideBar&>(Source);
  font_.Assign(&s.font_);
  image_.Assign(&s.image_);
}
