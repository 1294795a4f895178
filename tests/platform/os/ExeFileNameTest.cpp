// The name a process entry shows: executable path, " (deleted)", long paths.
#include "os/ExeFileName.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Fit(const std::string& Name) {
  char out[MAX_PATH];
  std::memset(out, 'x', sizeof out);
  FitExeFile(Name, out);
  EXPECT_NE(std::memchr(out, '\0', sizeof out), nullptr);
  return out;
}

std::string Repeat(const std::string& Part, int Count) {
  std::string result;
  for (int i = 0; i < Count; ++i) result += Part;
  return result;
}

TEST(ExeFileName, FitsPathsKeepingTheFileName) {
  const std::string segment = "/" + std::string(49, 'd');  // 50 bytes
  const std::string name258(258, 'n');
  const struct {
    const char* Name;
    std::string Path;
    std::string Expected;
  } cases[] = {
      {"short", "/usr/bin/bash", "/usr/bin/bash"},
      {"kernel name", "kworker/0:1-events", "kworker/0:1-events"},
      {"exactly 259 bytes", "/" + std::string(250, 'd') + "/program", ""},
      {"260 bytes", "/" + std::string(251, 'd') + "/program", "/program"},
      {"longest tail at a '/'", Repeat(segment, 10) + "/program",
       Repeat(segment, 5) + "/program"},
      {"file name of 258 bytes", segment + "/" + name258, "/" + name258},
      {"file name too long", "/usr/" + std::string(300, 'n'), "/" + std::string(258, 'n')},
      {"long name without '/'", std::string(300, 'k'), std::string(259, 'k')},
      {"bytes that are not UTF-8", "/opt/\xff\xfe/caf\xe9", "/opt/\xff\xfe/caf\xe9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    std::string expected = c.Expected.empty() ? c.Path : c.Expected;
    std::string fitted = Fit(c.Path);
    EXPECT_EQ(fitted, expected);
    EXPECT_LE(fitted.size(), size_t(MAX_PATH - 1));
  }
}

TEST(ExeFileName, StripsOneDeletedSuffix) {
  EXPECT_EQ(StripDeletedSuffix("/usr/bin/top (deleted)"), "/usr/bin/top");
  EXPECT_EQ(StripDeletedSuffix("/a (deleted) (deleted)"), "/a (deleted)");
  EXPECT_EQ(StripDeletedSuffix("/usr/bin/top"), "/usr/bin/top");
  EXPECT_EQ(StripDeletedSuffix(" (deleted)"), " (deleted)");
}

}  // namespace
