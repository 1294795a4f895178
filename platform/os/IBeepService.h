// The system's alert sound, as a message box or a refused key plays it.
#pragma once

#include <cstdint>

class IBeepService {
 public:
  virtual ~IBeepService() = default;
  // Plays the alert of Type (0 for the default one, or a message box's
  // icon flag); where the desktop has one sound only, every type plays it.
  virtual void MessageBeep(uint32_t Type) = 0;
};
