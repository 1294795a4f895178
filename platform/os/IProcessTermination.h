// Ending a process by its identifier.
#pragma once

#include "ProcessEntry.h"

class IProcessTermination {
 public:
  virtual ~IProcessTermination() = default;
  // A handle that may end the process, or 0 (GetLastError tells why).
  virtual THandle OpenProcess(uint32_t dwDesiredAccess, bool bInheritHandle,
                              uint32_t dwProcessId) = 0;
  // Ends the process at once; false when refused (GetLastError tells why).
  virtual bool TerminateProcess(THandle hProcess, uint32_t uExitCode) = 0;
  // Waits up to Milliseconds for the process to have ended: WAIT_OBJECT_0
  // once it has, WAIT_TIMEOUT while it still runs, WAIT_FAILED on a bad
  // handle (GetLastError tells why).
  virtual uint32_t WaitForSingleObject(THandle hHandle, uint32_t Milliseconds) = 0;
  virtual bool CloseHandle(THandle hObject) = 0;
  // The error number of the last refusal.
  virtual uint32_t GetLastError() const = 0;
};
