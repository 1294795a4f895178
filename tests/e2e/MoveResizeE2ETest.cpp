// Moving and resizing a window that draws its own frame, on a real X
// display: under a window manager the desktop does it, on a bare X server
// the platform does it itself while the button is held; either way the
// window follows the drag.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "DesktopSession.h"

namespace {

class RealFrame : public ::testing::TestWithParam<TWindowManagerMode> {};

MORVANE_ON_EVERY_DESKTOP(RealFrame);

TEST_P(RealFrame, ADragOnTheCaptionMovesTheWindowAndOneOnTheCornerResizesIt) {
  DesktopSession desk(GetParam());
  if (!desk.Available()) GTEST_SKIP() << desk.Why();
  pid_t probe = desk.Start({E2E_WINDOWS});
  ASSERT_GT(probe, 0);
  auto window = desk.FindWindow("Windows main");
  ASSERT_TRUE(window) << "the test window did not appear";
  ASSERT_TRUE(desk.WaitForColours(*window, 1)) << "the window stayed blank";
  TWindowGeometry before = desk.Geometry(*window);

  desk.Drag(before.X + 100, before.Y + 10, before.X + 220, before.Y + 90);
  TWindowGeometry moved = desk.Geometry(*window);
  EXPECT_NEAR(moved.X, before.X + 120, 2);
  EXPECT_NEAR(moved.Y, before.Y + 80, 2);
  EXPECT_EQ(moved.Width, before.Width);
  EXPECT_EQ(moved.Height, before.Height);

  desk.Drag(moved.X + moved.Width - 2, moved.Y + moved.Height - 2, moved.X + moved.Width + 58,
            moved.Y + moved.Height + 38);
  TWindowGeometry resized = desk.Geometry(*window);
  EXPECT_NEAR(resized.Width, moved.Width + 60, 2);
  EXPECT_NEAR(resized.Height, moved.Height + 40, 2);
  EXPECT_NEAR(resized.X, moved.X, 2);
  EXPECT_NEAR(resized.Y, moved.Y, 2);
  EXPECT_EQ(waitpid(probe, nullptr, WNOHANG), 0) << "the probe ended";
}

}  // namespace
