// A termination service that records what it is asked to do and ends
// nothing, for tests of the code that kills processes.
#pragma once

#include <optional>
#include <unordered_map>
#include <vector>

#include "IProcessTermination.h"

class TFakeProcessTermination : public IProcessTermination {
 public:
  enum class TCallKind { Open, Terminate, Wait, Close };
  struct TCall {
    TCallKind Kind;
    uint32_t Pid;  // the pid asked for, or the one the handle was opened on; 0 if unknown
    THandle Handle;
    bool operator==(const TCall&) const = default;
  };

  // Refusals, as an errno; RefusedPid limits them to one pid.
  std::optional<uint32_t> RefuseOpen;
  std::optional<uint32_t> RefuseTerminate;
  std::optional<uint32_t> RefusedPid;

  std::vector<TCall> Calls;
  // Pids whose TerminateProcess succeeded, in order.
  std::vector<uint32_t> Terminated;

  int OpenHandles() const { return static_cast<int>(handles_.size()); }

  THandle OpenProcess(uint32_t dwDesiredAccess, bool bInheritHandle,
                      uint32_t dwProcessId) override;
  bool TerminateProcess(THandle hProcess, uint32_t uExitCode) override;
  // Every process this fake ends has ended by the time it is asked.
  uint32_t WaitForSingleObject(THandle hHandle, uint32_t Milliseconds) override;
  bool CloseHandle(THandle hObject) override;
  uint32_t GetLastError() const override { return lastError_; }

 private:
  bool Applies(const std::optional<uint32_t>& Refusal, uint32_t Pid) const;
  bool Refuse(uint32_t Error);

  std::unordered_map<THandle, uint32_t> handles_;
  THandle nextHandle_ = 1;
  uint32_t lastError_ = 0;
};
