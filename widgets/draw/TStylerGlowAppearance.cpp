#include "TStylerGlowAppearance.h"

void TStylerGlowAppearance::SetSilently(const TStylerGlowValues& Values) {
  TStylerGlowAppearance copy;
  copy.Set(&TStylerGlowValues::Normal, Values.Normal);
  copy.Set(&TStylerGlowValues::Hot, Values.Hot);
  copy.Set(&TStylerGlowValues::Down, Values.Down);
  copy.Set(&TStylerGlowValues::Checked, Values.Checked);
  copy.Set(&TStylerGlowValues::Disabled, Values.Disabled);
  Assign(&copy);
}
