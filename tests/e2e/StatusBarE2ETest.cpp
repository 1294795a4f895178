// The main window's status bar on a real X display: the top line and the
// panels in the Luna colours, the version text in the first panel, and the
// clock panel changing between two screenshots taken a second apart while
// the rest of the bar stays as it was.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "DesktopSession.h"

namespace {

// The bar's rows in client coordinates of a 574 x 575 window.
constexpr int kBarTop = 556;
constexpr int kClockX = 460;

bool NearRgb(const std::string& Pixel, int R, int G, int B, int Tolerance = 10) {
  int r = 0, g = 0, b = 0;
  if (std::sscanf(Pixel.c_str(), "srgb(%d,%d,%d)", &r, &g, &b) != 3) return false;
  return std::abs(r - R) <= Tolerance && std::abs(g - G) <= Tolerance && std::abs(b - B) <= Tolerance;
}

class RealStatusBar : public ::testing::TestWithParam<TWindowManagerMode> {};

MORVANE_ON_EVERY_DESKTOP(RealStatusBar);

TEST_P(RealStatusBar, TheBarShowsTheVersionAndItsClockTicks) {
  DesktopSession desk(GetParam());
  if (!desk.Available()) GTEST_SKIP() << desk.Why();
  pid_t app = desk.Start({ProgramUnderTest()});
  ASSERT_GT(app, 0);
  auto window = desk.FindWindow("Morvane");
  ASSERT_TRUE(window) << "the window titled Morvane did not appear";
  ASSERT_TRUE(desk.WaitForColours(*window, 20)) << "the window stayed blank";
  const TWindowGeometry at = desk.Geometry(*window);

  auto first = desk.ScreenShot("bar-first");
  ASSERT_TRUE(first);
  // The top line 0xB07D56 and the dark look's upper half from 0xF8DCC5.
  EXPECT_TRUE(NearRgb(desk.PixelOf(*first, at.X + 300, at.Y + kBarTop), 0x56, 0x7D, 0xB0))
      << desk.PixelOf(*first, at.X + 300, at.Y + kBarTop);
  EXPECT_TRUE(NearRgb(desk.PixelOf(*first, at.X + 300, at.Y + kBarTop + 2), 0xC5, 0xDC, 0xF8, 16))
      << desk.PixelOf(*first, at.X + 300, at.Y + kBarTop + 2);
  // Ink of the version text in the first panel.
  // Dark ink of the version text (0x612009) over the light panel.
  const std::string version = desk.RegionOf(*first, at.X + 8, at.Y + kBarTop + 3, 110, 13);
  int dark = 0;
  for (size_t pos = version.find('#'); pos != std::string::npos; pos = version.find('#', pos + 1)) {
    const long rgb = std::strtol(version.substr(pos + 1, 6).c_str(), nullptr, 16);
    if (((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF) < 300) ++dark;
  }
  EXPECT_GT(dark, 10) << "no version text";

  // A second and a bit later the clock has moved on; the first panel has not.
  std::this_thread::sleep_for(std::chrono::milliseconds(1100));
  auto second = desk.ScreenShot("bar-second");
  ASSERT_TRUE(second);
  auto row = [&](const std::string& Shot, int From, int To) {
    return desk.RegionOf(Shot, From, at.Y + kBarTop + 3, To - From, 13);
  };
  EXPECT_NE(row(*first, at.X + kClockX - 40, at.X + kClockX + 40),
            row(*second, at.X + kClockX - 40, at.X + kClockX + 40))
      << "the clock did not change";
  EXPECT_EQ(row(*first, at.X + 8, at.X + 140), row(*second, at.X + 8, at.X + 140)) << "the version panel changed";
  desk.WaitOrKill(app, 0);
}

}  // namespace
