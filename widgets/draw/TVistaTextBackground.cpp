#include "TVistaTextBackground.h"

#include "SystemFontName.h"

TVistaTextBackground::TVistaTextBackground() {
  font_.SetName(SystemFontName());
  font_.SetSize(8);
}

void TVistaTextBackground::AssignNested(const TValueHolder& Source) {
  font_.Assign(&static_cast<const TVistaTextBackground&>(Source).font_);
}
