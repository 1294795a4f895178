#include "TWallClock.h"

#include <cassert>
#include <utility>

namespace {

// Whole seconds and the milliseconds left, rounding towards the past.
std::pair<time_t, int> SplitMs(int64_t Ms) {
  int64_t s = Ms / 1000, ms = Ms % 1000;
  if (ms < 0) {
    --s;
    ms += 1000;
  }
  return {static_cast<time_t>(s), static_cast<int>(ms)};
}

}  // namespace

TSystemTime TLocalWallClock::FromTm(const std::tm& Tm, int Millisecond) {
  TSystemTime t;
  t.Year = Tm.tm_year + 1900;
  t.Month = Tm.tm_mon + 1;
  t.Day = Tm.tm_mday;
  t.DayOfWeek = Tm.tm_wday;
  t.Hour = Tm.tm_hour;
  t.Minute = Tm.tm_min;
  // A leap second reads as the last second of its minute.
  t.Second = Tm.tm_sec > 59 ? 59 : Tm.tm_sec;
  t.Millisecond = Millisecond;
  return t;
}

TSystemTime TLocalWallClock::Now() const {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::tm local{};
  localtime_r(&now.tv_sec, &local);
  return FromTm(local, static_cast<int>(now.tv_nsec / 1000000));
}

void TVirtualWallClock::Set(const TSystemTime& Time) {
  assert(Time.Month >= 1 && Time.Month <= 12 && Time.Day >= 1 && Time.Day <= 31);
  std::tm tm{};
  tm.tm_year = Time.Year - 1900;
  tm.tm_mon = Time.Month - 1;
  tm.tm_mday = Time.Day;
  tm.tm_hour = Time.Hour;
  tm.tm_min = Time.Minute;
  tm.tm_sec = Time.Second;
  // Counted as UTC, so no daylight saving time skips or repeats an hour.
  baseMs_ = static_cast<int64_t>(timegm(&tm)) * 1000 + Time.Millisecond;
  setAtMs_ = follow_ ? follow_->NowMs() : 0;
}

TSystemTime TVirtualWallClock::Now() const {
  auto [seconds, ms] = SplitMs(baseMs_ + Elapsed());
  std::tm tm{};
  gmtime_r(&seconds, &tm);
  return TLocalWallClock::FromTm(tm, ms);
}
