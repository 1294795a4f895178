// The first process of a real-window test's private PID namespace: starts
// the test's victim and the program under test, reaps whatever ends, writes
// the victim's wait status to a file and exits with the program's status.
// Once it exits, the kernel ends everything else in the namespace.
//
//   e2e_init STATUS-FILE VICTIM-ARGV... -- PROGRAM-ARGV...
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

extern char** environ;

namespace {

pid_t Spawn(char** Argv) {
  pid_t pid = -1;
  int rc = posix_spawnp(&pid, Argv[0], nullptr, nullptr, Argv, environ);
  if (rc != 0) {
    std::fprintf(stderr, "e2e_init: cannot start %s: %s\n", Argv[0], std::strerror(rc));
    return -1;
  }
  return pid;
}

int ExitCodeOf(int Status) {
  if (WIFEXITED(Status)) return WEXITSTATUS(Status);
  return 128 + (WIFSIGNALED(Status) ? WTERMSIG(Status) : 0);
}

}  // namespace

int main(int argc, char** argv) {
  int split = 2;
  while (split < argc && std::strcmp(argv[split], "--") != 0) ++split;
  if (argc < 5 || split == 2 || split + 1 >= argc) {
    std::fprintf(stderr, "usage: e2e_init STATUS-FILE VICTIM-ARGV... -- PROGRAM-ARGV...\n");
    return 2;
  }
  const char* statusFile = argv[1];
  argv[split] = nullptr;
  pid_t victim = Spawn(argv + 2);
  pid_t program = Spawn(argv + split + 1);
  if (victim < 0 || program < 0) return 127;

  for (;;) {
    int status = 0;
    pid_t ended = waitpid(-1, &status, 0);
    if (ended < 0) {
      if (errno == EINTR) continue;
      return 127;
    }
    if (ended == victim) {
      if (FILE* f = std::fopen(statusFile, "w")) {
        std::fprintf(f, "%d\n", status);
        std::fclose(f);
      }
    } else if (ended == program) {
      return ExitCodeOf(status);
    }
  }
}
