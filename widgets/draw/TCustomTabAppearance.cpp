#include "TCustomTabAppearance.h"

#include "SystemFontName.h"

TCustomTabAppearance::TCustomTabAppearance() {
  font_.SetName(SystemFontName());
  font_.SetSize(8);
}

void TCustomTabAppearance::AssignNested(const TValueHolder& Source) {
  font_.Assign(&static_cast<const TCustomTabAppearance&>(Source).font_);
}
