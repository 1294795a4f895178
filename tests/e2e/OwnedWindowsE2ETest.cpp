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

struct Box {
  int x = 0, y = 0, width = 0, height = 0;
};

// Where the window lies on the screen and its size, by xwininfo.
Box WindowBox(DesktopSession& desk, const std::string& id) {
  Box b;
  auto out = desk.Run({"xwininfo", "-id", id});
  if (!out) return b;
  auto field = [&](const char* name) {
    size_t at = out->find(name);
    return at == std::string::npos ? -1 : std::atoi(out->c_str() + at + std::string(name).size());
  };
  b.x = field("Absolute upper-left X:");
  b.y = field("Absolute upper-left Y:");
  b.width = field("Width:");
  b.height = field("Height:");
  return b;
}

// The work area the desktop announces, or the whole screen without one.
Box WorkArea(DesktopSession& desk) {
  Box b;
  if (auto out = desk.Run({"xprop", "-root", "_NET_WORKAREA"}); out && out->find('=') != std::string::npos) {
    if (std::sscanf(out->c_str() + out->find('=') + 1, " %d, %d, %d, %d", &b.x, &b.y, &b.width, &b.height) == 4)
      return b;
  }
  if (auto out = desk.Run({"xdotool", "getdisplaygeometry"})) std::sscanf(out->c_str(), "%d %d", &b.width, &b.height);
  b.x = b.y = 0;
  return b;
}

}  // namespace

class OwnedWindows : public ::testing::TestWithParam<TWindowManagerMode> {};

INSTANTIATE_TEST_SUITE_P(Desktops, OwnedWindows,
                         ::testing::Values(TWindowManagerMode::None, TWindowManagerMode::Openbox),
                         [](const auto& Info) { return Info.param == TWindowManagerMode::None ? "Bare" : "Openbox"; });

TEST_P(OwnedWindows, TheMainWindowMaximisedByTheProgramFillsTheWorkArea) {
  DesktopSession desk(GetParam());
  if (!desk.Available()) GTEST_SKIP() << desk.Why();
  ASSERT_GT(desk.Start({E2E_WINDOWS, "maximize"}), 0);
  auto window = desk.FindWindow("Windows main");
  ASSERT_TRUE(window) << "the main window did not appear";
  Box work = WorkArea(desk);
  Box at;
  for (int waited = 0; waited < 5000; waited += 100) {
    at = WindowBox(desk, *window);
    if (at.width == work.width && at.height == work.height) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_EQ(at.x, work.x);
  EXPECT_EQ(at.y, work.y);
  EXPECT_EQ(at.width, work.width);
  EXPECT_EQ(at.height, work.height);
  auto shot = desk.ScreenShot("maximised");
  ASSERT_TRUE(shot);
  EXPECT_EQ(desk.PixelOf(*shot, work.x + work.width - 5, work.y + work.height - 5), "srgb(0,0,128)")
      << "the maximised window is not painted to its far corner";
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
