// Process snapshots and termination on Linux, read from /proc and carried
// out through pidfds.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "IProcessSnapshotService.h"
#include "IProcessTermination.h"

// One object serves both interfaces so that OpenProcess can check a pid
// against the latest snapshot: a pid that snapshot did not list, or whose
// start time has changed since then (a newer process holds it), is refused.
// Used from one thread.
class TLinuxProcessProvider : public IProcessSnapshotService, public IProcessTermination {
 public:
  // ProcRoot is where the per-process folders are read; tests point it at a
  // folder they built to stage vanished, renamed or reused processes.
  explicit TLinuxProcessProvider(std::string ProcRoot = "/proc");
  ~TLinuxProcessProvider() override;
  TLinuxProcessProvider(const TLinuxProcessProvider&) = delete;
  TLinuxProcessProvider& operator=(const TLinuxProcessProvider&) = delete;

  THandle CreateToolhelp32Snapshot(uint32_t dwFlags, uint32_t th32ProcessID) override;
  bool Process32First(THandle hSnapshot, PROCESSENTRY32& Entry) override;
  bool Process32Next(THandle hSnapshot, PROCESSENTRY32& Entry) override;

  THandle OpenProcess(uint32_t dwDesiredAccess, bool bInheritHandle,
                      uint32_t dwProcessId) override;
  bool TerminateProcess(THandle hProcess, uint32_t uExitCode) override;
  uint32_t WaitForSingleObject(THandle hHandle, uint32_t Milliseconds) override;
  uint32_t GetLastError() const override;

  // Releases a snapshot or a process handle.
  bool CloseHandle(THandle hObject) override;

 private:
  struct TSnapshot {
    std::vector<PROCESSENTRY32> Entries;
    size_t Next = 0;
  };

  // Lists every process into Entries; 0, or the errno when /proc cannot be read.
  int TakeSnapshot(std::vector<PROCESSENTRY32>& Entries);
  std::optional<uint64_t> ReadStartTime(pid_t Pid) const;
  bool Refuse(int Error);

  std::string procRoot_;
  THandle nextHandle_ = 1;
  std::unordered_map<THandle, TSnapshot> snapshots_;
  std::unordered_map<THandle, int> pidfds_;
  std::unordered_map<uint32_t, uint64_t> startTimes_;  // of the latest snapshot
  uint32_t lastError_ = 0;
};
