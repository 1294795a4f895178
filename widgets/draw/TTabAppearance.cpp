#include "TTabAppearance.h"

TTabAppearance::TTabAppearance() {
  backGround_.OnChange = [this](TObject*) { Changed(); };
}

void TTabAppearance::AssignNested(const TValueHolder& Source) {
  TCustomTabAppearance::AssignNested(Source);
  if (auto* tabs = dynamic_cast<const TTabAppearance*>(&Source)) backGround_.Assign(&tabs->backGround_);
}
