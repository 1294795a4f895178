// The local date and time, for what shows the time of day (the clock
// panel). Separate from the monotonic clock the timers run on, and
// injectable in the same way.
#pragma once

#include <cstdint>
#include <ctime>

#include "TClock.h"
#include "core/DateTime.h"

class IWallClock {
 public:
  virtual ~IWallClock() = default;
  virtual TSystemTime Now() const = 0;
};

// The system's local time (with the time zone and daylight saving time).
class TLocalWallClock : public IWallClock {
 public:
  TSystemTime Now() const override;
  // A broken-down time of the C library as a TSystemTime.
  static TSystemTime FromTm(const std::tm& Tm, int Millisecond);
};

// A time set by a test that moves on with a clock (the application's
// virtual clock), carrying into seconds, days and years as it goes.
class TVirtualWallClock : public IWallClock {
 public:
  explicit TVirtualWallClock(const IClock* Follow = nullptr) : follow_(Follow) {}
  TSystemTime Now() const override;
  // From now on the wall clock reads Time, then moves with the followed clock.
  void Set(const TSystemTime& Time);

 private:
  int64_t Elapsed() const { return follow_ ? follow_->NowMs() - setAtMs_ : 0; }

  const IClock* follow_;
  // Milliseconds since 1970 of the time set, counted without a time zone.
  int64_t baseMs_ = 946684800000;  // 1 January 2000
  int64_t setAtMs_ = 0;
};
