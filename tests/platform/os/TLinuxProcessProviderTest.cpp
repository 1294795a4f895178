// Snapshots of /proc and termination through pidfds, on staged /proc folders
// and on children that the tests start themselves.
#include "os/TLinuxProcessProvider.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "os/ProcStat.h"

namespace fs = std::filesystem;

namespace {

std::string StatLine(uint32_t Pid, const std::string& Comm, char State = 'S',
                     uint32_t ParentPid = 1, uint64_t Flags = 0x400100, int Priority = 20,
                     int Threads = 1, uint64_t StartTime = 5000) {
  return std::to_string(Pid) + " (" + Comm + ") " + State + " " + std::to_string(ParentPid) +
         " 1 1 0 -1 " + std::to_string(Flags) + " 0 0 0 0 0 0 0 0 " + std::to_string(Priority) +
         " 0 " + std::to_string(Threads) + " 0 " + std::to_string(StartTime) +
         " 100 200 300 1 1 0 0 0 0 0 0 0 0 0 0 17 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n";
}

// A folder laid out like /proc, removed afterwards.
class TStagedProc {
 public:
  TStagedProc() {
    char path[] = "/tmp/morvane-proc-XXXXXX";
    if (!mkdtemp(path)) throw std::runtime_error("mkdtemp");
    root_ = path;
  }
  ~TStagedProc() { fs::remove_all(root_); }

  std::string Root() const { return root_.string(); }

  void Add(const std::string& Dir, const std::string& Stat, const char* Exe = nullptr) {
    fs::create_directories(root_ / Dir);
    if (!Stat.empty()) std::ofstream(root_ / Dir / "stat", std::ios::binary) << Stat;
    if (Exe) fs::create_symlink(Exe, root_ / Dir / "exe");
  }

 private:
  fs::path root_;
};

std::vector<PROCESSENTRY32> Walk(TLinuxProcessProvider& Provider) {
  std::vector<PROCESSENTRY32> entries;
  THandle snapshot = Provider.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  EXPECT_NE(snapshot, 0u);
  PROCESSENTRY32 entry;
  std::memset(&entry, 0, sizeof entry);
  entry.dwSize = sizeof entry;
  for (bool more = Provider.Process32First(snapshot, entry); more;
       more = Provider.Process32Next(snapshot, entry))
    entries.push_back(entry);
  EXPECT_TRUE(Provider.CloseHandle(snapshot));
  return entries;
}

const PROCESSENTRY32* Find(const std::vector<PROCESSENTRY32>& Entries, uint32_t Pid) {
  for (const PROCESSENTRY32& entry : Entries)
    if (entry.th32ProcessID == Pid) return &entry;
  return nullptr;
}

int OpenDescriptors() {
  int count = 0;
  for ([[maybe_unused]] const auto& item : fs::directory_iterator("/proc/self/fd")) ++count;
  return count;
}

int OwnPriority() {
  std::ifstream file("/proc/self/stat");
  std::string line((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return ParseProcStat(line).value().Priority;
}

TEST(LinuxProcessProviderWalk, ListsStagedProcessesAndSkipsVanishedOnes) {
  const std::string longExe = "/" + std::string(200, 'd') + "/" + std::string(100, 'e') + "/tool";
  const std::string longTail = "/" + std::string(100, 'e') + "/tool";
  const struct {
    const char* Dir;
    std::string Stat;
    const char* Exe;
    std::optional<std::string> Expected;  // nullopt: not listed
  } cases[] = {
      {"100", StatLine(100, "bash"), "/usr/bin/bash", "/usr/bin/bash"},
      {"101", StatLine(101, "kworker/0:1-events", 'I', 2, 0x4208040), nullptr,
       "kworker/0:1-events"},
      {"102", StatLine(102, "app"), "/tmp/old build/app (deleted)", "/tmp/old build/app"},
      {"103", StatLine(103, "no (exe) link"), nullptr, "no (exe) link"},
      {"104", StatLine(104, "defunct", 'Z'), nullptr, std::nullopt},  // exited, not reaped
      {"105", StatLine(105, "tool"), longExe.c_str(), longTail},
      {"106", "", nullptr, std::nullopt},                      // gone: no stat left
      {"107", "107 (broken", "/usr/bin/broken", std::nullopt},  // cut short
      {"108", StatLine(999, "other"), nullptr, std::nullopt},   // not the folder's process
      {"self", StatLine(100, "bash"), nullptr, std::nullopt},
      {"0", StatLine(0, "idle"), nullptr, std::nullopt},
  };
  TStagedProc proc;
  for (const auto& c : cases) proc.Add(c.Dir, c.Stat, c.Exe);
  TLinuxProcessProvider provider(proc.Root());

  std::vector<PROCESSENTRY32> entries = Walk(provider);

  EXPECT_EQ(entries.size(), 5u);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Dir);
    const PROCESSENTRY32* entry = Find(entries, std::strtoul(c.Dir, nullptr, 10));
    if (!c.Expected) {
      EXPECT_EQ(entry, nullptr);
      continue;
    }
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->szExeFile, *c.Expected);
  }
}

