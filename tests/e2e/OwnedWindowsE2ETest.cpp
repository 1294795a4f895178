// Window states and owned windows on a real X display, with and without a
// window manager, driven through a small program of the platform alone
// (tests/e2e/windows): it maximises its frameless main form, or opens a
// message box over it, once it is on screen.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "DesktopSession.h"

namespace {

// A rectangle on the screen, as xwininfo and the desktop report them.
using Box = TWindowGeometry;

// The work area the desktop announces, or the whole screen without one.
Box WorkArea(DesktopSession& desk) {
  Box b;
  if (auto out = desk.Run({"xprop", "-root", "_NET_WORKAREA"}); out && out->find('=') != std::string::npos) {
    if (std::sscanf(out->c_str() + out->find('=') + 1, " %d, %d, %d, %d", &b.X, &b.Y, &b.Width, &b.Height) == 4)
      return b;
  }
  if (auto out = desk.Run({"xdotool", "getdisplaygeometry"})) std::sscanf(out->c_str(), "%d %d", &b.Width, &b.Height);
  b.X = b.Y = 0;
  return b;
}

}  // namespace

class OwnedWindows : public ::testing::TestWithParam<TWindowManagerMode> {};

MORVANE_ON_EVERY_DESKTOP(OwnedWindows);

TEST_P(OwnedWindows, TheMainWindowMaximisedByTheProgramFillsTheWorkArea) {
  DesktopSession desk(GetParam());
  if (!desk.Available()) GTEST_SKIP() << desk.Why();
  ASSERT_GT(desk.Start({E2E_WINDOWS, "maximize"}), 0);
  auto window = desk.FindWindow("Windows main");
  ASSERT_TRUE(window) << "the main window did not appear";
  Box work = WorkArea(desk);
  Box at;
  for (int waited = 0; waited < 5000; waited += 100) {
    // The desktop may size the window before it places it.
    at = desk.Geometry(*window);
    if (at.X == work.X && at.Y == work.Y && at.Width == work.Width && at.Height == work.Height) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_EQ(at.X, work.X);
  EXPECT_EQ(at.Y, work.Y);
  EXPECT_EQ(at.Width, work.Width);
  EXPECT_EQ(at.Height, work.Height);
  // The repaint of the grown window follows the resize.
  std::string corner;
  for (int waited = 0; waited < 5000 && corner != "srgb(0,0,128)"; waited += 100) {
    if (auto shot = desk.ScreenShot("maximised")) corner = desk.PixelOf(*shot, work.X + work.Width - 5, work.Y + work.Height - 5);
    if (corner != "srgb(0,0,128)") std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_EQ(corner, "srgb(0,0,128)") << "the maximised window is not painted to its far corner";
}

TEST_P(OwnedWindows, AMessageBoxBelongsToTheMainWindowAndArrivesPainted) {
  DesktopSession desk(GetParam());
  if (!desk.Available()) GTEST_SKIP() << desk.Why();
  ASSERT_GT(desk.Start({E2E_WINDOWS, "box"}), 0);
  auto main = desk.FindWindow("Windows main");
  ASSERT_TRUE(main) << "the main window did not appear";
  auto box = desk.FindWindow("Windows box");
  ASSERT_TRUE(box) << "the message box did not appear";
  auto transient = desk.Run({"xprop", "-id", *box, "WM_TRANSIENT_FOR"});
  ASSERT_TRUE(transient);
  size_t hash = transient->find('#');
  ASSERT_NE(hash, std::string::npos) << "the box has no owner: " << *transient;
  EXPECT_EQ(std::strtoul(transient->c_str() + hash + 1, nullptr, 0), std::strtoul(main->c_str(), nullptr, 10));
  // The box's first frame is its painted face: white text area, grey
  // button row, text, so more than two colours at once.
  EXPECT_GT(desk.ColoursOf(*box), 2) << "the box was mapped blank";
}
