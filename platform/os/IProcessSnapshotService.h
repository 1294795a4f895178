// The process snapshot service: a point-in-time list of every process,
// walked record by record into one caller's buffer.
#pragma once

#include "ProcessEntry.h"

class IProcessSnapshotService {
 public:
  virtual ~IProcessSnapshotService() = default;
  // A snapshot handle, or 0 when no snapshot could be taken.
  virtual THandle CreateToolhelp32Snapshot(uint32_t dwFlags, uint32_t th32ProcessID) = 0;
  // True when Entry now holds the first process; Entry.dwSize must be 296.
  virtual bool Process32First(THandle hSnapshot, PROCESSENTRY32& Entry) = 0;
  // True when Entry now holds the next process; false after the last.
  virtual bool Process32Next(THandle hSnapshot, PROCESSENTRY32& Entry) = 0;
  virtual bool CloseHandle(THandle hObject) = 0;
};
