// A scripted snapshot service.
#include "TFakeProcessSnapshotService.h"

#include <cstring>
#include <string>

#include "core/Exceptions.h"
#include "ExeFileName.h"

PROCESSENTRY32 TFakeProcessSnapshotService::MakeEntry(uint32_t Pid, uint32_t ParentPid,
                                                      std::string_view ExeFile, uint32_t Threads,
                                                      int32_t Priority) {
  PROCESSENTRY32 entry;
  std::memset(&entry, 0, sizeof entry);
  entry.dwSize = sizeof(PROCESSENTRY32);
  entry.th32ProcessID = Pid;
  entry.th32ParentProcessID = ParentPid;
  entry.cntThreads = Threads;
  entry.pcPriClassBase = Priority;
  FitExeFile(ExeFile, entry.szExeFile);
  return entry;
}

THandle TFakeProcessSnapshotService::CreateToolhelp32Snapshot(uint32_t dwFlags,
                                                              uint32_t th32ProcessID) {
  if (NoSnapshot) return 0;
  ++snapshotsTaken_;
  THandle handle = nextHandle_++;
  snapshots_.emplace(handle, TSnapshot{Entries, 0});
  return handle;
}

bool TFakeProcessSnapshotService::Process32First(THandle hSnapshot, PROCESSENTRY32& Entry) {
  auto found = snapshots_.find(hSnapshot);
  if (found == snapshots_.end() || FailFirst || Entry.dwSize < sizeof(PROCESSENTRY32))
    return false;
  found->second.Next = 0;
  return Deliver(found->second, Entry);
}

bool TFakeProcessSnapshotService::Process32Next(THandle hSnapshot, PROCESSENTRY32& Entry) {
  auto found = snapshots_.find(hSnapshot);
  if (found == snapshots_.end() || Entry.dwSize < sizeof(PROCESSENTRY32)) return false;
  return Deliver(found->second, Entry);
}

bool TFakeProcessSnapshotService::CloseHandle(THandle hObject) {
  return snapshots_.erase(hObject) != 0;
}

bool TFakeProcessSnapshotService::Deliver(TSnapshot& Snapshot, PROCESSENTRY32& Entry) {
  if (Snapshot.Next >= Snapshot.Entries.size()) return false;
  if (ThrowAtRecord && *ThrowAtRecord == Snapshot.Next)
    throw EPlatformError("process snapshot failed at record " + std::to_string(Snapshot.Next));
  Entry = Snapshot.Entries[Snapshot.Next++];
  return true;
}
