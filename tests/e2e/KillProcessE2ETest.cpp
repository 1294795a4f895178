// The built program on a real X display, in a private PID namespace with
// its own /proc, so that its list holds only this test's processes and
// its Kill can reach nothing else: the victim started beside it is
// selected by its first letter and ended by the Kill button, and the
// program goes on running until Close ends it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "DesktopSession.h"
#include "core/Geometry.h"

namespace {

// Client points of the window's controls.
constexpr TPoint kFirstListRow{35, 162};
constexpr TPoint kKillButton{137, 83};
constexpr TPoint kHelpButton{222, 83};
constexpr TPoint kCloseButton{307, 83};

// The first line of a file that another process writes, once it is there.
std::optional<std::string> LineOf(const std::filesystem::path& File, int TimeoutMs) {
  for (int waited = 0; waited <= TimeoutMs; waited += 50) {
    std::ifstream in(File);
    std::string line;
    if (std::getline(in, line)) return line;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return std::nullopt;
}

// The wait status the namespace's first process wrote for the victim.
std::optional<int> VictimStatus(const std::filesystem::path& File, int TimeoutMs) {
  std::optional<std::string> line = LineOf(File, TimeoutMs);
  if (!line) return std::nullopt;
  return std::atoi(line->c_str());
}

}  // namespace

// Each real-window test runs on a bare X server and under a window manager.
class RealWindow : public ::testing::TestWithParam<TWindowManagerMode> {};

MORVANE_ON_EVERY_DESKTOP(RealWindow);

TEST_P(RealWindow, KillEndsTheSelectedVictimAndTheProgramGoesOn) {
  DesktopSession desk(GetParam());
  if (!desk.Available()) GTEST_SKIP() << desk.Why();
  if (std::string why; !PrivatePidNamespaces(why)) GTEST_SKIP() << why;

  // The victim's name is the only one in the namespace that starts with v.
  std::filesystem::path folder = desk.Folder();
  std::filesystem::copy_file("/bin/sleep", folder / "victim");
  std::filesystem::path victimStatus = folder / "victim.status";
  pid_t space = desk.Start({"unshare", "--pid", "--fork", "--mount-proc", "--kill-child", E2E_INIT,
                            victimStatus.string(), (folder / "victim").string(), "600", "--",
                            ProgramUnderTest()});
  ASSERT_GT(space, 0);
  auto window = desk.FindWindow("Morvane");
  ASSERT_TRUE(window) << "the window titled Morvane did not appear";
  TWindowGeometry at = desk.Geometry(*window);
  EXPECT_TRUE(desk.WaitForColours(*window, 20)) << "the window stayed blank";

  desk.Click(at.X + kFirstListRow.X, at.Y + kFirstListRow.Y);
  desk.Key("v");
  desk.Click(at.X + kKillButton.X, at.Y + kKillButton.Y);

  std::optional<int> status = VictimStatus(victimStatus, 10000);
  ASSERT_TRUE(status) << "the victim was still running";
  EXPECT_TRUE(WIFSIGNALED(*status) && WTERMSIG(*status) == SIGKILL);
  EXPECT_EQ(waitpid(space, nullptr, WNOHANG), 0) << "the program ended";

  desk.Click(at.X + kCloseButton.X, at.Y + kCloseButton.Y);
  std::optional<int> appStatus = desk.WaitOrKill(space, 10000);
  ASSERT_TRUE(appStatus) << "Close did not end the program";
  EXPECT_TRUE(WIFEXITED(*appStatus) && WEXITSTATUS(*appStatus) == 0);
}

// Help opens the program's own help file although the program starts in a
// folder that holds none: beside a build's program or in an installation's
// data folder. A stand-in opener on PATH records what it was handed.
TEST_P(RealWindow, HelpOpensTheProgramsHelpFileFromAnyFolder) {
  DesktopSession desk(GetParam());
  if (!desk.Available()) GTEST_SKIP() << desk.Why();
  std::filesystem::path bin = std::filesystem::path(desk.Folder()) / "bin";
  std::filesystem::create_directory(bin);
  std::filesystem::path opened = std::filesystem::path(desk.Folder()) / "opened";
  std::ofstream(bin / "xdg-open") << "#!/bin/sh\nprintf '%s\\n' \"$1\" > " << opened << "\n";
  std::filesystem::permissions(bin / "xdg-open", std::filesystem::perms::owner_all);
  const char* path = std::getenv("PATH");
  pid_t app = desk.Start({ProgramUnderTest()}, {"PATH=" + bin.string() + ":" + (path ? path : "/usr/bin:/bin")});
  ASSERT_GT(app, 0);
  auto window = desk.FindWindow("Morvane");
  ASSERT_TRUE(window) << "the window titled Morvane did not appear";
  TWindowGeometry at = desk.Geometry(*window);
  ASSERT_TRUE(desk.WaitForColours(*window, 20)) << "the window stayed blank";

  // The pointer resting on Help lights it up (a screenshot of the whole
  // screen, after the glow's fade).
  auto before = desk.ScreenShot("before-hover");
  desk.MoveMouse(at.X + kHelpButton.X, at.Y + kHelpButton.Y);
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  auto after = desk.ScreenShot("hovered");
  ASSERT_TRUE(before && after);
  EXPECT_NE(desk.PixelOf(*before, at.X + kHelpButton.X, at.Y + 64), desk.PixelOf(*after, at.X + kHelpButton.X, at.Y + 64))
      << "the button did not light up under the pointer";

  desk.Click(at.X + kHelpButton.X, at.Y + kHelpButton.Y);
  std::optional<std::string> file = LineOf(opened, 10000);
  ASSERT_TRUE(file) << "the opener was not started";
  EXPECT_EQ(std::filesystem::path(*file).filename(), "morvane.chm");
  EXPECT_TRUE(std::filesystem::path(*file).is_absolute()) << *file;
  EXPECT_TRUE(std::filesystem::exists(*file)) << *file;

  desk.Click(at.X + kCloseButton.X, at.Y + kCloseButton.Y);
  std::optional<int> status = desk.WaitOrKill(app, 10000);
  ASSERT_TRUE(status) << "Close did not end the program";
  EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0);
}
