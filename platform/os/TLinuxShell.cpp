// Starting the desktop opener detached, without a shell.
#include "TLinuxShell.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

bool IsOpenVerb(std::string_view Verb) {
  if (Verb.empty()) return true;
  constexpr std::string_view open = "open";
  if (Verb.size() != open.size()) return false;
  for (size_t i = 0; i < open.size(); ++i)
    if ((Verb[i] | 0x20) != open[i]) return false;
  return true;
}

// The opener's path, found before forking since the search allocates.
std::string ResolveProgram(const std::string& Name) {
  if (Name.find('/') != std::string::npos) return Name;
  const char* path = std::getenv("PATH");
  std::string_view dirs = path && *path ? path : "/usr/local/bin:/usr/bin:/bin";
  while (!dirs.empty()) {
    size_t colon = dirs.find(':');
    std::string_view dir = dirs.substr(0, colon);
    dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    std::string candidate = std::string(dir.empty() ? "." : dir) + "/" + Name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

}  // namespace

TLinuxShell::TLinuxShell(std::string Opener, std::vector<std::string> Folders)
    : opener_(std::move(Opener)), folders_(std::move(Folders)) {}

std::vector<std::string> TLinuxShell::ProgramFolders() {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  std::filesystem::path folder = exe.parent_path();
  return {folder.string(), (folder / "../share/morvane").lexically_normal().string()};
}

std::string TLinuxShell::Locate(const std::string& File, const std::string& Directory) const {
  if (File.find_first_of("/:") != std::string::npos) return File;
  std::filesystem::path start = Directory.empty() ? "." : Directory;
  if (access((start / File).c_str(), F_OK) == 0) return File;
  for (const std::string& folder : folders_) {
    std::string candidate = folder + "/" + File;
    if (access(candidate.c_str(), F_OK) == 0) return candidate;
  }
  return File;
}

void TLinuxShell::ShellExecute(const std::string& Verb, const std::string& File,
                               const std::string& Parameters, const std::string& Directory,
                               int ShowCmd) {
  if (!IsOpenVerb(Verb) || File.empty()) return;
  std::string program = ResolveProgram(opener_);
  if (program.empty()) return;
  std::string argument = Locate(File, Directory);
  // A leading '-' would be read as an option.
  if (argument.front() == '-') argument = "./" + argument;
  std::vector<char*> argv = {program.data(), argument.data(), nullptr};
  const char* directory = Directory.empty() ? nullptr : Directory.c_str();
  sigset_t noSignals;
  sigemptyset(&noSignals);

  // Only async-signal-safe calls between fork and exec: the program may
  // have other threads.
  pid_t child = fork();
  if (child < 0) return;
  if (child == 0) {
    setsid();
    pid_t grandchild = fork();
    if (grandchild != 0) _exit(grandchild < 0 ? 1 : 0);
    if (directory && chdir(directory) != 0) _exit(127);
    struct sigaction defaultAction = {};
    defaultAction.sa_handler = SIG_DFL;
    sigaction(SIGPIPE, &defaultAction, nullptr);
    sigprocmask(SIG_SETMASK, &noSignals, nullptr);
    int devNull = open("/dev/null", O_RDONLY);
    if (devNull > 0) {
      dup2(devNull, STDIN_FILENO);
      close(devNull);
    }
    close_range(3, UINT_MAX, 0);
    execve(program.c_str(), argv.data(), environ);
    _exit(127);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
}
