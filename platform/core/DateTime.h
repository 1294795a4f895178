// Local dates and times as the clock panel shows them: a broken-down time
// and the date-time formatting of the platform the kit comes from.
#pragma once

#include <string>
#include <string_view>

struct TSystemTime {
  int Year = 2000;
  int Month = 1;      // 1..12
  int Day = 1;        // 1..31
  int DayOfWeek = 6;  // 0 = Sunday
  int Hour = 0;       // 0..23
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

// Formats Time by Format in the English (United States) conventions:
//   d dd ddd dddd    day; zero-padded; short and long weekday name
//   ddddd dddddd     the short ("M/d/yyyy") and long date formats
//   m mm mmm mmmm    month; zero-padded; short and long month name (minutes
//                    when it directly follows an h or hh, separators aside)
//   yy yyyy          year in two or four digits
//   h hh n nn s ss   hour, minute, second; the doubled forms zero-padded
//   z zzz            milliseconds
//   ampm am/pm a/p   AM or PM, am or pm, a or p (as written); any of them
//                    puts the hours on a 12-hour clock
//   t tt c           the short and long time formats; short date + long time
//   / :              the date and time separators
//   "x" 'x'          literal text
// Anything else is copied as it stands.
std::string FormatDateTime(std::string_view Format, const TSystemTime& Time);
