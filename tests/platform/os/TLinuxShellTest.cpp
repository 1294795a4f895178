// Starting the opener: arguments reach it untouched, it runs detached, and
// nothing is left to reap.
#include "os/TLinuxShell.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// What the opener writes to its standard output, read until every copy of
// the pipe is closed, that is until the opener has exited.
std::string OpenerOutput(TLinuxShell& Shell, const std::string& Verb, const std::string& File,
                         const std::string& Directory = "") {
  int pipeFds[2];
  EXPECT_EQ(pipe(pipeFds), 0);
  std::fflush(stdout);
  int savedStdout = dup(STDOUT_FILENO);
  dup2(pipeFds[1], STDOUT_FILENO);
  close(pipeFds[1]);
  Shell.ShellExecute(Verb, File, "", Directory, SW_SHOWNORMAL);
  dup2(savedStdout, STDOUT_FILENO);
  close(savedStdout);

  std::string output;
  char buffer[512];
  ssize_t n;
  while ((n = read(pipeFds[0], buffer, sizeof buffer)) != 0) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    output.append(buffer, static_cast<size_t>(n));
  }
  close(pipeFds[0]);
  return output;
}

bool NoChildLeft() {
  int status = 0;
  return waitpid(-1, &status, WNOHANG) < 0 && errno == ECHILD;
}

TEST(LinuxShell, PassesTheFileAsOneArgumentWithoutAShell) {
  TLinuxShell shell("echo");  // found through PATH
  const struct {
    std::string File;
    std::string Expected;
  } cases[] = {
      {"https://example.org/a b?c=1&d=2", "https://example.org/a b?c=1&d=2\n"},
      {"a; $(touch /tmp/x) `id` 'q' \"r\" *", "a; $(touch /tmp/x) `id` 'q' \"r\" *\n"},
      {"-n", "./-n\n"},  // never read as an option
      {"caf\xe9\n2", "caf\xe9\n2\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.File);
    EXPECT_EQ(OpenerOutput(shell, "open", c.File), c.Expected);
  }
  EXPECT_TRUE(NoChildLeft());
}

TEST(LinuxShell, OnlyTheOpenVerbOpens) {
  TLinuxShell shell("/bin/echo");
  const std::pair<const char*, bool> cases[] = {
      {"open", true}, {"OPEN", true}, {"", true}, {"print", false}, {"opened", false}};
  for (const auto& [verb, opens] : cases) {
    SCOPED_TRACE(verb);
    EXPECT_EQ(OpenerOutput(shell, verb, "x"), opens ? "x\n" : "");
  }
  EXPECT_EQ(OpenerOutput(shell, "open", ""), "");
}

TEST(LinuxShell, StartsInTheGivenDirectory) {
  char path[] = "/tmp/morvane-shell-XXXXXX";
  ASSERT_TRUE(mkdtemp(path));
  std::string directory = std::filesystem::canonical(path).string();
  TLinuxShell shell("/usr/bin/realpath");

  EXPECT_EQ(OpenerOutput(shell, "open", "notes.txt", directory), directory + "/notes.txt\n");
  EXPECT_EQ(OpenerOutput(shell, "open", "notes.txt", directory + "/missing"), "");
  std::filesystem::remove_all(directory);
}

// The help file opens by its bare name wherever the program was started
// from: from the starting folder when it is there, else from the
// program's own folders.
TEST(LinuxShell, ABareNameMissingHereIsTakenFromTheProgramsFolders) {
  char path[] = "/tmp/morvane-shell-XXXXXX";
  ASSERT_TRUE(mkdtemp(path));
  std::filesystem::path root = std::filesystem::canonical(path);
  for (const char* dir : {"start", "first", "second"}) std::filesystem::create_directory(root / dir);
  std::ofstream(root / "second" / "help.chm") << "help";
  std::ofstream(root / "second" / "other") << "x";
  TLinuxShell shell("/bin/echo", {(root / "first").string(), (root / "second").string()});

  const std::string start = (root / "start").string();
  EXPECT_EQ(OpenerOutput(shell, "open", "help.chm", start), (root / "second" / "help.chm").string() + "\n");
  EXPECT_EQ(OpenerOutput(shell, "open", "absent.chm", start), "absent.chm\n");
  EXPECT_EQ(OpenerOutput(shell, "open", "sub/other", start), "sub/other\n");  // not a bare name
  std::ofstream(root / "start" / "help.chm") << "a local copy";
  EXPECT_EQ(OpenerOutput(shell, "open", "help.chm", start), "help.chm\n");
  std::filesystem::remove_all(root);
}

// The opener reads its own stat: it is neither our child nor in our session.
TEST(LinuxShell, OpenerRunsDetachedInItsOwnSession) {
  TLinuxShell shell("/bin/cat");
  std::string stat = OpenerOutput(shell, "open", "/proc/self/stat");
  ASSERT_NE(stat.rfind(')'), std::string::npos);
  std::istringstream fields(stat.substr(stat.rfind(')') + 1));
  std::string state;
  long parent = 0, group = 0, session = 0;
  fields >> state >> parent >> group >> session;
  long pid = std::atol(stat.c_str());

  EXPECT_NE(parent, long(getpid()));
  EXPECT_NE(session, long(getsid(0)));
  EXPECT_NE(session, pid);  // not a session leader: it cannot take a terminal
  EXPECT_TRUE(NoChildLeft());
}

TEST(LinuxShell, MissingOpenerIsIgnored) {
  for (const char* opener : {"/nonexistent/xdg-open", "morvane-no-such-opener"}) {
    TLinuxShell shell(opener);
    EXPECT_EQ(OpenerOutput(shell, "open", "https://example.org"), "");
  }
  EXPECT_TRUE(NoChildLeft());
}

}  // namespace
