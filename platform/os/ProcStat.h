// Parsing of one /proc/PID/stat line, kept free of any file access so that
// it can be tested and fuzzed on plain strings.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// PF_KTHREAD in the flags field: kernel threads have no executable.
constexpr uint64_t PROC_FLAG_KTHREAD = 0x00200000;

struct TProcStat {
  uint32_t Pid = 0;
  std::string_view Comm;  // points into the parsed line
  char State = 0;
  uint32_t ParentPid = 0;
  uint64_t Flags = 0;
  int32_t Priority = 0;
  uint32_t Threads = 0;
  uint64_t StartTime = 0;  // clock ticks after boot
};

// Fields 1 to 22 of a stat line; nullopt when any of them is missing or
// malformed. The name runs from the first '(' to the last ')', since the
// kernel writes it unescaped and it may hold spaces, parentheses or newlines.
std::optional<TProcStat> ParseProcStat(std::string_view Line);
