// The /proc/PID/stat line parser.
#include "os/ProcStat.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// A full stat line as the kernel writes it, fields 1 to 52.
std::string StatLine(const std::string& PidAndComm, const std::string& State, int ParentPid,
                     const std::string& Priority, int Threads, uint64_t StartTime) {
  return PidAndComm + " " + State + " " + std::to_string(ParentPid) +
         " 4000 4000 34816 4000 4194560 1500 0 2 0 12 7 0 0 " + Priority + " 0 " +
         std::to_string(Threads) + " 0 " + std::to_string(StartTime) +
         " 10000000 800 18446744073709551615 1 1 0 0 0 0 0 4096 1256 0 0 0 17 1 0 0 0 0 0 0 0 "
         "0 0 0 0 0 0\n";
}

struct TParseCase {
  const char* Name;
  std::string Line;
  std::string Comm;
  uint32_t Pid;
  int32_t Priority;
};

TEST(ProcStat, ParsesNamesThatLookLikeSyntax) {
  const TParseCase cases[] = {
      {"plain", StatLine("4242 (bash)", "S", 1, "20", 3, 987654), "bash", 4242, 20},
      {"spaces", StatLine("4242 (Web Content)", "S", 1, "20", 3, 987654), "Web Content", 4242,
       20},
      {"nested parentheses", StatLine("4242 ((sd-pam) (x))", "S", 1, "20", 3, 987654),
       "(sd-pam) (x)", 4242, 20},
      {"closing parenthesis and fields in the name",
       StatLine("4242 (a) S 1 2 3)", "S", 1, "20", 3, 987654), "a) S 1 2 3", 4242, 20},
      {"newline", StatLine("4242 (two\nlines)", "S", 1, "20", 3, 987654), "two\nlines", 4242,
       20},
      {"empty name", StatLine("4242 ()", "S", 1, "20", 3, 987654), "", 4242, 20},
      {"real-time priority", StatLine("17 (migration/0)", "S", 2, "-100", 3, 987654),
       "migration/0", 17, -100},
      {"no trailing newline", StatLine("4242 (x)", "R", 1, "-51", 3, 987654).substr(0, 200), "x",
       4242, -51},
  };
  for (const TParseCase& c : cases) {
    SCOPED_TRACE(c.Name);
    std::optional<TProcStat> stat = ParseProcStat(c.Line);
    ASSERT_TRUE(stat);
    EXPECT_EQ(stat->Pid, c.Pid);
    EXPECT_EQ(stat->Comm, c.Comm);
    EXPECT_EQ(stat->ParentPid, c.Pid == 17 ? 2u : 1u);
    EXPECT_EQ(stat->Priority, c.Priority);
    EXPECT_EQ(stat->Threads, 3u);
    EXPECT_EQ(stat->StartTime, 987654u);
    EXPECT_EQ(stat->Flags, 4194560u);
  }
}

TEST(ProcStat, RejectsMalformedLines) {
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"no name", "4242 S 1 4000"},
      {"unclosed name", "4242 (bash S 1 4000"},
      {"no pid", StatLine("(bash)", "S", 1, "20", 3, 1)},
      {"pid zero", StatLine("0 (bash)", "S", 1, "20", 3, 1)},
      {"negative pid", StatLine("-5 (bash)", "S", 1, "20", 3, 1)},
      {"pid with letters", StatLine("42x (bash)", "S", 1, "20", 3, 1)},
      {"state of two letters", StatLine("42 (bash)", "SS", 1, "20", 3, 1)},
      {"priority not a number", StatLine("42 (bash)", "S", 1, "twenty", 3, 1)},
      {"priority out of range", StatLine("42 (bash)", "S", 1, "99999999999", 3, 1)},
      {"negative parent", StatLine("42 (bash)", "S", -1, "20", 3, 1)},
      {"double space", "42 (bash) S  1 4000 4000 34816 4000 4194560 1500 0 2 0 12 7 0 0 20 0 3 0 "
                       "1\n"},
  };
  for (const auto& [name, line] : cases) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(ParseProcStat(line));
  }
}

// A line cut anywhere before the start time, as a read of a dying process
// may give, is rejected rather than read as zeros.
TEST(ProcStat, TruncatedLineParsesOnlyOnceTheStartTimeIsThere) {
  std::string line = StatLine("4242 (a b) (c)", "S", 1, "20", 3, 987654);
  size_t startTime = line.find(" 987654 ") + 1;
  for (size_t length = 0; length < line.size(); ++length) {
    SCOPED_TRACE(length);
    EXPECT_EQ(ParseProcStat(std::string_view(line).substr(0, length)).has_value(),
              length > startTime);
  }
}

// Random damage to a valid line never reads outside it; run under the
// address sanitizer this is a small fuzzer.
TEST(ProcStat, DamagedLinesStayInsideTheInput) {
  const std::string valid = StatLine("4242 ((x) y)", "S", 1, "-2", 3, 987654);
  const char alphabet[] = " ()\n-0123456789Sa";
  std::mt19937 random(20240611);
  for (int round = 0; round < 20000; ++round) {
    std::string line = valid.substr(0, random() % (valid.size() + 1));
    int flips = static_cast<int>(random() % 6);
    for (int i = 0; i < flips && !line.empty(); ++i)
      line[random() % line.size()] = alphabet[random() % (sizeof alphabet - 1)];
    std::vector<char> exact(line.begin(), line.end());  // no slack after the last byte
    std::string_view view(exact.data(), exact.size());
    if (std::optional<TProcStat> stat = ParseProcStat(view)) {
      EXPECT_NE(stat->Pid, 0u);
      EXPECT_GE(stat->Comm.data(), view.data());
      EXPECT_LE(stat->Comm.data() + stat->Comm.size(), view.data() + view.size());
    }
  }
}

}  // namespace
