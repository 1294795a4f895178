// Process snapshots from /proc; termination through pidfds.
#include "TLinuxProcessProvider.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

#include "ExeFileName.h"
#include "ProcStat.h"

namespace {

// Fields 1 to 22 sit well inside this; a longer line is cut, not lost.
constexpr size_t STAT_BUFFER_SIZE = 4096;

// Reads up to Size bytes of Path below DirFd; -1 with errno on failure.
ssize_t ReadFileAt(int DirFd, const char* Path, char* Buffer, size_t Size) {
  int fd = openat(DirFd, Path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  size_t total = 0;
  while (total < Size) {
    ssize_t n = read(fd, Buffer + total, Size - total);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      int error = errno;
      close(fd);
      errno = error;
      return -1;
    }
    if (n == 0) break;
    total += static_cast<size_t>(n);
  }
  close(fd);
  return static_cast<ssize_t>(total);
}

// The link's target, growing the buffer until it is not cut.
bool ReadLinkAt(int DirFd, const char* Path, std::string& Target) {
  Target.resize(256);
  for (;;) {
    ssize_t n = readlinkat(DirFd, Path, Target.data(), Target.size());
    if (n < 0) return false;
    if (static_cast<size_t>(n) < Target.size()) {
      Target.resize(static_cast<size_t>(n));
      return true;
    }
    Target.resize(Target.size() * 2);
  }
}

bool ParsePidName(const char* Name, uint32_t& Pid) {
  uint64_t value = 0;
  if (*Name == '\0') return false;
  for (const char* c = Name; *c; ++c) {
    if (*c < '0' || *c > '9') return false;
    value = value * 10 + static_cast<uint64_t>(*c - '0');
    if (value > INT_MAX) return false;
  }
  Pid = static_cast<uint32_t>(value);
  return Pid != 0;
}

struct TDirCloser {
  void operator()(DIR* Dir) const { closedir(Dir); }
};

}  // namespace

TLinuxProcessProvider::TLinuxProcessProvider(std::string ProcRoot)
    : procRoot_(std::move(ProcRoot)) {}

TLinuxProcessProvider::~TLinuxProcessProvider() {
  for (auto& [handle, pidfd] : pidfds_) close(pidfd);
}

