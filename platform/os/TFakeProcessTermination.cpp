// A recording termination service.
#include "TFakeProcessTermination.h"

#include <cerrno>

THandle TFakeProcessTermination::OpenProcess(uint32_t dwDesiredAccess, bool bInheritHandle,
                                             uint32_t dwProcessId) {
  Calls.push_back({TCallKind::Open, dwProcessId, 0});
  if (Applies(RefuseOpen, dwProcessId)) {
    Refuse(*RefuseOpen);
    return 0;
  }
  THandle handle = nextHandle_++;
  handles_.emplace(handle, dwProcessId);
  Calls.back().Handle = handle;
  return handle;
}

bool TFakeProcessTermination::TerminateProcess(THandle hProcess, uint32_t uExitCode) {
  auto found = handles_.find(hProcess);
  uint32_t pid = found == handles_.end() ? 0 : found->second;
  Calls.push_back({TCallKind::Terminate, pid, hProcess});
  if (found == handles_.end()) return Refuse(EBADF);
  if (Applies(RefuseTerminate, pid)) return Refuse(*RefuseTerminate);
  Terminated.push_back(pid);
  return true;
}

uint32_t TFakeProcessTermination::WaitForSingleObject(THandle hHandle, uint32_t Milliseconds) {
  auto found = handles_.find(hHandle);
  Calls.push_back({TCallKind::Wait, found == handles_.end() ? 0 : found->second, hHandle});
  if (found == handles_.end()) {
    Refuse(EBADF);
    return WAIT_FAILED;
  }
  return WAIT_OBJECT_0;
}

bool TFakeProcessTermination::CloseHandle(THandle hObject) {
  auto found = handles_.find(hObject);
  uint32_t pid = found == handles_.end() ? 0 : found->second;
  Calls.push_back({TCallKind::Close, pid, hObject});
  if (found == handles_.end()) return Refuse(EBADF);
  handles_.erase(found);
  return true;
}

bool TFakeProcessTermination::Applies(const std::optional<uint32_t>& Refusal,
                                      uint32_t Pid) const {
  return Refusal && (!RefusedPid || *RefusedPid == Pid);
}

bool TFakeProcessTermination::Refuse(uint32_t Error) {
  lastError_ = Error;
  return false;
}