TEST(LinuxProcessProviderWalk, FillsNumericFieldsAndZeroesTheRest) {
  TStagedProc proc;
  proc.Add("4242", StatLine(4242, "rt worker", 'S', 77, 0x400100, -51, 9, 123456), "/opt/rt");
  TLinuxProcessProvider provider(proc.Root());

  std::vector<PROCESSENTRY32> entries = Walk(provider);

  ASSERT_EQ(entries.size(), 1u);
  PROCESSENTRY32 expected;
  std::memset(&expected, 0, sizeof expected);
  expected.dwSize = 296;
  expected.th32ProcessID = 4242;
  expected.th32ParentProcessID = 77;
  expected.cntThreads = 9;
  expected.pcPriClassBase = -51;
  std::strcpy(expected.szExeFile, "/opt/rt");
  EXPECT_EQ(std::memcmp(&entries[0], &expected, sizeof expected), 0);
}

TEST(LinuxProcessProviderWalk, ListsThousandsOfProcesses) {
  TStagedProc proc;
  for (uint32_t pid = 1; pid <= 3000; ++pid) proc.Add(std::to_string(pid), StatLine(pid, "p"));
  TLinuxProcessProvider provider(proc.Root());

  std::vector<PROCESSENTRY32> entries = Walk(provider);

  std::set<uint32_t> pids;
  for (const PROCESSENTRY32& entry : entries) pids.insert(entry.th32ProcessID);
  EXPECT_EQ(entries.size(), 3000u);
  EXPECT_EQ(pids.size(), 3000u);
}

TEST(LinuxProcessProvider, ListsChildrenWithParentThreadsAndExecutable) {
  TChildProcess sleeper = TChildProcess::Sleeper();
  TChildProcess threaded = TChildProcess::Threaded(3);
  TLinuxProcessProvider provider;

  std::vector<PROCESSENTRY32> entries = Walk(provider);

  const PROCESSENTRY32* sleeperEntry = Find(entries, sleeper.Pid());
  ASSERT_TRUE(sleeperEntry);
  EXPECT_EQ(sleeperEntry->th32ParentProcessID, uint32_t(getpid()));
  EXPECT_EQ(sleeperEntry->cntThreads, 1u);
  EXPECT_EQ(sleeperEntry->szExeFile, fs::canonical("/bin/sleep").string());
  EXPECT_EQ(sleeperEntry->pcPriClassBase, OwnPriority());

  const PROCESSENTRY32* threadedEntry = Find(entries, threaded.Pid());
  ASSERT_TRUE(threadedEntry);
  EXPECT_EQ(threadedEntry->th32ParentProcessID, uint32_t(getpid()));
  EXPECT_EQ(threadedEntry->cntThreads, 3u);
  EXPECT_EQ(threadedEntry->szExeFile, fs::read_symlink("/proc/self/exe").string());

  EXPECT_TRUE(Find(entries, getpid()));
}

TEST(LinuxProcessProvider, TerminateProcessKillsWithSigkillAndTheWaitSeesItEnd) {
  TChildProcess child = TChildProcess::Sleeper();
  TLinuxProcessProvider provider;
  Walk(provider);

  THandle process = provider.OpenProcess(PROCESS_TERMINATE, false, child.Pid());
  ASSERT_NE(process, 0u) << std::strerror(int(provider.GetLastError()));
  EXPECT_EQ(provider.WaitForSingleObject(process, 0), WAIT_TIMEOUT);
  EXPECT_TRUE(provider.TerminateProcess(process, 0));
  EXPECT_EQ(provider.WaitForSingleObject(process, 5000), WAIT_OBJECT_0);
  // Ended but not yet reaped by this test, its parent: no longer listed.
  EXPECT_FALSE(Find(Walk(provider), child.Pid()));

  int status = child.Wait();
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGKILL);
  EXPECT_TRUE(provider.CloseHandle(process));
}

