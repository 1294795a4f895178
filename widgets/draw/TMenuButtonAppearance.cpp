#include "TMenuButtonAppearance.h"

#include "SystemFontName.h"

TMenuButtonAppearance::TMenuButtonAppearance() {
  captionFont_.SetName(SystemFontName());
  captionFont_.SetSize(8);
}

void TMenuButtonAppearance::AssignNested(const TValueHolder& Source) {
  captionFont_.Assign(&static_cast<const TMenuButtonAppearance&>(Source).captionFont_);
}
