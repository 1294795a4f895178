#include "TMenuBackground.h"

void TMenuBackground::AssignNested(const TValueHolder& Source) {
  image_.Assign(&static_cast<const TMenuBackground&>(Source).image_);
}
