// The app's tests start as the program does: with the JPEG picture format
// registered, so the layout's logo can be read.
#include <gtest/gtest.h>

#include "picture/TJPEGImage.h"

namespace {
class JpegFormat : public ::testing::Environment {
 public:
  void SetUp() override { RegisterJPEGImage(); }
  void TearDown() override { UnregisterJPEGImage(); }
};
const auto* const kRegistered = ::testing::AddGlobalTestEnvironment(new JpegFormat);
}  // namespace