// The staged stat stands for the child's pid; changing its start time after
// the snapshot is what a reused pid looks like.
TEST(LinuxProcessProvider, RefusesPidWhoseStartTimeChangedSinceTheSnapshot) {
  TChildProcess child = TChildProcess::Sleeper();
  TStagedProc proc;
  const std::string dir = std::to_string(child.Pid());
  const fs::path stat = fs::path(proc.Root()) / dir / "stat";
  proc.Add(dir, StatLine(child.Pid(), "sleep", 'S', getpid(), 0x400100, 20, 1, 5000));
  TLinuxProcessProvider provider(proc.Root());
  Walk(provider);
  int descriptors = OpenDescriptors();

  std::ofstream(stat) << StatLine(child.Pid(), "sleep", 'S', getpid(), 0x400100, 20, 1, 5001);
  EXPECT_EQ(provider.OpenProcess(PROCESS_TERMINATE, false, child.Pid()), 0u);
  EXPECT_EQ(provider.GetLastError(), uint32_t(ESRCH));
  EXPECT_EQ(OpenDescriptors(), descriptors);
  EXPECT_TRUE(child.Running());

  fs::remove(stat);  // the pid's process gone before it could be checked
  EXPECT_EQ(provider.OpenProcess(PROCESS_TERMINATE, false, child.Pid()), 0u);
  EXPECT_EQ(provider.GetLastError(), uint32_t(ESRCH));

  // A new snapshot takes the new start time as the one to match.
  std::ofstream(stat) << StatLine(child.Pid(), "sleep", 'S', getpid(), 0x400100, 20, 1, 5001);
  Walk(provider);
  THandle process = provider.OpenProcess(PROCESS_TERMINATE, false, child.Pid());
  EXPECT_NE(process, 0u);
  EXPECT_TRUE(child.Running());
  EXPECT_TRUE(provider.CloseHandle(process));
}

TEST(LinuxProcessProvider, GoneProcessGivesEsrch) {
  TLinuxProcessProvider provider;
  TChildProcess child = TChildProcess::Sleeper();
  Walk(provider);
  THandle early = provider.OpenProcess(PROCESS_TERMINATE, false, child.Pid());
  ASSERT_NE(early, 0u);
  child.Kill();

  EXPECT_FALSE(provider.TerminateProcess(early, 0));
  EXPECT_EQ(provider.GetLastError(), uint32_t(ESRCH));
  for (uint32_t pid : {uint32_t(child.Pid()), 0u, 0x80000000u}) {
    SCOPED_TRACE(pid);
    provider.CloseHandle(0);  // resets the last error to EBADF
    EXPECT_EQ(provider.OpenProcess(PROCESS_TERMINATE, false, pid), 0u);
    EXPECT_EQ(provider.GetLastError(), uint32_t(ESRCH));
  }
  EXPECT_TRUE(provider.CloseHandle(early));
  EXPECT_EQ(provider.WaitForSingleObject(early, 0), WAIT_FAILED);
  EXPECT_EQ(provider.GetLastError(), uint32_t(EBADF));
}

// Only what the latest snapshot listed may be ended: a process started
// after it, or before any snapshot, is refused like a gone one.
TEST(LinuxProcessProvider, RefusesAPidTheLatestSnapshotDidNotList) {
  TLinuxProcessProvider provider;
  TChildProcess before = TChildProcess::Sleeper();
  EXPECT_EQ(provider.OpenProcess(PROCESS_TERMINATE, false, before.Pid()), 0u);
  EXPECT_EQ(provider.GetLastError(), uint32_t(ESRCH));

  Walk(provider);
  TChildProcess after = TChildProcess::Sleeper();
  EXPECT_EQ(provider.OpenProcess(PROCESS_TERMINATE, false, after.Pid()), 0u);
  EXPECT_EQ(provider.GetLastError(), uint32_t(ESRCH));
  THandle listed = provider.OpenProcess(PROCESS_TERMINATE, false, before.Pid());
  EXPECT_NE(listed, 0u);
  EXPECT_TRUE(provider.CloseHandle(listed));
  EXPECT_TRUE(after.Running());
}

