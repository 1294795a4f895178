// The wall clock: the local time as a TSystemTime, a virtual one that
// moves with the virtual clock, and the application's choice between them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "host/THeadlessHost.h"
#include "ui/TApplication.h"
#include "ui/TWallClock.h"

namespace {

TSystemTime Time(int Year, int Month, int Day, int DayOfWeek, int Hour, int Minute, int Second, int Ms) {
  return {Year, Month, Day, DayOfWeek, Hour, Minute, Second, Ms};
}

void ExpectSame(const TSystemTime& Got, const TSystemTime& Want) {
  EXPECT_EQ(Got.Year, Want.Year);
  EXPECT_EQ(Got.Month, Want.Month);
  EXPECT_EQ(Got.Day, Want.Day);
  EXPECT_EQ(Got.DayOfWeek, Want.DayOfWeek);
  EXPECT_EQ(Got.Hour, Want.Hour);
  EXPECT_EQ(Got.Minute, Want.Minute);
  EXPECT_EQ(Got.Second, Want.Second);
  EXPECT_EQ(Got.Millisecond, Want.Millisecond);
}

// A time zone with daylight saving time for the length of a scope.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* Zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", Zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (old_) setenv("TZ", old_->c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::optional<std::string> old_;
};

}  // namespace

TEST(WallClock, TheCLibrarysBrokenDownTimeCountsMonthsFromOneAndYearsInFull) {
  std::tm tm{};
  tm.tm_year = 126;
  tm.tm_mon = 11;
  tm.tm_mday = 31;
  tm.tm_wday = 4;
  tm.tm_hour = 23;
  tm.tm_min = 5;
  tm.tm_sec = 60;  // a leap second
  ExpectSame(TLocalWallClock::FromTm(tm, 250), Time(2026, 12, 31, 4, 23, 5, 59, 250));
}

TEST(WallClock, AVirtualWallClockMovesWithTheVirtualClockAcrossEveryBoundary) {
  struct Case {
    const char* name;
    TSystemTime set;
    int64_t advance;
    TSystemTime read;
  };
  const Case cases[] = {
      {"still", Time(2026, 6, 15, 1, 9, 30, 0, 0), 0, Time(2026, 6, 15, 1, 9, 30, 0, 0)},
      {"into the next second", Time(2026, 6, 15, 1, 9, 30, 0, 900), 150, Time(2026, 6, 15, 1, 9, 30, 1, 50)},
      {"into the new year", Time(2026, 12, 31, 4, 23, 59, 59, 950), 100, Time(2027, 1, 1, 5, 0, 0, 0, 50)},
      {"onto a leap day", Time(2028, 2, 28, 1, 23, 59, 59, 999), 1, Time(2028, 2, 29, 2, 0, 0, 0, 0)},
      {"over the spring change of the clocks", Time(2026, 3, 29, 0, 1, 59, 0, 0), 3600000,
       Time(2026, 3, 29, 0, 2, 59, 0, 0)},
  };
  // Where the clocks change, a set time must not skip or repeat an hour.
  ScopedTimeZone berlin("Europe/Berlin");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TVirtualClock clock;
    clock.Set(5000);
    TVirtualWallClock wall(&clock);
    wall.Set(c.set);
    clock.Set(5000 + c.advance);
    ExpectSame(wall.Now(), c.read);
  }
}

TEST(WallClock, TheApplicationReadsTheSystemsTimeUnlessGivenAnother) {
  THeadlessHost host;
  TVirtualClock clock;
  TApplication app(host, clock);
  EXPECT_NE(dynamic_cast<TLocalWallClock*>(&app.WallClock()), nullptr);
  TVirtualWallClock wall(&clock);
  wall.Set(Time(2026, 12, 10, 4, 15, 0, 0, 0));
  app.SetWallClock(&wall);
  app.AdvanceTime(61000);
  ExpectSame(app.WallClock().Now(), Time(2026, 12, 10, 4, 15, 1, 1, 0));
  app.SetWallClock(nullptr);
  EXPECT_NE(dynamic_cast<TLocalWallClock*>(&app.WallClock()), nullptr);
}
