// Date-time formatting: the clock panel's patterns around midnight and
// noon and with single-digit fields, and the rest of the specifiers.
#include "core/DateTime.h"

#include <gtest/gtest.h>

namespace {

TSystemTime At(int Hour, int Minute, int Second, int Millisecond = 0) {
  TSystemTime t;
  t.Year = 2026;
  t.Month = 3;
  t.Day = 7;
  t.DayOfWeek = 6;
  t.Hour = Hour;
  t.Minute = Minute;
  t.Second = Second;
  t.Millisecond = Millisecond;
  return t;
}

TEST(FormatDateTime, TheClockPanelsPatterns) {
  const struct {
    TSystemTime Time;
    const char* Format;
    const char* Expected;
  } cases[] = {
      {At(15, 29, 2), "h:mm:sampm", "3:29:2PM"},
      {At(0, 0, 0), "h:mm:sampm", "12:00:0AM"},     // midnight
      {At(12, 0, 59), "h:mm:sampm", "12:00:59PM"},  // noon
      {At(11, 59, 9), "h:mm:sampm", "11:59:9AM"},
      {At(9, 5, 7), "hh:mm:ss", "09:05:07"},
      {At(0, 0, 0), "hh:mm:ss", "00:00:00"},
      {At(23, 59, 59), "hh:mm:ss", "23:59:59"},
      {At(9, 5, 7), "mm/dd/yyyy", "03/07/2026"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Format);
    EXPECT_EQ(FormatDateTime(c.Format, c.Time), c.Expected);
  }
}

TEST(FormatDateTime, EverySpecifier) {
  TSystemTime t = At(13, 4, 5, 6);
  const std::pair<const char*, const char*> cases[] = {
      {"d dd ddd dddd", "7 07 Sat Saturday"},
      {"m mm mmm mmmm", "3 03 Mar March"},
      {"yy yyyy", "26 2026"},
      {"h hh n nn s ss z zzz", "13 13 4 04 5 05 6 006"},
      {"h am/pm", "1 pm"},
      {"h AM/PM", "1 PM"},
      {"h a/p", "1 p"},
      {"hh:mm ampm", "01:04 PM"},
      {"ddddd", "3/7/2026"},
      {"dddddd", "Saturday, March 7, 2026"},
      {"t|tt", "1:04 PM|1:04:05 PM"},
      {"c", "3/7/2026 1:04:05 PM"},
      {"mm-hh:mm", "03-13:04"},  // minutes only right after an hour
      {"h' h is 'nn\"mm\"", "13 h is 04mm"},
      {"'unclosed", "unclosed"},
      {"x#!", "x#!"},
      {"", ""},
  };
  for (const auto& [format, expected] : cases) {
    SCOPED_TRACE(format);
    EXPECT_EQ(FormatDateTime(format, t), expected);
  }
}

}  // namespace
