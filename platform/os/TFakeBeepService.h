// A beep service that counts the beeps asked of it, for tests.
#pragma once

#include <vector>

#include "IBeepService.h"

class TFakeBeepService : public IBeepService {
 public:
  // The type of each beep, in order.
  std::vector<uint32_t> Beeps;

  void MessageBeep(uint32_t Type) override;
  int Count() const { return static_cast<int>(Beeps.size()); }
};
