// Child processes that the os tests start, list and end themselves.
#pragma once

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <utility>

class TChildProcess {
 public:
  // /bin/sleep, returned once the exec has happened.
  static TChildProcess Sleeper() {
    int sync[2];
    if (pipe2(sync, O_CLOEXEC) != 0) throw std::runtime_error("pipe2");
    pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork");
    if (pid == 0) {
      prctl(PR_SET_PDEATHSIG, SIGKILL);
      execl("/bin/sleep", "sleep", "600", static_cast<char*>(nullptr));
      int error = errno;
      (void)!write(sync[1], &error, sizeof error);
      _exit(127);
    }
    close(sync[1]);
    int error = 0;
    ssize_t n = ReadFull(sync[0], &error, sizeof error);  // 0: closed by the exec
    close(sync[0]);
    TChildProcess child(pid);
    if (n != 0) throw std::runtime_error("exec of /bin/sleep failed");
    return child;
  }

  // A fork of this program running Threads threads in all, returned once
  // they all exist.
  static TChildProcess Threaded(int Threads) {
    int ready[2];
    if (pipe2(ready, O_CLOEXEC) != 0) throw std::runtime_error("pipe2");
    pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork");
    if (pid == 0) {
      prctl(PR_SET_PDEATHSIG, SIGKILL);
      for (int i = 1; i < Threads; ++i) {
        pthread_t thread;
        if (pthread_create(&thread, nullptr, &WaitForever, nullptr) != 0) _exit(126);
      }
      char byte = 1;
      (void)!write(ready[1], &byte, 1);
      WaitForever(nullptr);
    }
    close(ready[1]);
    char byte = 0;
    ssize_t n = ReadFull(ready[0], &byte, 1);
    close(ready[0]);
    TChildProcess child(pid);
    if (n != 1) throw std::runtime_error("threaded child did not start");
    return child;
  }

  TChildProcess(TChildProcess&& Other) noexcept
      : pid_(Other.pid_), reaped_(std::exchange(Other.reaped_, true)) {}
  TChildProcess& operator=(TChildProcess&&) = delete;
  ~TChildProcess() {
    if (!reaped_) Kill();
  }

  pid_t Pid() const { return pid_; }

  // Neither exited nor reaped.
  bool Running() {
    int status = 0;
    if (reaped_) return false;
    if (waitpid(pid_, &status, WNOHANG) == 0) return true;
    reaped_ = true;
    return false;
  }

  void Kill() {
    kill(pid_, SIGKILL);
    Wait();
  }

  // Reaps the child; its wait status.
  int Wait() {
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    reaped_ = true;
    return status;
  }

 private:
  explicit TChildProcess(pid_t Pid) : pid_(Pid) {}

  static void* WaitForever(void*) {
    for (;;) pause();
  }

  static ssize_t ReadFull(int Fd, void* Buffer, size_t Size) {
    ssize_t n;
    while ((n = read(Fd, Buffer, Size)) < 0 && errno == EINTR) {
    }
    return n;
  }

  pid_t pid_;
  bool reaped_ = false;
};