int TLinuxProcessProvider::TakeSnapshot(std::vector<PROCESSENTRY32>& Entries) {
  int rootFd = open(procRoot_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (rootFd < 0) return errno;
  std::unique_ptr<DIR, TDirCloser> dir(fdopendir(rootFd));
  if (!dir) {
    int error = errno;
    close(rootFd);
    return error;
  }

  Entries.reserve(startTimes_.size() + 64);
  std::unordered_map<uint32_t, uint64_t> startTimes;
  startTimes.reserve(Entries.capacity());
  char statLine[STAT_BUFFER_SIZE];
  char path[32];
  std::string exe;

  while (dirent* item = readdir(dir.get())) {
    uint32_t pid = 0;
    if (!ParsePidName(item->d_name, pid)) continue;

    std::snprintf(path, sizeof path, "%u/stat", pid);
    ssize_t length = ReadFileAt(rootFd, path, statLine, sizeof statLine);
    if (length < 0) continue;  // gone since the folder was listed
    std::optional<TProcStat> stat =
        ParseProcStat(std::string_view(statLine, static_cast<size_t>(length)));
    if (!stat || stat->Pid != pid) continue;
    // A process that has exited and waits for its parent cannot be ended:
    // listing it would only invite a Kill that does nothing.
    if (stat->State == 'Z' || stat->State == 'X') continue;

    // Kernel threads have no executable; for anyone else the name falls back
    // to comm when the link cannot be read (another user's process), unless
    // the process has vanished meanwhile.
    std::string_view name = stat->Comm;
    if (!(stat->Flags & PROC_FLAG_KTHREAD)) {
      std::snprintf(path, sizeof path, "%u/exe", pid);
      if (ReadLinkAt(rootFd, path, exe)) {
        name = StripDeletedSuffix(exe);
      } else if (errno == ENOENT || errno == ESRCH) {
        std::snprintf(path, sizeof path, "%u/stat", pid);
        if (faccessat(rootFd, path, F_OK, 0) != 0) continue;
      }
    }

    PROCESSENTRY32& entry = Entries.emplace_back();
    std::memset(&entry, 0, sizeof entry);
    entry.dwSize = sizeof(PROCESSENTRY32);
    entry.th32ProcessID = pid;
    entry.th32ParentProcessID = stat->ParentPid;
    entry.cntThreads = stat->Threads;
    entry.pcPriClassBase = stat->Priority;
    FitExeFile(name, entry.szExeFile);
    startTimes[pid] = stat->StartTime;
  }
  startTimes_ = std::move(startTimes);
  return 0;
}

THandle TLinuxProcessProvider::CreateToolhelp32Snapshot(uint32_t dwFlags,
                                                        uint32_t th32ProcessID) {
  if (!(dwFlags & TH32CS_SNAPPROCESS)) {
    Refuse(EINVAL);
    return 0;
  }
  TSnapshot snapshot;
  if (int error = TakeSnapshot(snapshot.Entries)) {
    Refuse(error);
    return 0;
  }
  THandle handle = nextHandle_++;
  snapshots_.emplace(handle, std::move(snapshot));
  return handle;
}

bool TLinuxProcessProvider::Process32First(THandle hSnapshot, PROCESSENTRY32& Entry) {
  auto found = snapshots_.find(hSnapshot);
  if (found == snapshots_.end()) return Refuse(EBADF);
  found->second.Next = 0;
  return Process32Next(hSnapshot, Entry);
}

bool TLinuxProcessProvider::Process32Next(THandle hSnapshot, PROCESSENTRY32& Entry) {
  auto found = snapshots_.find(hSnapshot);
  if (found == snapshots_.end()) return Refuse(EBADF);
  if (Entry.dwSize < sizeof(PROCESSENTRY32)) return Refuse(EINVAL);
  TSnapshot& snapshot = found->second;
  if (snapshot.Next >= snapshot.Entries.size()) return false;
  Entry = snapshot.Entries[snapshot.Next++];
  return true;
}

THandle TLinuxProcessProvider::OpenProcess(uint32_t dwDesiredAccess, bool bInheritHandle,
                                           uint32_t dwProcessId) {
  if (!(dwDesiredAccess & PROCESS_TERMINATE)) {
    Refuse(EINVAL);
    return 0;
  }
  if (dwProcessId == 0 || dwProcessId > INT_MAX) {
    Refuse(ESRCH);
    return 0;
  }
  pid_t pid = static_cast<pid_t>(dwProcessId);
  // pidfds are always close-on-exec.
  int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  if (pidfd < 0) {
    Refuse(errno);
    return 0;
  }
  // The pidfd now pins whichever process holds the pid; only the one the
  // latest snapshot listed, with the start time it had then, may be ended.
  auto listed = startTimes_.find(dwProcessId);
  std::optional<uint64_t> startTime =
      listed == startTimes_.end() ? std::nullopt : ReadStartTime(pid);
  if (!startTime || *startTime != listed->second) {
    close(pidfd);
    Refuse(ESRCH);
    return 0;
  }
  THandle handle = nextHandle_++;
  pidfds_.emplace(handle, pidfd);
  return handle;
}

bool TLinuxProcessProvider::TerminateProcess(THandle hProcess, uint32_t uExitCode) {
  auto found = pidfds_.find(hProcess);
  if (found == pidfds_.end()) return Refuse(EBADF);
  if (syscall(SYS_pidfd_send_signal, found->second, SIGKILL, nullptr, 0) != 0)
    return Refuse(errno);
  return true;
}

uint32_t TLinuxProcessProvider::WaitForSingleObject(THandle hHandle, uint32_t Milliseconds) {
  auto found = pidfds_.find(hHandle);
  if (found == pidfds_.end()) {
    Refuse(EBADF);
    return WAIT_FAILED;
  }
  // A pidfd turns readable once its process has exited.
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(Milliseconds);
  pollfd item{found->second, POLLIN, 0};
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    int ready = poll(&item, 1, static_cast<int>(std::max<int64_t>(0, left.count())));
    if (ready > 0) return WAIT_OBJECT_0;
    if (ready == 0) return WAIT_TIMEOUT;
    if (errno != EINTR) {
      Refuse(errno);
      return WAIT_FAILED;
    }
  }
}

bool TLinuxProcessProvider::CloseHandle(THandle hObject) {
  if (snapshots_.erase(hObject)) return true;
  auto found = pidfds_.find(hObject);
  if (found == pidfds_.end()) return Refuse(EBADF);
  close(found->second);
  pidfds_.erase(found);
  return true;
}

uint32_t TLinuxProcessProvider::GetLastError() const { return lastError_; }

std::optional<uint64_t> TLinuxProcessProvider::ReadStartTime(pid_t Pid) const {
  char path[32];
  std::snprintf(path, sizeof path, "/%d/stat", static_cast<int>(Pid));
  std::string fullPath = procRoot_ + path;
  char line[STAT_BUFFER_SIZE];
  ssize_t length = ReadFileAt(AT_FDCWD, fullPath.c_str(), line, sizeof line);
  if (length < 0) return std::nullopt;
  std::optional<TProcStat> stat = ParseProcStat(std::string_view(line, static_cast<size_t>(length)));
  if (!stat || stat->Pid != static_cast<uint32_t>(Pid)) return std::nullopt;
  return stat->StartTime;
}

bool TLinuxProcessProvider::Refuse(int Error) {
  lastError_ = static_cast<uint32_t>(Error);
  return false;
}
