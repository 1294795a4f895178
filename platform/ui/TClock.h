// The application's clock. Every timer runs on it, so tests can use a
// virtual clock and step fades, pauses and holds exactly.
#pragma once

#include <cstdint>

class IClock {
 public:
  virtual ~IClock() = default;
  // Milliseconds on a monotonic scale.
  virtual int64_t NowMs() const = 0;
};

class TMonotonicClock : public IClock {
 public:
  int64_t NowMs() const override;
};

class TVirtualClock : public IClock {
 public:
  int64_t NowMs() const override { return now_; }
  void Set(int64_t Ms) { now_ = Ms; }

 private:
  int64_t now_ = 0;
};
