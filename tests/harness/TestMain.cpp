// The test programs' main: the rasteriser starts offscreen, so fonts and
// text work without a display.
#include <gtest/gtest.h>

#include "graphics/TGraphicsRuntime.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  TGraphicsRuntime runtime(argc, argv, true);
  return RUN_ALL_TESTS();
}
