// Arbitrary bytes as a /proc/PID/stat line: the parser either refuses the
// line or gives fields that lie inside it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "os/ProcStat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  std::string_view line(reinterpret_cast<const char*>(Data), Size);
  if (auto stat = ParseProcStat(line)) {
    // The name is a view into the line itself.
    if (stat->Comm.data() < line.data() || stat->Comm.data() + stat->Comm.size() > line.data() + line.size())
      std::abort();
  }
  return 0;
}
