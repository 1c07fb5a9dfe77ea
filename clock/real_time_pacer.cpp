#include "clock/real_time_pacer.h"

namespace sternwerk {

RealTimePacer::RealTimePacer(const SystemClock& clock)
    : clock_(clock), countedUntil_(clock.Now()) {}

void RealTimePacer::Restart() {
  countedUntil_ = clock_.Now();
}

std::int64_t RealTimePacer::TakeWholeSeconds() {
  const std::chrono::system_clock::time_point now = clock_.Now();
  if (now < countedUntil_) {
    countedUntil_ = now;
    return 0;
  }
  const auto whole = std::chrono::floor<std::chrono::seconds>(now - countedUntil_);
  countedUntil_ += whole;
  return whole.count();
}

}  // namespace sternwerk
