// The alert sound where there is no X server to ring.
#include <gtest/gtest.h>

#include "host/TX11BeepService.h"

TEST(X11BeepService, StaysSilentWithoutAnX11Display) {
  // The tests run on Qt's offscreen platform.
  TX11BeepService beep;
  EXPECT_FALSE(beep.HasBell());
  beep.MessageBeep(0);
}
