#include "TClock.h"

#include <chrono>

int64_t TMonotonicClock::NowMs() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
