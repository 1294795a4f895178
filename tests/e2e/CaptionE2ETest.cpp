// The main window's own caption bar on a real X display: no desktop title
// bar above it, the title drawn in the caption band, a drag on the caption
// moves the window (by the window manager or, on a bare X server, by the
// program), and the close caption button ends the program.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "DesktopSession.h"

namespace {

// Client points of the caption bar.
constexpr int kCaptionY = 12;
constexpr int kCloseButtonX = 560;

class RealCaption : public ::testing::TestWithParam<TWindowManagerMode> {};

MORVANE_ON_EVERY_DESKTOP(RealCaption);

TEST_P(RealCaption, TheCaptionBarShowsTheTitleMovesTheWindowAndItsCloseButtonEndsTheProgram) {
  DesktopSession desk(GetParam());
  if (!desk.Available()) GTEST_SKIP() << desk.Why();
  pid_t app = desk.Start({ProgramUnderTest()});
  ASSERT_GT(app, 0);
  auto window = desk.FindWindow("Morvane");
  ASSERT_TRUE(window) << "the window titled Morvane did not appear";
  ASSERT_TRUE(desk.WaitForColours(*window, 20)) << "the window stayed blank";
  const TWindowGeometry at = desk.Geometry(*window);

  if (GetParam() == TWindowManagerMode::Openbox) {
    auto extents = desk.Run({"xprop", "-id", *window, "_NET_FRAME_EXTENTS"});
    ASSERT_TRUE(extents);
    EXPECT_NE(extents->find("= 0, 0, 0, 0"), std::string::npos) << "the desktop framed the window: " << *extents;
  }

  // The caption face above and below the title, and ink in the title's
  // band between the logo's room and the caption buttons.
  auto shot = desk.ScreenShot("caption");
  ASSERT_TRUE(shot);
  int r = 0, g = 0, b = 0;
  const std::string face = desk.PixelOf(*shot, at.X + 80, at.Y + 3);
  ASSERT_EQ(std::sscanf(face.c_str(), "srgb(%d,%d,%d)", &r, &g, &b), 3) << face;
  EXPECT_TRUE(std::abs(r - 226) <= 3 && std::abs(g - 231) <= 3 && std::abs(b - 236) <= 3)
      << face << " is not the top of the Luna caption face";
  int inked = 0;
  for (int x = at.X + 200; x < at.X + 420; x += 5)
    if (desk.PixelOf(*shot, x, at.Y + kCaptionY) != desk.PixelOf(*shot, at.X + 80, at.Y + kCaptionY)) ++inked;
  EXPECT_GT(inked, 4) << "no title in the caption band";

  desk.Drag(at.X + 300, at.Y + kCaptionY, at.X + 420, at.Y + kCaptionY + 80);
  const TWindowGeometry moved = desk.Geometry(*window);
  EXPECT_NEAR(moved.X, at.X + 120, 2);
  EXPECT_NEAR(moved.Y, at.Y + 80, 2);
  EXPECT_EQ(moved.Width, at.Width);
  EXPECT_EQ(waitpid(app, nullptr, WNOHANG), 0) << "the program ended";

  desk.Click(moved.X + kCloseButtonX, moved.Y + kCaptionY);
  std::optional<int> status = desk.WaitOrKill(app, 10000);
  ASSERT_TRUE(status) << "the close button did not end the program";
  EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0);
}

}  // namespace
