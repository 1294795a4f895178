// The built program on a real X display: it shows its window, a victim
// process started by the test is selected by its first letter and ended
// by the Kill button, and the program goes on running.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <set>

#include "DesktopSession.h"
#include "TdlgMain.h"
#include "os/TLinuxProcessProvider.h"

namespace {

// Client points of the window's controls.
constexpr TPoint kFirstListRow{35, 162};
constexpr TPoint kKillButton{137, 83};
constexpr TPoint kCloseButton{307, 83};

// A letter no listed process starts with, so typing it selects the victim.
char UnusedFirstLetter() {
  TLinuxProcessProvider processes;
  std::set<char> used;
  THandle snapshot = processes.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 e{};
  e.dwSize = sizeof e;
  for (bool ok = processes.Process32First(snapshot, e); ok; ok = processes.Process32Next(snapshot, e)) {
    std::string text = TdlgMain::ItemText(e);
    if (!text.empty()) used.insert(static_cast<char>(std::tolower(static_cast<unsigned char>(text[0]))));
  }
  processes.CloseHandle(snapshot);
  for (char c : std::string("qjzvwykgufh"))
    if (!used.count(c)) return c;
  return 0;
}

struct Geometry {
  int x = 0, y = 0;
};

Geometry WindowPosition(DesktopSession& desk, const std::string& id) {
  Geometry g;
  if (auto out = desk.Run({"xdotool", "getwindowgeometry", "--shell", id})) {
    size_t x = out->find("X="), y = out->find("Y=");
    if (x != std::string::npos) g.x = std::atoi(out->c_str() + x + 2);
    if (y != std::string::npos) g.y = std::atoi(out->c_str() + y + 2);
  }
  return g;
}

}  // namespace

TEST(RealWindow, KillEndsASelectedVictimAndTheProgramGoesOn) {
  DesktopSession desk;
  if (!desk.Available()) GTEST_SKIP() << desk.Why();

  char letter = UnusedFirstLetter();
  ASSERT_NE(letter, 0) << "every candidate letter is taken by a running process";
  std::filesystem::path victimExe = std::filesystem::path(desk.Folder()) / (std::string(1, letter) + "morvanevictim");
  std::filesystem::copy_file("/bin/sleep", victimExe, std::filesystem::copy_options::overwrite_existing);
  pid_t victim = desk.Start({victimExe.string(), "600"});
  ASSERT_GT(victim, 0);

  pid_t app = desk.Start({MORVANE_BINARY});
  ASSERT_GT(app, 0);
  auto window = desk.FindWindow("Morvane");
  ASSERT_TRUE(window) << "the window titled Morvane did not appear";
  Geometry at = WindowPosition(desk, *window);

  EXPECT_GT(desk.ColoursOf(*window), 20) << "the screenshot is blank";

  desk.Click(at.x + kFirstListRow.X, at.y + kFirstListRow.Y);
  desk.Key(std::string(1, letter));
  desk.Click(at.x + kKillButton.X, at.y + kKillButton.Y);

  std::optional<int> status = desk.WaitOrKill(victim, 10000);
  ASSERT_TRUE(status) << "the victim was still running";
  EXPECT_TRUE(WIFSIGNALED(*status) && WTERMSIG(*status) == SIGKILL);
  EXPECT_EQ(waitpid(app, nullptr, WNOHANG), 0) << "the program ended";

  desk.Click(at.x + kCloseButton.X, at.y + kCloseButton.Y);
  std::optional<int> appStatus = desk.WaitOrKill(app, 10000);
  ASSERT_TRUE(appStatus) << "Close did not end the program";
  EXPECT_TRUE(WIFEXITED(*appStatus) && WEXITSTATUS(*appStatus) == 0);
}
