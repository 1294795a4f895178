// The alert sound on Linux: the X server's bell where the program runs on
// X11; nothing on Wayland or without a display.
#pragma once

#include "os/IBeepService.h"

class TX11BeepService : public IBeepService {
 public:
  // Looks for the X connection of the running Qt application; without one
  // (no application yet, another platform) the service stays silent.
  TX11BeepService();

  void MessageBeep(uint32_t Type) override;
  // Whether a beep reaches an X server.
  bool HasBell() const { return bell_ != nullptr; }

 private:
  // The xcb connection, and xcb_bell and xcb_flush of the libxcb that Qt's
  // X11 platform loaded, looked up at run time so that the program does
  // not link against it.
  void* connection_ = nullptr;
  void* bell_ = nullptr;
  void* flush_ = nullptr;
};
