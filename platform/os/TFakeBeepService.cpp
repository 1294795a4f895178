// A counting beep service.
#include "TFakeBeepService.h"

void TFakeBeepService::MessageBeep(uint32_t Type) { Beeps.push_back(Type); }
