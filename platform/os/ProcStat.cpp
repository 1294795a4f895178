// Parsing of one /proc/PID/stat line.
#include "ProcStat.h"

#include <charconv>
#include <limits>

namespace {

template <typename T>
bool ParseNumber(std::string_view Text, T& Value) {
  if (Text.empty()) return false;
  const char* end = Text.data() + Text.size();
  auto [ptr, ec] = std::from_chars(Text.data(), end, Value);
  return ec == std::errc() && ptr == end;
}

// Splits the space-separated fields after the name; the line may end with '\n'.
class TFieldReader {
 public:
  explicit TFieldReader(std::string_view Rest) : rest_(Rest) {}

  bool Next(std::string_view& Field) {
    if (rest_.empty() || rest_.front() != ' ') return false;
    rest_.remove_prefix(1);
    size_t stop = rest_.find_first_of(" \n");
    if (stop == std::string_view::npos) stop = rest_.size();
    Field = rest_.substr(0, stop);
    rest_.remove_prefix(stop);
    return !Field.empty();
  }

  template <typename T>
  bool NextNumber(T& Value) {
    std::string_view field;
    return Next(field) && ParseNumber(field, Value);
  }

  bool Skip(int Count) {
    std::string_view field;
    for (int i = 0; i < Count; ++i)
      if (!Next(field)) return false;
    return true;
  }

 private:
  std::string_view rest_;
};

}  // namespace

std::optional<TProcStat> ParseProcStat(std::string_view Line) {
  size_t open = Line.find('(');
  size_t close = Line.rfind(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open ||
      open < 2 || Line[open - 1] != ' ')
    return std::nullopt;

  TProcStat stat;
  if (!ParseNumber(Line.substr(0, open - 1), stat.Pid) || stat.Pid == 0) return std::nullopt;
  stat.Comm = Line.substr(open + 1, close - open - 1);

  TFieldReader fields(Line.substr(close + 1));
  std::string_view state;
  int64_t parent = 0, priority = 0, threads = 0;
  // Fields 3 to 22: state ppid pgrp session tty_nr tpgid flags minflt cminflt
  // majflt cmajflt utime stime cutime cstime priority nice num_threads
  // itrealvalue starttime.
  if (!fields.Next(state) || state.size() != 1) return std::nullopt;
  if (!fields.NextNumber(parent) || !fields.Skip(4) || !fields.NextNumber(stat.Flags) ||
      !fields.Skip(8) || !fields.NextNumber(priority) || !fields.Skip(1) ||
      !fields.NextNumber(threads) || !fields.Skip(1) || !fields.NextNumber(stat.StartTime))
    return std::nullopt;
  if (parent < 0 || parent > std::numeric_limits<int32_t>::max() || threads < 0 ||
      threads > std::numeric_limits<uint32_t>::max() ||
      priority < std::numeric_limits<int32_t>::min() ||
      priority > std::numeric_limits<int32_t>::max())
    return std::nullopt;

  stat.State = state.front();
  stat.ParentPid = static_cast<uint32_t>(parent);
  stat.Priority = static_cast<int32_t>(priority);
  stat.Threads = static_cast<uint32_t>(threads);
  return stat;
}