// Exit codes of the unprivileged helper below.
enum { HELPER_OK, HELPER_OPEN_FAILED, HELPER_KILL_SUCCEEDED, HELPER_WRONG_ERROR, HELPER_SETUID };

TEST(LinuxProcessProvider, TerminatingAnotherUsersProcessReportsEperm) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to start a process as another user";
  TChildProcess victim = TChildProcess::Sleeper();
  pid_t helper = fork();
  ASSERT_GE(helper, 0);
  if (helper == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(HELPER_SETUID);
    TLinuxProcessProvider provider;
    provider.CloseHandle(provider.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    THandle process = provider.OpenProcess(PROCESS_TERMINATE, false, victim.Pid());
    if (!process) _exit(HELPER_OPEN_FAILED);
    if (provider.TerminateProcess(process, 0)) _exit(HELPER_KILL_SUCCEEDED);
    _exit(provider.GetLastError() == EPERM ? HELPER_OK : HELPER_WRONG_ERROR);
  }
  int status = 0;
  ASSERT_EQ(waitpid(helper, &status, 0), helper);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), HELPER_OK);
  EXPECT_TRUE(victim.Running());
}

TEST(LinuxProcessProvider, HandlesAreDistinctAndReleased) {
  TChildProcess child = TChildProcess::Sleeper();
  int descriptors = OpenDescriptors();
  {
    TLinuxProcessProvider provider;
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof entry;
    THandle first = provider.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    THandle second = provider.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    THandle process = provider.OpenProcess(PROCESS_TERMINATE, false, child.Pid());
    EXPECT_NE(first, 0u);
    EXPECT_EQ((std::set<THandle>{first, second, process, 0}).size(), 4u);

    EXPECT_TRUE(provider.CloseHandle(first));
    EXPECT_FALSE(provider.Process32First(first, entry));
    EXPECT_FALSE(provider.CloseHandle(first));
    EXPECT_EQ(provider.GetLastError(), uint32_t(EBADF));
    EXPECT_TRUE(provider.Process32First(second, entry));

    THandle third = provider.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    EXPECT_EQ((std::set<THandle>{first, second, process, third}).size(), 4u);

    EXPECT_TRUE(provider.CloseHandle(process));
    EXPECT_FALSE(provider.CloseHandle(process));
    EXPECT_FALSE(provider.TerminateProcess(process, 0));
    EXPECT_EQ(provider.GetLastError(), uint32_t(EBADF));
    EXPECT_EQ(OpenDescriptors(), descriptors);

    // Left open on purpose: the provider's end releases them.
    EXPECT_NE(provider.OpenProcess(PROCESS_TERMINATE, false, child.Pid()), 0u);
    EXPECT_NE(OpenDescriptors(), descriptors);
  }
  EXPECT_EQ(OpenDescriptors(), descriptors);
  EXPECT_TRUE(child.Running());
}

TEST(LinuxProcessProvider, Process32FirstNeedsAFullEntry) {
  TStagedProc proc;
  proc.Add("7", StatLine(7, "seven"));
  TLinuxProcessProvider provider(proc.Root());
  THandle snapshot = provider.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  for (uint32_t size : {0u, 8u, 295u, 296u, 1000u}) {
    SCOPED_TRACE(size);
    PROCESSENTRY32 entry;
    std::memset(&entry, 0, sizeof entry);
    entry.dwSize = size;
    EXPECT_EQ(provider.Process32First(snapshot, entry), size >= 296);
    EXPECT_EQ(entry.th32ProcessID, size >= 296 ? 7u : 0u);
  }
  EXPECT_TRUE(provider.CloseHandle(snapshot));
}

TEST(LinuxProcessProvider, NoSnapshotWithoutAProcFolder) {
  TLinuxProcessProvider provider("/nonexistent/proc");
  EXPECT_EQ(provider.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0), 0u);
  EXPECT_EQ(provider.GetLastError(), uint32_t(ENOENT));
}

}  // namespace
