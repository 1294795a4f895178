// A snapshot service that serves a scripted list of processes, for tests of
// the code that walks snapshots.
#pragma once

#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "IProcessSnapshotService.h"

class TFakeProcessSnapshotService : public IProcessSnapshotService {
 public:
  // An entry as the real service fills it.
  static PROCESSENTRY32 MakeEntry(uint32_t Pid, uint32_t ParentPid, std::string_view ExeFile,
                                  uint32_t Threads = 1, int32_t Priority = 20);

  // Each snapshot copies the entries as they are when it is taken.
  std::vector<PROCESSENTRY32> Entries;
  // CreateToolhelp32Snapshot gives 0.
  bool NoSnapshot = false;
  // Process32First gives false.
  bool FailFirst = false;
  // The call that would deliver record N (0 = the first) throws EPlatformError.
  std::optional<size_t> ThrowAtRecord;

  int SnapshotsTaken() const { return snapshotsTaken_; }
  int SnapshotsOpen() const { return static_cast<int>(snapshots_.size()); }

  THandle CreateToolhelp32Snapshot(uint32_t dwFlags, uint32_t th32ProcessID) override;
  bool Process32First(THandle hSnapshot, PROCESSENTRY32& Entry) override;
  bool Process32Next(THandle hSnapshot, PROCESSENTRY32& Entry) override;
  bool CloseHandle(THandle hObject) override;

 private:
  struct TSnapshot {
    std::vector<PROCESSENTRY32> Entries;
    size_t Next = 0;
  };

  bool Deliver(TSnapshot& Snapshot, PROCESSENTRY32& Entry);

  std::unordered_map<THandle, TSnapshot> snapshots_;
  THandle nextHandle_ = 1;
  int snapshotsTaken_ = 0;
};
