// A system clock that stands still until the test moves it.
#pragma once

#include <chrono>

#include "clock/system_clock.h"

namespace sternwerk::testing {

class FakeSystemClock : public SystemClock {
 public:
  explicit FakeSystemClock(std::chrono::system_clock::time_point now = {}) : now_(now) {}

  std::chrono::system_clock::time_point Now() const override { return now_; }

  void Set(std::chrono::system_clock::time_point now) { now_ = now; }
  void Advance(std::chrono::system_clock::duration by) { now_ += by; }

 private:
  std::chrono::system_clock::time_point now_;
};

// The time point of a UTC date and time.
inline std::chrono::system_clock::time_point UtcTime(int year, unsigned month, unsigned day,
                                                     int hours, int minutes, int seconds) {
  using namespace std::chrono;
  return sys_days(std::chrono::year(year) / month / day) + std::chrono::hours(hours) +
         std::chrono::minutes(minutes) + std::chrono::seconds(seconds);
}

}  // namespace sternwerk::testing
