// The process entry of the snapshot service, byte for byte as the
// single-byte-character platform structure: 296 bytes.
#pragma once

#include <cstdint>

using THandle = uintptr_t;

constexpr uint32_t TH32CS_SNAPPROCESS = 2;
constexpr uint32_t PROCESS_TERMINATE = 1;
constexpr int MAX_PATH = 260;
constexpr uint32_t WAIT_OBJECT_0 = 0;
constexpr uint32_t WAIT_TIMEOUT = 258;
constexpr uint32_t WAIT_FAILED = 0xFFFFFFFF;

struct PROCESSENTRY32 {
  uint32_t dwSize;
  uint32_t cntUsage;
  uint32_t th32ProcessID;
  uint32_t th32DefaultHeapID;
  uint32_t th32ModuleID;
  uint32_t cntThreads;
  uint32_t th32ParentProcessID;
  int32_t pcPriClassBase;
  uint32_t dwFlags;
  char szExeFile[MAX_PATH];
};

static_assert(sizeof(PROCESSENTRY32) == 296, "the process entry is 296 bytes");
