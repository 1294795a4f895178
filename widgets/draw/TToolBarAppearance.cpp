#include "TToolBarAppearance.h"

TToolBarAppearance::TToolBarAppearance() {
  color_.OnChange = [this](TObject*) { Changed(); };
  colorHot_.OnChange = [this](TObject*) { Changed(); };
}

void TToolBarAppearance::AssignNested(const TValueHolder& Source) {
  const auto& from = static_cast<const TToolBarAppearance&>(Source);
  color_.Assign(&from.color_);
  colorHot_.Assign(&from.colorHot_);
}
