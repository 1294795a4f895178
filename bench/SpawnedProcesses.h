// Sleeping child processes that raise the machine's process count for the
// length of a benchmark; each is killed by its pid and reaped at the end.
#pragma once

#include <dirent.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <stdexcept>
#include <vector>

class SpawnedProcesses {
 public:
  // The processes listed in /proc now.
  static int CountProcesses() {
    int count = 0;
    if (DIR* proc = opendir("/proc")) {
      while (dirent* item = readdir(proc))
        if (std::isdigit(static_cast<unsigned char>(item->d_name[0]))) ++count;
      closedir(proc);
    }
    return count;
  }

  // Enough children to bring the machine to Total processes, or none when it
  // has that many already.
  explicit SpawnedProcesses(int Total) {
    int missing = Total - CountProcesses();
    pid_t parent = getpid();
    for (int i = 0; i < missing; ++i) {
      pid_t pid = fork();
      if (pid < 0) {
        Release();
        throw std::runtime_error("fork failed while spawning sleeping children");
      }
      if (pid == 0) {
        // Dies with the benchmark even if it crashes.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(0);
        for (;;) pause();
      }
      pids_.push_back(pid);
    }
  }

  SpawnedProcesses(const SpawnedProcesses&) = delete;
  SpawnedProcesses& operator=(const SpawnedProcesses&) = delete;
  ~SpawnedProcesses() { Release(); }

  size_t Count() const { return pids_.size(); }

 private:
  void Release() {
    for (pid_t pid : pids_) kill(pid, SIGKILL);
    for (pid_t pid : pids_) {
      int status = 0;
      while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
    }
    pids_.clear();
  }

  std::vector<pid_t> pids_;
};
