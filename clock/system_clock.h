// The computer's clock as the program reads it, replaceable in tests.
#pragma once

#include <chrono>

#include "engine/sky_state.h"

namespace sternwerk {

class SystemClock {
 public:
  virtual ~SystemClock() = default;
  virtual std::chrono::system_clock::time_point Now() const = 0;
};

// The real clock of the computer.
class ComputerClock : public SystemClock {
 public:
  std::chrono::system_clock::time_point Now() const override;
};

// Sets the instant to the clock's present in Universal Time: dateText
// "dd.mm.yyyy", day, month, year, timeText "hh.mm.ss" and hours (hours +
// minutes / 60 + seconds / 3600, whole seconds).
void SetInstantFromClock(SkyState& sky, const SystemClock& clock);

}  // namespace sternwerk
