#include "TMenuGlyphs.h"

void TMenuGlyphs::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TMenuGlyphs*>(Source)) {
    subMenu_.Assign(&s->subMenu_);
    check_.Assign(&s->check_);
    radio_.Assign(&s->radio_);
    return;
  }
  TPersistent::Assign(Source);
}
