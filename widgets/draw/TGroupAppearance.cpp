#include "TGroupAppearance.h"

TGroupAppearance::TGroupAppearance() {
  auto forward = [this](TObject*) { Changed(); };
  caption_.OnChange = forward;
  page_.OnChange = forward;
  tab_.OnChange = forward;
  toolBar_.OnChange = forward;
}

void TGroupAppearance::AssignNested(const TValueHolder& Source) {
  TFontedValueHolder::AssignNested(Source);
  const auto& from = static_cast<const TGroupAppearance&>(Source);
  caption_.Assign(&from.caption_);
  page_.Assign(&from.page_);
  tab_.Assign(&from.tab_);
  toolBar_.Assign(&from.toolBar_);
}
