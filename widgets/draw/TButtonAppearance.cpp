#include "TButtonAppearance.h"

#include "SystemFontName.h"

TButtonAppearance::TButtonAppearance() {
  captionFont_.SetName(SystemFontName());
  captionFont_.SetSize(8);
}

void TButtonAppearance::AssignNested(const TValueHolder& Source) {
  captionFont_.Assign(&static_cast<const TButtonAppearance&>(Source).captionFont_);
}
